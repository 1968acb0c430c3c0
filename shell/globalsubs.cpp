#include "globalsubs.h"

#include "figurewindow.h"
#include "systemcolours.h"

#include <QMdiArea>
#include <QPointer>

namespace Zyntra::GlobalSubs {

namespace {
QPointer<QMdiArea> area;
}

void setClientArea(QMdiArea *clientArea) { area = clientArea; }
QMdiArea *clientArea() { return area; }

void UnloadCurrentForm()
{
    if (!area)
        return;
    area->setBackground(SystemColour::activeBorder());
    for (QMdiSubWindow *window : area->subWindowList()) {
        auto *figure = qobject_cast<FigureWindow *>(window);
        if (figure && figure->formCode() == intCurrentForm) {
            // Destroyed now, so that the next window never meets this one.
            figure->unload();
            delete figure;
        }
    }
}

} // namespace Zyntra::GlobalSubs
