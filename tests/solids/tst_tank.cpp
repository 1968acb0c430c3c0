#include "entry/term.h"
#include "solids/tank.h"

#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <functional>
#include <numbers>

using namespace Zyntra;
using std::numbers::pi;

class TestTank : public QObject {
    Q_OBJECT
private slots:
    void handChecked_data();
    void handChecked();
    void refuses_data();
    void refuses();
    void matchesIntegration_data();
    void matchesIntegration();
};

namespace {

QStringList texts(std::initializer_list<double> values)
{
    QStringList fields;
    for (const double value : values)
        fields << fullNumber(value);
    return fields;
}

double simpson(const std::function<double(double)> &f, double from, double to, int steps = 2000)
{
    const double h = (to - from) / steps;
    double sum = f(from) + f(to);
    for (int i = 1; i < steps; ++i)
        sum += f(from + i * h) * (i % 2 ? 4 : 2);
    return sum * h / 3;
}

// A section with half-width a and half-height b, cut at depth d: its point
// at angle t from the lowest one stands b·(1 − cos t) high and a·sin t off
// the middle.
double angleAt(double b, double d)
{
    return 2 * std::asin(std::min(std::sqrt(d / (2 * b)), 1.0));
}
double sectionArea(double a, double b, double d)
{
    return simpson([&](double t) { return 2 * a * b * std::sin(t) * std::sin(t); }, 0, angleAt(b, d));
}
double rimLength(double a, double b, double d)
{
    return simpson([&](double t) { return 2 * std::hypot(a * std::cos(t), b * std::sin(t)); }, 0, angleAt(b, d));
}
// A ball of diameter D below depth d, and its surface there.
double ballPart(double D, double d)
{
    return simpson([&](double y) { return pi * y * (D - y); }, 0, d, 2);
}
double ballZone(double D, double d)
{
    return simpson([&](double t) { return pi * D * D / 2 * std::sin(t); }, 0, angleAt(D / 2, d));
}

struct Integrated {
    double filled, surface, wetted;
};

// The tank's measures after the depth, as the fields hold them.
Integrated integrated(TankShape shape, const std::array<double, 3> &m, double d)
{
    const double y = std::sqrt(d * (m[shape == TankShape::HorizontalElliptical ? 1 : 0] - d));
    switch (shape) {
    case TankShape::HorizontalCylinder:
        return {sectionArea(m[0] / 2, m[0] / 2, d) * m[1], 2 * y * m[1],
                rimLength(m[0] / 2, m[0] / 2, d) * m[1] + 2 * sectionArea(m[0] / 2, m[0] / 2, d)};
    case TankShape::VerticalCylinder:
        return {pi * m[0] * m[0] / 4 * d, pi * m[0] * m[0] / 4, pi * m[0] * m[0] / 4 + pi * m[0] * d};
    case TankShape::HorizontalCapsule:
        return {sectionArea(m[0] / 2, m[0] / 2, d) * m[1] + ballPart(m[0], d), 2 * y * m[1] + pi * y * y,
                rimLength(m[0] / 2, m[0] / 2, d) * m[1] + ballZone(m[0], d)};
    case TankShape::Sphere:
        return {ballPart(m[0], d), pi * y * y, ballZone(m[0], d)};
    case TankShape::Rectangular:
        return {m[0] * m[1] * d, m[0] * m[1], m[0] * m[1] + 2 * (m[0] + m[1]) * d};
    case TankShape::HorizontalElliptical:
        return {sectionArea(m[0] / 2, m[1] / 2, d) * m[2], m[0] / m[1] * 2 * y * m[2],
                rimLength(m[0] / 2, m[1] / 2, d) * m[2] + 2 * sectionArea(m[0] / 2, m[1] / 2, d)};
    }
    return {};
}

bool near(double a, double b, double relative)
{
    return std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b)) + 1e-300;
}

} // namespace

