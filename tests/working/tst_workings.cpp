// Every answer of every figure and option carries its working, and each
// step of it, evaluated on its own, shows that very answer: under the
// described constants and under the exact ones, in the described precision
// and in one of the user's.
#include "circle/circlecalculations.h"
#include "entry/expression.h"
#include "entry/term.h"
#include "fuzz/figuretable.h"
#include "polygon/polygonareas.h"
#include "solids/solidfigures.h"
#include "solids/spherevalues.h"
#include "triangle/rttriangle.h"
#include "workbench/planefigures.h"
#include "working/typedvalues.h"

#include <QRandomGenerator>
#include <QTest>

#include <algorithm>
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
};

namespace {

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
            QVERIFY2(!working.steps.isEmpty() || working.note == QLatin1String(NoValuesGiven), qPrintable(line));
            for (const QString &step : working.steps) {
                const auto value = Expression::evaluate(step);
                QVERIFY2(value && formatResult(*value, tested.pattern(index), precision) == text, qPrintable(line));
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
    QTest::newRow("triangle, no pair") << &calculateRtTriangle << 0 << QStringList{"", "", "", "30", "60"}
                                       << QStringList(5, NoValuesGiven).join(u'|');
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

QTEST_GUILESS_MAIN(TestWorkings)
#include "tst_workings.moc"
