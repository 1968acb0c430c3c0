#pragma once

#include "entry/calculation.h"
#include "entry/quantity.h"
#include "entry/solving.h"
#include "sheet/sheetfigure.h"

#include <QList>
#include <QString>
#include <QtGlobal>

#include <algorithm>

#include <span>
#include <vector>

namespace Zyntra {

class FigureWindow;

// The Geometry submenu a figure command stands in.
enum class FigureMenu { Plane, Solid };

// The part of its submenu: the first figures, or the ones after its separator.
enum class MenuSection { First, More };

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
    SheetBuilder sheet;                      // and the calculation sheet draws it to scale
    // What each option the window offers takes and answers, from option 0.
    std::span<const OptionQuantities> quantities;
    // How many of its fields the user fills; 0 for all that the option shows.
    int givenFields = 0;
    MenuSection section = MenuSection::First;
    // Formulas that find a given value from an answer, where the figure has them.
    std::span<const Inverse> inverses = {};

    int options() const { return int(quantities.size()); }
    Pattern pattern(int answer) const
    {
        return answer < twoOrThree ? Pattern::TwoOrThreeDecimals : Pattern::OneOrTwoDecimals;
    }
};

// One given value or answer of a calculation, under the letter its figure
// declares for it.
struct FigureValue {
    int index;       // its field's or its answer label's
    QString letter;  // "a", "θ", "Area"
    QString caption; // as the window names it: "Side a", "Area"
    QuantityKind kind;
    QString text;      // as typed for a given value, as shown for an answer
    double value;      // the number itself: read from the text as typed, unrounded for an answer
    Working working;   // how an answer came about
    QString unit = {}; // " cm" after the text, in the unit it was typed or is shown in; empty without units
};

// The calculation whose answers a window shows, as values: what the copy,
// the sheet and the history read.
struct FigureValues {
    const FigureEntry *figure = nullptr;
    qint16 option = 0;
    QList<FigureValue> given;   // the fields that hold a value, by index
    QList<FigureValue> answers; // the answers shown, by index
    QList<int> worked;          // the answers' indexes in the order the calculation worked them

    // The answer, else the given value, of a letter; nullptr for none.
    const FigureValue *find(QStringView letter) const
    {
        for (const QList<FigureValue> *values : {&answers, &given})
            for (const FigureValue &value : *values)
                if (value.letter == letter)
                    return &value;
        return nullptr;
    }
};

// Each window's room hands out the figures it hosts.
using FigureEntries = std::vector<const FigureEntry *>;

} // namespace Zyntra
