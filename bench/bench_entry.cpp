#include "benchprogram.h"

#include "composite/compositemodel.h"
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

// A composite's total worked out again, as its window does after every
// change: an L-shaped room with a round column cut out, in m² shown in ft²,
// with Exact Form off (exact:0) and on (exact:1).
static void compositeTotal(benchmark::State &state)
{
    const auto part = [](const char *figure, QList<HistoryGiven> given, int sign) {
        CompositePart made{.calculation = {}, .quantity = QStringLiteral("Area"), .quantityCaption = {}, .sign = sign};
        made.calculation.figureId = QString::fromLatin1(figure);
        made.calculation.givens = std::move(given);
        made.calculation.units = UnitChoice{unitById(u"m")};
        return made;
    };
    const QList<CompositePart> room{part("rectangle", {{"a", "a", 5}, {"b", "b", 4}}, 1),
                                    part("rectangle", {{"a", "a", 3}, {"b", "b", 2}}, 1),
                                    part("circle", {{"r", "r", 0.3}}, -1)};
    const CompositeChoices choices{.units = UnitChoice{unitById(u"m"), unitById(u"ft2")},
                                   .precision = Precision::asDescribed(),
                                   .exactForms = state.range(0) != 0};
    for (auto _ : state)
        benchmark::DoNotOptimize(evaluateComposite(room, figureById, choices));
}
BENCHMARK(compositeTotal)->Arg(0)->Arg(1)->ArgName("exact")->Unit(benchmark::kMicrosecond);
