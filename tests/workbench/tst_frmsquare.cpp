#include "workbench/workbenchview.h"

#include "entry/numericentry.h"
#include "shell/catalogue.h"

#include <QGroupBox>
#include <QMessageBox>
#include <QSvgRenderer>

#include <algorithm>

using namespace Zyntra;

namespace {

const QStringList PlaneMenuItems{"mnuGeometryItem(2)", "mnuGeometryItem(3)", "mnuGeometryItem(4)", "mnuGeometryItem(5)",
                                 "mnuGeometryItem(6)", "mnuGeometryItem(7)", "mnuGeometryItem(8)"};

} // namespace

class TestFrmSquare : public QObject, private WorkbenchView {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void opensInItsDesignState();
    void modeLayout_data();
    void modeLayout();
    void optionLayout_data();
    void optionLayout();
    void laterFiguresShowTheirDeclarations_data();
    void laterFiguresShowTheirDeclarations();
    void calculateShowsEveryQuantity_data();
    void calculateShowsEveryQuantity();
    void emptyFieldsShowZeros_data();
    void emptyFieldsShowZeros();
    void optionClickClearsBeforeRecaptioning();
    void singleOptionClickOnlyClears();
    void clearKeepsCaptionsAndOption();
    void rowFourStaysHidden_data();
    void rowFourStaysHidden();
    void reopeningFromTheMenuStartsAfresh();
    void failedCalculationWarnsAndKeepsEverything_data();
    void failedCalculationWarnsAndKeepsEverything();
    void keysOutsideTheAcceptedSetAreDropped();
    void namesFollowTheLayout();
    void modeOutsideTheTableKeepsTheDesignState();
    void resultsFrameGrowsOnlyForMoreRows();
};

void TestFrmSquare::init()
{
    startProgram();
}

void TestFrmSquare::cleanup()
{
    closeProgram();
}

void TestFrmSquare::opensInItsDesignState()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(2)")));
    QCOMPARE(m_window->objectName(), QStringLiteral("frmSquare"));
    QCOMPARE(intCurrentForm, FormCode::Square);
    QCOMPARE(m_window->screenInitialized(), qint16(-1));
    QCOMPARE(m_window->given(), qint16(0));
    QVERIFY(!m_window->isWindow()); // no title bar: only lblTitle names the figure

    auto *title = control<QLabel>(QStringLiteral("lblTitle"));
    QCOMPARE(title->font().pointSizeF(), 13.5);
    QVERIFY(title->font().italic());
    QCOMPARE(title->geometry(), QRect(8, 8, 393, 33));
    QCOMPARE(control<QGroupBox>(QStringLiteral("fraGivencircle"))->geometry(), QRect(8, 40, 113, 217));
    QCOMPARE(control<QGroupBox>(QStringLiteral("fraGivenValue(0)"))->geometry(), QRect(120, 40, 125, 217));
    QCOMPARE(control<QGroupBox>(QStringLiteral("fraSphereResults"))->geometry(), QRect(8, 264, 237, 105));
    QCOMPARE(option(2)->geometry(), QRect(8, 88, 97, 25));
    QCOMPARE(label("lblGivenValue", 4)->geometry(), QRect(8, 168, 115, 17));
    QCOMPARE(field(4)->geometry(), QRect(8, 184, 89, 19));
    QCOMPARE(label("lblResult", 4)->geometry(), QRect(16, 80, 81, 17));
    QCOMPARE(label("lblAnswer", 4)->geometry(), QRect(96, 80, 105, 17));
    QCOMPARE(button("cmdCalculate")->geometry(), QRect(400, 272, 113, 41));
    QCOMPARE(button("cmdClear")->geometry(), QRect(400, 320, 113, 41));
    QVERIFY(button("cmdCalculate")->font().bold());
    QCOMPARE(button("cmdClear")->text(), QStringLiteral("CLEAR"));
    QVERIFY(label("lblResult", 0)->font().bold());
    QVERIFY(label("lblAnswer", 0)->font().bold());
    QCOMPARE(label("lblAnswer", 0)->palette().color(QPalette::WindowText), QColor(Qt::red));
    QCOMPARE(label("lblAnswer", 0)->palette().color(QPalette::Window), QColor(Qt::black));
    QVERIFY(option(0)->isChecked());
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(answers(), QStringList(5));

    for (const FigureDrawing *box : workbenchDrawings()) {
        auto *picture = control<Picture>(QString::fromLatin1(box->name));
        QVERIFY2(picture, box->name);
        QCOMPARE(picture->geometry(), QRect(248, 48, 265, 209));
        QVERIFY2(picture->renderer()->isValid(), box->name);
    }
    // Hidden fields keep their designed captions.
    QCOMPARE(label("lblGivenValue", 2)->text(), QStringLiteral("b ="));
    QCOMPARE(label("lblGivenValue", 3)->text(), QStringLiteral("f ="));
    QCOMPARE(label("lblGivenValue", 4)->text(), QStringLiteral("g ="));
}

