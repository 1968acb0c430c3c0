#pragma once

#include "controls/figureentry.h"
#include "controls/slot.h"

#include <array>
#include <optional>
#include <span>
#include <vector>

namespace Zyntra {

class frmSquare;

// What the workbench shows is data: a Layout says what to change on the one
// fixed set of controls, and frmSquare applies it with one function.

// The result rows the workbench has room for: the five of its design, and
// three more, hidden unless a mode that answers more shows them.
inline constexpr int DesignedRows = 5;
inline constexpr int ResultRows = 8;

struct Layout {
    const char *heading = nullptr; // lblTitle; nullptr keeps it
    const char *picture = nullptr; // the drawing shown alone, by name; nullptr keeps the one shown
    std::array<Slot, 3> options{}; // optGivenrect(0..2)
    std::array<Slot, 5> fields{};  // lblGivenValue(i) with txtGivenValue(i)
    // lblResult(i) with lblAnswer(i)
    std::array<Slot, ResultRows> rows{};
};

// A figure of the workbench: its command, with its intSquareMode and its
// calculation, the window's routine for it, and its layouts.
struct SquareMode {
    FigureEntry figure;
    // The layout phase at load, the calculation after; a later figure has
    // no routine of its own and runs the phases directly.
    void (frmSquare::*routine)() = nullptr;
    Layout layout;                                      // the layout phase, once at load
    std::array<std::optional<Layout>, 3> optionLayouts; // an option without one only clears
};

// A given value of a later figure: what it is, and its field's caption and
// the name a screen reader and a warning give it.
struct GivenField {
    Quantity quantity;
    const char *caption = nullptr; // "a = "
    const char *spoken = nullptr;  // "Side a"
};

// One way of giving a later figure: its option's caption, its value fields,
// and its answers by row, each row captioned with its answer's letter.
struct GivenWay {
    const char *caption;
    std::array<GivenField, 5> given;
    std::array<Quantity, ResultRows> answers;
    const char *figure = nullptr; // the figure's own name where the option chooses it
};

// A figure after its submenu's separator, declared once: its menu item,
// heading, fields, answer rows, the options and the quantities they
// declare all come from this. Its words are marked where they are written
// (QT_TRANSLATE_NOOP in the context "Figures"), so that lupdate gathers
// them into the workbench's German catalogue. Its intSquareMode is the
// next after the figure declared before it.
struct LaterFigure {
    const char *id;
    FigureMenu menu;
    qint16 index; // its item's index in the menu
    const char *caption;
    const char *heading; // "<caption> Calculations"
    FigureCalculation calculate;
    std::vector<FigureDrawing> drawings; // the first is the one shown
    SheetBuilder sheet;
    std::vector<GivenWay> ways; // the options, from option 0
    std::vector<Inverse> inverses = {};
};

// Every control as the window is designed: the Rectangle layout without a picture.
extern const Layout DesignLayout;

// The workbench's figures, each under its own intSquareMode: the described
// ones as laid out by hand, then the later ones as declared.
std::span<const SquareMode> squareModes();

// The figure of an intSquareMode; nullptr for a value no figure has.
const SquareMode *squareMode(qint16 mode);

// The workbench's figures, in the order of their rows.
FigureEntries workbenchFigures();
// Their drawings, in the same order.
std::vector<const FigureDrawing *> workbenchDrawings();

} // namespace Zyntra
