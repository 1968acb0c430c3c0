#include "shell/windowview.h"
#include "workedvalues.h"

#include "circle/frmcircle.h"
#include "controls/picture.h"

#include <QClipboard>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QPointer>
#include <QPushButton>
#include <QRadioButton>
#include <QRegularExpression>
#include <QSvgRenderer>

#include <cmath>

using namespace Zyntra;

namespace {

const QString PictureNames[] = {"picCircle", "picCircleSector", "picCircleSegment", "picHollowSec", "picEllipse"};

QString menuItemOf(int mode)
{
    const int items[] = {0, 10, 11};
    return arrayName(QStringLiteral("mnuGeometryItem"), items[mode]);
}

} // namespace

// What a user sees of the window: the captions of the shown controls.
struct Seen {
    QStringList options, fields, rows, pictures;
};

class TestFrmCircle : public QObject, private WindowView<frmCircle> {
    Q_OBJECT
private slots:
    void cleanup();

    void designStateUnderCircle();
    void eachMemberOpensWithItsLayout_data();
    void eachMemberOpensWithItsLayout();
    void optionsRelayTheWindow_data();
    void optionsRelayTheWindow();
    void optionClickEmptiesFieldsAndResults_data();
    void optionClickEmptiesFieldsAndResults();
    void arrowKeysChooseAnOptionLikeAClick();
    void workedValuesThroughKeysAndClicks_data();
    void workedValuesThroughKeysAndClicks();
    void editingKeysReachTheField();
    void failuresWarnAndLeaveAnswersAndFields_data();
    void failuresWarnAndLeaveAnswersAndFields();
    void clearKeepsOptionCaptionsAndLayout();
    void reopeningStartsFromTheDesignState();
    void figureCommandsReloadTheWindow();
    void unknownModeKeepsTheDesignStateAndCalculatesNothing();
    void drawingsShowTheirLettersOnBlack_data();
    void drawingsShowTheirLettersOnBlack();
    void rowsTellAScreenReaderTheirCaption();
    void longOptionCaptionsWrapInsideTheirButton_data();
    void longOptionCaptionsWrapInsideTheirButton();

private:
    // Starts the program and opens the family member.
    frmCircle *open(int mode)
    {
        startProgram();
        return WindowView::open(menuItemOf(mode));
    }
    QRadioButton *option(int i) const { return control<QRadioButton>(QStringLiteral("optGivencircle"), i); }
    QLabel *fieldCaption(int i) const { return control<QLabel>(QStringLiteral("lblGivenValue"), i); }
    QLineEdit *field(int i) const { return control<QLineEdit>(QStringLiteral("txtGivenValue"), i); }
    QLabel *rowCaption(int i) const { return control<QLabel>(QStringLiteral("lblAnswerCaption"), i); }
    QLabel *answer(int i) const { return control<QLabel>(QStringLiteral("lblAnswer"), i); }
    QLabel *title() const { return control<QLabel>(QStringLiteral("lblTitle")); }
    void click(QPushButton *b) const { QTest::mouseClick(b, Qt::LeftButton); }
    // On the round mark, which every option has whatever its caption's length.
    void choose(int i) const { QTest::mouseClick(option(i), Qt::LeftButton, {}, QPoint(7, option(i)->height() / 2)); }
    void type(int i, const QString &keys) const
    {
        field(i)->setFocus();
        QTest::keyClicks(field(i), keys);
    }
    void paste(int i, const QString &text) const
    {
        field(i)->setFocus();
        field(i)->selectAll();
        if (text.isEmpty()) {
            QTest::keyClick(field(i), Qt::Key_Backspace);
            return;
        }
        QGuiApplication::clipboard()->setText(text);
        QTest::keyClick(field(i), Qt::Key_V, Qt::ControlModifier);
    }
    QStringList answers() const
    {
        QStringList texts;
        for (int i = 0; i < 4; ++i)
            texts << answer(i)->text();
        return texts;
    }
    QStringList fieldTexts() const
    {
        QStringList texts;
        for (int i = 0; i < 3; ++i)
            texts << field(i)->text();
        return texts;
    }
    // A label shown without its field, or a caption without its answer, is
    // marked with a "!" so that no comparison passes.
    Seen seen() const
    {
        const auto pair = [](QStringList &list, QWidget *caption, QWidget *partner, const QString &text) {
            if (caption->isVisible() || partner->isVisible())
                list << (caption->isVisible() == partner->isVisible() ? text : text + u'!');
        };
        Seen s;
        for (int i = 0; i < 4; ++i)
            if (option(i)->isVisible())
                s.options << option(i)->text();
        for (int i = 0; i < 3; ++i)
            pair(s.fields, fieldCaption(i), field(i), fieldCaption(i)->text());
        for (int i = 0; i < 4; ++i)
            pair(s.rows, rowCaption(i), answer(i), rowCaption(i)->text());
        for (const QString &name : PictureNames)
            if (m_window->findChild<Picture *>(name)->isVisible())
                s.pictures << name;
        return s;
    }
    void compareSeen(const QStringList &options, const QStringList &fields, const QStringList &rows,
                     const QString &picture) const
    {
        const Seen s = seen();
        QCOMPARE(s.options, options);
        QCOMPARE(s.fields, fields);
        QCOMPARE(s.rows, rows);
        QCOMPARE(s.pictures, QStringList{picture});
    }
};

