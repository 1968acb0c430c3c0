// Every figure's window-free arithmetic under arbitrary field texts and
// options. The first byte chooses the figure, the second the option in
// force (one below and some above the options a window offers), the rest
// are the field texts, separated by NUL bytes.
#include "fuzzcheck.h"

#include "circle/circlecalculations.h"
#include "polygon/polygonareas.h"
#include "solids/solidfigures.h"
#include "solids/spherevalues.h"
#include "triangle/rttriangle.h"
#include "workbench/planefigures.h"

#include <array>

using namespace Zyntra;

namespace {

struct Figure {
    const char *name;
    FigureCalculation calculate;
    int labels;     // the window's answer labels: every answer index is below this
    int twoOrThree; // the first answers are "#.00#", the rest "#.0#"
};

// The workbench's thirteen modes in intSquareMode order, then the circle
// family in intCircleMode order: saved inputs choose a figure by its place.
const std::array<Figure, 19> Figures{{
    {"Rectangle", calculateRectangle, 5, 5},
    {"Parallelogram", calculateParallelogram, 5, 5},
    {"Trapezoid", calculateTrapezoid, 5, 5},
    {"Quadrilateral", calculateQuadrilateral, 5, 5},
    {"Annulus", calculateAnnulus, 5, 5},
    {"Trapezium", calculateTrapezium, 5, 5},
    {"Equilateral triangle", calculateEqTriangle, 5, 5},
    {"Cube", calculateCube, 5, 5},
    {"Right prism", calculatePrism, 5, 5},
    {"Right cylinder", calculateRightCyl, 5, 5},
    {"Right cone", calculateRightCone, 5, 5},
    {"Right pyramid", calculateRightPyramid, 5, 5},
    {"Circular ring", calculateCircularRing, 5, 5},
    {"Circle", calculateCircle, 4, 2},
    {"Circle sections", calculateCircleSections, 4, 2},
    {"Ellipse", calculateEllipse, 4, 2},
    {"Sphere", calculateSphere, 5, 2},
    {"Right triangle", calculateRtTriangle, 5, 0},
    {"Regular polygon", calculatePolygonAreas, 10, 10},
}};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const Figure &figure = Figures[data[0] % Figures.size()];
    const qint16 given = qint16(data[1] % 8) - 1;
    const QStringList texts = FuzzInput::texts(data + 2, size - 2, 5);
    const QString input = QStringLiteral("%1, option %2, fields \"%3\"")
                              .arg(QLatin1String(figure.name))
                              .arg(given)
                              .arg(texts.join(QStringLiteral("\" \"")).left(200));

    const Outcome outcome = figure.calculate(texts, given);
    switch (outcome.kind) {
    case Outcome::Kind::Failed:
        FUZZ_CHECK(outcome.answers.empty(), input);
        FUZZ_CHECK(outcome.failure.field >= -1 && outcome.failure.field < 5, input);
        break;
    case Outcome::Kind::Zeros:
        FUZZ_CHECK(outcome.answers.empty(), input);
        break;
    case Outcome::Kind::Answers:
        for (const auto &[index, text] : outcome.answers) {
            FUZZ_CHECK(index >= 0 && index < figure.labels, input + QStringLiteral(": answer %1").arg(index));
            const int maxDecimals = index < figure.twoOrThree ? 3 : 2;
            FUZZ_CHECK(text == u'0' || FuzzInput::isWellFormedResult(text, maxDecimals - 1, maxDecimals),
                       input + QStringLiteral(": answer %1 is \"%2\"").arg(index).arg(text.left(80)));
        }
        break;
    }
    return 0;
}
