#include "globalsubs.h"

#include "figurehost.h"
#include "figurewindow.h"
#include "systemcolours.h"

#include <QPointer>

namespace Zyntra::GlobalSubs {

namespace {
QPointer<FigureHost> area;
}

void setClientArea(FigureHost *clientArea)
{
    area = clientArea;
}

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
