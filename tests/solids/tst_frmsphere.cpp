#include "shell/windowview.h"

#include "controls/picture.h"
#include "solids/frmsphere.h"

#include <QClipboard>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QSvgRenderer>

using namespace Zyntra;

namespace {
const QStringList AnswerNames{"lblRadius", "lblDiameter", "lblCircum", "lblArea", "lblVolume"};
const QStringList OptionCaptions{"Radius", "Diameter", "Circumference", "Surface area", "Volume"};
} // namespace

class TestFrmSphere : public QObject, private WindowView<frmSphere> {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensWithItsDesignState();
    void optionSetsPromptAndGiven_data();
    void optionSetsPromptAndGiven();
    void calculateShowsTheFiveQuantities_data();
    void calculateShowsTheFiveQuantities();
    void optionClickAfterACalculationEmptiesFieldAndAnswers();
    void clearKeepsOptionPromptAndGiven();
    void arrowKeysChooseTheGivenQuantity();
    void badTextWarnsAndChangesNoAnswer_data();
    void badTextWarnsAndChangesNoAnswer();
    void reopeningStartsAfresh();
    void controlsHaveNamesAScreenReaderSpeaks();

private:
    QLineEdit *field() const { return control<QLineEdit>(QStringLiteral("txtGivenValue")); }
    QLabel *prompt() const { return control<QLabel>(QStringLiteral("lblGivenValue")); }
    QRadioButton *option(int i) const { return control<QRadioButton>(QStringLiteral("optGivensphere"), i); }
    QLabel *answer(int i) const { return control<QLabel>(AnswerNames[i]); }
    QStringList answers() const
    {
        QStringList texts;
        for (int i = 0; i < 5; ++i)
            texts << answer(i)->text();
        return texts;
    }
    // On the round button itself, where a user aims.
    void clickOption(int i) const
    {
        QTest::mouseClick(option(i), Qt::LeftButton, {}, QPoint(7, option(i)->height() / 2));
    }
    void type(const QString &keys) const
    {
        field()->setFocus();
        QTest::keyClicks(field(), keys);
    }
};

void TestFrmSphere::init()
{
    startProgram();
    QVERIFY(open(QStringLiteral("mnu3dGeometryItem(0)")));
}

void TestFrmSphere::cleanup()
{
    closeProgram();
}

void TestFrmSphere::opensWithItsDesignState()
{
    QCOMPARE(intCurrentForm, FormCode::Sphere);
    QCOMPARE(m_window->objectName(), QStringLiteral("frmSphere"));
    auto *given = m_window->findChild<QGroupBox *>(QStringLiteral("fraGivencircle"));
    QCOMPARE(given->title(), QStringLiteral("Given:"));
    QVERIFY(given->font().bold());
    QStringList captions;
    for (int i = 0; i < 5; ++i) {
        captions << option(i)->text();
        QVERIFY(option(i)->isVisible());
        QCOMPARE(option(i)->parentWidget(), given);
        if (i > 0)
            QVERIFY(option(i)->y() > option(i - 1)->y());
    }
    QCOMPARE(captions, OptionCaptions);
    QVERIFY(option(0)->isChecked());
    QCOMPARE(m_window->given(), qint16(0));
    QCOMPARE(prompt()->text(), QStringLiteral("Radius ="));
    QVERIFY(field()->text().isEmpty());
    QCOMPARE(answers(), QStringList(5));
    QStringList rowCaptions;
    for (const char *name : {"Label1", "Label2", "Label3", "Label4", "Label6"}) {
        auto *caption = m_window->findChild<QLabel *>(QString::fromLatin1(name));
        rowCaptions << caption->text();
        QVERIFY(caption->font().bold());
    }
    QCOMPARE(rowCaptions, OptionCaptions);
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(answer(i)->palette().color(QPalette::WindowText), QColor(Qt::red));
        QCOMPARE(answer(i)->palette().color(QPalette::Window), QColor(Qt::black));
        QVERIFY(answer(i)->font().bold());
        if (i > 0)
            QVERIFY(answer(i)->y() > answer(i - 1)->y());
    }
    QCOMPARE(button("cmdCalculate")->text(), QStringLiteral("CALCULATE"));
    QCOMPARE(button("cmdClear")->text(), QStringLiteral("CLEAR"));
    QVERIFY(button("cmdCalculate")->font().bold());
    QVERIFY(button("cmdCalculate")->y() < button("cmdClear")->y());
    auto *picture = m_window->findChild<Picture *>(QStringLiteral("Picture1"));
    QVERIFY(picture && picture->isVisible() && picture->renderer()->isValid());
    QCOMPARE(picture->size(), QSize(264, 211));
    // Left column, picture to its right, results below, buttons right of the results.
    auto *results = m_window->findChild<QGroupBox *>(QStringLiteral("fraSphereResults"));
    QVERIFY(picture->x() >= given->geometry().right());
    QVERIFY(results->y() >= m_window->findChild<QGroupBox *>(QStringLiteral("fraGivenValue"))->geometry().bottom());
    QVERIFY(button("cmdCalculate")->x() >= results->geometry().right());
}

