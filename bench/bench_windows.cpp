#include "benchprogram.h"

#include "shell/clientarea.h"
#include "shell/figurecommands.h"
#include "shell/figurewindow.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QPushButton>

#include <benchmark/benchmark.h>

using namespace Zyntra;

namespace {

QAction *menuItem(const QString &name) { return benchProgram()->findChild<QAction *>(name); }

} // namespace

// One figure command: close the open window, load, place and show the
// next; with painted:1 also the event loop's turn that paints it on screen.
static void figureCommand(benchmark::State &state)
{
    const bool plane = state.range(0) == 0;
    const int index = int(state.range(1));
    const bool painted = state.range(2) != 0;
    QAction *item = menuItem(arrayName(plane ? QStringLiteral("mnuGeometryItem") : QStringLiteral("mnu3dGeometryItem"), index));
    state.SetLabel(plane ? Geometry2dCommands[size_t(index)].caption : Geometry3dCommands[size_t(index)].caption);
    for (auto _ : state) {
        item->trigger();
        if (painted)
            QApplication::processEvents();
    }
    QApplication::processEvents();
}
BENCHMARK(figureCommand)
    ->ArgsProduct({{0}, benchmark::CreateDenseRange(0, 11, 1), {0, 1}})
    ->ArgsProduct({{1}, benchmark::CreateDenseRange(0, 6, 1), {0, 1}})
    ->ArgNames({"3d", "index", "painted"})
    ->MeasureProcessCPUTime() // painting may hand work to Qt's thread pool
    ->Unit(benchmark::kMicrosecond);

// One CALCULATE click in each figure's window, its first option in force,
// two of its shown fields given, answers written.
static void calculateClick(benchmark::State &state)
{
    const bool plane = state.range(0) == 0;
    const int index = int(state.range(1));
    menuItem(arrayName(plane ? QStringLiteral("mnuGeometryItem") : QStringLiteral("mnu3dGeometryItem"), index))->trigger();
    state.SetLabel(plane ? Geometry2dCommands[size_t(index)].caption : Geometry3dCommands[size_t(index)].caption);
    const QList<FigureWindow *> windows = benchProgram()->clientArea()->figureWindows();
    if (windows.isEmpty()) {
        state.SkipWithError("this figure has no window");
        return;
    }
    FigureWindow *window = windows.constFirst();
    int given = 0;
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        if (field->isVisibleTo(window) && field->isEnabled() && given++ < 5)
            field->setText(given == 1 ? QStringLiteral("3") : QStringLiteral("2"));
    QPushButton *calculate = window->findChild<QPushButton *>(QStringLiteral("cmdCalculate"));
    for (auto _ : state)
        calculate->click();
}
BENCHMARK(calculateClick)
    ->ArgsProduct({{0}, benchmark::CreateDenseRange(0, 11, 1)})
    ->ArgsProduct({{1}, benchmark::CreateDenseRange(0, 6, 1)})
    ->ArgNames({"3d", "index"})
    ->Unit(benchmark::kMicrosecond);
