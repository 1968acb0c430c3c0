// Every answer of every figure and option carries its working, and each
// step of it, evaluated on its own, shows that very answer: under the
// described constants and under the exact ones, in the described precision
// and in one of the user's. Its numbers are written as a person would write
// them.
#include "circle/circlecalculations.h"
#include "entry/expression.h"
#include "entry/measurement.h"
#include "entry/term.h"
#include "entry/units.h"
#include "fuzz/figuretable.h"
#include "polygon/polygonareas.h"
#include "solids/spherevalues.h"
#include "triangle/anytriangle.h"
#include "triangle/rttriangle.h"
#include "workbench/planefigures.h"
#include "workbench/roundsolids.h"
#include "workbench/solidfigures.h"
#include "workbench/sphericalcap.h"
#include "working/typedvalues.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <numeric>
#include <vector>

using namespace Zyntra;

Q_DECLARE_METATYPE(Zyntra::FigureCalculation)
Q_DECLARE_METATYPE(Zyntra::Precision)

class TestWorkings : public QObject {
    Q_OBJECT
private slots:
    void stepsShowTheAnswer_data();
    void stepsShowTheAnswer();
    void exactConstants_data();
    void exactConstants();
    void notesSayWhereValuesCameFrom_data();
    void notesSayWhereValuesCameFrom();
    void exactConstantsAreTheNearestDoubles_data();
    void exactConstantsAreTheNearestDoubles();
    void unitsConvertOnceFromTheLengthUnit_data();
    void unitsConvertOnceFromTheLengthUnit();
};

namespace {

// A number a person would not write: a point with no digit on one side, a
// trailing zero after the point, or more than 15 significant digits.
const QRegularExpression
    NoisyNumber(QStringLiteral("(^|[^0-9])\\.[0-9]|[0-9]\\.($|[^0-9])|\\.[0-9]*0($|[^0-9])|[1-9](\\.?[0-9]){15}"));

// The choice of constants for one test, put back to the default even when
// the test fails.
struct ConstantsChosen {
    explicit ConstantsChosen(bool exact) { setExactConstants(exact); }
    ~ConstantsChosen() { setExactConstants(false); }
};

struct PrecisionChosen {
    explicit PrecisionChosen(Precision precision) { setAnswerPrecision(precision); }
    ~PrecisionChosen() { setAnswerPrecision(Precision::asDescribed()); }
};

} // namespace

void TestWorkings::stepsShowTheAnswer_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<int>("option");
    QTest::addColumn<bool>("exact");
    QTest::addColumn<Precision>("precision");
    for (int figure = 0; figure < int(Figures.size()); ++figure)
        for (int option = 0; option < Figures[size_t(figure)]->options(); ++option)
            for (const bool exact : {false, true})
                for (const Precision precision : {Precision::asDescribed(), Precision::significant(10)})
                    QTest::addRow("%s, option %d%s%s", Figures[size_t(figure)]->caption, option, exact ? ", exact" : "",
                                  precision.digits ? ", 10 significant digits" : "")
                        << figure << option << exact << precision;
}

void TestWorkings::stepsShowTheAnswer()
{
    QFETCH(int, figure);
    QFETCH(int, option);
    QFETCH(bool, exact);
    QFETCH(Precision, precision);
    const FigureEntry &tested = *Figures[size_t(figure)];
    const ConstantsChosen chosen(exact);
    const PrecisionChosen digits(precision);
    QRandomGenerator random(quint32(figure * 16 + option));
    for (int run = 0; run < 300; ++run) {
        const QStringList fields = randomFields(random, tested, option);
        const Outcome outcome = tested.calculate(fields, qint16(option));
        const QString input = fields.join(QStringLiteral(", "));
        QVERIFY2(outcome.kind == Outcome::Kind::Answers && !outcome.answers.empty(), qPrintable(input));
        for (const auto &[index, text] : outcome.answers) {
            const auto found = outcome.workings.find(index);
            const Working working = found == outcome.workings.end() ? Working{} : found->second;
            const QString line = input + QStringLiteral(": ") + workingText(QString::number(index), working, text);
            QVERIFY2(!working.steps.isEmpty() || !working.note.isEmpty(), qPrintable(line));
            for (const QString &step : working.steps) {
                QVERIFY2(Expression::shows(step, text, tested.pattern(index), precision, working.certainDigits),
                         qPrintable(line));
                QVERIFY2(!NoisyNumber.match(step).hasMatch(), qPrintable(line));
            }
        }
    }
}