void TestFrmCircle::cleanup()
{
    closeProgram();
}

void TestFrmCircle::designStateUnderCircle()
{
    QVERIFY(open(CircleMode::Circle));
    QCOMPARE(intCurrentForm, FormCode::Circle);
    QCOMPARE(intCircleMode, CircleMode::Circle);
    QCOMPARE(m_window->objectName(), QStringLiteral("frmCircle"));
    QCOMPARE(title()->text(), QStringLiteral("Circle Calculations"));
    QCOMPARE(title()->font().pointSizeF(), 13.5);
    QVERIFY(title()->font().italic());
    QVERIFY(option(0)->isChecked());
    QCOMPARE(fieldCaption(0)->text(), QStringLiteral("r ="));
    QCOMPARE(fieldTexts(), QStringList(3));
    QCOMPARE(answers(), QStringList(4));
    QCOMPARE(button("cmdCalculate")->text(), QStringLiteral("CALCULATE"));
    QCOMPARE(button("cmdClear")->text(), QStringLiteral("CLEAR"));
    QVERIFY(button("cmdCalculate")->font().bold());
    QVERIFY(rowCaption(0)->font().bold());
    QCOMPARE(answer(2)->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(answer(2)->palette().color(QPalette::Window), QColor(Qt::black));

    QCOMPARE(title()->geometry(), QRect(8, 8, 393, 33));
    QCOMPARE(m_window->findChild<QGroupBox *>(QStringLiteral("fraGivencircle"))->geometry(), QRect(8, 40, 113, 193));
    QCOMPARE(option(3)->geometry(), QRect(8, 112, 97, 25));
    QCOMPARE(m_window->findChild<QGroupBox *>(QStringLiteral("Frame1"))->geometry(), QRect(120, 40, 113, 193));
    QCOMPARE(fieldCaption(2)->geometry(), QRect(8, 96, 89, 17));
    QCOMPARE(field(1)->geometry(), QRect(8, 72, 89, 19));
    QCOMPARE(m_window->findChild<QGroupBox *>(QStringLiteral("fraCircleResults"))->geometry(), QRect(8, 248, 225, 105));
    QCOMPARE(rowCaption(3)->geometry(), QRect(8, 72, 97, 17));
    QCOMPARE(answer(3)->geometry(), QRect(104, 72, 105, 17));
    QCOMPARE(button("cmdClear")->geometry(), QRect(424, 296, 113, 41));
    for (const QString &name : PictureNames)
        QCOMPARE(m_window->findChild<Picture *>(name)->geometry(), QRect(272, 40, 265, 193));
}

void TestFrmCircle::eachMemberOpensWithItsLayout_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("picture");
    QTest::newRow("Circle") << 0 << "Circle Calculations" << QStringList{"Radius", "Diameter", "Circumference", "Area"}
                            << QStringList{"r ="} << QStringList{"Radius", "Diameter", "Circumference", "Area"}
                            << "picCircle";
    QTest::newRow("Circle Sections") << 1 << "Cirle Section Calculations"
                                     << QStringList{"Sector of Circle", "Seg. of Circle", "Hollow Circle Sector"}
                                     << QStringList{"r =", "Degrees ="}
                                     << QStringList{"Radius", "Degrees", "Arc Length AC", "Area ABCA"}
                                     << "picCircleSector";
    QTest::newRow("Ellipse") << 2 << "Circle Calculations" << QStringList{"a/b"} << QStringList{"a =", "b ="}
                             << QStringList{"a", "b", "Area", "Perimeter"} << "picEllipse";
}