void TestFrmSquare::modeLayout_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("heading");
    QTest::addColumn<QString>("picture");
    QTest::addColumn<QStringList>("options");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("mode");

    QTest::newRow("Rectangle") << "mnuGeometryItem(2)"
                               << "Rectangle Calculations"
                               << "picSquare" << QStringList{"a/b", "a/Area", "b/Area"} << QStringList{"a=", "b ="}
                               << QStringList{"a", "b", "Area", "Perimeter", "Diagonal"} << 0;
    QTest::newRow("Parallelogram") << "mnuGeometryItem(3)"
                                   << "Parallelogram Calculations"
                                   << "picParallel" << QStringList{"a/b/Theta", "a/h"}
                                   << QStringList{"a = ", "b = ", "Theta = "}
                                   << QStringList{"a", "b", "Theta", "Area", "Perimeter"} << 1;
    QTest::newRow("Trapezoid") << "mnuGeometryItem(4)"
                               << "Trapezoid Calculations"
                               << "picTrapezoid" << QStringList{"a/b/h"} << QStringList{"a = ", "b = ", "h = "}
                               << QStringList{"a", "b", "h", "Area"} << 2;
    QTest::newRow("Quadrilateral") << "mnuGeometryItem(5)"
                                   << "Quadrilateral Calculations"
                                   << "picQuad" << QStringList{"d1/d2/Theta"}
                                   << QStringList{"d1 = ", "d2 = ", "Theta = "}
                                   << QStringList{"d1", "d2", "Theta", "Area"} << 3;
    QTest::newRow("Annulus") << "mnuGeometryItem(6)"
                             << "Annulus Calculations"
                             << "picAnnulus" << QStringList{"r1/r2", "f/d"} << QStringList{"r1 = ", "r2 = "}
                             << QStringList{"r1", "r2", "Area"} << 4;
    QTest::newRow("Trapezium") << "mnuGeometryItem(7)"
                               << "Trapezium Calculations"
                               << "picTrapezium" << QStringList{"h/k/e/g/f"}
                               << QStringList{"h = ", "k = ", "e = ", "g = ", "f = "}
                               << QStringList{"Perimeter", "Area"} << 5;
    QTest::newRow("Triangle (Equilateral)")
        << "mnuGeometryItem(8)"
        << "Equilateral Triangle Calculations"
        << "picEqTriangle" << QStringList{"a"} << QStringList{"a = "} << QStringList{"a", "h", "Area"} << 6;
    // The solids before the separator of "3D Objects", with their fields' spoken names.
    QTest::newRow("Cube") << "mnu3dGeometryItem(1)"
                          << "Cube/Parallelopiped Calculations"
                          << "picCube" << QStringList{"Cube", "Parallelopiped"} << QStringList{"a =|Edge a"}
                          << QStringList{"a", "Volume", "Surface Area"} << 7;
    QTest::newRow("Right Prism") << "mnu3dGeometryItem(2)"
                                 << "Right Prism Calculations"
                                 << "picPrism" << QStringList{"a/c/h"}
                                 << QStringList{"a =|Leg a", "c =|Leg c", "h =|Length h"}
                                 << QStringList{"Volume", "Surface Area"} << 8;
    QTest::newRow("Right Cylinder") << "mnu3dGeometryItem(3)"
                                    << "Right Cylinder Calculations"
                                    << "picRightCyl" << QStringList{"Right Cylinder", "Frustum of Right Cylinder"}
                                    << QStringList{"r =|Radius r", "h =|Height h"}
                                    << QStringList{"r", "h", "Volume", "Surface Area"} << 9;
    QTest::newRow("Right Cone") << "mnu3dGeometryItem(4)"
                                << "Right Cone Calculations"
                                << "picRightCone" << QStringList{"r/h"} << QStringList{"r =|Radius r", "h =|Height h"}
                                << QStringList{"r", "h", "k", "Volume", "Surface Area"} << 10;
    QTest::newRow("Right Pyramid") << "mnu3dGeometryItem(5)"
                                   << "Right Pyramid Calculations"
                                   << "picPyramid" << QStringList{"A/h/k"}
                                   << QStringList{"A(Area of base) =|Base area A",
                                                  "P (Perimeter of base) =|Base perimeter P", "h =|Height h",
                                                  "k =|Slant height k"}
                                   << QStringList{"Volume", "Surface Area"} << 11;
    QTest::newRow("Circular Ring") << "mnu3dGeometryItem(6)"
                                   << "Circular Ring Calculations"
                                   << "picCircularRing" << QStringList{"r/R"}
                                   << QStringList{"r =|Section radius r", "R =|Ring radius R"}
                                   << QStringList{"r", "R", "Volume", "Surface Area"} << 12;
}