void TestWorkings::unitsConvertOnceFromTheLengthUnit_data()
{
    QTest::addColumn<int>("figure");
    QTest::addColumn<int>("option");
    for (int figure = 0; figure < int(Figures.size()); ++figure)
        for (int option = 0; option < Figures[size_t(figure)]->options(); ++option)
            QTest::addRow("%s, option %d", Figures[size_t(figure)]->caption, option) << figure << option;
}

// Choosing units never changes a figure's answers in the length unit, and
// an answer shown in another unit is that answer times the exact factor,
// rounded once; its working gives the answer in the unit shown.
void TestWorkings::unitsConvertOnceFromTheLengthUnit()
{
    QFETCH(int, figure);
    QFETCH(int, option);
    const FigureEntry &tested = *Figures[size_t(figure)];
    const auto &declared = tested.quantities[size_t(option)].answers;
    const auto pattern = [&tested](int index) { return tested.pattern(index); };
    const std::vector<const Unit *> lengths = unitsOf(QuantityKind::Length);
    const std::vector<const Unit *> areas = unitsOf(QuantityKind::Area);
    const std::vector<const Unit *> volumes = unitsOf(QuantityKind::Volume);
    QRandomGenerator random(quint32(figure * 16 + option));
    for (int run = 0; run < 20; ++run) {
        const QStringList fields = randomFields(random, tested, option);
        const Outcome bare = tested.calculate(fields, qint16(option));
        for (size_t i = 0; i < areas.size(); ++i) {
            // Every area unit, and every volume unit, each beside several lengths; every fourth "Same as Lengths".
            const UnitChoice choice = UnitChoice{}
                                          .with(QuantityKind::Length, lengths[(i + size_t(run)) % lengths.size()])
                                          .with(QuantityKind::Area, i % 4 ? areas[i] : nullptr)
                                          .with(QuantityKind::Volume, i % 4 ? volumes[i % volumes.size()] : nullptr);
            setUnitChoice(choice);
            const Outcome calculated = tested.calculate(fields, qint16(option));
            const Outcome shown = inChosenUnits(calculated, declared, pattern);
            setUnitChoice({});
            QCOMPARE(calculated.values, bare.values);
            if (shown.kind == Outcome::Kind::Failed) { // beyond a double, as a cubic mile in cubic millimetres
                QCOMPARE(shown.failure.cause, Failure::Cause::TooLarge);
                continue;
            }
            QCOMPARE(shown.values, bare.values);
            for (const auto &[index, text] : shown.answers) {
                const Unit *from = choice.measured(declared[size_t(index)].kind);
                const Unit *to = choice.shown(declared[size_t(index)].kind);
                // Lengths under "ft and in" as a tape reads them, which carries its own marks.
                const QString expected =
                    from == to ? bare.answers.at(index)
                    : to == tapeUnit()
                        ? tapeReading(bare.values.at(index), tapeDenominator())
                        : formatResult(bare.values.at(index) * double(from->size / to->size), pattern(index));
                const QString working = workingText(QStringLiteral("x"), shown.workings.at(index), text);
                QVERIFY2(text == expected, qPrintable(working));
                const QString symbol = to == tapeUnit() ? QString() : u' ' + QString::fromUtf8(to ? to->symbol : "");
                QVERIFY2(!to || working.contains(text + symbol), qPrintable(working));
            }
        }
    }
}

