#include "benchprogram.h"

#include "controls/figurewindow.h"
#include "controls/valuefield.h"
#include "history/historystore.h"
#include "shell/clientarea.h"

#include <QAction>
#include <QApplication>
#include <QPushButton>
#include <QTemporaryDir>

#include <benchmark/benchmark.h>

#include <list>

using namespace Zyntra;

namespace {

constexpr int LargeHistory = 100'000;
constexpr int PageRows = 50; // about a table's screenful

HistoryRecord trapezoid(int n)
{
    const QString a = integerText(n);
    return {0,
            {},
            QStringLiteral("trapezoid"),
            QStringLiteral("Trapezoid"),
            0,
            QStringLiteral("a/b/h"),
            {{QStringLiteral("a"), QStringLiteral("Side a"), double(n)},
             {QStringLiteral("b"), QStringLiteral("Side b"), 6},
             {QStringLiteral("h"), QStringLiteral("Height h"), 4}},
            {{QStringLiteral("a"), QStringLiteral("Side a"), a + QStringLiteral(".00")},
             {QStringLiteral("b"), QStringLiteral("Side b"), QStringLiteral("6.00")},
             {QStringLiteral("h"), QStringLiteral("Height h"), QStringLiteral("4.00")},
             {QStringLiteral("A"), QStringLiteral("Area"), integerText(2 * n + 12) + QStringLiteral(".00")}},
            QStringLiteral("typed"),
            QStringLiteral("#.00#"),
            {}};
}

// One folder with a history of 100 000 calculations, written once per run.
QString largeHistory()
{
    static QTemporaryDir dir;
    static const bool written = [] {
        HistoryStore store(dir.path());
        for (int n = 0; n < LargeHistory; ++n)
            store.add(trapezoid(n));
        return true;
    }();
    Q_UNUSED(written);
    return dir.path();
}

} // namespace

// What a CALCULATE adds: one record in its own transaction.
static void recordOneCalculation(benchmark::State &state)
{
    QTemporaryDir dir;
    HistoryStore store(dir.path());
    store.ids(); // the file is open before the first CALCULATE is timed
    int n = 0;
    for (auto _ : state)
        benchmark::DoNotOptimize(store.add(trapezoid(n++)));
}
BENCHMARK(recordOneCalculation)->Unit(benchmark::kMicrosecond);

// The first CALCULATE of a run also opens the file, which then holds a
// screenful of calculations. The stores stay open as the program's does:
// closing merges the log into the file, which happens as Zyntra ends.
static void openAndRecordFirst(benchmark::State &state)
{
    QTemporaryDir dir;
    for (int n = 0; n < PageRows; ++n)
        HistoryStore(dir.path()).add(trapezoid(n));
    int n = PageRows;
    std::list<HistoryStore> open;
    for (auto _ : state)
        benchmark::DoNotOptimize(open.emplace_back(dir.path()).add(trapezoid(n++)));
}
BENCHMARK(openAndRecordFirst)->Unit(benchmark::kMicrosecond);

// Opening the history window: the file, every id newest first, the first screenful.
static void openLargeHistory(benchmark::State &state)
{
    const QString folder = largeHistory();
    for (auto _ : state) {
        HistoryStore store(folder);
        const QList<qint64> ids = store.ids();
        benchmark::DoNotOptimize(store.records(ids.first(PageRows)));
    }
}
BENCHMARK(openLargeHistory)->Unit(benchmark::kMillisecond);

// One keystroke in the filter: the ids of the matches and their first screenful.
static void filterLargeHistory(benchmark::State &state)
{
    HistoryStore store(largeHistory());
    const QString filters[] = {QStringLiteral("area 1234"), QStringLiteral("trapezoid 99"), QStringLiteral("7.00")};
    size_t i = 0;
    for (auto _ : state) {
        const QList<qint64> ids = store.ids(filters[i++ % std::size(filters)]);
        benchmark::DoNotOptimize(store.records(ids.first(std::min<qsizetype>(PageRows, ids.size()))));
    }
}
BENCHMARK(filterLargeHistory)->Unit(benchmark::kMillisecond);

// A CALCULATE while the history holds 100 000 calculations, with the
// history window closed (open:0) or open (open:1): the record added and,
// with the window open, the new row shown and painted.
static void calculateWithLargeHistory(benchmark::State &state)
{
    MDIMain *program = benchProgram();
    HistoryStore &history = program->history();
    for (qsizetype n = history.ids().size(); n < LargeHistory; ++n)
        history.add(trapezoid(int(n)));
    if (state.range(0) != 0)
        program->mnuHistory_Click();
    else if (program->historyWindow())
        program->historyWindow()->close();
    program->findChild<QAction *>(QStringLiteral("mnuGeometryItem(2)"))->trigger(); // the rectangle
    FigureWindow *window = program->clientArea()->figureWindows().value(0);
    auto *sideA = window->findChild<ValueField *>(QStringLiteral("txtGivenValue(0)"));
    window->findChild<ValueField *>(QStringLiteral("txtGivenValue(1)"))->setText(QStringLiteral("3"));
    auto *calculate = window->findChild<QPushButton *>(QStringLiteral("cmdCalculate"));
    QApplication::processEvents();
    int n = 0;
    for (auto _ : state) {
        sideA->setText(integerText(++n)); // a new calculation each time, never a repeat
        calculate->click();
        QApplication::processEvents();
    }
    if (program->historyWindow())
        program->historyWindow()->close();
    QApplication::processEvents();
}
BENCHMARK(calculateWithLargeHistory)->ArgName("open")->Arg(0)->Arg(1)->Unit(benchmark::kMillisecond);
