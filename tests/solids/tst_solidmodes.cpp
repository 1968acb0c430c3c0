#include "workbench/workbenchview.h"

#include <QClipboard>
#include <QMessageBox>

using namespace Zyntra;

namespace {

const char *const Cube = "mnu3dGeometryItem(1)";
const char *const Prism = "mnu3dGeometryItem(2)";
const char *const Cylinder = "mnu3dGeometryItem(3)";
const char *const Cone = "mnu3dGeometryItem(4)";
const char *const Pyramid = "mnu3dGeometryItem(5)";
const char *const Ring = "mnu3dGeometryItem(6)";
const char *const ConeFrustum = "mnu3dGeometryItem(7)";
const char *const HollowCylinder = "mnu3dGeometryItem(9)";
const char *const Ellipsoid = "mnu3dGeometryItem(10)";
const char *const Capsule = "mnu3dGeometryItem(11)";

} // namespace

// The six solid modes of the workbench, driven as a user drives them.
class TestSolidModes : public QObject, private WorkbenchView {
    Q_OBJECT
private slots:
    void init();
    void cleanup();

    void calculateShowsEveryQuantity_data();
    void calculateShowsEveryQuantity();
    void anyEmptyTestedFieldShowsZeros_data();
    void anyEmptyTestedFieldShowsZeros();
    void cubeOptionsSwitchShape();
    void cylinderOptionsSwapThePicture();
    void singleOptionClickOnlyClears_data();
    void singleOptionClickOnlyClears();
    void failedCalculationWarnsAndKeepsEverything_data();
    void failedCalculationWarnsAndKeepsEverything();
    void reopeningTheCylinderStartsAsTheCylinder();
};

void TestSolidModes::init()
{
    startProgram();
}

void TestSolidModes::cleanup()
{
    closeProgram();
}

void TestSolidModes::calculateShowsEveryQuantity_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<int>("index"); // the option clicked first, -1 for none
    QTest::addColumn<QStringList>("keys");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("cube a = 2") << Cube << -1 << QStringList{"2"} << QStringList{"2.00", "8.00", "24.00", "", ""};
    QTest::newRow("cube a = 1.5") << Cube << -1 << QStringList{"1.5"} << QStringList{"1.50", "3.375", "13.50", "", ""};
    QTest::newRow("cube after the round trip")
        << Cube << 0 << QStringList{"2"} << QStringList{"2.00", "8.00", "24.00", "", ""};
    QTest::newRow("parallelepiped 2 3 4")
        << Cube << 1 << QStringList{"2", "3", "4"} << QStringList{"2.00", "3.00", "4.00", "24.00", "52.00"};
    QTest::newRow("prism 3 4 10") << Prism << -1 << QStringList{"3", "4", "10"}
                                  << QStringList{"60.00", "132.00", "", "", ""};
    QTest::newRow("prism 1 1 1") << Prism << -1 << QStringList{"1", "1", "1"}
                                 << QStringList{".50", "4.414", "", "", ""};
    QTest::newRow("cylinder 1 1") << Cylinder << -1 << QStringList{"1", "1"}
                                  << QStringList{"1.00", "1.00", "3.14", "12.56", ""};
    QTest::newRow("cylinder 2 5") << Cylinder << -1 << QStringList{"2", "5"}
                                  << QStringList{"2.00", "5.00", "62.80", "87.92", ""};
    QTest::newRow("frustum 1 4 2") << Cylinder << 1 << QStringList{"1", "4", "2"}
                                   << QStringList{"1.00", "4.00", "2.00", "9.42", "26.421"};
    QTest::newRow("frustum 1 2 4") << Cylinder << 1 << QStringList{"1", "2", "4"}
                                   << QStringList{"1.00", "2.00", "4.00", "9.42", "26.421"};
    QTest::newRow("frustum with a straight cut")
        << Cylinder << 1 << QStringList{"2", "3", "3"} << QStringList{"2.00", "3.00", "3.00", "37.68", "62.80"};
    QTest::newRow("frustum k typed as .5")
        << Cylinder << 1 << QStringList{"1", "4", ".5"} << QStringList{"1.00", "4.00", ".50", "7.065", "23.599"};
    QTest::newRow("cone 3 4") << Cone << -1 << QStringList{"3", "4"}
                              << QStringList{"3.00", "4.00", "5.00", "37.68", "75.36"};
    QTest::newRow("cone 1 1") << Cone << -1 << QStringList{"1", "1"}
                              << QStringList{"1.00", "1.00", "1.414", "1.047", "7.581"};
    QTest::newRow("pyramid on a square of side 4")
        << Pyramid << -1 << QStringList{"16", "16", "3", "5"} << QStringList{"16.00", "40.00", "", "", ""};
    QTest::newRow("pyramid 1 4 1 1") << Pyramid << -1 << QStringList{"1", "4", "1", "1"}
                                     << QStringList{".333", "2.00", "", "", ""};
    QTest::newRow("ring 1 5") << Ring << -1 << QStringList{"1", "5"}
                              << QStringList{"1.00", "5.00", "98.596", "197.192", ""};
    QTest::newRow("ring 2 10") << Ring << -1 << QStringList{"2", "10"}
                               << QStringList{"2.00", "10.00", "788.768", "788.768", ""};
    QTest::newRow("ring 1 1") << Ring << -1 << QStringList{"1", "1"}
                              << QStringList{"1.00", "1.00", "19.719", "39.438", ""};
    QTest::newRow("letters and signs dropped while typing")
        << Cone << -1 << QStringList{"-3a", "+4 e"} << QStringList{"3.00", "4.00", "5.00", "37.68", "75.36"};
    QTest::newRow("cone frustum with r 0 is the cone 3 4")
        << ConeFrustum << -1 << QStringList{"3", "0", "4"} << QStringList{"5.00", "37.68", "47.10", "75.36", ""};
    QTest::newRow("hollow cylinder with r 0 is the cylinder 2 5")
        << HollowCylinder << -1 << QStringList{"2", "0", "5"} << QStringList{"2.00", "62.80", "62.80", ".00", "87.92"};
    QTest::newRow("ellipsoid 3 2 1") << Ellipsoid << -1 << QStringList{"3", "2", "1"}
                                     << QStringList{"3.00", "2.00", "1.00", "25.12", "48.857"};
    QTest::newRow("capsule 2 5") << Capsule << -1 << QStringList{"2", "5"}
                                 << QStringList{"2.00", "5.00", "96.293", "113.04", "9.00"};
}

