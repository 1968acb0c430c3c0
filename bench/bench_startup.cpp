#include "shell/frmsplash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QProcess>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const char ChildFlag[] = "--show-first-window";

// Ends the process as soon as its window is first exposed on screen.
class ExposeWatch : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && static_cast<QWindow *>(watched)->isExposed()) {
            std::puts("exposed");
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

int showFirstWindow(int argc, char **argv, bool splash)
{
    QApplication app(argc, argv);
    ExposeWatch watch;
    std::unique_ptr<QWidget> window;
    if (splash)
        window = std::make_unique<Zyntra::frmSplash>();
    else
        window = std::make_unique<QWidget>();
    window->winId(); // creates the native window to watch
    window->windowHandle()->installEventFilter(&watch);
    window->show();
    return app.exec();
}

void startToFirstWindow(benchmark::State &state, const char *which)
{
    for (auto _ : state) {
        QProcess child;
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(), {QString::fromLatin1(ChildFlag), QString::fromLatin1(which)});
        if (!child.waitForReadyRead(10000)) {
            state.SkipWithError("the window never showed");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        child.waitForFinished();
    }
}

} // namespace

BENCHMARK_CAPTURE(startToFirstWindow, emptyQtWindow, "empty")->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startToFirstWindow, splash, "splash")->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], ChildFlag) == 0)
        return showFirstWindow(argc, argv, qstrcmp(argv[2], "splash") == 0);
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
