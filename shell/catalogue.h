#pragma once

#include "controls/figureentry.h"

namespace Zyntra {

// Every figure command of the Geometry menu, gathered from the rooms of the
// windows that host them: the "2D Objects" items first, then the "3D
// Objects" ones, each submenu in the order of its items.
const FigureEntries &figureCatalogue();

// The items of one submenu, in order.
FigureEntries figureMenu(FigureMenu menu);

// The figure a menu item opens; nullptr for an index no item has.
const FigureEntry *figureCommand(FigureMenu menu, qint16 index);

// The objectName of the figure's menu item: "mnuGeometryItem(2)".
QString menuItemName(const FigureEntry &figure);

// The figure of a stable id; nullptr for one no figure has.
const FigureEntry *figureById(const QString &id);

} // namespace Zyntra
