#include "solids/spherevalues.h"

#include <QTest>

using namespace Zyntra;
using Cause = Failure::Cause;

Q_DECLARE_METATYPE(Zyntra::Failure::Cause)

class TestSphereValues : public QObject {
    Q_OBJECT
private slots:
    void fiveQuantities_data();
    void fiveQuantities();
    void failures_data();
    void failures();
};

void TestSphereValues::fiveQuantities_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QStringList>("expected"); // radius, diameter, circumference, surface area, volume
    const int radius = int(SphereQuantity::Radius);
    const int diameter = int(SphereQuantity::Diameter);
    const int circumference = int(SphereQuantity::Circumference);
    const int surface = int(SphereQuantity::SurfaceArea);
    const int volume = int(SphereQuantity::Volume);
    const QStringList unit{"1.00", "2.00", "6.28", "12.57", "4.19"};
    QTest::newRow("radius 1") << radius << "1" << unit;
    QTest::newRow("diameter 2") << diameter << "2" << unit;
    QTest::newRow("radius 2.5") << radius << "2.5" << QStringList{"2.50", "5.00", "15.71", "78.54", "65.45"};
    QTest::newRow("circumference 10") << circumference << "10"
                                      << QStringList{"1.592", "3.183", "10.0", "31.83", "16.89"};
    QTest::newRow("surface area 100") << surface << "100" << QStringList{"2.821", "5.642", "17.72", "100.0", "94.03"};
    QTest::newRow("volume 4.1888") << volume << "4.1888" << unit;
    QTest::newRow("volume 1000") << volume << "1000" << QStringList{"6.204", "12.407", "38.98", "483.6", "1000.0"};
    const QStringList zeros{".00", ".00", ".0", ".0", ".0"};
    for (int given = radius; given <= volume; ++given)
        QTest::newRow(qPrintable(QStringLiteral("empty, given %1").arg(given))) << given << "" << zeros;
    QTest::newRow("radius 0") << radius << "0" << zeros;
    QTest::newRow("surface area 0") << surface << "0" << zeros;
    QTest::newRow("volume 0") << volume << "0" << zeros;
    // 0.5236 is typed, not pi / 6: radius 1 gives 4.1888, not 4.18879.
    QTest::newRow("radius 10") << radius << "10" << QStringList{"10.00", "20.00", "62.83", "1256.64", "4188.8"};
    QTest::newRow("radius .5") << radius << ".5" << QStringList{".50", "1.00", "3.14", "3.14", ".52"};
    QTest::newRow("diameter 5.") << diameter << "5." << QStringList{"2.50", "5.00", "15.71", "78.54", "65.45"};
    // Negative values only arrive by pasting; where a real result exists it is shown.
    QTest::newRow("pasted negative radius")
        << radius << "-1" << QStringList{"-1.00", "-2.00", "-6.28", "12.57", "-4.19"};
    QTest::newRow("pasted negative circumference")
        << circumference << "-10" << QStringList{"-1.592", "-3.183", "-10.0", "31.83", "-16.89"};
}

void TestSphereValues::fiveQuantities()
{
    QFETCH(int, given);
    QFETCH(QString, text);
    QFETCH(QStringList, expected);
    const Outcome outcome = calculateSphere({text}, qint16(given));
    QCOMPARE(outcome.kind, Outcome::Kind::Answers);
    QStringList shown;
    for (const auto &[index, answer] : outcome.answers)
        shown << answer;
    QCOMPARE(shown, expected);
}

void TestSphereValues::failures_data()
{
    QTest::addColumn<int>("given");
    QTest::addColumn<QString>("text");
    QTest::addColumn<Cause>("cause");
    QTest::newRow("negative surface area") << int(SphereQuantity::SurfaceArea) << "-100" << Cause::NegativeRoot;
    QTest::newRow("negative volume") << int(SphereQuantity::Volume) << "-1000" << Cause::InvalidOperation;
    QTest::newRow("lone full stop") << int(SphereQuantity::Radius) << "." << Cause::NotANumber;
    QTest::newRow("1..2") << int(SphereQuantity::Diameter) << "1..2" << Cause::NotANumber;
    QTest::newRow("1.2.3") << int(SphereQuantity::Circumference) << "1.2.3" << Cause::NotANumber;
    QTest::newRow("pasted letters") << int(SphereQuantity::Volume) << "abc" << Cause::NotANumber;
    QTest::newRow("blanks only") << int(SphereQuantity::Radius) << "   " << Cause::NotANumber;
    QTest::newRow("volume of a huge radius")
        << int(SphereQuantity::Radius) << "1" + QString(120, u'0') << Cause::TooLarge;
    QTest::newRow("surface of a huge radius")
        << int(SphereQuantity::Radius) << "1" + QString(160, u'0') << Cause::TooLarge;
}

void TestSphereValues::failures()
{
    QFETCH(int, given);
    QFETCH(QString, text);
    QFETCH(Cause, cause);
    const Outcome outcome = calculateSphere({text}, qint16(given));
    QCOMPARE(outcome.kind, Outcome::Kind::Failed);
    QCOMPARE(outcome.failure.cause, cause);
    QVERIFY(outcome.answers.empty());
}

QTEST_GUILESS_MAIN(TestSphereValues)
#include "tst_spherevalues.moc"
