#include "entry/measurement.h"
#include "entry/numericentry.h"

#include <QLocale>
#include <QtTest>

using namespace Zyntra;

// Values typed with units of their own read as a tape or a label says them,
// the same under every locale, and a tape reading reads back exactly.
class TestMeasurement : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void readsValuesWithUnits_data();
    void readsValuesWithUnits();
    void refusesWhatIsNoValue_data();
    void refusesWhatIsNoValue();
    void tapeReadingsReadBackExactly();
    void tapeReadingsAsShownAndSpoken_data();
    void tapeReadingsAsShownAndSpoken();
    void valuesConvertOnceIntoTheProgramsUnit_data();
    void valuesConvertOnceIntoTheProgramsUnit();
    void keysLetUnitsThroughOnlyBesideAUnit();
};

void TestMeasurement::initTestCase()
{
    // As the program does at start-up: the desktop's decimal comma, if it writes one.
    setDecimalComma(QLocale::system().decimalPoint() == QStringLiteral(","));
}

void TestMeasurement::cleanupTestCase()
{
    setDecimalComma(false);
}

void TestMeasurement::readsValuesWithUnits_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QuantityKind>("kind");
    QTest::addColumn<double>("amount");
    QTest::addColumn<QString>("unit");
    const auto row = [](const char *text, double amount, const char *unit, QuantityKind kind = QuantityKind::Length) {
        QTest::addRow("%s", text) << QString::fromUtf8(text) << kind << amount << QString::fromUtf8(unit);
    };
    row("12", 12, "");
    row("3/4", 0.75, "");
    row("12 ft", 12, "ft");
    row("4 in", 4, "in");
    row("4in", 4, "in");
    row("30 cm", 30, "cm");
    row("2.5 m", 2.5, "m");
    row("5' 3 1/2\"", 63.5, "in");
    row("5'3.5\"", 63.5, "in");
    row("5′ 3 ½″", 63.5, "in");
    row("5' 3", 63, "in");
    row("63 1/2\"", 63.5, "in");
    row("3/4\"", 0.75, "in");
    row("2 3/8 in", 2.375, "in");
    row("1 1/2 in", 1.5, "in");
    row("5 ft 3 in", 63, "in");
    row("7 feet", 7, "ft");
    row("1 inch", 1, "in");
    row("2 metres", 2, "m");
    row("2 meters", 2, "m");
    row("1 m 20 cm", 120, "cm");
    row("0′ ⁵⁄₁₆″", 0.3125, "in");
    row("200 ft²", 200, "ft²", QuantityKind::Area);
    row("200 sq ft", 200, "ft²", QuantityKind::Area);
    row("200 sq. ft", 200, "ft²", QuantityKind::Area);
    row("200 ft2", 200, "ft²", QuantityKind::Area);
    row("1.5 acres", 1.5, "acre", QuantityKind::Area);
    row("5 L", 5, "L", QuantityKind::Volume);
    row("5 l", 5, "L", QuantityKind::Volume);
    row("2 yd³", 2, "yd³", QuantityKind::Volume);
    row("3 US gal", 3, "US gal", QuantityKind::Volume);
    if (decimalComma())
        row("2,5 m", 2.5, "m");
}

void TestMeasurement::readsValuesWithUnits()
{
    QFETCH(QString, text);
    QFETCH(QuantityKind, kind);
    QFETCH(double, amount);
    QFETCH(QString, unit);
    const MeasurementReading reading = readMeasurement(text, kind);
    QVERIFY2(reading.measurement, qPrintable(reading.problem));
    QCOMPARE(reading.measurement->amount, amount);
    QCOMPARE(reading.measurement->unit ? QString::fromUtf8(reading.measurement->unit->symbol) : QString(), unit);
}

