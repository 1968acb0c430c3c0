#include "entry/term.h"
#include "triangle/anytriangle.h"

#include "giventexts.h"

#include <QRegularExpression>
#include <QTest>

#include <cmath>

using namespace Zyntra;

namespace {

constexpr auto given = &givenTexts<AnyValue::FieldCount>;

const char *const Letters[] = {"a", "b", "c", "A", "B", "C", "Area", "Perimeter", "h_a", "h_b", "h_c", "r", "R"};

// a, b, c, A, B, C, Area, Perimeter, h_a, h_b, h_c, r, R of the 3-4-5 triangle.
const QStringList ThreeFourFive{"3.00",  "4.00", "5.00", "36.87", "53.13", "90.00", "6.00",
                                "12.00", "4.00", "3.00", "2.40",  "1.00",  "2.50"};

} // namespace

class TestAnyTriangle : public QObject {
    Q_OBJECT
private slots:
    void solves_data();
    void solves();
    void refuses_data();
    void refuses();
};

void TestAnyTriangle::solves_data()
{
    using namespace AnyValue;
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<QStringList>("expected"); // every answer by index; a second triangle's follow the first's

    QTest::newRow("3-4-5 from three sides") << given({{a, "3"}, {b, "4"}, {c, "5"}}) << true << ThreeFourFive;
    QTest::newRow("3-4-5 from two sides and the angle between")
        << given({{a, "3"}, {b, "4"}, {C, "90"}}) << true << ThreeFourFive;
    QTest::newRow("3-4-5 from two angles and the side between")
        << given({{c, "5"}, {A, "36.87"}, {B, "53.13"}}) << true << ThreeFourFive;
    QTest::newRow("3-4-5 from two angles and a side facing one")
        << given({{a, "3"}, {A, "36.87"}, {B, "53.13"}}) << true << ThreeFourFive;
    QTest::newRow("3-4-5 from two sides and an angle not between")
        << given({{b, "4"}, {c, "5"}, {C, "90"}}) << true << ThreeFourFive;
    // One triangle: the one the sides make, the fourth value checked against it.
    QTest::newRow("3-4-5 with a fourth value that agrees")
        << given({{a, "3"}, {b, "4"}, {c, "5"}, {C, "90.1"}}) << true << ThreeFourFive;
    // The second: B′ = 180° − B, c′ = 2b·cos A − c = 1.4, Area′ = ½·a·b·sin C′ = 1.68, the same circumcircle.
    QTest::newRow("two triangles from a 3, b 4, A 36.87")
        << given({{a, "3"}, {b, "4"}, {A, "36.87"}}) << true
        << ThreeFourFive + QStringList{"3.00", "4.00", "1.40", "36.87", "126.87", "16.26", "1.68",
                                       "8.40", "1.12", ".84",  "2.40",  ".40",    "2.50"};
    QTest::newRow("equilateral") << given({{a, "2"}, {b, "2"}, {c, "2"}}) << true
                                 << QStringList{"2.00", "2.00",  "2.00",  "60.00", "60.00", "60.00", "1.732",
                                                "6.00", "1.732", "1.732", "1.732", ".577",  "1.155"};
    // Angles turn with π in full under the typed constants too.
    QTest::newRow("3-4-5 from three sides, typed constants")
        << given({{a, "3"}, {b, "4"}, {c, "5"}}) << false << ThreeFourFive;
    QTest::newRow("30-60-90: the side just reaches, one triangle")
        << given({{a, "1"}, {c, "0.5"}, {C, "30"}}) << true
        << QStringList{"1.00",  ".866", ".50", "90.00", "60.00", "30.00", ".217",
                       "2.366", ".433", ".50", ".866",  ".183",  ".50"};
    // b ÷ (2 sin B) = 7079615.777; Heron's formula gave 7079619.334.
    QTest::newRow("needle from its angles")
        << given({{b, "249.8683"}, {A, "0.001"}, {B, "0.0010111"}}) << true
        << QStringList{"247.125", "249.868", "496.994", ".001", ".001", "179.998",    "1.084",
                       "993.987", ".009",    ".009",    ".004", ".002", "7079615.777"};
    // A and B from the sides that enclose C: the sides alone lose their digits so near 180°.
    // Its circumradius, 42971834.6377…, shows the two decimals the doubles vouch for.
    QTest::newRow("wide angle between two sides")
        << given({{a, "1000"}, {b, "2000"}, {C, "179.998"}}) << true
        << QStringList{"1000.00", "2000.00", "3000.00", ".001", ".001", "179.998",    "34.907",
                       "6000.00", ".07",     ".035",    ".023", ".012", "42971834.64"};
    // h_a = c × sin B = 0.526, below c; the area, 947391362696840.95…, and h_c, 2617826368325064.8…, to the
    // 14 digits their steps vouch for.
    QTest::newRow("long and thin") << given({{a, "3600000000000000"}, {c, "0.7238"}, {A, "46.65"}}) << true
                                   << QStringList{"3600000000000000.00",
                                                  "3600000000000000.00",
                                                  ".724",
                                                  "46.65",
                                                  "133.35",
                                                  ".00",
                                                  "947391362696840.00",
                                                  "7200000000000000.00",
                                                  ".526",
                                                  ".526",
                                                  "2617826368325100.00",
                                                  ".263",
                                                  "2475336056816490.00"};
}

