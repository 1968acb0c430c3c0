#include "entry/numericentry.h"

#include <QLocale>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>

using namespace Zyntra;

Q_DECLARE_METATYPE(Zyntra::Precision)

class TestNumericEntry : public QObject {
    Q_OBJECT
private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QLocale::German, QLocale::Germany)); }

    void formatsWorkedValues_data();
    void formatsWorkedValues();
    void formatsWithoutExponentOrGrouping_data();
    void formatsWithoutExponentOrGrouping();
    void negativeThatRoundsToZeroHasNoSign();
    void formatsInTheChosenPrecision_data();
    void formatsInTheChosenPrecision();
    void formatsRandomValuesWithinHalfTheLastDecimal();

    void convertsText_data();
    void convertsText();
    void convertsMillionCharacterText();
    void readsOneDecimalCommaWhereChosen_data();
    void readsOneDecimalCommaWhereChosen();

    void filterPassesControlCodesDigitsAndFullStopOnly();
    void keyCodeOfKey_data();
    void keyCodeOfKey();
};

void TestNumericEntry::formatsWorkedValues_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("twoOrThree");
    QTest::addColumn<QString>("oneOrTwo");
    QTest::newRow("0") << 0.0 << ".00"
                       << ".0";
    QTest::newRow("0.5") << 0.5 << ".50"
                         << ".5";
    QTest::newRow("0.125") << 0.125 << ".125"
                           << ".13";
    QTest::newRow("0.0004") << 0.0004 << ".00"
                            << ".0";
    QTest::newRow("0.0005") << 0.0005 << ".001"
                            << ".0";
    QTest::newRow("3") << 3.0 << "3.00"
                       << "3.0";
    QTest::newRow("2.675") << 2.675 << "2.675"
                           << "2.68";
    QTest::newRow("pi") << 3.14159265358979 << "3.142"
                        << "3.14";
    QTest::newRow("9.995") << 9.995 << "9.995"
                           << "10.0";
    QTest::newRow("12.3456") << 12.3456 << "12.346"
                             << "12.35";
    QTest::newRow("78.5") << 78.5 << "78.50"
                          << "78.5";
    QTest::newRow("1234567.891") << 1234567.891 << "1234567.891"
                                 << "1234567.89";
    QTest::newRow("-2.5") << -2.5 << "-2.50"
                          << "-2.5";
    QTest::newRow("0.995 carries into the integer") << 0.9995 << "1.00"
                                                    << "1.0";
    QTest::newRow("99.9999 carries a new digit") << 99.9999 << "100.00"
                                                 << "100.0";
    QTest::newRow("-0.0049") << -0.0049 << "-.005"
                             << ".0";
}

void TestNumericEntry::formatsWorkedValues()
{
    QFETCH(double, value);
    QFETCH(QString, twoOrThree);
    QFETCH(QString, oneOrTwo);
    QCOMPARE(formatResult(value, Pattern::TwoOrThreeDecimals), twoOrThree);
    QCOMPARE(formatResult(value, Pattern::OneOrTwoDecimals), oneOrTwo);
}

void TestNumericEntry::formatsWithoutExponentOrGrouping_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<QString>("expected");
    QTest::newRow("1e20") << 1e20 << "100000000000000000000.00";
    QTest::newRow("digits past the fifteenth are zeros") << 123456789012345678.0 << "123456789012346000.00";
    QTest::newRow("1e300 in full") << 1e300 << "1" + QString(300, u'0') + ".00";
    QTest::newRow("tiny") << 1e-300 << ".00";
}

void TestNumericEntry::formatsWithoutExponentOrGrouping()
{
    QFETCH(double, value);
    QFETCH(QString, expected);
    QCOMPARE(formatResult(value, Pattern::TwoOrThreeDecimals), expected);
}

void TestNumericEntry::negativeThatRoundsToZeroHasNoSign()
{
    QCOMPARE(formatResult(-0.0001, Pattern::TwoOrThreeDecimals), QStringLiteral(".00"));
    QCOMPARE(formatResult(-0.001, Pattern::OneOrTwoDecimals), QStringLiteral(".0"));
    QCOMPARE(formatResult(-0.0, Pattern::OneOrTwoDecimals), QStringLiteral(".0"));
}