void TestFrmCircle::eachMemberOpensWithItsLayout()
{
    QFETCH(int, mode);
    QFETCH(QString, heading);
    QFETCH(QStringList, options);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, rows);
    QFETCH(QString, picture);
    QVERIFY(open(mode));
    QCOMPARE(intCircleMode, qint16(mode));
    QCOMPARE(title()->text(), heading);
    compareSeen(options, fields, rows, picture);
    QVERIFY(option(0)->isChecked());
    QCOMPARE(fieldTexts(), QStringList(3));
    QCOMPARE(answers(), QStringList(4));
}

void TestFrmCircle::optionsRelayTheWindow_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QList<int>>("clicks");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<QString>("picture");
    const QStringList circleRows{"Radius", "Diameter", "Circumference", "Area"};
    const QStringList sectorRows{"Radius", "Degrees", "Arc Length AC", "Area ABCA"};
    const QStringList segmentRows{"Radius", "Degrees", "Area ACDA"};
    const QStringList hollowRows{"r1", "r2", "Degrees", "Area ABCDA"};
    QTest::newRow("Radius") << 0 << QList<int>{0} << QStringList{"Radius = "} << circleRows << "picCircle";
    QTest::newRow("Diameter") << 0 << QList<int>{1} << QStringList{"Diameter = "} << circleRows << "picCircle";
    QTest::newRow("Circumference") << 0 << QList<int>{2} << QStringList{"Circumference = "} << circleRows
                                   << "picCircle";
    QTest::newRow("Area") << 0 << QList<int>{3} << QStringList{"Area = "} << circleRows << "picCircle";
    QTest::newRow("Area, then Radius") << 0 << QList<int>{3, 0} << QStringList{"Radius = "} << circleRows
                                       << "picCircle";
    QTest::newRow("Sector") << 1 << QList<int>{0} << QStringList{"r =", "Degrees ="} << sectorRows << "picCircleSector";
    QTest::newRow("Segment") << 1 << QList<int>{1} << QStringList{"r =", "Degrees ="} << segmentRows
                             << "picCircleSegment";
    QTest::newRow("Hollow sector") << 1 << QList<int>{2} << QStringList{"r1", "r2", "Degrees"} << hollowRows
                                   << "picHollowSec";
    QTest::newRow("Hollow sector, then Sector")
        << 1 << QList<int>{2, 0} << QStringList{"r =", "Degrees ="} << sectorRows << "picCircleSector";
    QTest::newRow("Segment, then Hollow sector")
        << 1 << QList<int>{1, 2} << QStringList{"r1", "r2", "Degrees"} << hollowRows << "picHollowSec";
    QTest::newRow("Hollow sector, then Segment")
        << 1 << QList<int>{2, 1} << QStringList{"r =", "Degrees ="} << segmentRows << "picCircleSegment";
    QTest::newRow("Segment, then Sector")
        << 1 << QList<int>{1, 0} << QStringList{"r =", "Degrees ="} << sectorRows << "picCircleSector";
    QTest::newRow("a/b") << 2 << QList<int>{0} << QStringList{"a =", "b ="}
                         << QStringList{"a", "b", "Area", "Perimeter"} << "picEllipse";
}