void TestMeasurement::refusesWhatIsNoValue_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<QuantityKind>("kind");
    QTest::addColumn<QString>("because");
    const auto row = [](const char *text, const char *because, QuantityKind kind = QuantityKind::Length) {
        QTest::addRow("%s", text) << QString::fromUtf8(text) << kind << QString::fromUtf8(because);
    };
    row("5' 3 1/0\"", "divides by zero");
    row("1/2/3", "is not a number");
    row("5''", "is not a unit Zyntra knows");
    row("3 ft 4 cm", "mixes metric and imperial");
    row("5 ft²", "ft² measures an area; this value is a length");
    row("4 furlongs", "For a length it knows mm, cm, m, km, in, ft, yd, mi");
    row("3 in 5 ft", "out of order");
    row("1.5 1/2 in", "is not a number");
    row("2 L", "L measures a volume", QuantityKind::Area);
    row("5 ft 3 in", "ft measures a length; this value is an area", QuantityKind::Area);
    row("ft", "is not a number");
    if (!decimalComma())
        row("2,5 m", "is not a number"); // where the comma groups thousands
}

void TestMeasurement::refusesWhatIsNoValue()
{
    QFETCH(QString, text);
    QFETCH(QuantityKind, kind);
    QFETCH(QString, because);
    const MeasurementReading reading = readMeasurement(text, kind);
    QVERIFY(!reading.measurement);
    QVERIFY2(reading.problem.contains(because), qPrintable(reading.problem));
}

void TestMeasurement::tapeReadingsReadBackExactly()
{
    for (const int denominator : TapeDenominators)
        for (int steps = 0; steps < 12 * 20 * denominator; steps += 7) {
            const double inches = double(steps) / denominator;
            const QString shown = tapeReading(inches, denominator);
            const MeasurementReading reading = readMeasurement(shown, QuantityKind::Length);
            QVERIFY2(reading.measurement, qPrintable(shown + u' ' + reading.problem));
            QVERIFY2(reading.measurement->in(findUnit(u"in")) == inches, qPrintable(shown));
            // Off the marks, the nearest one.
            const double between = inches + 0.4 / denominator;
            QCOMPARE(readMeasurement(tapeReading(between, denominator), QuantityKind::Length).measurement->amount,
                     inches);
        }
}

void TestMeasurement::tapeReadingsAsShownAndSpoken_data()
{
    QTest::addColumn<double>("inches");
    QTest::addColumn<int>("denominator");
    QTest::addColumn<QString>("shown");
    QTest::addColumn<QString>("spoken");
    const auto row = [](double inches, int denominator, const char *shown, const char *spoken) {
        QTest::addRow("%s", shown) << inches << denominator << QString::fromUtf8(shown) << QString::fromUtf8(spoken);
    };
    row(63.5, 16, "5′ 3 ½″", "5 feet 3 and a half inches");
    row(11.875, 16, "0′ 11 ⅞″", "11 and 7 eighths inches");
    row(168, 16, "14′ 0″", "14 feet");
    row(12.0 + 5.0 / 16, 16, "1′ ⁵⁄₁₆″", "1 foot 5 sixteenths of an inch");
    row(171.62, 8, "14′ 3 ⅝″", "14 feet 3 and 5 eighths inches");
    row(0.49, 2, "0′ ½″", "a half of an inch");
    row(1.0 / 64, 64, "0′ ¹⁄₆₄″", "a sixty-fourth of an inch");
    row(25.0 / 32 + 1, 32, "0′ 1 ²⁵⁄₃₂″", "1 and 25 thirty-seconds inches");
}

void TestMeasurement::tapeReadingsAsShownAndSpoken()
{
    QFETCH(double, inches);
    QFETCH(int, denominator);
    QFETCH(QString, shown);
    QFETCH(QString, spoken);
    QCOMPARE(tapeReading(inches, denominator), shown);
    QCOMPARE(spokenTapeReading(inches, denominator), spoken);
}