void TestAnyTriangle::solves()
{
    QFETCH(QStringList, fields);
    QFETCH(bool, exact);
    QFETCH(QStringList, expected);
    setExactConstants(exact);
    const Outcome outcome = calculateAnyTriangle(fields, 0);
    setExactConstants(false);
    QCOMPARE(outcome.kind, Outcome::Kind::Answers);
    QStringList shown;
    for (const auto &[index, text] : outcome.answers) {
        QCOMPARE(index, int(shown.size()));
        shown << text;
    }
    QCOMPARE(shown, expected);
    // No answer is worked from itself: "B = … sin B …" reads as going round in a circle.
    for (const auto &[index, working] : outcome.workings) {
        const QString letter = QString::fromUtf8(Letters[size_t(index % AnyValue::Count)])
                               + (index >= AnyValue::Second ? QStringLiteral("′") : QString());
        QVERIFY2(!working.formula.split(QRegularExpression(QStringLiteral("[^\\w′]+"))).contains(letter),
                 qPrintable(letter + QStringLiteral(" = ") + working.formula));
    }
    // Each triangle shown is one triangle: its angles, as worked, make 180°.
    for (const int column : {0, AnyValue::Second})
        if (outcome.values.contains(column + AnyValue::A))
            QVERIFY(std::abs(outcome.values.at(column + AnyValue::A) + outcome.values.at(column + AnyValue::B)
                             + outcome.values.at(column + AnyValue::C) - 180)
                    < 1e-9);
    // Under either constants, each triangle shows the given values as typed.
    setExactConstants(!exact);
    const Outcome other = calculateAnyTriangle(fields, 0);
    setExactConstants(false);
    for (int i = 0; i < AnyValue::FieldCount; ++i)
        for (const int column : {0, AnyValue::Second})
            if (!fields[i].isEmpty() && other.answers.contains(column + i))
                QCOMPARE(other.answers.at(column + i), expected[i]);
}

void TestAnyTriangle::refuses_data()
{
    using namespace AnyValue;
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("text");
    QTest::newRow("side too short for the angle")
        << given({{a, "2"}, {b, "4"}, {A, "36.87"}}) << int(a)
        << "Side a is shorter than b × sin A, so it cannot close the triangle: no triangle fits these values. "
           "Side a = 2.40000571653065 would, with B a right angle.";
    // Short by 0.4 %: no right triangle, whose values would contradict each other.
    QTest::newRow("side just too short")
        << given({{a, "1"}, {c, "0.498"}, {C, "30"}}) << int(c)
        << "Side c is shorter than a × sin C, so it cannot close the triangle: no triangle fits these values. "
           "Side c = 0.5 would, with A a right angle.";
    QTest::newRow("obtuse angle facing the shorter side")
        << given({{a, "3"}, {b, "4"}, {A, "150"}}) << int(a)
        << "Side a must be longer than b, as A is 90° or more: no triangle fits these values.";
    QTest::newRow("sides break the triangle inequality")
        << given({{a, "1"}, {b, "2"}, {c, "3"}}) << int(c)
        << "Side c is as long as the other two sides together, or longer: no triangle has such sides.";
    QTest::newRow("angles reach 180") << given({{a, "1"}, {A, "100"}, {C, "80"}}) << int(C)
                                      << "Angle A and Angle C add up to 180° or more: no triangle has such angles.";
    QTest::newRow("angle of 180") << given({{a, "1"}, {b, "1"}, {C, "180"}}) << int(C)
                                  << "Angle C must be less than 180°.";
    QTest::newRow("a fourth value that disagrees")
        << given({{a, "3"}, {b, "4"}, {c, "5"}, {C, "80"}}) << int(C)
        << "Angle C does not agree with the other values given: they make it 90.00°, and a given angle may differ "
           "by 0.2° at most.";
    QTest::newRow("three angles that do not add up")
        << given({{a, "3"}, {A, "60"}, {B, "60"}, {C, "70"}}) << int(C)
        << "Angle C does not agree with the other values given: they make it 60.00°, and a given angle may differ "
           "by 0.2° at most.";
    QTest::newRow("sides on a line, with angles")
        << given({{a, "1"}, {b, "2"}, {c, "3"}, {A, "10"}, {B, "20"}, {C, "150"}}) << int(c)
        << "Side c is as long as the other two sides together, or longer: no triangle has such sides.";
    QTest::newRow("sides on a line, in decimals")
        << given({{a, "10.3091"}, {b, "3.0166"}, {c, "13.3257"}}) << int(c)
        << "Side c is as long as the other two sides together, or longer: no triangle has such sides.";
    QTest::newRow("angles alone") << given({{A, "60"}, {B, "60"}, {C, "60"}}) << int(a)
                                  << "A side is needed as well: angles fix the shape of a triangle, never its size.";
    QTest::newRow("two values") << given({{a, "3"}, {B, "60"}}) << int(b)
                                << "Give three of the six values, at least one of them a side.";
    QTest::newRow("zero side") << given({{a, "0"}, {b, "4"}, {c, "5"}}) << int(a)
                               << "Side a must be greater than zero.";
    QTest::newRow("pasted negative angle")
        << given({{a, "3"}, {b, "4"}, {B, "-5"}}) << int(B) << "Angle B must be greater than zero.";
}

void TestAnyTriangle::refuses()
{
    QFETCH(QStringList, fields);
    QFETCH(int, field);
    QFETCH(QString, text);
    const Outcome outcome = calculateAnyTriangle(fields, 0);
    QCOMPARE(outcome.kind, Outcome::Kind::Failed);
    QVERIFY(outcome.answers.empty());
    QCOMPARE(outcome.failure.cause, Failure::Cause::NotAFigure);
    QCOMPARE(outcome.failure.field, field);
    QCOMPARE(outcome.failure.text, text);
}

QTEST_GUILESS_MAIN(TestAnyTriangle)
#include "tst_anytriangle.moc"