void TestFrmCircle::optionsRelayTheWindow()
{
    QFETCH(int, mode);
    QFETCH(QList<int>, clicks);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, rows);
    QFETCH(QString, picture);
    QVERIFY(open(mode));
    const QString heading = title()->text();
    QStringList options;
    for (int i = 0; i < 4; ++i)
        if (option(i)->isVisible())
            options << option(i)->text();
    for (int k : clicks)
        choose(k);
    QVERIFY(option(clicks.last())->isChecked());
    compareSeen(options, fields, rows, picture);
    QCOMPARE(title()->text(), heading);
}

void TestFrmCircle::optionClickEmptiesFieldsAndResults_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("given");
    QTest::addColumn<int>("chosen");
    QTest::newRow("circle: Radius to Area") << 0 << 0 << 3;
    QTest::newRow("circle: Radius again") << 0 << 0 << 0;
    QTest::newRow("sections: Sector to Segment") << 1 << 0 << 1;
    QTest::newRow("sections: Hollow sector to Sector") << 1 << 2 << 0;
    QTest::newRow("sections: Sector again") << 1 << 0 << 0;
    QTest::newRow("ellipse: a/b") << 2 << 0 << 0;
}

void TestFrmCircle::optionClickEmptiesFieldsAndResults()
{
    QFETCH(int, mode);
    QFETCH(int, given);
    QFETCH(int, chosen);
    QVERIFY(open(mode));
    if (given != 0)
        choose(given);
    for (int i = 0; i < 3; ++i)
        if (field(i)->isVisible())
            type(i, QString::number(3 - i));
    field(2)->setText(QStringLiteral("7")); // a hidden field is emptied too
    click(button("cmdCalculate"));
    QVERIFY(!answer(0)->text().isEmpty());
    choose(chosen);
    QCOMPARE(fieldTexts(), QStringList(3));
    QCOMPARE(answers(), QStringList(4));
    QVERIFY(!m_window->warning());
}

void TestFrmCircle::arrowKeysChooseAnOptionLikeAClick()
{
    QVERIFY(open(CircleMode::Sections));
    type(0, QStringLiteral("10"));
    option(0)->setFocus();
    QTest::keyClick(option(0), Qt::Key_Down);
    QVERIFY(option(1)->isChecked());
    QCOMPARE(field(0)->text(), QString());
    QCOMPARE(seen().rows, (QStringList{"Radius", "Degrees", "Area ACDA"}));
    type(0, QStringLiteral("10"));
    type(1, QStringLiteral("60"));
    click(button("cmdCalculate"));
    QCOMPARE(answers(), (QStringList{"10.00", "60.00", "9.05", ""}));
}

void TestFrmCircle::workedValuesThroughKeysAndClicks_data()
{
    addWorkedValues();
}

void TestFrmCircle::workedValuesThroughKeysAndClicks()
{
    QFETCH(int, mode);
    QFETCH(int, given);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, shown);
    QVERIFY(open(mode));
    if (given != 0)
        choose(given);
    for (int i = 0; i < fields.size(); ++i) {
        QVERIFY(field(i)->isVisible());
        type(i, fields[i]);
        QCOMPARE(field(i)->text(), fields[i]);
    }
    click(button("cmdCalculate"));
    QCOMPARE(answers(), shown);
    click(button("cmdCalculate"));
    QCOMPARE(answers(), shown);
    QCOMPARE(fieldTexts().mid(0, fields.size()), fields);
    QVERIFY(!m_window->warning());
}