void TestFrmSphere::optionSetsPromptAndGiven_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("prompt");
    QTest::newRow("Radius") << 0 << "Radius = ";
    QTest::newRow("Diameter") << 1 << "Diameter = ";
    QTest::newRow("Circumference") << 2 << "Circumference = ";
    QTest::newRow("Surface area") << 3 << "Surface area = ";
    QTest::newRow("Volume") << 4 << "Volume =";
}

void TestFrmSphere::optionSetsPromptAndGiven()
{
    QFETCH(int, index);
    QFETCH(QString, prompt);
    clickOption(index == 0 ? 4 : 0); // come from another option
    clickOption(index);
    QVERIFY(option(index)->isChecked());
    QCOMPARE(this->prompt()->text(), prompt);
    QCOMPARE(m_window->given(), qint16(index));
    QCOMPARE(field()->accessibleName(), OptionCaptions[index]);
}

void TestFrmSphere::calculateShowsTheFiveQuantities_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("keys");
    QTest::addColumn<QStringList>("expected");
    const QStringList unit{"1.00", "2.00", "6.28", "12.57", "4.19"};
    QTest::newRow("radius 1, without an option click") << -1 << "1" << unit;
    QTest::newRow("radius 1") << 0 << "1" << unit;
    QTest::newRow("diameter 2") << 1 << "2" << unit;
    QTest::newRow("radius 2.5") << 0 << "2.5" << QStringList{"2.50", "5.00", "15.71", "78.54", "65.45"};
    QTest::newRow("circumference 10") << 2 << "10" << QStringList{"1.592", "3.183", "10.0", "31.83", "16.89"};
    QTest::newRow("surface area 100") << 3 << "100" << QStringList{"2.821", "5.642", "17.72", "100.0", "94.03"};
    QTest::newRow("volume 4.1888") << 4 << "4.1888" << unit;
    QTest::newRow("volume 1000") << 4 << "1000" << QStringList{"6.204", "12.407", "38.98", "483.6", "1000.0"};
    QTest::newRow("empty field") << 3 << "" << QStringList{".00", ".00", ".0", ".0", ".0"};
    QTest::newRow("signs and letters dropped while typing")
        << 0 << "-2a.5 e" << QStringList{"2.50", "5.00", "15.71", "78.54", "65.45"};
}

void TestFrmSphere::calculateShowsTheFiveQuantities()
{
    QFETCH(int, index);
    QFETCH(QString, keys);
    QFETCH(QStringList, expected);
    if (index >= 0)
        clickOption(index);
    type(keys);
    calculate();
    QCOMPARE(answers(), expected);
    QVERIFY(!m_window->warning());
    calculate();
    QCOMPARE(answers(), expected);
    QCOMPARE(field()->text(), QString(keys).remove(QRegularExpression(QStringLiteral("[^0-9.]"))));
}

void TestFrmSphere::optionClickAfterACalculationEmptiesFieldAndAnswers()
{
    type(QStringLiteral("1"));
    calculate();
    QCOMPARE(answer(4)->text(), QStringLiteral("4.19"));
    clickOption(4);
    QVERIFY(field()->text().isEmpty());
    QCOMPARE(answers(), QStringList(5));
    QCOMPARE(prompt()->text(), QStringLiteral("Volume ="));
    type(QStringLiteral("4.1888"));
    calculate();
    QCOMPARE(answer(0)->text(), QStringLiteral("1.00"));
    QCOMPARE(answer(1)->text(), QStringLiteral("2.00"));
}

