#include "catalogue.h"

#include "circle/frmcircle.h"
#include "controls/figurewindow.h"
#include "polygon/frmpolygon.h"
#include "solids/frmsphere.h"
#include "solids/frmtank.h"
#include "triangle/frmanytriangle.h"
#include "triangle/frmgeometry.h"
#include "workbench/squaremodes.h"

#include <algorithm>

namespace Zyntra {

const FigureEntries &figureCatalogue()
{
    static const FigureEntries catalogue = [] {
        FigureEntries all;
        for (const FigureEntries &room : {workbenchFigures(), circleFigures(), sphereFigures(), rightTriangleFigures(),
                                          polygonFigures(), anyTriangleFigures(), tankFigures()})
            all.insert(all.end(), room.begin(), room.end());
        std::ranges::sort(all, {}, [](const FigureEntry *figure) { return std::pair(figure->menu, figure->index); });
        return all;
    }();
    return catalogue;
}

FigureEntries figureMenu(FigureMenu menu)
{
    FigureEntries items;
    std::ranges::copy_if(figureCatalogue(), std::back_inserter(items),
                         [menu](const FigureEntry *figure) { return figure->menu == menu; });
    return items;
}

const FigureEntry *figureCommand(FigureMenu menu, qint16 index)
{
    const auto found = std::ranges::find_if(
        figureCatalogue(), [&](const FigureEntry *figure) { return figure->menu == menu && figure->index == index; });
    return found == figureCatalogue().end() ? nullptr : *found;
}

QString menuItemName(const FigureEntry &figure)
{
    return arrayName(figure.menu == FigureMenu::Plane ? QStringLiteral("mnuGeometryItem")
                                                      : QStringLiteral("mnu3dGeometryItem"),
                     figure.index);
}

const FigureEntry *figureById(const QString &id)
{
    const auto found = std::ranges::find_if(
        figureCatalogue(), [&id](const FigureEntry *figure) { return id == QLatin1String(figure->id); });
    return found == figureCatalogue().end() ? nullptr : *found;
}

} // namespace Zyntra
