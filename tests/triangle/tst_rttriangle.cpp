#include "triangle/rttriangle.h"

#include "giventexts.h"

#include <QTest>

using namespace Zyntra;
using Cause = Failure::Cause;

Q_DECLARE_METATYPE(Zyntra::Failure::Cause)

namespace {

constexpr auto given = &givenTexts<RtValue::Count>;

} // namespace

class TestRtTriangle : public QObject {
    Q_OBJECT
private slots:
    void solves_data();
    void solves();
    void failures_data();
    void failures();
};

void TestRtTriangle::solves_data()
{
    using namespace RtValue;
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("a 3, b 4") << given({{a, "3"}, {b, "4"}}) << QStringList{"3.0", "4.0", "5.0", "36.89", "53.11"};
    QTest::newRow("a 3, c 5") << given({{a, "3"}, {c, "5"}}) << QStringList{"3.0", "4.0", "5.0", "36.89", "53.11"};
    QTest::newRow("b 4, c 5") << given({{b, "4"}, {c, "5"}}) << QStringList{"3.0", "4.0", "5.0", "36.84", "53.16"};
    QTest::newRow("a 3, A 36.87") << given({{a, "3"}, {A, "36.87"}})
                                  << QStringList{"3.0", "4.0", "5.0", "36.87", "53.13"};
    QTest::newRow("c 5, B 53.13") << given({{c, "5"}, {B, "53.13"}})
                                  << QStringList{"3.0", "4.0", "5.0", "36.87", "53.13"};
    QTest::newRow("c 10, A 30") << given({{c, "10"}, {A, "30"}}) << QStringList{"5.0", "8.66", "10.0", "30.0", "60.0"};
    QTest::newRow("c 10, B 60") << given({{c, "10"}, {B, "60"}}) << QStringList{"5.0", "8.66", "10.0", "30.0", "60.0"};
    QTest::newRow("a 1, b 1: pi 3.14 shows")
        << given({{a, "1"}, {b, "1"}}) << QStringList{"1.0", "1.0", "1.41", "45.02", "44.98"};
    QTest::newRow("A 30, B 60 match no row") << given({{A, "30"}, {B, "60"}}) << QStringList(5, QStringLiteral(".0"));

    QTest::newRow("b 4, A 36.87") << given({{b, "4"}, {A, "36.87"}})
                                  << QStringList{"3.0", "4.0", "5.0", "36.87", "53.13"};
    QTest::newRow("a 3, B 53.13") << given({{a, "3"}, {B, "53.13"}})
                                  << QStringList{"3.0", "4.0", "5.0", "36.87", "53.13"};
    QTest::newRow("b 4, B 53.13") << given({{b, "4"}, {B, "53.13"}})
                                  << QStringList{"3.0", "4.0", "5.0", "36.87", "53.13"};
    QTest::newRow("b 7, c 25") << given({{b, "7"}, {c, "25"}}) << QStringList{"24.0", "7.0", "25.0", "73.73", "16.27"};
    QTest::newRow("a .5, b .5") << given({{a, ".5"}, {b, ".5"}}) << QStringList{".5", ".5", ".71", "45.02", "44.98"};
    QTest::newRow("a 12.5, b 1000") << given({{a, "12.5"}, {b, "1000"}})
                                    << QStringList{"12.5", "1000.0", "1000.08", ".72", "89.28"};
    QTest::newRow("a 1000000, b 1000000: no grouping")
        << given({{a, "1000000"}, {b, "1000000"}})
        << QStringList{"1000000.0", "1000000.0", "1414213.56", "45.02", "44.98"};

    QTest::newRow("the first row in order wins")
        << given({{a, "3"}, {c, "5"}, {A, "10"}}) << QStringList{"3.0", "4.0", "5.0", "36.89", "53.11"};
    QTest::newRow("0 is not given") << given({{a, "0"}, {b, "4"}}) << QStringList(5, QStringLiteral(".0"));
    QTest::newRow("0.0 is not given") << given({{c, "10"}, {A, "0.0"}}) << QStringList(5, QStringLiteral(".0"));
    QTest::newRow("one value alone") << given({{c, "5"}}) << QStringList(5, QStringLiteral(".0"));
    QTest::newRow("nothing given") << given({}) << QStringList(5, QStringLiteral(".0"));
    QTest::newRow("A just under 90") << given({{c, "10"}, {A, "89.99"}})
                                     << QStringList{"10.0", ".01", "10.0", "89.99", ".01"};
}