void TestFrmSquare::modeLayout()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, heading);
    QFETCH(QString, picture);
    QFETCH(QStringList, options);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, rows);
    QFETCH(int, mode);
    QVERIFY(open(menuItem));
    QCOMPARE(intSquareMode, qint16(mode));
    QCOMPARE(intCurrentForm, FormCode::Square);
    QCOMPARE(this->heading(), heading);
    QCOMPARE(shownPictures(), QStringList{picture});
    QCOMPARE(shownOptions(), options);
    // "a =|Edge a": a row that gives the spoken names is held to them too.
    QCOMPARE(fields.first().contains(u'|') ? shownFieldsAndNames() : shownFields(), fields);
    QCOMPARE(shownRows(), rows);
    QVERIFY(option(0)->isChecked());
    QCOMPARE(m_window->given(), qint16(0));
    QCOMPARE(m_window->screenInitialized(), qint16(-1));
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(answers(), QStringList(5));
    QStringList heard; // a screen reader names each answer shown by its row
    for (int i = 0; i < ResultRows; ++i)
        if (label("lblAnswer", i)->isVisible())
            heard << label("lblAnswer", i)->accessibleDescription();
    QCOMPARE(heard, rows);
}

void TestFrmSquare::optionLayout_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("rows");
    QTest::addColumn<int>("given");

    QTest::newRow("Rectangle a/Area") << "mnuGeometryItem(2)" << 1 << QStringList{"a = ", "Area ="}
                                      << QStringList{"a", "b", "Area", "Perimeter", "Diagonal"} << 1;
    QTest::newRow("Rectangle b/Area") << "mnuGeometryItem(2)" << 2 << QStringList{"b = ", "Area ="}
                                      << QStringList{"a", "b", "Area", "Perimeter", "Diagonal"} << 2;
    QTest::newRow("Rectangle a/b") << "mnuGeometryItem(2)" << 0 << QStringList{"a = ", "b ="}
                                   << QStringList{"a", "b", "Area", "Perimeter", "Diagonal"} << 0;
    QTest::newRow("Parallelogram a/h") << "mnuGeometryItem(3)" << 1 << QStringList{"a = ", "h = "}
                                       << QStringList{"a", "h", "Area"} << 1;
    QTest::newRow("Parallelogram a/b/Theta") << "mnuGeometryItem(3)" << 0 << QStringList{"a = ", "b = ", "Theta = "}
                                             << QStringList{"a", "b", "Theta", "Area", "Perimeter"} << 0;
    QTest::newRow("Annulus f/d") << "mnuGeometryItem(6)" << 1 << QStringList{"f = ", "d = "}
                                 << QStringList{"f", "d", "Area"} << 1;
    QTest::newRow("Annulus r1/r2") << "mnuGeometryItem(6)" << 0 << QStringList{"r1 = ", "r2 = "}
                                   << QStringList{"r1", "r2", "Area"} << 0;
    QTest::newRow("Trapezoid only clears")
        << "mnuGeometryItem(4)" << 0 << QStringList{"a = ", "b = ", "h = "} << QStringList{"a", "b", "h", "Area"} << 0;
    QTest::newRow("Equilateral only clears")
        << "mnuGeometryItem(8)" << 0 << QStringList{"a = "} << QStringList{"a", "h", "Area"} << 0;
}

void TestFrmSquare::optionLayout()
{
    QFETCH(QString, menuItem);
    QFETCH(int, index);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, rows);
    QFETCH(int, given);
    QVERIFY(open(menuItem));
    const QString headingBefore = heading();
    const QStringList picturesBefore = shownPictures();
    const QStringList optionsBefore = shownOptions();
    // Going through another option first shows that each layout sets all it needs.
    if (index == 0 && option(1)->isVisible())
        click(option(1));
    click(option(index));
    QVERIFY(option(index)->isChecked());
    QCOMPARE(shownFields(), fields);
    QCOMPARE(shownRows(), rows);
    QCOMPARE(m_window->given(), qint16(given));
    QCOMPARE(heading(), headingBefore);
    QCOMPARE(shownPictures(), picturesBefore);
    QCOMPARE(shownOptions(), optionsBefore);
}