void TestFrmCircle::editingKeysReachTheField()
{
    QVERIFY(open(CircleMode::Ellipse));
    type(1, QStringLiteral("1.2.3"));
    QCOMPARE(field(1)->text(), QStringLiteral("1.2.3"));
    QTest::keyClick(field(1), Qt::Key_Backspace);
    QCOMPARE(field(1)->text(), QStringLiteral("1.2."));
    QTest::keyClick(field(1), Qt::Key_A, Qt::ControlModifier);
    QTest::keyClick(field(1), Qt::Key_X, Qt::ControlModifier);
    QCOMPARE(field(1)->text(), QString());
    QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("1.2."));
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    QTest::keyClick(field(1), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field(1)->text(), QStringLiteral("abc")); // pasted text is not filtered
}

void TestFrmCircle::failuresWarnAndLeaveAnswersAndFields_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("given");
    QTest::addColumn<QStringList>("good");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("warning");
    QTest::addColumn<bool>("namesField");
    const QString huge = QStringLiteral("1") + QString(200, u'0');
    QTest::newRow("circle radius 1..2") << 0 << 0 << QStringList{"5"} << 0 << "1..2"
                                        << "Radius r: \"1..2\" is not a number." << true;
    QTest::newRow("circle diameter 1.2.3") << 0 << 1 << QStringList{"10"} << 0 << "1.2.3"
                                           << "Diameter D: \"1.2.3\" is not a number." << true;
    QTest::newRow("circle blanks") << 0 << 2 << QStringList{"31.4"} << 0 << "   "
                                   << "Circumference: \"   \" is not a number." << true;
    QTest::newRow("circle negative area") << 0 << 3 << QStringList{"78.5"} << 0 << "-78.5"
                                          << "square root of a negative number" << false;
    QTest::newRow("circle area of a huge radius") << 0 << 0 << QStringList{"5"} << 0 << huge << "too large" << false;
    QTest::newRow("sector angle abc") << 1 << 0 << QStringList{"10", "60"} << 1 << "abc"
                                      << "Angle θ in degrees: \"abc\" is not a number." << true;
    QTest::newRow("segment radius .") << 1 << 1 << QStringList{"10", "60"} << 0 << "."
                                      << "Radius r: \".\" is not a number." << true;
    QTest::newRow("hollow outer radius x") << 1 << 2 << QStringList{"10", "5", "90"} << 0 << "x"
                                           << "Outer radius r1: \"x\" is not a number." << true;
    QTest::newRow("hollow inner radius 5..") << 1 << 2 << QStringList{"10", "5", "90"} << 1 << "5.."
                                             << "Inner radius r2: \"5..\" is not a number." << true;
    QTest::newRow("sector past a whole turn") << 1 << 0 << QStringList{"10", "60"} << 1 << "400"
                                              << "The angle θ must be 360° or less" << true;
    QTest::newRow("hollow inner radius outside")
        << 1 << 2 << QStringList{"10", "5", "90"} << 1 << "20"
        << "Inner radius r2 must not be larger than the outer radius r1." << true;
    QTest::newRow("hollow overflows") << 1 << 2 << QStringList{"10", "5", "90"} << 0 << huge << "too large" << false;
    QTest::newRow("ellipse a 5,5") << 2 << 0 << QStringList{"5", "3"} << 0 << "5,5"
                                   << "Semi-axis a: \"5,5\" is not a number." << true;
    QTest::newRow("ellipse negative b") << 2 << 0 << QStringList{"5", "3"} << 1 << "-3"
                                        << "square root of a negative number" << false;
}