void TestNumericEntry::formatsInTheChosenPrecision_data()
{
    QTest::addColumn<double>("value");
    QTest::addColumn<Precision>("precision");
    QTest::addColumn<QString>("expected");
    const auto row = [](const char *name, double value, Precision precision, const char *expected) {
        QTest::newRow(name) << value << precision << QString::fromLatin1(expected);
    };
    row("2 decimals, half away from zero", 2.675, Precision::decimals(2), "2.68");
    row("2 decimals, leading zero", 0.5, Precision::decimals(2), "0.50");
    row("0 decimals, no full stop", 2.5, Precision::decimals(0), "3");
    row("0 decimals, negative half", -2.5, Precision::decimals(0), "-3");
    row("0 decimals, below a half", 0.4, Precision::decimals(0), "0");
    row("10 decimals", 3.14159265358979, Precision::decimals(10), "3.1415926536");
    row("3 decimals, negative", -1234567.8915, Precision::decimals(3), "-1234567.892");
    row("negative that rounds to zero", -0.004, Precision::decimals(2), "0.00");
    row("10 decimals of 1e20", 1e20, Precision::decimals(10), "100000000000000000000.0000000000");
    row("3 significant", 2.675, Precision::significant(3), "2.68");
    row("3 significant, trailing zero", 2.5, Precision::significant(3), "2.50");
    row("3 significant, small", 0.000123456, Precision::significant(3), "0.000123");
    row("3 significant, carry to a new digit", 9.996, Precision::significant(3), "10.0");
    row("3 significant, integer digits", 1234567.0, Precision::significant(3), "1230000");
    row("4 significant, negative", -0.04567891, Precision::significant(4), "-0.04568");
    row("3 significant of zero", 0.0, Precision::significant(3), "0.00");
    row("15 significant, no noise", 0.1 + 0.2, Precision::significant(15), "0.300000000000000");
    row("15 significant, large", 123456789012345678.0, Precision::significant(15), "123456789012346000");
    QTest::newRow("15 significant, 1e300") << 1e300 << Precision::significant(15) << "1" + QString(300, u'0');
    row("out of range is as described", 0.5, Precision::decimals(11), ".50");
}

// A chosen precision is the same for both patterns.
void TestNumericEntry::formatsInTheChosenPrecision()
{
    QFETCH(double, value);
    QFETCH(Precision, precision);
    QFETCH(QString, expected);
    QCOMPARE(formatResult(value, Pattern::TwoOrThreeDecimals, precision), expected);
    if (precision.isValid())
        QCOMPARE(formatResult(value, Pattern::OneOrTwoDecimals, precision), expected);
}

// The text reads back to the value within half a unit of its last decimal,
// give or take the rounding to fifteen significant digits.
void TestNumericEntry::formatsRandomValuesWithinHalfTheLastDecimal()
{
    QRandomGenerator random(20261207);
    for (int i = 0; i < 1'000'000; ++i) {
        const double magnitude = std::pow(10.0, -6 + 306 * random.generateDouble()) * (1 + 9 * random.generateDouble());
        const double value = random.bounded(4) == 0 ? -magnitude : magnitude;
        const Pattern pattern = i % 2 ? Pattern::TwoOrThreeDecimals : Pattern::OneOrTwoDecimals;
        const int maxDecimals = pattern == Pattern::TwoOrThreeDecimals ? 3 : 2;
        const QString text = formatResult(value, pattern);

        const qsizetype stop = text.indexOf(u'.');
        const qsizetype decimals = text.size() - stop - 1;
        if (stop < 0 || decimals < maxDecimals - 1 || decimals > maxDecimals || text.contains(u'e')
            || text.contains(u',') || text.contains(u'n') || text.startsWith(QStringLiteral("0"))
            || text.startsWith(QStringLiteral("-0")))
            QFAIL(qPrintable(QStringLiteral("%1 shows as %2").arg(value, 0, 'g', 17).arg(text)));

        const double shown = text.toDouble();
        const double tolerance = 0.5 * std::pow(10.0, -decimals)
                                 + 0.5 * std::pow(10.0, std::floor(std::log10(magnitude)) - 14)
                                 + std::fabs(value) * 1e-15;
        if (std::fabs(shown - value) > tolerance)
            QFAIL(qPrintable(QStringLiteral("%1 shows as %2").arg(value, 0, 'g', 17).arg(text)));
    }
}

