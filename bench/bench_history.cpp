#include "history/historystore.h"

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
            {{QStringLiteral("a"), QStringLiteral("Side a"), a},
             {QStringLiteral("b"), QStringLiteral("Side b"), QStringLiteral("6")},
             {QStringLiteral("h"), QStringLiteral("Height h"), QStringLiteral("4")}},
            {{QStringLiteral("a"), QStringLiteral("Side a"), a + QStringLiteral(".00")},
             {QStringLiteral("b"), QStringLiteral("Side b"), QStringLiteral("6.00")},
             {QStringLiteral("h"), QStringLiteral("Height h"), QStringLiteral("4.00")},
             {QStringLiteral("A"), QStringLiteral("Area"), integerText(2 * n + 12) + QStringLiteral(".00")}},
            QStringLiteral("typed"),
            QStringLiteral("#.00#"),
            QStringLiteral("none")};
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
