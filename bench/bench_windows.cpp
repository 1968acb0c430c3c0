#include "shell/figurecommands.h"
#include "shell/figurewindow.h"
#include "shell/frmsplash.h"
#include "shell/mdimain.h"

#include <QAction>
#include <QApplication>
#include <QLineEdit>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QPushButton>

#include <benchmark/benchmark.h>

using namespace Zyntra;

namespace {

// The program past its splash, shared by the window benchmarks.
MDIMain *program()
{
    static frmSplash *splash = [] {
        auto *s = new frmSplash;
        s->show();
        s->Timer1_Timer();
        QApplication::processEvents();
        return s;
    }();
    return splash->mainWindow();
}

QAction *menuItem(const QString &name) { return program()->findChild<QAction *>(name); }

} // namespace

// One figure command: close the open window, load, place and show the next.
static void figureCommand(benchmark::State &state)
{
    const bool plane = state.range(0) == 0;
    const int index = int(state.range(1));
    QAction *item = menuItem(arrayName(plane ? QStringLiteral("mnuGeometryItem") : QStringLiteral("mnu3dGeometryItem"), index));
    state.SetLabel(plane ? Geometry2dCommands[size_t(index)].caption : Geometry3dCommands[size_t(index)].caption);
    for (auto _ : state) {
        item->trigger();
        QApplication::processEvents(); // let the window paint
    }
}
BENCHMARK(figureCommand)
    ->ArgsProduct({{0}, benchmark::CreateDenseRange(0, 11, 1)})
    ->ArgsProduct({{1}, benchmark::CreateDenseRange(0, 6, 1)})
    ->ArgNames({"3d", "index"})
    ->Unit(benchmark::kMicrosecond);

// One CALCULATE click in the polygon window, answers written.
static void polygonCalculateClick(benchmark::State &state)
{
    menuItem(QStringLiteral("mnuGeometryItem(9)"))->trigger();
    QMdiSubWindow *window = program()->clientArea()->subWindowList().constFirst();
    window->findChild<QLineEdit *>(QStringLiteral("txtGivenValue"))->setText(QStringLiteral("2.5"));
    QPushButton *calculate = window->findChild<QPushButton *>(QStringLiteral("cmdCalculate"));
    for (auto _ : state)
        calculate->click();
}
BENCHMARK(polygonCalculateClick)->Unit(benchmark::kMicrosecond);
