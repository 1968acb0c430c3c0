#include "benchprogram.h"

#include "shell/catalogue.h"
#include "shell/frmsplash.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEvent>
#include <QMainWindow>
#include <QMenuBar>
#include <QProcess>
#include <QSettings>
#include <QTemporaryDir>
#include <QWindow>

#include <benchmark/benchmark.h>

#include <cstdio>

namespace {

const char ChildFlag[] = "--show-first-window";
const char ResidentFlag[] = "--resident-memory";
const char TickFlag[] = "--tick-to-main-window";

// Ends the process as soon as its window is first exposed on screen.
class ExposeWatch : public QObject {
protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (event->type() == QEvent::Expose && watched->isWindowType()
            && static_cast<QWindow *>(watched)->isExposed()) {
            std::puts("exposed");
            std::fflush(stdout);
            std::_Exit(0);
        }
        return false;
    }
};

int showFirstWindow(int argc, char **argv, const char *which)
{
    // As the program starts, its font configuration read ahead (or, to
    // measure what that saves, not).
    const bool program = qstrcmp(which, "main") == 0 || qstrcmp(which, "main-unread") == 0;
    std::jthread fontsRead = qstrcmp(which, "main") == 0 ? Zyntra::readFontConfigurationAhead() : std::jthread();
    QApplication app(argc, argv);
    ExposeWatch watch;
    if (program) {
        // As the program starts with the splash turned off: whichever window comes first.
        app.installEventFilter(&watch);
        const auto first = Zyntra::startProgram(std::move(fontsRead));
        return app.exec();
    }
    std::unique_ptr<QWidget> window;
    if (qstrcmp(which, "splash") == 0) {
        window = std::make_unique<Zyntra::frmSplash>();
    } else if (qstrcmp(which, "menu") == 0) {
        // The least window with a word in it, which reads the fonts as any such does.
        auto main = std::make_unique<QMainWindow>();
        main->menuBar()->addMenu(QStringLiteral("&File"));
        window = std::move(main);
    } else {
        window = std::make_unique<QWidget>();
    }
    window->winId(); // creates the native window to watch
    window->windowHandle()->installEventFilter(&watch);
    window->show();
    return app.exec();
}

void startToFirstWindow(benchmark::State &state, const char *which)
{
    // The user's choices as a fresh user's, but the splash turned off where the main window is measured.
    QTemporaryDir fresh;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    environment.insert(QStringLiteral("XDG_CONFIG_HOME"), fresh.path());
    if (qstrncmp(which, "main", 4) == 0) {
        QSettings store(fresh.filePath(QStringLiteral("Zyntra/Zyntra.ini")), QSettings::IniFormat);
        store.setValue(QStringLiteral("view/splash"), false);
    }
    for (auto _ : state) {
        QProcess child;
        child.setProcessEnvironment(environment);
        QElapsedTimer clock;
        clock.start();
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(ChildFlag), QString::fromLatin1(which)});
        if (!child.waitForReadyRead(10000)) {
            state.SkipWithError("the window never showed");
            break;
        }
        state.SetIterationTime(double(clock.nsecsElapsed()) / 1e9);
        child.waitForFinished();
    }
}

void waitUntilExposed(QWidget *window)
{
    while (!window->windowHandle() || !window->windowHandle()->isExposed())
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents);
}

// With a first window on screen, prints the nanoseconds from the splash's
// tick to the main window on screen, or, as the floor, from showing an
// empty Qt main window to its being on screen.
int showMainWindowAfterTick(int argc, char **argv, bool program)
{
    QApplication app(argc, argv);
    Zyntra::frmSplash splash;
    splash.show();
    waitUntilExposed(&splash);
    QElapsedTimer clock;
    std::unique_ptr<QMainWindow> empty;
    QWidget *main = nullptr;
    clock.start();
    if (program) {
        splash.Timer1_Timer();
        main = splash.mainWindow();
    } else {
        empty = std::make_unique<QMainWindow>();
        empty->show();
        main = empty.get();
    }
    waitUntilExposed(main);
    std::printf("%lld\n", static_cast<long long>(clock.nsecsElapsed()));
    std::fflush(stdout);
    std::_Exit(0);
}

void tickToMainWindow(benchmark::State &state, const char *which)
{
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(TickFlag), QString::fromLatin1(which)});
        if (!child.waitForFinished(10000)) {
            state.SkipWithError("the main window never showed");
            break;
        }
        state.SetIterationTime(child.readAllStandardOutput().trimmed().toDouble() / 1e9);
    }
}

// Prints the resident memory once an empty Qt main window is shown, or
// once the program has opened each of its nineteen figure commands once.
int showResidentMemory(int argc, char **argv, bool everyWindow)
{
    QApplication app(argc, argv);
    std::unique_ptr<QMainWindow> empty;
    if (everyWindow) {
        for (int n = 0; n < int(Zyntra::figureCatalogue().size()); ++n) {
            chooseFigure(n);
            QApplication::processEvents();
        }
    } else {
        empty = std::make_unique<QMainWindow>();
        empty->show();
        QApplication::processEvents();
    }
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    std::printf("%.0f\n", residentKiB());
    return 0;
}

void residentMemory(benchmark::State &state, const char *which)
{
    double total = 0;
    for (auto _ : state) {
        QProcess child;
        child.start(QCoreApplication::applicationFilePath(),
                    {QString::fromLatin1(ResidentFlag), QString::fromLatin1(which)});
        if (!child.waitForFinished(60000) || child.exitCode() != 0) {
            state.SkipWithError("the child process failed");
            break;
        }
        total += child.readAllStandardOutput().trimmed().toDouble();
    }
    state.counters["rssKiB"] = total / double(state.iterations());
}

} // namespace

BENCHMARK_CAPTURE(residentMemory, emptyQtMainWindow, "empty")->Iterations(3)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(residentMemory, everyFigureWindowOnce, "every-window")->Iterations(3)->Unit(benchmark::kMillisecond);

BENCHMARK_CAPTURE(startToFirstWindow, emptyQtWindow, "empty")
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startToFirstWindow, emptyQtMainWindowWithMenu, "menu")
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startToFirstWindow, splash, "splash")->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startToFirstWindow, mainWindowWithoutSplash, "main")
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(startToFirstWindow, mainWindowFontsNotReadAhead, "main-unread")
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tickToMainWindow, emptyQtMainWindow, "empty")
    ->UseManualTime()
    ->Iterations(20)
    ->Unit(benchmark::kMillisecond);
BENCHMARK_CAPTURE(tickToMainWindow, program, "program")->UseManualTime()->Iterations(20)->Unit(benchmark::kMillisecond);

int main(int argc, char **argv)
{
    if (argc == 3 && qstrcmp(argv[1], ChildFlag) == 0)
        return showFirstWindow(argc, argv, argv[2]);
    if (argc == 3 && qstrcmp(argv[1], TickFlag) == 0)
        return showMainWindowAfterTick(argc, argv, qstrcmp(argv[2], "program") == 0);
    if (argc == 3 && qstrcmp(argv[1], ResidentFlag) == 0)
        return showResidentMemory(argc, argv, qstrcmp(argv[2], "every-window") == 0);
    // Measured headless unless a display is asked for; the children inherit it.
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QCoreApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
