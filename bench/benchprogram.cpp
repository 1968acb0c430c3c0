#include "benchprogram.h"

#include "controls/figurewindow.h"
#include "shell/frmsplash.h"

#include <QAction>
#include <QApplication>
#include <QFile>

#include <unistd.h>

using namespace Zyntra;

MDIMain *benchProgram()
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

QAction *figureItem(int submenu, int index)
{
    const QString item =
        arrayName(submenu == 0 ? QStringLiteral("mnuGeometryItem") : QStringLiteral("mnu3dGeometryItem"), index);
    return benchProgram()->findChild<QAction *>(item);
}

void chooseFigure(int submenu, int index)
{
    figureItem(submenu, index)->trigger();
}

double residentKiB()
{
    QFile statm(QStringLiteral("/proc/self/statm"));
    if (!statm.open(QIODevice::ReadOnly))
        return 0;
    const QList<QByteArray> pages = statm.readAll().split(' ');
    return pages.size() > 1 ? pages[1].toDouble() * double(sysconf(_SC_PAGESIZE)) / 1024 : 0;
}