void TestSolidModes::calculateShowsEveryQuantity()
{
    QFETCH(QString, menuItem);
    QFETCH(int, index);
    QFETCH(QStringList, keys);
    QFETCH(QStringList, expected);
    QVERIFY(open(menuItem));
    if (index == 0)
        click(option(1)); // and back, below
    if (index >= 0)
        click(option(index));
    typeAll(keys);
    calculate();
    QCOMPARE(answers(), expected);
    QVERIFY(!m_window->warning());
    calculate();
    QCOMPARE(answers(), expected);
}

void TestSolidModes::anyEmptyTestedFieldShowsZeros_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("keys");

    QTest::newRow("cube, a empty") << Cube << -1 << QStringList{};
    QTest::newRow("parallelepiped, c empty") << Cube << 1 << QStringList{"2", "3"};
    QTest::newRow("parallelepiped, a empty") << Cube << 1 << QStringList{"", "3", "4"};
    QTest::newRow("prism, h empty") << Prism << -1 << QStringList{"3", "4"};
    QTest::newRow("cylinder, h empty") << Cylinder << -1 << QStringList{"1"};
    QTest::newRow("frustum, k empty") << Cylinder << 1 << QStringList{"1", "4"};
    QTest::newRow("cone, h empty") << Cone << -1 << QStringList{"3"};
    QTest::newRow("pyramid, P empty") << Pyramid << -1 << QStringList{"16", "", "3", "5"};
    QTest::newRow("ring, R empty") << Ring << -1 << QStringList{"1"};
    QTest::newRow("ring, r empty") << Ring << -1 << QStringList{"", "5"};
}

void TestSolidModes::anyEmptyTestedFieldShowsZeros()
{
    QFETCH(QString, menuItem);
    QFETCH(int, index);
    QFETCH(QStringList, keys);
    QVERIFY(open(menuItem));
    if (index >= 0)
        click(option(index));
    typeAll(keys);
    calculate();
    // ZeroAnswer writes the plain text 0 into every value label, hidden ones too.
    QCOMPARE(answers(), QStringList(5, QStringLiteral("0")));
    QVERIFY(!m_window->warning());
    QCOMPARE(fieldTexts().mid(0, keys.size()), keys);
}

