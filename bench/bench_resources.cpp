#include "benchprogram.h"

#include "shell/clientarea.h"
#include "shell/figurecommands.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The nineteen figure commands in menu order, the 2D ones first.
void chooseNth(int n)
{
    const int plane = int(Zyntra::Geometry2dCommands.size());
    const int all = plane + int(Zyntra::Geometry3dCommands.size());
    n %= all;
    chooseFigure(n < plane ? 0 : 1, n < plane ? n : n - plane);
    QApplication::processEvents(); // let the window paint
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// Ten thousand figure commands, cycling through all nineteen, after a
// warm-up that has opened every window twice: the resident memory before
// and after, and what it grew by. Every command destroys the window it
// closes, so the growth stays near nothing.
static void tenThousandFigureCommands(benchmark::State &state)
{
    constexpr int Commands = 10000;
    for (auto _ : state) {
        for (int n = 0; n < 38; ++n)
            chooseNth(n);
        const double before = residentKiB();
        for (int n = 0; n < Commands; ++n)
            chooseNth(n);
        const double after = residentKiB();
        if (benchProgram()->clientArea()->figureWindows().size() != 1) {
            state.SkipWithError("more or fewer than one figure window is open");
            return;
        }
        state.counters["rssBeforeKiB"] = before;
        state.counters["rssAfterKiB"] = after;
        state.counters["growthKiB"] = after - before;
        state.counters["growthPerCommandB"] = (after - before) * 1024 / Commands;
    }
}
BENCHMARK(tenThousandFigureCommands)->Iterations(1)->Unit(benchmark::kMillisecond);
