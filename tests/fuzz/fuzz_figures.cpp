// Every figure's window-free arithmetic under arbitrary field texts and
// options. The first byte chooses the figure, the second the option in
// force (one below and some above the options a window offers), the rest
// are the field texts, separated by NUL bytes.
#include "fuzzcheck.h"

#include "circle/circlecalculations.h"
#include "polygon/polygonareas.h"
#include "solids/spherevalues.h"
#include "triangle/rttriangle.h"
#include "workbench/squaremodes.h"

#include <array>

using namespace Zyntra;

namespace {

struct Figure {
    const char *name;
    Outcome (*calculate)(const QStringList &texts, qint16 given);
    int labels;      // the window's answer labels: every answer index is below this
    int twoOrThree;  // the first answers are "#.00#", the rest "#.0#"
};

template <int Mode>
Outcome workbench(const QStringList &texts, qint16 given)
{
    return SquareModes[size_t(Mode)].arithmetic(texts, given);
}

template <qint16 CircleModeValue>
Outcome circleFamily(const QStringList &texts, qint16 given)
{
    double pi = 0;
    return calculateCircleFamily(texts, CircleModeValue, given, pi);
}

const std::array<Figure, 19> Figures{{
    {"Rectangle", workbench<0>, 5, 5},
    {"Parallelogram", workbench<1>, 5, 5},
    {"Trapezoid", workbench<2>, 5, 5},
    {"Quadrilateral", workbench<3>, 5, 5},
    {"Annulus", workbench<4>, 5, 5},
    {"Trapezium", workbench<5>, 5, 5},
    {"Equilateral triangle", workbench<6>, 5, 5},
    {"Cube", workbench<7>, 5, 5},
    {"Right prism", workbench<8>, 5, 5},
    {"Right cylinder", workbench<9>, 5, 5},
    {"Right cone", workbench<10>, 5, 5},
    {"Right pyramid", workbench<11>, 5, 5},
    {"Circular ring", workbench<12>, 5, 5},
    {"Circle", circleFamily<CircleMode::Circle>, 4, 2},
    {"Circle sections", circleFamily<CircleMode::Sections>, 4, 2},
    {"Ellipse", circleFamily<CircleMode::Ellipse>, 4, 2},
    {"Sphere", [](const QStringList &texts, qint16 given) { return calculateSphere(texts.value(0), given); }, 5, 2},
    {"Right triangle", [](const QStringList &texts, qint16) { return calculateRtTriangle(texts); }, 5, 0},
    {"Regular polygon", [](const QStringList &texts, qint16) { return calculatePolygonAreas(texts.value(0)); }, 10, 10},
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