void TestFrmSquare::laterFiguresShowTheirDeclarations_data()
{
    QTest::addColumn<qint16>("mode");
    for (const SquareMode &mode : squareModes())
        if (mode.figure.section == MenuSection::More)
            QTest::newRow(mode.figure.id) << mode.figure.mode;
}

// A figure after the separator shows what it declares: its heading and
// drawing, its options, and for each option its fields with their spoken
// names and a row for each answer, which a screen reader names by its letter.
void TestFrmSquare::laterFiguresShowTheirDeclarations()
{
    QFETCH(qint16, mode);
    const SquareMode &declared = *squareMode(mode);
    QVERIFY(open(menuItemName(declared.figure)));
    QCOMPARE(intSquareMode, mode);
    QCOMPARE(heading(), QString::fromUtf8(declared.figure.caption) + QStringLiteral(" Calculations"));
    QCOMPARE(shownPictures(), QStringList{QString::fromLatin1(declared.figure.drawings.front().name)});
    QCOMPARE(m_window->screenInitialized(), qint16(-1));
    QStringList options;
    for (const Slot &slot : declared.layout.options)
        if (slot.shown != Shown::No)
            options << QString::fromUtf8(slot.caption);
    QCOMPARE(shownOptions(), options);
    for (int index = 0; index < declared.figure.options(); ++index) {
        if (index > 0)
            click(option(index));
        QVERIFY(option(index)->isChecked());
        QCOMPARE(m_window->given(), qint16(index));
        QVERIFY(std::ranges::all_of(fieldTexts(), &QString::isEmpty)
                && std::ranges::all_of(answers(), &QString::isEmpty));
        const Layout &layout = declared.optionLayouts[size_t(index)].value_or(declared.layout);
        QStringList fields;
        for (const Slot &slot : layout.fields)
            if (slot.shown == Shown::Yes)
                fields << QString::fromUtf8(slot.caption) + u'|' + QString::fromUtf8(slot.spoken);
        QCOMPARE(shownFieldsAndNames(), fields);
        QStringList rows;
        for (const Quantity &answer : declared.figure.quantities[size_t(index)].answers)
            if (answer.letter) {
                QCOMPARE(label("lblAnswer", int(rows.size()))->accessibleDescription(),
                         QString::fromUtf8(answer.letter));
                rows << QString::fromUtf8(answer.letter);
            }
        QCOMPARE(shownRows(), rows);
    }
}