void TestSolidModes::cubeOptionsSwitchShape()
{
    QVERIFY(open(Cube));
    typeAll({QStringLiteral("2")});
    calculate();
    QCOMPARE(answers(), (QStringList{"2.00", "8.00", "24.00", "", ""}));

    click(option(1));
    QVERIFY(option(1)->isChecked());
    QCOMPARE(m_window->given(), qint16(1));
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(answers(), QStringList(5));
    QCOMPARE(shownFieldsAndNames(), (QStringList{"a =|Edge a", "b =|Edge b", "c =|Edge c"}));
    QCOMPARE(shownRows(), (QStringList{"a", "b", "c", "Volume", "Surface Area"}));
    QCOMPARE(label("lblAnswer", 4)->accessibleDescription(), QStringLiteral("Surface Area"));
    QCOMPARE(shownPictures(), QStringList{"picCube"});
    typeAll({QStringLiteral("2"), QStringLiteral("3"), QStringLiteral("4")});
    calculate();
    QCOMPARE(answers(), (QStringList{"2.00", "3.00", "4.00", "24.00", "52.00"}));

    click(option(0));
    QCOMPARE(m_window->given(), qint16(0));
    QCOMPARE(fieldTexts(), QStringList(5)); // hidden fields emptied too
    QCOMPARE(answers(), QStringList(5));
    QCOMPARE(shownFieldsAndNames(), QStringList{"a =|Edge a"});
    QCOMPARE(shownRows(), (QStringList{"a", "Volume", "Surface Area"}));
    QCOMPARE(label("lblAnswer", 1)->accessibleDescription(), QStringLiteral("Volume"));
    QCOMPARE(shownOptions(), (QStringList{"Cube", "Parallelopiped"}));
    QCOMPARE(heading(), QStringLiteral("Cube/Parallelopiped Calculations"));
}

void TestSolidModes::cylinderOptionsSwapThePicture()
{
    QVERIFY(open(Cylinder));
    typeAll({QStringLiteral("2"), QStringLiteral("5")});
    calculate();
    QCOMPARE(answers(), (QStringList{"2.00", "5.00", "62.80", "87.92", ""}));

    click(option(1));
    QCOMPARE(m_window->given(), qint16(1));
    QCOMPARE(shownPictures(), QStringList{"picFrustum"});
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(answers(), QStringList(5));
    QCOMPARE(shownFieldsAndNames(), (QStringList{"r =|Radius r", "h =|Height h", "k =|Short side k"}));
    QCOMPARE(shownRows(), (QStringList{"r", "h", "k", "Volume", "Surface Area"}));
    QCOMPARE(label("lblAnswer", 2)->accessibleDescription(), QStringLiteral("k"));
    typeAll({QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("2")});
    calculate();
    QCOMPARE(answers(), (QStringList{"1.00", "4.00", "2.00", "9.42", "26.421"}));

    click(option(0));
    QCOMPARE(m_window->given(), qint16(0));
    QCOMPARE(shownPictures(), QStringList{"picRightCyl"});
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(answers(), QStringList(5));
    QCOMPARE(shownFieldsAndNames(), (QStringList{"r =|Radius r", "h =|Height h"}));
    QCOMPARE(shownRows(), (QStringList{"r", "h", "Volume", "Surface Area"}));
    QCOMPARE(label("lblAnswer", 2)->accessibleDescription(), QStringLiteral("Volume"));
    typeAll({QStringLiteral("1"), QStringLiteral("1")});
    calculate();
    QCOMPARE(answers(), (QStringList{"1.00", "1.00", "3.14", "12.56", ""}));
}

void TestSolidModes::singleOptionClickOnlyClears_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<QStringList>("keys");
    QTest::newRow("prism") << Prism << QStringList{"3", "4", "10"};
    QTest::newRow("cone") << Cone << QStringList{"3", "4"};
    QTest::newRow("pyramid") << Pyramid << QStringList{"16", "16", "3", "5"};
    QTest::newRow("ring") << Ring << QStringList{"1", "5"};
}

void TestSolidModes::singleOptionClickOnlyClears()
{
    QFETCH(QString, menuItem);
    QFETCH(QStringList, keys);
    QVERIFY(open(menuItem));
    const QStringList fields = shownFieldsAndNames();
    const QStringList rows = shownRows();
    const QStringList pictures = shownPictures();
    typeAll(keys);
    calculate();
    QVERIFY(!answers().first().isEmpty());
    click(option(0));
    QVERIFY(option(0)->isChecked());
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(answers(), QStringList(5));
    QCOMPARE(shownFieldsAndNames(), fields);
    QCOMPARE(shownRows(), rows);
    QCOMPARE(shownPictures(), pictures);
    QCOMPARE(m_window->given(), qint16(0));
    typeAll(keys);
    calculate();
    QVERIFY(!answers().first().isEmpty());
}

