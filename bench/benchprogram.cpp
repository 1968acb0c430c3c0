#include "benchprogram.h"

#include "shell/catalogue.h"

#include "controls/figurewindow.h"
#include "shell/frmsplash.h"

#include <QAction>
#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

#include <unistd.h>

using namespace Zyntra;

MDIMain *benchProgram()
{
    static frmSplash *splash = [] {
        // Every CALCULATE is recorded: into a history of the run's own, never the user's.
        static const QTemporaryDir data;
        qputenv("XDG_DATA_HOME", QFile::encodeName(data.path()));
        auto *s = new frmSplash;
        s->show();
        s->Timer1_Timer();
        QApplication::processEvents();
        return s;
    }();
    return splash->mainWindow();
}

QAction *figureItem(int n)
{
    return benchProgram()->findChild<QAction *>(menuItemName(*figureCatalogue()[size_t(n)]));
}

void chooseFigure(int n)
{
    figureItem(n)->trigger();
}

void forEachFigure(benchmark::internal::Benchmark *benchmark)
{
    for (int n = 0; n < int(figureCatalogue().size()); ++n)
        for (const int flag : {0, 1})
            benchmark->Args({n, flag});
}

double residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024 : 0;
}