void TestFrmSphere::clearKeepsOptionPromptAndGiven()
{
    clickOption(2);
    type(QStringLiteral("10"));
    calculate();
    QCOMPARE(answer(1)->text(), QStringLiteral("3.183"));
    QTest::mouseClick(button("cmdClear"), Qt::LeftButton);
    QVERIFY(field()->text().isEmpty());
    QCOMPARE(answers(), QStringList(5));
    QVERIFY(option(2)->isChecked());
    QCOMPARE(prompt()->text(), QStringLiteral("Circumference = "));
    QCOMPARE(m_window->given(), qint16(2));
    QCOMPARE(QApplication::focusWidget(), field()); // the buttons leave the focus in the field
    type(QStringLiteral("10"));
    calculate();
    QCOMPARE(answer(1)->text(), QStringLiteral("3.183"));
}

void TestFrmSphere::arrowKeysChooseTheGivenQuantity()
{
    type(QStringLiteral("3"));
    option(0)->setFocus();
    QTest::keyClick(option(0), Qt::Key_Down);
    QVERIFY(option(1)->isChecked());
    QCOMPARE(prompt()->text(), QStringLiteral("Diameter = "));
    QCOMPARE(m_window->given(), qint16(1));
    QVERIFY(field()->text().isEmpty());
}

void TestFrmSphere::badTextWarnsAndChangesNoAnswer_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("warning");
    QTest::newRow("negative surface area") << 3 << "-100"
                                           << "square root of a negative number";
    QTest::newRow("negative volume") << 4 << "-1000"
                                     << "no real result";
    QTest::newRow("1.2.3") << 0 << "1.2.3"
                           << "Radius: \"1.2.3\" is not a number.";
    QTest::newRow("letters") << 4 << "abc"
                             << "Volume: \"abc\" is not a number.";
    QTest::newRow("blanks") << 1 << "   "
                            << "Diameter: \"   \" is not a number.";
    QTest::newRow("volume of a huge radius") << 0 << "1" + QString(120, u'0') << "too large";
}

void TestFrmSphere::badTextWarnsAndChangesNoAnswer()
{
    QFETCH(int, index);
    QFETCH(QString, pasted);
    QFETCH(QString, warning);
    clickOption(index);
    type(QStringLiteral("100"));
    calculate();
    const QStringList before = answers();
    QVERIFY(!before.first().isEmpty());

    field()->selectAll();
    QGuiApplication::clipboard()->setText(pasted);
    QTest::keyClick(field(), Qt::Key_V, Qt::ControlModifier);
    QCOMPARE(field()->text(), pasted);
    calculate();

    QCOMPARE(answers(), before);
    QCOMPARE(field()->text(), pasted);
    QCOMPARE(m_window->given(), qint16(index));
    QVERIFY(m_window->warning() && m_window->warning()->isVisible());
    QVERIFY2(m_window->warning()->text().contains(warning), qPrintable(m_window->warning()->text()));
    m_window->warning()->accept();
    QTRY_COMPARE(QApplication::focusWidget(), field());
}

void TestFrmSphere::reopeningStartsAfresh()
{
    clickOption(4);
    type(QStringLiteral("1000"));
    calculate();
    auto *again = m_program->open<frmSphere>(QStringLiteral("mnu3dGeometryItem(0)"));
    QVERIFY(again);
    m_window = again;
    QCOMPARE(intCurrentForm, FormCode::Sphere);
    QVERIFY(option(0)->isChecked());
    QCOMPARE(m_window->given(), qint16(0));
    QCOMPARE(prompt()->text(), QStringLiteral("Radius ="));
    QVERIFY(field()->text().isEmpty());
    QCOMPARE(answers(), QStringList(5));
}

void TestFrmSphere::controlsHaveNamesAScreenReaderSpeaks()
{
    QCOMPARE(field()->accessibleName(), QStringLiteral("Radius"));
    QCOMPARE(prompt()->buddy(), field());
    for (int i = 0; i < 5; ++i) {
        QCOMPARE(answer(i)->accessibleDescription(), OptionCaptions[i]);
        QVERIFY(answer(i)->accessibleName().isEmpty()); // the shown text is what is read
    }
    QVERIFY(!m_window->findChild<Picture *>(QStringLiteral("Picture1"))->accessibleName().isEmpty());
}

QTEST_MAIN(TestFrmSphere)
#include "tst_frmsphere.moc"