void TestNumericEntry::convertsText_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<double>("value");
    QTest::newRow("12") << "12" << true << 12.0;
    QTest::newRow("12.5") << "12.5" << true << 12.5;
    QTest::newRow(".5") << ".5" << true << 0.5;
    QTest::newRow("5.") << "5." << true << 5.0;
    QTest::newRow("007") << "007" << true << 7.0;
    QTest::newRow("leading minus") << "-3.5" << true << -3.5;
    QTest::newRow("leading plus") << "+3.5" << true << 3.5;
    QTest::newRow("surrounding blanks") << "  4.25 " << true << 4.25;
    QTest::newRow("1e200 in digits") << "1" + QString(200, u'0') << true << 1e200;
    QTest::newRow("underflows to zero") << "." + QString(400, u'0') + "1" << true << 0.0;
    QTest::newRow("empty") << "" << false << 0.0;
    QTest::newRow("blanks only") << "   " << false << 0.0;
    QTest::newRow("lone full stop") << "." << false << 0.0;
    QTest::newRow("two full stops") << "1..2" << false << 0.0;
    QTest::newRow("1.2.3") << "1.2.3" << false << 0.0;
    QTest::newRow("comma") << "1,5" << false << 0.0;
    QTest::newRow("exponent") << "1e5" << false << 0.0;
    QTest::newRow("letters") << "abc" << false << 0.0;
    QTest::newRow("sign alone") << "-" << false << 0.0;
    QTest::newRow("two signs") << "--1" << false << 0.0;
    QTest::newRow("inner blank") << "1 2" << false << 0.0;
    QTest::newRow("inf") << "inf" << false << 0.0;
    QTest::newRow("nan") << "nan" << false << 0.0;
    QTest::newRow("hex") << "0x10" << false << 0.0;
    QTest::newRow("beyond the double range") << "1" + QString(400, u'0') << false << 0.0;
    QTest::newRow("arabic digits") << QString::fromUtf8("١٢") << false << 0.0;
}

void TestNumericEntry::convertsText()
{
    QFETCH(QString, text);
    QFETCH(bool, converts);
    QFETCH(double, value);
    const auto number = textToNumber(text);
    QCOMPARE(number.has_value(), converts);
    if (converts)
        QCOMPARE(*number, value);
}

void TestNumericEntry::convertsMillionCharacterText()
{
    QVERIFY(!textToNumber(QString(1'000'000, u'7') + QStringLiteral("x")).has_value());
    QVERIFY(!textToNumber(QString(1'000'000, u'7')).has_value()); // beyond the double range
    QCOMPARE(*textToNumber(QStringLiteral("1.") + QString(1'000'000, u'0')), 1.0);
}

void TestNumericEntry::readsOneDecimalCommaWhereChosen_data()
{
    QTest::addColumn<QString>("text");
    QTest::addColumn<bool>("comma");
    QTest::addColumn<bool>("converts");
    QTest::addColumn<double>("value");
    QTest::newRow("2,5 under the comma") << "2,5" << true << true << 2.5;
    QTest::newRow("2,5 under the full stop") << "2,5" << false << false << 0.0;
    QTest::newRow("1,000 groups under the full stop") << "1,000" << false << false << 0.0;
    QTest::newRow("1,000 is one under the comma") << "1,000" << true << true << 1.0;
    QTest::newRow(" -,5 ") << " -,5 " << true << true << -0.5;
    QTest::newRow("full stop still reads") << "2.5" << true << true << 2.5;
    QTest::newRow("grouped German") << "1.234,5" << true << false << 0.0;
    QTest::newRow("grouped English") << "1,234.5" << true << false << 0.0;
    QTest::newRow("two commas") << "2,5,1" << true << false << 0.0;
}