void TestRtTriangle::solves()
{
    QFETCH(QStringList, fields);
    QFETCH(QStringList, expected);
    const Outcome outcome = calculateRtTriangle(fields, 0);
    QCOMPARE(outcome.kind, Outcome::Kind::Answers);
    QStringList shown;
    for (const auto &[index, text] : outcome.answers) {
        QCOMPARE(index, int(shown.size()));
        shown << text;
    }
    QCOMPARE(shown, expected);
}

void TestRtTriangle::failures_data()
{
    using namespace RtValue;
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<Cause>("cause");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");

    const QString aShorter = QStringLiteral("Side a must be shorter than the hypotenuse c.");
    const QString bShorter = QStringLiteral("Side b must be shorter than the hypotenuse c.");
    QTest::newRow("leg a longer than c") << given({{a, "6"}, {c, "5"}}) << Cause::NotAFigure << int(a) << aShorter;
    QTest::newRow("leg a as long as c") << given({{a, "5"}, {c, "5"}}) << Cause::NotAFigure << int(a) << aShorter;
    QTest::newRow("leg b longer than c") << given({{b, "5.5"}, {c, "5"}}) << Cause::NotAFigure << int(b) << bShorter;
    QTest::newRow("leg b as long as c") << given({{b, "5"}, {c, "5.0"}}) << Cause::NotAFigure << int(b) << bShorter;
    QTest::newRow("a 1.2.3") << given({{a, "1.2.3"}, {b, "4"}}) << Cause::NotANumber << int(a) << "1.2.3";
    QTest::newRow("c lone full stop") << given({{c, "."}, {A, "30"}}) << Cause::NotANumber << int(c) << ".";
    QTest::newRow("A 1..2") << given({{b, "4"}, {A, "1..2"}}) << Cause::NotANumber << int(A) << "1..2";
    QTest::newRow("B pasted blanks") << given({{a, "3"}, {B, "  "}}) << Cause::NotANumber << int(B) << "  ";
    QTest::newRow("bad text with no pair") << given({{b, "abc"}}) << Cause::NotANumber << int(b) << "abc";
    const QString AUnder90 = QStringLiteral("Angle A must be less than 90 degrees.");
    const QString BUnder90 = QStringLiteral("Angle B must be less than 90 degrees.");
    QTest::newRow("B 90 makes no triangle") << given({{a, "3"}, {B, "90"}}) << Cause::NotAFigure << int(B) << BUnder90;
    QTest::newRow("B 90 with b") << given({{b, "4"}, {B, "90"}}) << Cause::NotAFigure << int(B) << BUnder90;
    QTest::newRow("A 90 with c") << given({{c, "10"}, {A, "90"}}) << Cause::NotAFigure << int(A) << AUnder90;
    QTest::newRow("A 100 would give negative sides")
        << given({{a, "1"}, {A, "100"}}) << Cause::NotAFigure << int(A) << AUnder90;
    QTest::newRow("pasted negative side")
        << given({{a, "-3"}, {b, "4"}}) << Cause::NotAFigure << int(a) << "Side a must be greater than zero.";
    QTest::newRow("pasted negative hypotenuse")
        << given({{b, "3"}, {c, "-5"}}) << Cause::NotAFigure << int(c) << "Hypotenuse c must be greater than zero.";
    QTest::newRow("pasted negative angle")
        << given({{c, "5"}, {B, "-30"}}) << Cause::NotAFigure << int(B) << "Angle B must be greater than zero.";
    QTest::newRow("square too large") << given({{a, "1" + QString(200, u'0')}, {b, "4"}}) << Cause::TooLarge << -1
                                      << QString();
}

void TestRtTriangle::failures()
{
    QFETCH(QStringList, fields);
    QFETCH(Cause, cause);
    QFETCH(int, field);
    QFETCH(QString, text);
    const Outcome outcome = calculateRtTriangle(fields, 0);
    QCOMPARE(outcome.kind, Outcome::Kind::Failed);
    QVERIFY(outcome.answers.empty());
    QCOMPARE(outcome.failure.cause, cause);
    QCOMPARE(outcome.failure.field, field);
    QCOMPARE(outcome.failure.text, text);
}

QTEST_GUILESS_MAIN(TestRtTriangle)
#include "tst_rttriangle.moc"
