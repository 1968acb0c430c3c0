// One solve from an answer back to a given value, as F2 and Enter run it:
// by a figure's formula, by the root search, and a target out of reach
// (the search's longest path: every trial, then the extreme refined).
#include "shell/catalogue.h"

#include <benchmark/benchmark.h>

using namespace Zyntra;

namespace {

struct Question {
    const char *figure;
    qint16 option;
    QStringList fields;
    int answer;
    int field;
    double target;
};

const Question Questions[]{
    {"circle", 0, {"5"}, 3, 0, 50},                          // r from the area, by formula
    {"right-cylinder", 0, {"2", "5"}, 2, 1, 200},            // h from the volume, by formula
    {"right-triangle", 0, {"3", "4", "", "", ""}, 2, 0, 10}, // a from the hypotenuse, searched
    {"circle-sections", 1, {"5", "60"}, 3, 1, 20},           // a segment's angle from its area, searched
    {"regular-polygon", 0, {"10"}, 3, 0, 1000},              // a hexagon's side from its area, searched
    {"any-triangle", 0, {"", "", "126.522", "59.764", "112.374", ""}, 0, 3, 800}, // an angle near where C closes
    {"rectangle", 0, {"4", "5"}, 4, 0, 3},                                        // a diagonal below b: out of reach
};

} // namespace

static void solveOneAnswer(benchmark::State &state)
{
    const Question &question = Questions[state.range(0)];
    const FigureEntry &figure = *figureById(QString::fromLatin1(question.figure));
    const SolveProblem problem{figure.calculate, question.option, &figure.quantities[size_t(question.option)],
                               question.fields,  question.answer, question.field,
                               figure.inverses};
    state.SetLabel(question.figure);
    for (auto _ : state)
        benchmark::DoNotOptimize(solve(problem, question.target));
}
BENCHMARK(solveOneAnswer)->DenseRange(0, int(std::size(Questions)) - 1)->Unit(benchmark::kMicrosecond);