// A field's text as the calculation reads it under the units chosen (by
// their ids): the number it came to, what the working shows of the
// conversion, and how a screen reader hears the text; or the warning, which
// names the field. A number alone, and anything under "No Units", passes as typed.
void TestMeasurement::valuesConvertOnceIntoTheProgramsUnit_data()
{
    QTest::addColumn<QString>("units");
    QTest::addColumn<QString>("text");
    QTest::addColumn<QuantityKind>("kind");
    QTest::addColumn<QString>("read"); // the calculation's text, or the warning after "Width b: "
    QTest::addColumn<QString>("conversion");
    QTest::addColumn<QString>("spoken");
    const auto row = [](const char *units, const char *text, const char *read, const char *conversion = "",
                        const char *spoken = "", QuantityKind kind = QuantityKind::Length) {
        QTest::addRow("%s %s", units, text)
            << QString::fromUtf8(units) << QString::fromUtf8(text) << kind << QString::fromUtf8(read)
            << QString::fromUtf8(conversion) << QString::fromUtf8(spoken);
    };
    using enum QuantityKind;
    row("ftin same same", "5' 3 1/2\"", "63.5", "63.5 in", "5 feet 3 and a half inches");
    row("ftin same same", "12 ft", "144", "144 in", "12 feet");
    row("ftin same same", "10' 6\"", "126", "126 in", "10 feet 6 inches");
    row("ftin same same", "3/4\"", "0.75", "0.75 in", "3 quarters of an inch");
    row("ftin same same", "63.5", "63.5");
    row("ftin same same", "1 1/2", "1.5");
    row("ftin same same", "200 sq ft", "28800", "28800 in²", "200 square feet", Area);
    row("cm same usgal", "2 yd³", "1529109.715968", "1529109.715968 cm³", "2 cubic yards", Volume);
    row("cm same same", "30 cm", "30", "", "30 centimetres");
    row("m same same", "30 cm", "0.3", "0.3 m", "30 centimetres");
    row("m same same", "5 L", "0.005", "0.005 m³", "5 litres", Volume);
    row("", "12 ft", "12 ft", "", "12 feet");
    row("ftin same same", "5' 3 1/0\"", "\"5' 3 1/0\"\" divides by zero in 1/0.");
    row("ftin same same", "1/2/3", "\"1/2/3\" is not a number.");
    row("ftin same same", "5''",
        "\"''\" is not a unit Zyntra knows. For a length it knows mm, cm, m, km, in, ft, "
        "yd, mi, ' and \" for feet and inches.");
    row("m same same", "3 ft 4 cm", "\"3 ft 4 cm\" mixes metric and imperial units; give it in one of them.");
    row("m same same", "5 ft²", "ft² measures an area; this value is a length.");
    row("m same same", "30°", "\"30°\" is not a number.", "", "", Angle);
    if (decimalComma())
        row("m same same", "2,5 m", "2.5", "", "2.5 metres");
}

void TestMeasurement::valuesConvertOnceIntoTheProgramsUnit()
{
    QFETCH(QString, units);
    QFETCH(QString, text);
    QFETCH(QuantityKind, kind);
    QFETCH(QString, read);
    QFETCH(QString, conversion);
    QFETCH(QString, spoken);
    const UnitChoice choice = unitsFromIds(units);
    QCOMPARE(unitsIds(choice), units);
    // The value in field 1, beside a plain one.
    const Quantity given[] = {length("a"), Quantity{"b", kind}};
    const ProgramValues values = inProgramUnits({QStringLiteral("2"), text}, given, choice);
    if (values.failure) {
        QCOMPARE(values.failure->field, 1);
        QCOMPARE(describe(*values.failure, QStringLiteral("Width b")), QStringLiteral("Width b: ") + read);
        return;
    }
    QCOMPARE(values.texts, (QStringList{QStringLiteral("2"), read}));
    QCOMPARE(values.conversions.value(1), conversion);
    QCOMPARE(spokenMeasurement(text), spoken);
}

// The keys a value field takes: only beside a length unit letters and marks for a unit.
void TestMeasurement::keysLetUnitsThroughOnlyBesideAUnit()
{
    const QString typed = QStringLiteral("5' 3 1/2\"ftinm²³′″");
    for (const bool units : {false, true}) {
        setUnitChoice(units ? unitsFromIds(u"ftin same same") : UnitChoice{});
        QString kept;
        for (const QChar c : typed) {
            qint16 key = qint16(c.unicode());
            filterKeyCode(key);
            if (key)
                kept += QChar(char16_t(key));
        }
        QCOMPARE(kept, units ? typed : QStringLiteral("5312"));
    }
    setUnitChoice({});
}

QTEST_GUILESS_MAIN(TestMeasurement)
#include "tst_measurement.moc"