void TestNumericEntry::readsOneDecimalCommaWhereChosen()
{
    QFETCH(QString, text);
    QFETCH(bool, comma);
    QFETCH(bool, converts);
    QFETCH(double, value);
    setDecimalComma(comma);
    const auto number = textToNumber(text);
    setDecimalComma(false);
    QCOMPARE(number.has_value(), converts);
    if (converts)
        QCOMPARE(*number, value);
}

// Under the decimal comma the comma types the full stop; nothing else changes.
void TestNumericEntry::filterPassesControlCodesDigitsAndFullStopOnly()
{
    const QString accepted = QStringLiteral("0123456789.");
    for (const bool comma : {false, true}) {
        setDecimalComma(comma);
        for (int raw = -32768; raw <= 32767; ++raw) {
            qint16 keyAscii = qint16(raw);
            filterKeyCode(keyAscii);
            const bool passes = raw <= 26 || accepted.contains(QChar(char16_t(raw)));
            const int expected = comma && raw == ',' ? '.' : passes ? raw : 0;
            if (keyAscii != expected)
                QFAIL(qPrintable(QStringLiteral("key code %1 became %2").arg(raw).arg(keyAscii)));
        }
    }
    setDecimalComma(false);
}

void TestNumericEntry::keyCodeOfKey_data()
{
    QTest::addColumn<int>("key");
    QTest::addColumn<int>("modifiers");
    QTest::addColumn<QString>("text");
    QTest::addColumn<int>("code"); // -1: the key types no character

    const int ctrl = int(Qt::ControlModifier);
    QTest::newRow("digit") << int(Qt::Key_7) << 0 << "7" << int('7');
    QTest::newRow("full stop") << int(Qt::Key_Period) << 0 << "." << int('.');
    QTest::newRow("letter") << int(Qt::Key_A) << 0 << "a" << int('a');
    QTest::newRow("capital") << int(Qt::Key_E) << int(Qt::ShiftModifier) << "E" << int('E');
    QTest::newRow("Ctrl+C as a test sends it") << int(Qt::Key_C) << ctrl << "c" << 3;
    QTest::newRow("Ctrl+C as X11 sends it") << int(Qt::Key_C) << ctrl << "\x03" << 3;
    QTest::newRow("Ctrl+V") << int(Qt::Key_V) << ctrl << "v" << 22;
    QTest::newRow("Ctrl+X") << int(Qt::Key_X) << ctrl << "" << 24;
    QTest::newRow("Ctrl+Z") << int(Qt::Key_Z) << ctrl << "\x1a" << 26;
    QTest::newRow("backspace") << int(Qt::Key_Backspace) << 0 << "" << 8;
    QTest::newRow("enter") << int(Qt::Key_Return) << 0 << "\r" << 13;
    QTest::newRow("keypad enter") << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << "\r" << 13;
    QTest::newRow("escape") << int(Qt::Key_Escape) << 0 << "\x1b" << 27;
    QTest::newRow("space") << int(Qt::Key_Space) << 0 << " " << 32;
    QTest::newRow("delete types no character") << int(Qt::Key_Delete) << 0 << "\x7f" << -1;
    QTest::newRow("left arrow") << int(Qt::Key_Left) << 0 << "" << -1;
    QTest::newRow("home") << int(Qt::Key_Home) << 0 << "" << -1;
    QTest::newRow("double-byte character is negative")
        << int(Qt::Key_unknown) << 0 << QString(QChar(0x9AD8)) << int(qint16(0x9AD8));
}

void TestNumericEntry::keyCodeOfKey()
{
    QFETCH(int, key);
    QFETCH(int, modifiers);
    QFETCH(QString, text);
    QFETCH(int, code);
    const auto result = keyCodeOf(key, Qt::KeyboardModifiers(modifiers), text);
    QCOMPARE(result.has_value() ? int(*result) : -1, code);
}

QTEST_GUILESS_MAIN(TestNumericEntry)
#include "tst_numericentry.moc"
