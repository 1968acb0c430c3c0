#include "entry/exact.h"

#include <QtTest>

#include <cmath>
#include <functional>
#include <numbers>

using namespace Zyntra;

// Exact values as a teacher writes them, worked by the same steps a figure
// takes, and their decimals against the double calculation.
class TestExact : public QObject {
    Q_OBJECT
private slots:
    void formsAsATeacherWritesThem_data();
    void formsAsATeacherWritesThem();
    void typedDecimalsAreExact();
};

namespace {

Exact n(double value)
{
    return Exact::typed(value);
}
Exact pi()
{
    return Exact::pi();
}
Exact degrees(double d)
{
    return n(d) * pi() / n(180);
}

struct Case {
    const char *name;
    std::function<Exact()> exact;
    double expected; // the same worked in doubles
    const char *text;
    const char *spoken;
};

const double Pi = std::numbers::pi;

// clang-format off
const Case Cases[] = {
    {"circle r = 5, area",         [] { return power(n(5), n(2)) * pi(); },               25 * Pi,  "25π",  "25 pi"},
    {"circle r = 5, circumference",[] { return (n(5) + n(5)) * pi(); },                   10 * Pi,  "10π",  "10 pi"},
    {"square a = 5, diagonal",     [] { return sqrt(power(n(5), n(2)) + power(n(5), n(2))); }, 5 * std::sqrt(2), "5√2", "5 root 2"},
    {"a typed quotient",           [] { return n(15) / n(4); },                          3.75,     "15/4", "15 over 4"},
    {"equilateral a = 2, area",    [] { return sqrt(n(3)) / n(4) * power(n(2), n(2)); }, std::sqrt(3), "√3", "root 3"},
    {"sphere r = 3, volume",       [] { return n(4) / n(3) * pi() * power(n(3), n(3)); }, 36 * Pi, "36π",  "36 pi"},
    {"cone r = 3, h = 4, slant",   [] { return sqrt(n(9) + n(16)); },                    5,        "5",    "5"},
    {"cone r = 3, h = 4, surface", [] { return pi() * n(3) * (n(3) + sqrt(n(25))); },    24 * Pi,  "24π",  "24 pi"},
    {"hexagon a = 2",              [] { return n(3) * sqrt(n(3)) / n(2) * n(4); },       6 * std::sqrt(3), "6√3", "6 root 3"},
    {"sector r = 6 at 60°",        [] { return power(n(6), n(2)) * degrees(60) / n(2); }, 6 * Pi, "6π",   "6 pi"},
    {"rhombus a = 4 at 30°",       [] { return power(n(4), n(2)) * sin(degrees(30)); },  8,        "8",    "8"},
    {"√50",                        [] { return sqrt(n(50)); },                           std::sqrt(50), "5√2", "5 root 2"},
    {"√(1/2)",                     [] { return sqrt(n(0.5)); },                          std::sqrt(0.5), "√2/2", "root 2 over 2"},
    {"a common factor",            [] { return pi() * (n(9) + n(3) * sqrt(n(58))); },    Pi * (9 + 3 * std::sqrt(58)), "3π(3 + √58)", "3 pi times (3 plus root 58)"},
    {"cos 15°",                    [] { return cos(degrees(15)); },                      std::cos(Pi / 12), "(√6 + √2)/4", "(root 6 plus root 2) over 4"},
    {"sin 15°",                    [] { return sin(degrees(15)); },                      std::sin(Pi / 12), "(√6 − √2)/4", "(root 6 minus root 2) over 4"},
    {"cos 36°",                    [] { return cos(degrees(36)); },                      std::cos(Pi / 5), "(1 + √5)/4", "(1 plus root 5) over 4"},
    {"tan 75°",                    [] { return tan(degrees(75)); },                      std::tan(5 * Pi / 12), "2 + √3", "2 plus root 3"},
    {"sin 240°",                   [] { return sin(degrees(240)); },                     std::sin(4 * Pi / 3), "−√3/2", "minus root 3 over 2"},
    {"an angle whose sine is 1/2", [] { const Exact s = n(0.5); return atan(s / sqrt(n(1) - s * s)) * n(180) / pi(); }, 30, "30", "30"},
    {"square minus a quarter circle", [] { return power(n(2), n(2)) - pi() * power(n(2), n(2)) / n(4); }, 4 - Pi, "4 − π", "4 minus pi"},
    {"a nested root that unnests", [] { return sqrt(n(3) + n(2) * sqrt(n(2))); },        1 + std::sqrt(2), "1 + √2", "1 plus root 2"},
    {"a root over a sum",          [] { return n(1) / (n(1) + sqrt(n(2))); },            std::sqrt(2) - 1, "√2 − 1", "root 2 minus 1"},
    {"π squared and over π",       [] { return pi() * pi() + n(50) / pi(); },            Pi * Pi + 50 / Pi, "50/π + π²", "50 over pi plus pi squared"},
    {"a root over 2π",             [] { return sqrt(n(3)) / (n(2) * pi()); },            std::sqrt(3) / (2 * Pi), "√3/(2π)", "root 3 over 2 pi"},
    {"sin 36° has none",           [] { return sin(degrees(36)); },                      std::sin(Pi / 5), "", ""},
    {"√π has none",                [] { return sqrt(pi()); },                            std::sqrt(Pi), "", ""},
    {"a cube root has none",       [] { return power(n(2), n(1) / n(3)); },              std::cbrt(2), "", ""},
    {"a root of a sum that is no square has none", [] { return sqrt(n(2) + sqrt(n(3)) * n(5)); }, std::sqrt(2 + 5 * std::sqrt(3)), "", ""},
    {"past the bound",             [] { return power(n(3.9894228040143287), n(12)); },  std::pow(3.9894228040143287, 12), "", ""},
    {"an angle of no whole degrees", [] { return sin(n(1)); },                          std::sin(1), "", ""},
};
// clang-format on

} // namespace

