#include "constantcheck.h"
#include "entry/term.h"
#include "expression.h"

#include <QtTest>

#include <charconv>
#include <numbers>

using namespace Zyntra;

// The working of an answer reads as a person would write it, and its
// numbers, evaluated on their own, give the answer.
class TestTerm : public QObject {
    Q_OBJECT
private slots:
    void workingReadsAsWritten_data();
    void workingReadsAsWritten();
    void constantsFollowTheChoice();
    void constantsAreWhatTheirSymbolsSay_data();
    void constantsAreWhatTheirSymbolsSay();
};

namespace {

Term given(const char *letter, double value)
{
    return Term::given(QString::fromUtf8(letter), Num(value));
}

// A field's text as the user typed or pasted it, under either decimal separator.
Term typedAs(const char *text, bool comma = false)
{
    setDecimalComma(comma);
    const Term term = typed(Fields({QString::fromUtf8(text)}), 0, "a");
    setDecimalComma(false);
    return term;
}

} // namespace

void TestTerm::workingReadsAsWritten_data()
{
    QTest::addColumn<QString>("made");
    QTest::addColumn<QString>("expected");
    QTest::addColumn<QString>("answer");
    QTest::addColumn<QStringList>("steps");
    const Term a = given("a", 3);
    const Term b = given("b", 4);
    const Term r = given("r", 2);
    const Term h = given("h", 5);
    const auto row = [](const char *quantity, const Term &t, const char *expected) {
        const QString answer = formatResult(t.value(), Pattern::TwoOrThreeDecimals);
        QTest::newRow(expected) << workingText(QString::fromUtf8(quantity), t.working(), answer)
                                << QString::fromUtf8(expected) << answer << t.working().steps;
    };
    row("Area", a * b, "Area = a × b = 3 × 4 = 12.00");
    row("Diagonal", sqrt(power(a, 2) + power(b, 2)), "Diagonal = √(a² + b²) = √(3² + 4²) = √25 = 5.00");
    row("Volume", power(r, 2) * Term::constant(Constants::RoughPi) * h,
        "Volume = r² × π × h = 2² × 3.14 × 5 = 12.56 × 5 = 62.80");
    row("x", a - (b - r), "x = a − (b − r) = 3 − (4 − 2) = 3 − 2 = 1.00");
    row("Area", power(a, 2) * Term::constant(Constants::QuarterRootThree),
        "Area = a² × (√3/4) = 3² × 0.433 = 9 × 0.433 = 3.897");
    row("a", a, "a = 3 = 3.00 (given)");
    row("y", h * 2 + (r + r).named(QStringLiteral("d")), "y = h × 2 + d = 5 × 2 + 4 = 10 + 4 = 14.00");
    row("z", power(b / a, Term(1) / 3),
        "z = (b ÷ a)^(1 ÷ 3) = (4 ÷ 3)^(1 ÷ 3) = 1.33333333333333^(0.333333333333333) = 1.101");
    row("Volume", power(r, 2) * Term::constant(Constants::RoughPi) * 7 / 3,
        "Volume = r² × π × 7 ÷ 3 = 2² × 3.14 × 7 ÷ 3 = 87.92 ÷ 3 = 29.307");
    row("x", power(typedAs("007"), 2), "x = a² = 7² = 49.00");
    row("y", power(typedAs("5."), 2) + typedAs(".5"), "y = a² + a = 5² + 0.5 = 25 + 0.5 = 25.50");
    row("z", typedAs("2,5", true) * 2, "z = a × 2 = 2.5 × 2 = 5.00");
    row("B", Term(90).inDegrees() - given("A", 30).inDegrees(), "B = 90° − A = 90° − 30° = 60.00°");
    row("θ", given("θ", 30).inDegrees(), "θ = 30° = 30.00° (given)");
}

void TestTerm::workingReadsAsWritten()
{
    QFETCH(QString, made);
    QFETCH(QString, expected);
    QFETCH(QString, answer);
    QFETCH(QStringList, steps);
    QCOMPARE(made, expected);
    for (const QString &step : steps) {
        const auto value = Expression::evaluate(step);
        QVERIFY2(value, qPrintable(step));
        QCOMPARE(formatResult(*value, Pattern::TwoOrThreeDecimals), answer);
    }
}

void TestTerm::constantsFollowTheChoice()
{
    const Term r = given("r", 2);
    const Term h = given("h", 5);
    const auto volume = [&] { return power(r, 2) * Term::constant(Constants::RoughPi) * h; };
    QCOMPARE(formatResult(volume().value(), Pattern::TwoOrThreeDecimals), QStringLiteral("62.80"));
    setExactConstants(true);
    const Term exact = volume();
    setExactConstants(false);
    QCOMPARE(formatResult(exact.value(), Pattern::TwoOrThreeDecimals), QStringLiteral("62.832"));
    QVERIFY(exact.working().steps.first().contains(QStringLiteral("3.14159265358979 ")));
    for (const QString &step : exact.working().steps)
        QCOMPARE(formatResult(*Expression::evaluate(step), Pattern::TwoOrThreeDecimals), QStringLiteral("62.832"));
}

void TestTerm::constantsAreWhatTheirSymbolsSay_data()
{
    QTest::addColumn<const Constant *>("constant");
    for (const Constant *constant : Constants::All)
        QTest::addRow("%s = %.17g", constant->symbol, constant->described) << constant;
}

// Each constant of the table is what its symbol says, to the last bit and
// to its typed digits.
void TestTerm::constantsAreWhatTheirSymbolsSay()
{
    QFETCH(const Constant *, constant);
    const QString mismatch = constantMismatch(*constant);
    QVERIFY2(mismatch.isEmpty(), qPrintable(mismatch));
}

QTEST_GUILESS_MAIN(TestTerm)
#include "tst_term.moc"
