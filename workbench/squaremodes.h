#pragma once

#include "controls/figureentry.h"
#include "controls/slot.h"

#include <array>
#include <optional>
#include <span>

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
    void (frmSquare::*routine)();                       // the layout phase at load, the calculation after
    Layout layout;                                      // the layout phase, once at load
    std::array<std::optional<Layout>, 3> optionLayouts; // an option without one only clears
};

// Every control as the window is designed: the Rectangle layout without a picture.
extern const Layout DesignLayout;

// The workbench's figures, each under its own intSquareMode.
extern const std::span<const SquareMode> SquareModes;

// The figure of an intSquareMode; nullptr for a value no figure has.
const SquareMode *squareMode(qint16 mode);

// The workbench's figures, in the order of their rows.
FigureEntries workbenchFigures();
// Their drawings, in the same order.
std::vector<const FigureDrawing *> workbenchDrawings();

} // namespace Zyntra