void TestTank::handChecked_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("answer");
    QTest::addColumn<double>("expected");

    const auto row = [](const char *name, TankShape shape, std::initializer_list<double> fields, int answer,
                        double expected) { QTest::newRow(name) << int(shape) << texts(fields) << answer << expected; };
    using enum TankShape;
    // r²·acos((r − d) ÷ r) − (r − d)·√(2rd − d²) with r = 1, d = 0.5.
    const double segment = pi / 3 - 0.5 * std::sqrt(0.75);
    row("horizontal cylinder half full holds half of π", HorizontalCylinder, {1, 2, 1}, TankAnswer::Filled, pi / 2);
    row("horizontal cylinder at a quarter of its height", HorizontalCylinder, {0.5, 2, 1}, TankAnswer::Filled, segment);
    row("horizontal cylinder at three quarters: the rest is the segment", HorizontalCylinder, {1.5, 2, 1},
        TankAnswer::Empty, segment);
    row("horizontal cylinder, share of the volume", HorizontalCylinder, {0.5, 2, 1}, TankAnswer::FilledPercent,
        segment / pi * 100);
    row("horizontal cylinder empty", HorizontalCylinder, {0, 2, 1}, TankAnswer::Filled, 0);
    row("horizontal cylinder full", HorizontalCylinder, {2, 2, 3}, TankAnswer::Filled, 3 * pi);
    row("horizontal cylinder wetted, half: half the wall and both half ends", HorizontalCylinder, {1, 2, 1},
        TankAnswer::Wetted, 2 * pi);
    row("vertical cylinder wetted: bottom and wall", VerticalCylinder, {1, 2, 3}, TankAnswer::Wetted, 3 * pi);
    row("vertical cylinder depth share", VerticalCylinder, {1, 2, 4}, TankAnswer::DepthPercent, 25);
    row("capsule half full: half its wall and half the ball", HorizontalCapsule, {1, 2, 1}, TankAnswer::Wetted, 3 * pi);
    row("capsule half full holds half", HorizontalCapsule, {1, 2, 1}, TankAnswer::Filled, (pi + 4 * pi / 3) / 2);
    row("capsule liquid top: the rectangle and the ball's circle", HorizontalCapsule, {1, 2, 1}, TankAnswer::Surface,
        2 + pi);
    row("sphere at a quarter: cap πd²(3r − d)/3", Sphere, {0.5, 2}, TankAnswer::Filled, pi * 0.25 * 2.5 / 3);
    row("sphere full", Sphere, {2, 2}, TankAnswer::Total, 4 * pi / 3);
    row("rectangular wetted", Rectangular, {1, 2, 3, 4}, TankAnswer::Wetted, 16);
    row("rectangular empty room", Rectangular, {1, 2, 3, 4}, TankAnswer::Empty, 18);
    // Half the rim of the ellipse with semi-axes 2 and 1 is 4·E(3/4).
    row("elliptical half full, wetted", HorizontalElliptical, {1, 4, 2, 1}, TankAnswer::Wetted,
        4 * 1.2110560275684594 + 2 * pi);
    row("elliptical half full holds half", HorizontalElliptical, {1, 4, 2, 1}, TankAnswer::Filled, pi);
}

void TestTank::handChecked()
{
    QFETCH(int, shape);
    QFETCH(QStringList, fields);
    QFETCH(int, answer);
    QFETCH(double, expected);
    const Outcome outcome = calculateTank(fields, qint16(shape));
    QCOMPARE(outcome.kind, Outcome::Kind::Answers);
    QVERIFY2(near(outcome.values.at(answer), expected, 1e-12) || std::fabs(expected) < 1e-300,
             qPrintable(QString::number(outcome.values.at(answer), 'g', 17)));
    QCOMPARE(outcome.values.at(answer) == 0, expected == 0);
}