void TestFrmSquare::calculateShowsEveryQuantity_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("rectangle a/b 3 4") << "mnuGeometryItem(2)" << 0 << QStringList{"3", "4"}
                                       << QStringList{"3.00", "4.00", "12.00", "14.00", "5.00"};
    QTest::newRow("rectangle a/Area 4 10") << "mnuGeometryItem(2)" << 1 << QStringList{"4", "10"}
                                           << QStringList{"4.00", "2.50", "10.00", "13.00", "4.717"};
    QTest::newRow("parallelogram 10 5 30") << "mnuGeometryItem(3)" << 0 << QStringList{"10", "5", "30"}
                                           << QStringList{"10.00", "5.00", "30.00", "24.989", "30.00"};
    QTest::newRow("parallelogram 10 5 90") << "mnuGeometryItem(3)" << 0 << QStringList{"10", "5", "90"}
                                           << QStringList{"10.00", "5.00", "90.00", "50.00", "30.00"};
    QTest::newRow("parallelogram a/h 6 2.5")
        << "mnuGeometryItem(3)" << 1 << QStringList{"6", "2.5"} << QStringList{"6.00", "2.50", "15.00", "", ""};
    QTest::newRow("trapezoid 10 6 4") << "mnuGeometryItem(4)" << 0 << QStringList{"10", "6", "4"}
                                      << QStringList{"10.00", "6.00", "4.00", "32.00", ""};
    QTest::newRow("trapezoid 5 3 2.5") << "mnuGeometryItem(4)" << 0 << QStringList{"5", "3", "2.5"}
                                       << QStringList{"5.00", "3.00", "2.50", "10.00", ""};
    QTest::newRow("quadrilateral 10 8 90") << "mnuGeometryItem(5)" << 0 << QStringList{"10", "8", "90"}
                                           << QStringList{"10.00", "8.00", "90.00", "40.00", ""};
    QTest::newRow("quadrilateral 10 8 30") << "mnuGeometryItem(5)" << 0 << QStringList{"10", "8", "30"}
                                           << QStringList{"10.00", "8.00", "30.00", "19.991", ""};
    QTest::newRow("annulus r1/r2 1 2") << "mnuGeometryItem(6)" << 0 << QStringList{"1", "2"}
                                       << QStringList{"1.00", "2.00", "9.42", "", ""};
    QTest::newRow("annulus f/d 2 4") << "mnuGeometryItem(6)" << 1 << QStringList{"2", "4"}
                                     << QStringList{"2.00", "4.00", "9.425", "", ""};
    QTest::newRow("trapezium 3 4 4 5 3") << "mnuGeometryItem(7)" << 0 << QStringList{"3", "4", "4", "5", "3"}
                                         << QStringList{"", "27.099", "29.50", "", ""};
    QTest::newRow("trapezium 2 2 0 6 0") << "mnuGeometryItem(7)" << 0 << QStringList{"2", "2", "0", "6", "0"}
                                         << QStringList{"", "16.00", "12.00", "", ""};
    QTest::newRow("equilateral 10") << "mnuGeometryItem(8)" << 0 << QStringList{"10"}
                                    << QStringList{"10.00", "8.66", "43.30", "", ""};
    QTest::newRow("equilateral 1") << "mnuGeometryItem(8)" << 0 << QStringList{"1"}
                                   << QStringList{"1.00", ".866", ".43", "", ""};
    QTest::newRow("equilateral 2.345") << "mnuGeometryItem(8)" << 0 << QStringList{"2.345"}
                                       << QStringList{"2.35", "2.031", "2.38", "", ""};
    QTest::newRow("equilateral 0.05") << "mnuGeometryItem(8)" << 0 << QStringList{"0.05"}
                                      << QStringList{".05", ".043", ".00", "", ""};
    QTest::newRow("rhombus diagonals 6 8") << "mnuGeometryItem(13)" << 1 << QStringList{"6", "8"}
                                           << QStringList{"5.00", "106.26", "6.00", "8.00", "24.00", "20.00", "4.80"};
    QTest::newRow("kite 3 4 90") << "mnuGeometryItem(14)" << 1 << QStringList{"3", "4", "90"}
                                 << QStringList{"3.00", "4.00", "90.00", "5.00", "4.80", "12.00", "14.00"};
    QTest::newRow("kite diagonals 6 8") << "mnuGeometryItem(14)" << 0 << QStringList{"6", "8"}
                                        << QStringList{"6.00", "8.00", "24.00", "", ""};
    QTest::newRow("cap a/h 4 2") << "mnu3dGeometryItem(8)" << 1 << QStringList{"4", "2"}
                                 << QStringList{"5.00", "4.00", "2.00", "54.427", "62.80", "113.04"};
    QTest::newRow("cap R/h 2.5 .5") << "mnu3dGeometryItem(8)" << 0 << QStringList{"2.5", ".5"}
                                    << QStringList{"2.50", "1.50", ".50", "1.832", "7.85", "14.915"};
}

void TestFrmSquare::calculateShowsEveryQuantity()
{
    QFETCH(QString, menuItem);
    QFETCH(int, index);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, expected);
    QVERIFY(open(menuItem));
    if (index != 0)
        click(option(index));
    typeAll(keys);
    click(button("cmdCalculate"));
    QCOMPARE(answers(), expected);
    QVERIFY(!m_window->warning());
    for (int i = 0; i < keys.size(); ++i)
        QCOMPARE(field(i)->text(), keys[i]);
    // The answers do not drift on a second press.
    click(button("cmdCalculate"));
    QCOMPARE(answers(), expected);
}

void TestFrmSquare::emptyFieldsShowZeros_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QString>("zero");
    QTest::newRow("Rectangle formats its zeros") << "mnuGeometryItem(2)"
                                                 << ".00";
    QTest::newRow("Parallelogram") << "mnuGeometryItem(3)"
                                   << "0";
    QTest::newRow("Trapezoid") << "mnuGeometryItem(4)"
                               << "0";
    QTest::newRow("Quadrilateral") << "mnuGeometryItem(5)"
                                   << "0";
    QTest::newRow("Annulus") << "mnuGeometryItem(6)"
                             << "0";
    QTest::newRow("Trapezium") << "mnuGeometryItem(7)"
                               << "0";
    QTest::newRow("Triangle (Equilateral)") << "mnuGeometryItem(8)"
                                            << "0";
}