void TestFrmCircle::failuresWarnAndLeaveAnswersAndFields()
{
    QFETCH(int, mode);
    QFETCH(int, given);
    QFETCH(QStringList, good);
    QFETCH(int, index);
    QFETCH(QString, pasted);
    QFETCH(QString, warning);
    QFETCH(bool, namesField);
    QVERIFY(open(mode));
    if (given != 0)
        choose(given);
    for (int i = 0; i < good.size(); ++i)
        type(i, good[i]);
    click(button("cmdCalculate"));
    const QStringList before = answers();
    QVERIFY(!before.first().isEmpty());

    paste(index, pasted);
    QCOMPARE(field(index)->text(), pasted);
    const QStringList typed = fieldTexts();
    field(0)->setFocus();
    click(button("cmdCalculate"));

    QCOMPARE(answers(), before);
    QCOMPARE(fieldTexts(), typed);
    QVERIFY(m_window->warning());
    QVERIFY(m_window->warning()->isVisible());
    QVERIFY2(m_window->warning()->text().contains(warning), qPrintable(m_window->warning()->text()));
    QVERIFY(!m_window->warning()->isModal());
    m_window->warning()->accept();
    if (namesField)
        QTRY_COMPARE(QApplication::focusWidget(), field(index));

    // Mended, the same window calculates again.
    paste(index, good[index]);
    click(button("cmdCalculate"));
    QCOMPARE(answers(), before);
}

void TestFrmCircle::clearKeepsOptionCaptionsAndLayout()
{
    QVERIFY(open(CircleMode::Sections));
    choose(2);
    type(0, QStringLiteral("10"));
    type(1, QStringLiteral("5"));
    type(2, QStringLiteral("90"));
    click(button("cmdCalculate"));
    QCOMPARE(answers(), (QStringList{"10.00", "5.00", "90.0", "58.88"}));
    const Seen before = seen();
    click(button("cmdClear"));
    QCOMPARE(answers(), QStringList(4));
    QCOMPARE(fieldTexts(), QStringList(3));
    QVERIFY(option(2)->isChecked());
    const Seen after = seen();
    QCOMPARE(after.options, before.options);
    QCOMPARE(after.fields, before.fields);
    QCOMPARE(after.rows, before.rows);
    QCOMPARE(after.pictures, QStringList{"picHollowSec"});
    // Still the hollow sector: an empty field shows the plain zeros.
    type(0, QStringLiteral("3"));
    type(1, QStringLiteral("2"));
    click(button("cmdCalculate"));
    QCOMPARE(answers(), QStringList(4, QStringLiteral("0")));
    type(2, QStringLiteral("45.5"));
    click(button("cmdCalculate"));
    QCOMPARE(answers(), (QStringList{"3.00", "2.00", "45.5", "1.98"}));

    QVERIFY(open(CircleMode::Circle));
    choose(1);
    type(0, QStringLiteral("10"));
    click(button("cmdClear"));
    QCOMPARE(fieldCaption(0)->text(), QStringLiteral("Diameter = "));
    type(0, QStringLiteral("10"));
    click(button("cmdCalculate"));
    QCOMPARE(answers(), (QStringList{"5.00", "10.00", "31.42", "78.54"}));
}

void TestFrmCircle::reopeningStartsFromTheDesignState()
{
    QVERIFY(open(CircleMode::Sections));
    choose(2);
    type(0, QStringLiteral("10"));
    type(1, QStringLiteral("5"));
    type(2, QStringLiteral("90"));
    click(button("cmdCalculate"));
    const QPointer<frmCircle> first = m_window;

    m_window = m_program->open<frmCircle>(menuItemOf(CircleMode::Sections));
    QVERIFY(m_window);
    QVERIFY(!first); // the typed window is gone, not reused
    QVERIFY(QTest::qWaitForWindowExposed(m_window));
    QCOMPARE(m_program->figureWindows().size(), 1);
    QVERIFY(option(0)->isChecked());
    compareSeen({"Sector of Circle", "Seg. of Circle", "Hollow Circle Sector"}, {"r =", "Degrees ="},
                {"Radius", "Degrees", "Arc Length AC", "Area ABCA"}, QStringLiteral("picCircleSector"));
    QCOMPARE(fieldTexts(), QStringList(3));
    QCOMPARE(answers(), QStringList(4));
    // A fresh opening computes the sector.
    type(0, QStringLiteral("10"));
    type(1, QStringLiteral("60"));
    click(button("cmdCalculate"));
    QCOMPARE(answers(), (QStringList{"10.00", "60.00", "10.47", "52.36"}));

    // Under Circle a fresh opening reads field 0 as the radius again.
    m_window = m_program->open<frmCircle>(menuItemOf(CircleMode::Circle));
    QVERIFY(m_window);
    choose(3);
    m_window = m_program->open<frmCircle>(menuItemOf(CircleMode::Circle));
    QVERIFY(m_window);
    QCOMPARE(fieldCaption(0)->text(), QStringLiteral("r ="));
    type(0, QStringLiteral("1"));
    click(button("cmdCalculate"));
    QCOMPARE(answers(), (QStringList{"1.00", "2.00", "6.28", "3.14"}));
}