void TestWorkings::exactConstants_data()
{
    QTest::addColumn<FigureCalculation>("calculate");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("index");
    QTest::addColumn<QString>("exact");
    QTest::addColumn<QString>("described");
    const auto row = [](const char *name, FigureCalculation calculate, int option, const QStringList &fields, int index,
                        const char *exact, const char *described) {
        QTest::newRow(name) << calculate << option << fields << index << exact << described;
    };
    // Each exact value worked by hand.
    row("cylinder volume 20π", calculateRightCyl, 0, {"2", "5"}, 2, "62.832", "62.80");
    row("polygon triangle 25√3", calculatePolygonAreas, 0, {"10"}, 0, "43.301", "43.30");
    row("polygon hexagon 150√3", calculatePolygonAreas, 0, {"10"}, 3, "259.808", "259.81");
    row("circle r 1 area π", calculateCircle, CircleGiven::Radius, {"1"}, 3, "3.14", "3.14");
    row("sphere r 1 volume 4π/3", calculateSphere, 0, {"1"}, 4, "4.19", "4.19");
    row("sphere r 10 volume 4000π/3", calculateSphere, 0, {"10"}, 4, "4188.79", "4188.8");
    row("annulus 1, 2: 3π", calculateAnnulus, 0, {"1", "2"}, 2, "9.425", "9.42");
    row("sector r 100, 90 degrees: arc 50π", calculateCircleSector, 0, {"100", "90"}, 2, "157.08", "157.09");
    row("segment r 10, 90 degrees: 25π − 50", calculateCircleSegment, 0, {"10", "90"}, 2, "28.54", "28.5");
    row("ring 1, 5: 10π²", calculateCircularRing, 0, {"1", "5"}, 2, "98.696", "98.596");
    row("right triangle legs 1, 1: 45 degrees", calculateRtTriangle, 0, {"1", "1", "", "", ""}, 3, "45.0", "45.02");
    row("parallelogram 3, 4, 30 degrees: 6", calculateParallelogram, 0, {"3", "4", "30"}, 3, "6.00", "5.997");
    // The figures after the separator turn their angles with π in full under either constants.
    row("any triangle 3, 4, 5: angle C 90 degrees", calculateAnyTriangle, 0, {"3", "4", "5", "", "", ""}, 5, "90.00",
        "90.00");
    row("square as a rhombus: diagonal √2", calculateRhombus, 0, {"1", "90"}, 2, "1.414", "1.414");
    row("rhombus diagonals 6, 8: 2·atan(4/3)", calculateRhombus, 1, {"6", "8"}, 1, "106.26", "106.26");
    row("kite 3, 4, 90 degrees: axis 5", calculateKite, 1, {"3", "4", "90"}, 3, "5.00", "5.00");
    row("hemisphere as a cap: volume 2π/3", calculateSphericalCap, 0, {"1", "1"}, 3, "2.094", "2.093");
    row("cone frustum 3, 0, 4 is the cone: 12π", calculateConeFrustum, 0, {"3", "0", "4"}, 1, "37.699", "37.68");
    row("hollow cylinder 2, 0, 5 is the cylinder: 20π", calculateHollowCylinder, 0, {"2", "0", "5"}, 1, "62.832",
        "62.80");
    row("ellipsoid 1, 1, 1 is the ball: 4π", calculateEllipsoid, 0, {"1", "1", "1"}, 4, "12.566", "12.56");
    row("capsule 1, 0 is the ball: 4π/3", calculateCapsule, 0, {"1", "0"}, 2, "4.189", "4.187");
}

void TestWorkings::exactConstants()
{
    QFETCH(FigureCalculation, calculate);
    QFETCH(int, option);
    QFETCH(QStringList, fields);
    QFETCH(int, index);
    QFETCH(QString, exact);
    QFETCH(QString, described);
    // The described constants before, after and by default.
    for (const bool chosen : {false, true, false}) {
        const ConstantsChosen constants(chosen);
        QCOMPARE(calculate(fields, qint16(option)).answers[index], chosen ? exact : described);
    }
}