void TestFrmSquare::emptyFieldsShowZeros()
{
    QFETCH(QString, menuItem);
    QFETCH(QString, zero);
    QVERIFY(open(menuItem));
    const QStringList rows = shownRows();
    click(button("cmdCalculate"));
    QCOMPARE(answers(), QStringList(5, zero)); // hidden answers are written too
    QCOMPARE(shownRows(), rows);
    QVERIFY(!m_window->warning());
}

void TestFrmSquare::optionClickClearsBeforeRecaptioning()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(3)")));
    typeAll({"10", "5", "30"});
    click(button("cmdCalculate"));
    QCOMPARE(answers()[3], QStringLiteral("24.989"));

    QString captionWhenCleared;
    connect(field(1), &QLineEdit::textChanged, m_window,
            [&] { captionWhenCleared = label("lblGivenValue", 1)->text(); });
    click(option(1));
    QCOMPARE(captionWhenCleared, QStringLiteral("b = "));
    QCOMPARE(label("lblGivenValue", 1)->text(), QStringLiteral("h = "));
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(answers(), QStringList(5));
    QVERIFY(!field(2)->isVisible());

    // The hidden field cannot keep text: a/h reads only a and h.
    typeAll({"6", "2.5"});
    click(button("cmdCalculate"));
    QCOMPARE(answers(), (QStringList{"6.00", "2.50", "15.00", "", ""}));
    click(option(0));
    QCOMPARE(fieldTexts(), QStringList(5));
    QVERIFY(field(2)->isVisible());
}

void TestFrmSquare::singleOptionClickOnlyClears()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(4)")));
    typeAll({"10", "6", "4"});
    click(button("cmdCalculate"));
    const QStringList fields = shownFields();
    const QStringList rows = shownRows();
    click(option(0));
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(answers(), QStringList(5));
    QCOMPARE(shownFields(), fields);
    QCOMPARE(shownRows(), rows);
    QVERIFY(option(0)->isChecked());
    QCOMPARE(m_window->given(), qint16(0));
}

void TestFrmSquare::clearKeepsCaptionsAndOption()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(2)")));
    click(option(1));
    typeAll({"4", "10"});
    click(button("cmdCalculate"));
    QCOMPARE(answers()[1], QStringLiteral("2.50"));
    click(button("cmdClear"));
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(answers(), QStringList(5));
    QCOMPARE(shownFields(), (QStringList{"a = ", "Area ="}));
    QCOMPARE(shownRows(), (QStringList{"a", "b", "Area", "Perimeter", "Diagonal"}));
    QVERIFY(option(1)->isChecked());
    QCOMPARE(m_window->given(), qint16(1));
    typeAll({"5", "10"});
    click(button("cmdCalculate"));
    QCOMPARE(answers(), (QStringList{"5.00", "2.00", "10.00", "14.00", "5.385"}));
}

void TestFrmSquare::rowFourStaysHidden_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::newRow("Trapezoid") << "mnuGeometryItem(4)";
    QTest::newRow("Quadrilateral") << "mnuGeometryItem(5)";
}

void TestFrmSquare::rowFourStaysHidden()
{
    QFETCH(QString, menuItem);
    QVERIFY(open(menuItem));
    typeAll({"10", "8", "90"});
    click(button("cmdCalculate"));
    QVERIFY(!label("lblResult", 4)->isVisible());
    QVERIFY(!label("lblAnswer", 4)->isVisible());
    click(button("cmdClear"));
    QVERIFY(!label("lblResult", 4)->isVisible());
    QVERIFY(!label("lblAnswer", 4)->isVisible());
    QCOMPARE(shownRows().size(), 4);
}

void TestFrmSquare::reopeningFromTheMenuStartsAfresh()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(2)")));
    click(option(2));
    typeAll({"4", "10"});
    click(button("cmdCalculate"));
    QCOMPARE(answers()[0], QStringLiteral("2.50"));

    QVERIFY(open(QStringLiteral("mnuGeometryItem(3)")));
    QCOMPARE(m_program->figureWindows().size(), 1);
    QCOMPARE(intSquareMode, qint16(1));
    QCOMPARE(heading(), QStringLiteral("Parallelogram Calculations"));
    QVERIFY(option(0)->isChecked());
    QCOMPARE(m_window->given(), qint16(0));
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(answers(), QStringList(5));
    typeAll({"10", "5", "90"});
    click(button("cmdCalculate"));
    QCOMPARE(answers()[3], QStringLiteral("50.00")); // option 0's formula

    QVERIFY(open(QStringLiteral("mnuGeometryItem(2)")));
    QCOMPARE(m_program->figureWindows().size(), 1);
    QCOMPARE(shownFields(), (QStringList{"a=", "b ="}));
    QCOMPARE(shownPictures(), QStringList{"picSquare"});
    QVERIFY(option(0)->isChecked());
    typeAll({"3", "4"});
    click(button("cmdCalculate"));
    QCOMPARE(answers(), (QStringList{"3.00", "4.00", "12.00", "14.00", "5.00"}));
}