void TestTank::refuses_data()
{
    QTest::addColumn<int>("shape");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("field");
    QTest::addColumn<QString>("says");

    using enum TankShape;
    QTest::newRow("deeper than the diameter") << int(HorizontalCylinder) << QStringList{"2.5", "2", "1"} << 0
                                              << "Depth d must not be more than the tank's height, the diameter D.";
    QTest::newRow("deeper than the height") << int(Rectangular) << QStringList{"5", "2", "3", "4"} << 0
                                            << "Depth d must not be more than the tank's height, the height H.";
    QTest::newRow("below the bottom") << int(Sphere) << QStringList{"-1", "2"} << 0 << "Depth d must be zero or more.";
    QTest::newRow("no diameter") << int(VerticalCylinder) << QStringList{"1", "0", "3"} << 1
                                 << "Diameter D must be greater than zero.";
    QTest::newRow("no length") << int(HorizontalElliptical) << QStringList{"1", "4", "2", ""} << 3 << "";
}

void TestTank::refuses()
{
    QFETCH(int, shape);
    QFETCH(QStringList, fields);
    QFETCH(int, field);
    QFETCH(QString, says);
    const Outcome outcome = calculateTank(fields, qint16(shape));
    QCOMPARE(outcome.kind, Outcome::Kind::Failed);
    QCOMPARE(outcome.failure.field, field);
    if (!says.isEmpty())
        QCOMPARE(outcome.failure.text, says);
}

void TestTank::matchesIntegration_data()
{
    QTest::addColumn<int>("shape");
    for (int shape = 0; shape < TankShapes; ++shape)
        QTest::newRow(TankOptions[shape].option) << shape;
}

// Fifty random tanks of each shape, each at depths from empty to full, some
// of them a hair from either end.
void TestTank::matchesIntegration()
{
    QFETCH(int, shape);
    QRandomGenerator random(quint32(shape) + 1);
    const TankFields &layout = TankOptions[shape];
    for (int tank = 0; tank < 50; ++tank) {
        std::array<double, 3> m{};
        for (double &measure : m)
            measure = 0.01 + random.bounded(100.0);
        const double height = m[size_t(layout.height - 1)];
        const auto at = [&](double d) {
            QStringList fields = texts({d});
            for (size_t i = 1; i < layout.fields.size() && layout.fields[i].letter; ++i)
                fields << fullNumber(m[i - 1]);
            return calculateTank(fields, qint16(shape));
        };
        const double total = at(height).values.at(TankAnswer::Total);
        QCOMPARE(at(height).values.at(TankAnswer::Filled), total);
        QCOMPARE(at(0).values.at(TankAnswer::Filled), 0.0);
        // Every one of them is symmetric about its middle.
        QVERIFY(near(at(height / 2).values.at(TankAnswer::Filled), total / 2, 1e-12));
        const double rising[]{1e-9, 1e-4, 0.1, 0.3, 0.5, 0.7, 0.9, 1 - 1e-4, 1 - 1e-9};
        double before = 0;
        for (size_t i = 0; i <= std::size(rising); ++i) {
            const double u = i < std::size(rising) ? rising[i] : random.generateDouble();
            const double d = height * u;
            const Outcome outcome = at(d);
            QCOMPARE(outcome.kind, Outcome::Kind::Answers);
            const auto value = [&](int answer) { return outcome.values.at(answer); };
            const QString where = QStringLiteral("%1 at %2 of %3").arg(tank).arg(u).arg(height);
            QVERIFY2(value(TankAnswer::Filled) > 0 && value(TankAnswer::Empty) > 0, qPrintable(where));
            QVERIFY2(i == std::size(rising) || value(TankAnswer::Filled) > before, qPrintable(where));
            before = value(TankAnswer::Filled);
            QVERIFY2(near(value(TankAnswer::Filled) + value(TankAnswer::Empty), total, 1e-12), qPrintable(where));
            const Integrated expected = integrated(TankShape(shape), m, d);
            QVERIFY2(near(value(TankAnswer::Filled), expected.filled, 1e-9), qPrintable(where));
            QVERIFY2(near(value(TankAnswer::Surface), expected.surface, 1e-9), qPrintable(where));
            QVERIFY2(near(value(TankAnswer::Wetted), expected.wetted, 1e-9), qPrintable(where));
            QVERIFY2(near(value(TankAnswer::DepthPercent), u * 100, 1e-12), qPrintable(where));
        }
    }
}

QTEST_GUILESS_MAIN(TestTank)
#include "tst_tank.moc"