void TestFrmCircle::figureCommandsReloadTheWindow()
{
    startProgram();
    const std::pair<int, const char *> steps[] = {
        {CircleMode::Circle, "Circle Calculations"},
        {CircleMode::Ellipse, "Circle Calculations"},
        {CircleMode::Sections, "Cirle Section Calculations"},
    };
    for (const auto &[mode, heading] : steps) {
        m_window = m_program->open<frmCircle>(menuItemOf(mode));
        QVERIFY(m_window);
        QCOMPARE(intCircleMode, qint16(mode));
        QCOMPARE(intCurrentForm, FormCode::Circle);
        QCOMPARE(title()->text(), QString::fromLatin1(heading));
        QCOMPARE(m_window->pos(), QPoint(0, 0));
    }
    m_program->choose(QStringLiteral("mnuGeometryItem(9)"));
    QCOMPARE(m_program->figureWindows().size(), 1);
    QVERIFY(!qobject_cast<frmCircle *>(m_program->figureWindows().first()));
    m_window = nullptr;
}

void TestFrmCircle::unknownModeKeepsTheDesignStateAndCalculatesNothing()
{
    intCircleMode = 7;
    intCurrentForm = 0;
    frmCircle window;
    m_window = &window;
    QCOMPARE(intCurrentForm, FormCode::Circle);
    QCOMPARE(title()->text(), QStringLiteral("Circle Calculations"));
    for (const QString &name : PictureNames)
        QVERIFY(window.findChild<Picture *>(name)->isHidden());
    QVERIFY(field(1)->isHidden());
    field(0)->setText(QStringLiteral("5"));
    window.cmdCalculate_Click();
    QCOMPARE(answers(), QStringList(4));
    QVERIFY(!window.warning());
    window.optGivencircle_Click(2);
    QCOMPARE(field(0)->text(), QString());
    QCOMPARE(fieldCaption(0)->text(), QStringLiteral("r ="));
    m_window = nullptr;
}

void TestFrmCircle::drawingsShowTheirLettersOnBlack_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QStringList>("letters");
    QTest::newRow("circle") << "picCircle" << QStringList{"D", "r"};
    QTest::newRow("sector") << "picCircleSector" << QStringList{"A", "B", "C", "r", "θ"};
    QTest::newRow("segment") << "picCircleSegment" << QStringList{"A", "C", "D", "r", "θ"};
    QTest::newRow("hollow sector") << "picHollowSec" << QStringList{"A", "B", "C", "D", "r1", "r2", "θ"};
    QTest::newRow("ellipse") << "picEllipse" << QStringList{"a", "b"};
}