void TestFrmSquare::failedCalculationWarnsAndKeepsEverything_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("goodKeys");
    QTest::addColumn<QStringList>("badKeys");
    QTest::addColumn<int>("badField");
    QTest::addColumn<QString>("warning");

    QTest::newRow("rectangle a/Area with a = 0")
        << "mnuGeometryItem(2)" << 1 << QStringList{"4", "10"} << QStringList{"0", "10"} << 0 << "divides by zero";
    QTest::newRow("rectangle b empty") << "mnuGeometryItem(2)" << 0 << QStringList{"3", "4"} << QStringList{"3", ""}
                                       << 1 << "Height b is empty.";
    QTest::newRow("trapezoid 1.2.3") << "mnuGeometryItem(4)" << 0 << QStringList{"10", "6", "4"}
                                     << QStringList{"10", "1.2.3", "4"} << 1 << "Side b: \"1.2.3\" is not a number.";
    QTest::newRow("annulus f/d with d a lone stop")
        << "mnuGeometryItem(6)" << 1 << QStringList{"2", "4"} << QStringList{"2", "."} << 1 << "Outer diameter d";
    // An inner radius beyond the outer one would give a negative area.
    QTest::newRow("annulus r1/r2 3 2") << "mnuGeometryItem(6)" << 0 << QStringList{"1", "2"} << QStringList{"3", "2"}
                                       << 0 << "Inner radius r1 must not be larger than the outer radius r2.";
    QTest::newRow("parallelogram folded over")
        << "mnuGeometryItem(3)" << 0 << QStringList{"3", "4", "30"} << QStringList{"3", "4", "200"} << 2
        << "Angle Theta must be less than 180°.";
    QTest::newRow("ring wider than its circle") << "mnu3dGeometryItem(6)" << 0 << QStringList{"1", "5"}
                                                << QStringList{"5", "1"} << 0 << "Section radius r must not be larger";
    QTest::newRow("trapezium f missing") << "mnuGeometryItem(7)" << 0 << QStringList{"3", "4", "4", "5", "3"}
                                         << QStringList{"3", "4", "4", "5", ""} << 4 << "Base part f is empty.";
    QTest::newRow("equilateral 1..2") << "mnuGeometryItem(8)" << 0 << QStringList{"10"} << QStringList{"1..2"} << 0
                                      << "Side a: \"1..2\"";
    QTest::newRow("rhombus flat angle") << "mnuGeometryItem(13)" << 0 << QStringList{"2", "60"}
                                        << QStringList{"2", "180"} << 1 << "Angle Theta must be between 0° and 180°.";
    QTest::newRow("kite b empty") << "mnuGeometryItem(14)" << 1 << QStringList{"3", "4", "90"}
                                  << QStringList{"3", "", "90"} << 1 << "Side b is empty.";
    QTest::newRow("cap higher than its sphere") << "mnu3dGeometryItem(8)" << 0 << QStringList{"1", "1"}
                                                << QStringList{"1", "3"} << 1 << "the sphere's diameter 2R";
}

void TestFrmSquare::failedCalculationWarnsAndKeepsEverything()
{
    QFETCH(QString, menuItem);
    QFETCH(int, index);
    QFETCH(QStringList, goodKeys);
    QFETCH(QStringList, badKeys);
    QFETCH(int, badField);
    QFETCH(QString, warning);
    QVERIFY(open(menuItem));
    if (index != 0)
        click(option(index));
    typeAll(goodKeys);
    click(button("cmdCalculate"));
    const QStringList before = answers();
    QVERIFY(!before.join(QString()).isEmpty());

    for (int i = 0; i < badKeys.size(); ++i) {
        field(i)->setFocus();
        field(i)->selectAll();
        QTest::keyClick(field(i), Qt::Key_Backspace);
        QTest::keyClicks(field(i), badKeys[i]);
    }
    const QStringList typed = fieldTexts();
    click(button("cmdCalculate"));

    QCOMPARE(answers(), before);
    QCOMPARE(fieldTexts(), typed);
    QVERIFY(m_window->warning());
    QVERIFY(m_window->warning()->isVisible());
    QVERIFY2(m_window->warning()->text().contains(warning), qPrintable(m_window->warning()->text()));
    QCOMPARE(QApplication::focusWidget(), field(badField));
    m_window->warning()->accept();
    QCOMPARE(answers(), before);
}

