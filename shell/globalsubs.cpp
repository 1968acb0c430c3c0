#include "globalsubs.h"

#include "clientarea.h"
#include "figurewindow.h"
#include "systemcolours.h"

#include <QPointer>

namespace Zyntra::GlobalSubs {

namespace {
QPointer<ClientArea> area;
}

void setClientArea(ClientArea *clientArea) { area = clientArea; }
ClientArea *clientArea() { return area; }

void UnloadCurrentForm()
{
    if (!area)
        return;
    area->setBackground(SystemColour::activeBorder());
    for (FigureWindow *figure : area->figureWindows()) {
        if (figure->formCode() == intCurrentForm) {
            // Destroyed now, so that the next window never meets this one.
            figure->unload();
            delete figure;
        }
    }
}

} // namespace Zyntra::GlobalSubs
