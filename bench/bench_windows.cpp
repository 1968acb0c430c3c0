#include "benchprogram.h"

#include "controls/figurewindow.h"
#include "controls/globalsubs.h"
#include "entry/term.h"
#include "shell/catalogue.h"
#include "shell/clientarea.h"
#include "shell/sheetwindow.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>

#include <benchmark/benchmark.h>

using namespace Zyntra;

namespace {

// The benchmarks below take the figure's place in the catalogue as their
// first argument.
QAction *chosenFigure(const benchmark::State &state)
{
    return figureItem(int(state.range(0)));
}

void labelFigure(benchmark::State &state)
{
    state.SetLabel(figureCatalogue()[size_t(state.range(0))]->caption);
}

// Opens a figure's window with its first option in force and two of its
// shown fields given; its CALCULATE button, or nullptr.
QPushButton *readyToCalculate(const benchmark::State &state)
{
    chosenFigure(state)->trigger();
    const QList<FigureWindow *> windows = benchProgram()->clientArea()->figureWindows();
    if (windows.isEmpty())
        return nullptr;
    FigureWindow *window = windows.constFirst();
    int given = 0;
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        if (field->isVisibleTo(window) && field->isEnabled() && given++ < 5)
            field->setText(given == 1 ? QStringLiteral("3") : QStringLiteral("2"));
    return window->findChild<QPushButton *>(QStringLiteral("cmdCalculate"));
}

} // namespace

// One figure command: close the open window, load, place and show the
// next; with painted:1 also the event loop's turn that paints it on screen.
static void figureCommand(benchmark::State &state)
{
    labelFigure(state);
    const bool painted = state.range(1) != 0;
    QAction *item = chosenFigure(state);
    for (auto _ : state) {
        item->trigger();
        if (painted)
            QApplication::processEvents();
    }
    QApplication::processEvents();
}
BENCHMARK(figureCommand)
    ->Apply(forEachFigure)
    ->ArgNames({"figure", "painted"})
    ->MeasureProcessCPUTime() // painting may hand work to Qt's thread pool
    ->Unit(benchmark::kMicrosecond);

// The floor for a figure command: the open window closed and an empty
// widget of a figure window's size placed and shown in the client area.
static void emptyWindowCommand(benchmark::State &state)
{
    const bool painted = state.range(0) != 0;
    GlobalSubs::UnloadCurrentForm(); // nothing of a figure window beneath
    ClientArea *area = benchProgram()->clientArea();
    const QRect placement = figurePlacement(benchProgram()->frameGeometry().size());
    auto *window = new QWidget(area);
    for (auto _ : state) {
        delete window;
        window = new QWidget(area);
        window->setAutoFillBackground(true);
        window->setGeometry(placement);
        window->show();
        if (painted)
            QApplication::processEvents();
    }
    delete window;
    QApplication::processEvents();
}
BENCHMARK(emptyWindowCommand)
    ->ArgName("painted")
    ->Arg(0)
    ->Arg(1)
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

// One CALCULATE click in each figure's window, answers written; with
// first:1 the first click in a freshly opened window, which also builds
// what the answers need to be selectable.
static void calculateClick(benchmark::State &state)
{
    labelFigure(state);
    const bool first = state.range(1) != 0;
    QPushButton *calculate = readyToCalculate(state);
    if (!calculate) {
        state.SkipWithError("this figure has no window");
        return;
    }
    for (auto _ : state) {
        if (first) {
            state.PauseTiming();
            calculate = readyToCalculate(state);
            state.ResumeTiming();
        }
        calculate->click();
    }
}
BENCHMARK(calculateClick)->Apply(forEachFigure)->ArgNames({"figure", "first"})->Unit(benchmark::kMicrosecond);

// The same click, answers written, with Exact Form off (exact:0) and on
// (exact:1): every answer's exact form worked beside its decimal.
static void calculateExactForms(benchmark::State &state)
{
    labelFigure(state);
    QPushButton *calculate = readyToCalculate(state);
    if (!calculate) {
        state.SkipWithError("this figure has no window");
        return;
    }
    setExactForms(state.range(1) != 0);
    for (auto _ : state)
        calculate->click();
    setExactForms(false);
}
BENCHMARK(calculateExactForms)->Apply(forEachFigure)->ArgNames({"figure", "exact"})->Unit(benchmark::kMicrosecond);

// The calculation sheet of each figure after a CALCULATE: with open:1 opened
// afresh (built, filled from the figure, drawn and rendered whole), with
// open:0 brought up to date and rendered again, as after every CALCULATE.
static void calculationSheet(benchmark::State &state)
{
    labelFigure(state);
    const bool open = state.range(1) != 0;
    QPushButton *calculate = readyToCalculate(state);
    if (!calculate) {
        state.SkipWithError("this figure has no window");
        return;
    }
    calculate->click();
    MDIMain *program = benchProgram();
    program->mnuCalculationSheet_Click();
    for (auto _ : state) {
        if (open) {
            state.PauseTiming();
            program->sheetWindow()->close();
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
            state.ResumeTiming();
            program->mnuCalculationSheet_Click();
        } else {
            program->sheetWindow()->refresh();
        }
        // Everything drawn, as a screen would show it.
        benchmark::DoNotOptimize(program->sheetWindow()->grab());
    }
    program->sheetWindow()->close();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}
BENCHMARK(calculationSheet)
    ->Apply(forEachFigure)
    ->ArgNames({"figure", "open"})
    ->MeasureProcessCPUTime()
    ->Unit(benchmark::kMicrosecond);

// Ctrl+V into the polygon's side field, emptied before each paste, until the
// field (or the warning that refuses the paste, opened afresh) is painted;
// the argument is the pasted text's length.
static void pasteIntoField(benchmark::State &state)
{
    const qsizetype length = state.range(0);
    benchProgram()->findChild<QAction *>(menuItemName(*figureById(QStringLiteral("regular-polygon"))))->trigger();
    const QList<FigureWindow *> windows = benchProgram()->clientArea()->figureWindows();
    FigureWindow *window = windows.isEmpty() ? nullptr : windows.constFirst();
    QLineEdit *field = window ? window->findChild<QLineEdit *>(QStringLiteral("txtGivenValue")) : nullptr;
    if (!field) {
        state.SkipWithError("the polygon window has no side field");
        return;
    }
    QGuiApplication::clipboard()->setText(QString(length, u'9'));
    field->setFocus();
    QApplication::processEvents();
    for (auto _ : state) {
        state.PauseTiming();
        delete window->warning();
        field->clear();
        QApplication::processEvents();
        state.ResumeTiming();
        QKeyEvent paste(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QApplication::sendEvent(field, &paste);
        QApplication::processEvents();
    }
    state.counters["taken"] = double(field->text().size());
    GlobalSubs::UnloadCurrentForm();
    QApplication::processEvents();
}
BENCHMARK(pasteIntoField)
    ->ArgName("length")
    ->Arg(1'000)
    ->Arg(10'000)
    ->Arg(100'000)
    ->Arg(1'000'000)
    ->Arg(10'000'000)
    ->Arg(30'000'000)
    ->UseRealTime() // how long the window is busy
    ->Unit(benchmark::kMillisecond);