void TestFrmSquare::keysOutsideTheAcceptedSetAreDropped()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(7)")));
    for (int i = 0; i < 5; ++i) {
        type(i, QStringLiteral("-a1 ,e+"));
        QTest::keyClick(field(i), Qt::Key_Escape);
        // Where the desktop writes 2,5 the comma is the full stop.
        QCOMPARE(field(i)->text(), decimalComma() ? QStringLiteral("1.") : QStringLiteral("1"));
    }
    if (decimalComma())
        QTest::keyClick(field(0), Qt::Key_Backspace);
    type(0, QStringLiteral(".2.3"));
    QCOMPARE(field(0)->text(), QStringLiteral("1.2.3"));
    QTest::keyClick(field(0), Qt::Key_Backspace);
    QTest::keyClick(field(0), Qt::Key_Backspace);
    QCOMPARE(field(0)->text(), QStringLiteral("1.2"));
}

void TestFrmSquare::namesFollowTheLayout()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(2)")));
    QCOMPARE(field(0)->accessibleName(), QStringLiteral("Width a"));
    QCOMPARE(label("lblGivenValue", 1)->buddy(), field(1));
    QCOMPARE(label("lblAnswer", 3)->accessibleDescription(), QStringLiteral("Perimeter"));
    QVERIFY(label("lblAnswer", 3)->accessibleName().isEmpty());
    click(option(2));
    QCOMPARE(field(0)->accessibleName(), QStringLiteral("Height b"));
    QCOMPARE(field(1)->accessibleName(), QStringLiteral("Area"));
    QVERIFY(!control<Picture>(QStringLiteral("picSquare"))->accessibleName().isEmpty());

    QVERIFY(open(QStringLiteral("mnuGeometryItem(3)")));
    click(option(1));
    QCOMPARE(field(1)->accessibleName(), QStringLiteral("Height h"));
    QCOMPARE(label("lblAnswer", 1)->accessibleDescription(), QStringLiteral("h"));
    QCOMPARE(label("lblAnswer", 2)->accessibleDescription(), QStringLiteral("Area"));

    QVERIFY(open(QStringLiteral("mnuGeometryItem(6)")));
    click(option(1));
    QCOMPARE(field(0)->accessibleName(), QStringLiteral("Inner diameter f"));
    QCOMPARE(label("lblAnswer", 0)->accessibleDescription(), QStringLiteral("f"));
}

void TestFrmSquare::modeOutsideTheTableKeepsTheDesignState()
{
    // One past the highest mode, whatever the table holds.
    intSquareMode =
        qint16(std::ranges::max(squareModes(), {}, [](const SquareMode &m) { return m.figure.mode; }).figure.mode + 1);
    frmSquare window;
    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    m_window = &window;
    QCOMPARE(intCurrentForm, FormCode::Square);
    QCOMPARE(heading(), QStringLiteral("Rectangle Calculations"));
    QCOMPARE(shownPictures(), QStringList());
    QCOMPARE(shownFields(), (QStringList{"a=", "b ="}));
    QCOMPARE(window.screenInitialized(), qint16(0));
    type(0, QStringLiteral("3"));
    type(1, QStringLiteral("4"));
    click(button("cmdCalculate"));
    QCOMPARE(answers(), QStringList(5));
    click(option(1));
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(shownFields(), (QStringList{"a=", "b ="}));
    QCOMPARE(window.given(), qint16(0));
    m_window = nullptr;
    window.unload();
}

void TestFrmSquare::resultsFrameGrowsOnlyForMoreRows()
{
    QVERIFY(open(QStringLiteral("mnuGeometryItem(14)")));
    auto *frame = control<QGroupBox>(QStringLiteral("fraSphereResults"));
    QCOMPARE(frame->geometry(), QRect(8, 264, 237, 105));
    click(option(1));
    QCOMPARE(frame->geometry(), QRect(8, 264, 237, 137)); // two rows more
    const QRect lastRow = label("lblAnswer", 6)->geometry().translated(frame->pos());
    QVERIFY(frame->geometry().contains(lastRow));
    QVERIFY(m_window->rect().contains(lastRow));
    click(option(0));
    QCOMPARE(frame->geometry(), QRect(8, 264, 237, 105));
}

QTEST_MAIN(TestFrmSquare)
#include "tst_frmsquare.moc"