void TestFrmCircle::drawingsShowTheirLettersOnBlack()
{
    QFETCH(QString, name);
    QFETCH(QStringList, letters);
    QVERIFY(open(CircleMode::Circle));
    auto *picture = m_window->findChild<Picture *>(name);
    QVERIFY(picture && picture->renderer()->isValid());
    QCOMPARE(picture->renderer()->defaultSize(), QSize(265, 193));
    QVERIFY(!picture->accessibleName().isEmpty());

    QFile file(QStringLiteral(":/pictures/%1.svg").arg(name));
    QVERIFY(file.open(QIODevice::ReadOnly));
    const QString svg = QString::fromUtf8(file.readAll());
    QStringList shown;
    static const QRegularExpression text(QStringLiteral("<text [^>]*fill=\"#f00\"[^>]*>([^<]+)</text>"));
    for (const QRegularExpressionMatch &match : text.globalMatch(svg))
        shown << match.captured(1);
    shown.sort();
    QCOMPARE(shown, letters);

    QImage image(picture->renderer()->defaultSize(), QImage::Format_RGB32);
    image.fill(Qt::gray);
    QPainter painter(&image);
    picture->renderer()->render(&painter);
    painter.end();
    QCOMPARE(image.pixelColor(0, 0), QColor(Qt::black));
    QCOMPARE(image.pixelColor(image.width() - 1, image.height() - 1), QColor(Qt::black));
    int white = 0, red = 0;
    for (int y = 0; y < image.height(); ++y)
        for (int x = 0; x < image.width(); ++x) {
            const QColor c = image.pixelColor(x, y);
            white += c.red() > 200 && c.green() > 200 && c.blue() > 200;
            red += c.red() > 200 && c.green() < 60 && c.blue() < 60;
        }
    QVERIFY2(white > 300, "the figure is drawn in white lines");
    QVERIFY2(red > 50, "dimension lines and letters are red");
}

void TestFrmCircle::rowsTellAScreenReaderTheirCaption()
{
    QVERIFY(open(CircleMode::Sections));
    QCOMPARE(answer(2)->accessibleDescription(), QStringLiteral("Arc Length AC"));
    QVERIFY(answer(2)->accessibleName().isEmpty()); // the shown text is what is read
    QCOMPARE(field(1)->accessibleName(), QStringLiteral("Angle θ in degrees"));
    QCOMPARE(fieldCaption(1)->buddy(), field(1));
    choose(2);
    QCOMPARE(answer(3)->accessibleDescription(), QStringLiteral("Area ABCDA"));
    QCOMPARE(field(0)->accessibleName(), QStringLiteral("Outer radius r1"));
    QCOMPARE(field(1)->accessibleName(), QStringLiteral("Inner radius r2"));

    QVERIFY(open(CircleMode::Ellipse));
    QCOMPARE(answer(3)->accessibleDescription(), QStringLiteral("Perimeter"));
    QCOMPARE(field(0)->accessibleName(), QStringLiteral("Semi-axis a"));
}

void TestFrmCircle::longOptionCaptionsWrapInsideTheirButton_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("lines");
    QTest::newRow("Radius") << 0 << 0 << 1;
    QTest::newRow("Circumference, one long word") << 0 << 2 << 1;
    QTest::newRow("Sector of Circle") << 1 << 0 << 1;
    QTest::newRow("Seg. of Circle") << 1 << 1 << 1;
    QTest::newRow("Hollow Circle Sector") << 1 << 2 << 2;
}

// Measures how tall the caption's ink stands against the font's line
// spacing, and makes sure no caption runs into the button's right edge.
void TestFrmCircle::longOptionCaptionsWrapInsideTheirButton()
{
    QFETCH(int, mode);
    QFETCH(int, index);
    QFETCH(int, lines);
    QVERIFY(open(mode));
    const QImage image = option(index)->grab().toImage();
    const double ratio = image.devicePixelRatio();
    const int captionLeft = int(20 * ratio);
    int top = -1;
    int bottom = -1;
    for (int y = 0; y < image.height(); ++y) {
        bool dark = false;
        for (int x = captionLeft; x < image.width(); ++x)
            dark = dark || QColor(image.pixel(x, y)).lightness() < 110;
        if (dark) {
            top = top < 0 ? y : top;
            bottom = y;
        }
        QVERIFY(QColor(image.pixel(image.width() - 1, y)).lightness() >= 110);
    }
    QVERIFY(top >= 0);
    const double lineSpacing = QFontMetricsF(option(index)->font()).lineSpacing() * ratio;
    QCOMPARE(int(std::ceil((bottom - top + 1) / lineSpacing)), lines);
}

QTEST_MAIN(TestFrmCircle)
#include "tst_frmcircle.moc"
