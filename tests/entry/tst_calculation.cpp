#include "entry/calculation.h"

#include <QTest>

#include <limits>

using namespace Zyntra;
using Cause = Failure::Cause;

Q_DECLARE_METATYPE(Zyntra::Failure::Cause)
Q_DECLARE_METATYPE(Zyntra::Failure)
Q_DECLARE_METATYPE(std::function<void()>)

class TestCalculation : public QObject {
    Q_OBJECT
private slots:
    void stepFails_data();
    void stepFails();
    void stepsThatStayFiniteSucceed();
    void unconvertibleFieldNamesItsIndexAndText();
    void failedCalculationCarriesNoAnswers();
    void descriptionNamesFieldAndText_data();
    void descriptionNamesFieldAndText();
    void guardsTestExactEmptiness();
};

void TestCalculation::stepFails_data()
{
    QTest::addColumn<std::function<void()>>("step");
    QTest::addColumn<Cause>("cause");
    const double huge = std::numeric_limits<double>::max();
    QTest::newRow("division by zero") << std::function<void()>([] { (void)(Num(1) / Num(0)); })
                                      << Cause::DivisionByZero;
    QTest::newRow("zero by zero") << std::function<void()>([] { (void)(Num(0) / Num(0)); }) << Cause::DivisionByZero;
    QTest::newRow("product overflows") << std::function<void()>([=] { (void)(Num(huge) * Num(2)); }) << Cause::TooLarge;
    QTest::newRow("sum overflows") << std::function<void()>([=] { (void)(Num(huge) + Num(huge)); }) << Cause::TooLarge;
    QTest::newRow("quotient overflows") << std::function<void()>([=] { (void)(Num(huge) / Num(0.5)); })
                                        << Cause::TooLarge;
    QTest::newRow("square overflows") << std::function<void()>([] { (void)power(Num(1e200), 2); }) << Cause::TooLarge;
    QTest::newRow("root of a negative") << std::function<void()>([] { (void)sqrt(Num(-1)); }) << Cause::NegativeRoot;
    QTest::newRow("fractional power of a negative")
        << std::function<void()>([] { (void)power(Num(-8), Num(1.0 / 3)); }) << Cause::InvalidOperation;
    QTest::newRow("zero to a negative power")
        << std::function<void()>([] { (void)power(Num(0), Num(-1)); }) << Cause::DivisionByZero;
}

void TestCalculation::stepFails()
{
    QFETCH(std::function<void()>, step);
    QFETCH(Cause, cause);
    const Outcome outcome = runCalculation([&] {
        step();
        return Outcome{};
    });
    QCOMPARE(outcome.kind, Outcome::Kind::Failed);
    QCOMPARE(outcome.failure.cause, cause);
}

void TestCalculation::stepsThatStayFiniteSucceed()
{
    QCOMPARE((Num(6) / Num(4)).value(), 1.5);
    QCOMPARE(sqrt(Num(0)).value(), 0.0);
    QCOMPARE(power(Num(27), Num(1.0 / 3)).value(), std::pow(27.0, 1.0 / 3));
    QCOMPARE((Num(1e-300) * Num(1e-300)).value(), 0.0); // underflow is no error
    QCOMPARE((-Num(2)).value(), -2.0);
}

void TestCalculation::unconvertibleFieldNamesItsIndexAndText()
{
    const Fields fields({QStringLiteral("3"), QStringLiteral("1.2.3")});
    QCOMPARE(fields.number(0).value(), 3.0);
    try {
        (void)fields.number(1);
        QFAIL("1.2.3 converted");
    } catch (const Failure &failure) {
        QCOMPARE(failure.cause, Cause::NotANumber);
        QCOMPARE(failure.field, 1);
        QCOMPARE(failure.text, QStringLiteral("1.2.3"));
    }
}

void TestCalculation::failedCalculationCarriesNoAnswers()
{
    const Outcome outcome = runCalculation([] {
        Outcome partial;
        partial.answers[0] = QStringLiteral("1.00");
        (void)(Num(1) / Num(0));
        return partial;
    });
    QCOMPARE(outcome.kind, Outcome::Kind::Failed);
    QVERIFY(outcome.answers.empty());
}

void TestCalculation::descriptionNamesFieldAndText_data()
{
    QTest::addColumn<Failure>("failure");
    QTest::addColumn<QString>("expected");
    QTest::newRow("not a number")
        << Failure{Cause::NotANumber, 0, QStringLiteral("1.2.3")}
        << "Side a: \"1.2.3\" is not a number. Type digits with at most one full stop, such as 12.5.";
    QTest::newRow("empty") << Failure{Cause::NotANumber, 0, QString()}
                           << "Side a is empty. Type a number, such as 12.5.";
    QTest::newRow("long text is cut")
        << Failure{Cause::NotANumber, 0, QString(1000, u'x')}
        << "Side a: \"" + QString(40, u'x')
               + "…\" is not a number. Type digits with at most one full stop, such as 12.5.";
    QTest::newRow("division by zero") << Failure{Cause::DivisionByZero, -1, {}}
                                      << "The calculation divides by zero. Check the given values.";
    QTest::newRow("too large") << Failure{Cause::TooLarge, -1, {}}
                               << "A number in the calculation is too large. Give smaller values.";
    QTest::newRow("paste too long")
        << Failure{Cause::PasteTooLong, -1, {}, 10'001}
        << "The pasted text is 10001 characters long; Side a takes at most 10000 characters. "
           "Nothing was pasted.";
    QTest::newRow("not a figure tells why")
        << Failure{Cause::NotAFigure, 0, QStringLiteral("Side a must be shorter.")} << "Side a must be shorter.";
}

void TestCalculation::descriptionNamesFieldAndText()
{
    QFETCH(Failure, failure);
    QFETCH(QString, expected);
    QCOMPARE(describe(failure, QStringLiteral("Side a")), expected);
}

void TestCalculation::guardsTestExactEmptiness()
{
    const Fields fields({QString(), QStringLiteral(" "), QStringLiteral("0")});
    QVERIFY(fields.isEmpty(0));
    QVERIFY(!fields.isEmpty(1));
    QVERIFY(fields.allEmpty({0, 3}));
    QVERIFY(!fields.allEmpty({0, 1}));
    QVERIFY(fields.anyEmpty({2, 0}));
    QVERIFY(!fields.anyEmpty({1, 2}));
}

QTEST_GUILESS_MAIN(TestCalculation)
#include "tst_calculation.moc"
