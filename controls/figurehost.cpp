#include "figurehost.h"

#include "figurewindow.h"

namespace Zyntra {

QList<FigureWindow *> FigureHost::figureWindows() const
{
    return findChildren<FigureWindow *>(Qt::FindDirectChildrenOnly);
}

} // namespace Zyntra