void TestSolidModes::failedCalculationWarnsAndKeepsEverything_data()
{
    QTest::addColumn<QString>("menuItem");
    QTest::addColumn<int>("index");
    QTest::addColumn<QStringList>("good");
    QTest::addColumn<int>("badField");
    QTest::addColumn<QString>("pasted");
    QTest::addColumn<QString>("warning");

    QTest::newRow("pyramid with only k empty") << Pyramid << -1 << QStringList{"16", "16", "3", "5"} << 3 << ""
                                               << "Slant height k is empty.";
    QTest::newRow("cube a 1.2.3") << Cube << -1 << QStringList{"2"} << 0 << "1.2.3"
                                  << "Edge a: \"1.2.3\" is not a number.";
    QTest::newRow("parallelepiped b blanks") << Cube << 1 << QStringList{"2", "3", "4"} << 1 << "  "
                                             << "Edge b: \"  \" is not a number.";
    QTest::newRow("prism h letters") << Prism << -1 << QStringList{"3", "4", "10"} << 2 << "abc"
                                     << "Length h: \"abc\" is not a number.";
    QTest::newRow("frustum k 1..2") << Cylinder << 1 << QStringList{"1", "4", "2"} << 2 << "1..2"
                                    << "Short side k: \"1..2\" is not a number.";
    QTest::newRow("cone r overflows") << Cone << -1 << QStringList{"3", "4"} << 0 << "1" + QString(200, u'0')
                                      << "too large";
    QTest::newRow("ring R letters") << Ring << -1 << QStringList{"1", "5"} << 1 << "x"
                                    << "Ring radius R: \"x\" is not a number.";
    QTest::newRow("hollow cylinder r as wide as R") << HollowCylinder << -1 << QStringList{"3", "2", "10"} << 1 << "3"
                                                    << "Inner radius r must be less than the outer radius R.";
    QTest::newRow("ellipsoid c empty") << Ellipsoid << -1 << QStringList{"3", "2", "1"} << 2 << ""
                                       << "Semi-axis c is empty.";
}

void TestSolidModes::failedCalculationWarnsAndKeepsEverything()
{
    QFETCH(QString, menuItem);
    QFETCH(int, index);
    QFETCH(QStringList, good);
    QFETCH(int, badField);
    QFETCH(QString, pasted);
    QFETCH(QString, warning);
    QVERIFY(open(menuItem));
    if (index >= 0)
        click(option(index));
    typeAll(good);
    calculate();
    const QStringList before = answers();
    QVERIFY(!before.first().isEmpty());

    QLineEdit *bad = field(badField);
    bad->setFocus();
    bad->selectAll();
    if (pasted.isEmpty()) {
        QTest::keyClick(bad, Qt::Key_Backspace);
    } else {
        QGuiApplication::clipboard()->setText(pasted);
        QTest::keyClick(bad, Qt::Key_V, Qt::ControlModifier);
    }
    QStringList typed = good;
    typed[badField] = pasted;
    QCOMPARE(fieldTexts().mid(0, typed.size()), typed);
    calculate();

    QCOMPARE(answers(), before);
    QCOMPARE(fieldTexts().mid(0, typed.size()), typed);
    QVERIFY(m_window->warning());
    QVERIFY(m_window->warning()->isVisible());
    QVERIFY2(m_window->warning()->text().contains(warning), qPrintable(m_window->warning()->text()));
    m_window->warning()->accept();
    if (warning != QStringLiteral("too large"))
        QTRY_COMPARE(QApplication::focusWidget(), bad);
}

void TestSolidModes::reopeningTheCylinderStartsAsTheCylinder()
{
    QVERIFY(open(Cylinder));
    click(option(1));
    typeAll({QStringLiteral("1"), QStringLiteral("4"), QStringLiteral("2")});
    calculate();
    QVERIFY(open(Cylinder));
    QCOMPARE(m_window->given(), qint16(0));
    QVERIFY(option(0)->isChecked());
    QCOMPARE(shownPictures(), QStringList{"picRightCyl"});
    QCOMPARE(shownRows(), (QStringList{"r", "h", "Volume", "Surface Area"}));
    QCOMPARE(fieldTexts(), QStringList(5));
    QCOMPARE(answers(), QStringList(5));
    QVERIFY(open(Cone)); // another solid of the same window
    QCOMPARE(intSquareMode, qint16(10));
    QCOMPARE(shownPictures(), QStringList{"picRightCone"});
}

QTEST_MAIN(TestSolidModes)
#include "tst_solidmodes.moc"
