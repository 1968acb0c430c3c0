#include "benchprogram.h"

#include "shell/catalogue.h"
#include "shell/clientarea.h"

#include <QApplication>

#include <benchmark/benchmark.h>

namespace {

// The figure commands in menu order, the 2D ones first, round and round.
void chooseNth(int n)
{
    chooseFigure(n % int(Zyntra::figureCatalogue().size()));
    QApplication::processEvents(); // let the window paint
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

} // namespace

// Ten thousand figure commands, cycling through all nineteen, after a
// warm-up that has opened every window twice: the resident memory before
// and after, what it grew by, how many widgets more there are (none: every
// command destroys the window it closes), and what ten thousand more add.
static void tenThousandFigureCommands(benchmark::State &state)
{
    constexpr int Commands = 10000;
    for (auto _ : state) {
        for (int n = 0; n < 38; ++n)
            chooseNth(n);
        const double before = residentKiB();
        const auto widgetsBefore = QApplication::allWidgets().size();
        for (int n = 0; n < Commands; ++n)
            chooseNth(n);
        const double after = residentKiB();
        const auto widgetsAfter = QApplication::allWidgets().size();
        for (int n = 0; n < Commands; ++n)
            chooseNth(n);
        state.counters["nextGrowthKiB"] = residentKiB() - after;
        if (benchProgram()->clientArea()->figureWindows().size() != 1) {
            state.SkipWithError("more or fewer than one figure window is open");
            return;
        }
        state.counters["rssBeforeKiB"] = before;
        state.counters["rssAfterKiB"] = after;
        state.counters["growthKiB"] = after - before;
        state.counters["growthPerCommandB"] = (after - before) * 1024 / Commands;
        state.counters["widgetGrowth"] = double(widgetsAfter - widgetsBefore);
    }
}
BENCHMARK(tenThousandFigureCommands)->Iterations(1)->Unit(benchmark::kMillisecond);