void TestExact::formsAsATeacherWritesThem_data()
{
    QTest::addColumn<int>("index");
    for (int i = 0; i < int(std::size(Cases)); ++i)
        QTest::newRow(Cases[i].name) << i;
}

void TestExact::formsAsATeacherWritesThem()
{
    QFETCH(int, index);
    const Case &c = Cases[index];
    const Exact value = c.exact();
    QCOMPARE(value.text(), QString::fromUtf8(c.text));
    QCOMPARE(value.spoken(), QString::fromUtf8(c.spoken));
    QCOMPARE(value.known(), !QByteArray(c.text).isEmpty());
    if (value.known())
        QVERIFY2(std::fabs(value.approximate() - c.expected) <= 1e-13 * std::fabs(c.expected),
                 qPrintable(value.decimal()));
}

void TestExact::typedDecimalsAreExact()
{
    QCOMPARE(Exact::typed(2.5).text(), QStringLiteral("5/2"));
    QCOMPARE(Exact::typed(0.1).text(), QStringLiteral("1/10"));
    QCOMPARE(Exact::typed(0.0866).text(), QStringLiteral("433/5000")); // its digits read as decimals, not octal
    QCOMPARE(Exact::typed(-1.25e-7).text(), QStringLiteral("−1/8000000"));
    QCOMPARE(Exact::typed(1e20).text(), QStringLiteral("100000000000000000000"));
    QCOMPARE((Exact::typed(0.1) + Exact::typed(0.2)).text(), QStringLiteral("3/10"));
    QCOMPARE(Exact::pi().decimal(50), QStringLiteral("3.1415926535897932384626433832795028841971693993751"));
    QVERIFY(!Exact::typed(std::nan("")).known());
}

QTEST_GUILESS_MAIN(TestExact)
#include "tst_exact.moc"
