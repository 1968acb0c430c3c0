#include "benchprogram.h"

#include "entry/numericentry.h"
#include "entry/term.h"
#include "polygon/polygonareas.h"
#include "shell/catalogue.h"

#include <benchmark/benchmark.h>

using namespace Zyntra;

static void formatOneValue(benchmark::State &state)
{
    const double values[] = {0.125, 2.675, 1234567.891, 3.14159265358979, 1e20, -2.5};
    const Pattern pattern = state.range(0) == 0 ? Pattern::TwoOrThreeDecimals : Pattern::OneOrTwoDecimals;
    size_t i = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(formatResult(values[i++ % std::size(values)], pattern));
}
BENCHMARK(formatOneValue)->Arg(0)->Arg(1)->ArgName("oneOrTwoDecimals");

static void convertOneText(benchmark::State &state)
{
    const QString text = QStringLiteral("1234.5678");
    for (auto _ : state)
        benchmark::DoNotOptimize(textToNumber(text));
}
BENCHMARK(convertOneText);

static void polygonCalculation(benchmark::State &state)
{
    const QStringList side{QStringLiteral("2.5")};
    for (auto _ : state)
        benchmark::DoNotOptimize(calculatePolygonAreas(side, 0));
}
BENCHMARK(polygonCalculation);

// One figure's calculation alone, option 0, its given values 3, 4, 5 and on
// (as many as the figure takes), with Exact Form off (exact:0) and on (exact:1).
static void figureCalculation(benchmark::State &state)
{
    const FigureEntry &figure = *figureCatalogue()[size_t(state.range(0))];
    state.SetLabel(figure.caption);
    QStringList fields;
    for (const Quantity &given : figure.quantities[0].given)
        if (given.letter)
            fields << (figure.givenFields && fields.size() >= figure.givenFields ? QString()
                                                                                 : QString::number(3 + fields.size()));
    setExactForms(state.range(1) != 0);
    for (auto _ : state)
        benchmark::DoNotOptimize(figure.calculate(fields, 0));
    setExactForms(false);
}
BENCHMARK(figureCalculation)->Apply(forEachFigure)->ArgNames({"figure", "exact"})->Unit(benchmark::kMicrosecond);