void TestWorkings::notesSayWhereValuesCameFrom_data()
{
    QTest::addColumn<FigureCalculation>("calculate");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<QString>("notes"); // by answer, joined by |
    QTest::newRow("triangle a, b") << &calculateRtTriangle << 0 << QStringList{"3", "4", "", "", ""}
                                   << "given|given|solved from a and b|solved from a and b|solved from a and b";
    QTest::newRow("triangle c, B") << &calculateRtTriangle << 0 << QStringList{"", "", "5", "", "53.13"}
                                   << "solved from c and B|solved from c and B|given|solved from c and B|given";
    QTest::newRow("triangle, no side") << &calculateRtTriangle << 0 << QStringList{"", "", "", "30", "60"}
                                       << QStringList(5, "a side is needed as well as an angle").join(u'|');
    QTest::newRow("triangle, one side") << &calculateRtTriangle << 0 << QStringList{"3", "", "", "", ""}
                                        << QStringList(5, "two values are needed, one of them a side").join(u'|');
    QTest::newRow("triangle, nothing") << &calculateRtTriangle << 0 << QStringList(5)
                                       << QStringList(5, NoValuesGiven).join(u'|');
    QTest::newRow("prism says what b is")
        << &calculatePrism << 0 << QStringList{"3", "4", "10"} << "|b = √(c² + a²) = √(4² + 3²) = √25 = 5";
    QTest::newRow("circle, empty") << &calculateCircle << 3 << QStringList{""}
                                   << QStringList(4, NoValuesGiven).join(u'|');
    QTest::newRow("sphere, empty") << &calculateSphere << 2 << QStringList{""}
                                   << QStringList(5, NoValuesGiven).join(u'|');
}

void TestWorkings::notesSayWhereValuesCameFrom()
{
    QFETCH(FigureCalculation, calculate);
    QFETCH(int, option);
    QFETCH(QStringList, fields);
    QFETCH(QString, notes);
    QStringList shown;
    for (const auto &[index, working] : calculate(fields, qint16(option)).workings)
        shown << working.note;
    QCOMPARE(shown.join(u'|'), notes);
}

void TestWorkings::exactConstantsAreTheNearestDoubles_data()
{
    QTest::addColumn<double>("exact");
    QTest::addColumn<QString>("digits"); // the true value to more places than any double tells apart
    QTest::newRow("π") << Constants::Pi << "3.14159265358979323846264338327950288";
    QTest::newRow("2π") << Constants::RoughTwoPi.exact << "6.28318530717958647692528676655900577";
    QTest::newRow("π/4") << Constants::QuarterPi.exact << "0.785398163397448309615660845819875721";
    QTest::newRow("π/6") << Constants::SixthPi.exact << "0.523598775598298873077107230546583814";
    QTest::newRow("π/360") << Constants::HalfDegree.exact << "0.00872664625997164788461845384244306357";
    QTest::newRow("√3/4") << Constants::QuarterRootThree.exact << "0.433012701892219323381861585376468092";
    QTest::newRow("√3/2") << Constants::HalfRootThree.exact << "0.866025403784438646763723170752936183";
    const char *const factors[] = {
        "1.72047740058896692275901197738860960", "2.59807621135331594029116951225880855",
        "3.63391244400158899253619300760022058", "4.82842712474619009760337744841939616",
        "6.18182419377290012721374405961976361", "7.69420884293813350642572644009227456",
        "9.36563990694543752488235845328433429", "11.1961524227066318805823390245176171",
    };
    for (size_t i = 2; i < RegularPolygons.size(); ++i)
        QTest::newRow(RegularPolygons[i].name) << RegularPolygons[i].factor.exact << factors[i - 2];
}

// from_chars rounds a decimal text to the nearest double, whatever its length.
void TestWorkings::exactConstantsAreTheNearestDoubles()
{
    QFETCH(double, exact);
    QFETCH(QString, digits);
    const QByteArray text = digits.toLatin1();
    double nearest = 0;
    std::from_chars(text.data(), text.data() + text.size(), nearest);
    QCOMPARE(exact, nearest);
}

QTEST_GUILESS_MAIN(TestWorkings)
#include "tst_workings.moc"
