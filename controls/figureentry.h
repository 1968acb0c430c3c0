#pragma once

#include "entry/calculation.h"
#include "entry/quantity.h"
#include "sheet/sheetfigure.h"

#include <QtGlobal>

#include <algorithm>

#include <span>
#include <vector>

namespace Zyntra {

class FigureWindow;

// The Geometry submenu a figure command stands in.
enum class FigureMenu { Plane, Solid };

// A drawing of the figure as its window shows it.
struct FigureDrawing {
    const char *name;     // the picture control's name
    const char *resource; // the SVG among the program's resources
    const char *spoken;   // what a screen reader says of the drawing
};

// One figure command of the Geometry menu, declared once in the room of the
// window that hosts it. The menus, the figure commands, the sheet and every
// test that visits each figure read these entries; nothing else lists the
// figures.
struct FigureEntry {
    const char *id;      // stable across versions, for whatever outlives a run
    FigureMenu menu;     // "2D Objects" or "3D Objects"
    qint16 index;        // its item's index there, which the item's handler receives
    const char *caption; // the menu item
    // Where the window serves several figures, the program-wide mode the
    // command writes before loading it; nullptr for a window of one figure.
    qint16 *modeVariable;
    qint16 mode;
    FigureWindow *(*load)(); // a freshly loaded window of the figure
    FigureCalculation calculate;
    int answers;                             // the window's answer labels: every answer index is below this
    int twoOrThree;                          // the first answers are "#.00#", the rest "#.0#"
    std::span<const FigureDrawing> drawings; // the window shows one at a time
    SheetFigureKind sheet;                   // and the calculation sheet draws it to scale
    // What each option the window offers takes and answers, from option 0.
    std::span<const OptionQuantities> quantities;
    // How many of its fields the user fills; 0 for all that the option shows.
    int givenFields = 0;

    int options() const { return int(quantities.size()); }
    Pattern pattern(int answer) const
    {
        return answer < twoOrThree ? Pattern::TwoOrThreeDecimals : Pattern::OneOrTwoDecimals;
    }
};

// Each window's room hands out the figures it hosts.
using FigureEntries = std::vector<const FigureEntry *>;

} // namespace Zyntra
