#pragma once

#include "entry/calculation.h"

#include <array>
#include <optional>

namespace Zyntra {

// What the workbench shows is data: a Layout says what to change on the one
// fixed set of controls, and frmSquare applies it with one function. A
// layout lists only its changes; whatever it leaves alone keeps its state.

enum class Shown { Keep, Yes, No };

// One option, value field or result row: its new caption (nullptr keeps
// the caption) and whether it is shown. `spoken` is a value field's
// accessible name, also the name its warning uses (nullptr keeps it).
struct Slot {
    const char *caption = nullptr;
    Shown shown = Shown::Keep;
    const char *spoken = nullptr;
};

inline constexpr Slot keep{};
inline constexpr Slot hide{nullptr, Shown::No, nullptr};
inline constexpr Slot show{nullptr, Shown::Yes, nullptr};
// A new caption; shown or hidden stays as it is.
constexpr Slot named(const char *caption) { return {caption, Shown::Keep, nullptr}; }
// A new caption, shown.
constexpr Slot shown(const char *caption) { return {caption, Shown::Yes, nullptr}; }
// A value field's new caption and accessible name.
constexpr Slot field(const char *caption, const char *spoken, Shown visibility = Shown::Keep)
{
    return {caption, visibility, spoken};
}

// The fourteen pictures, in the order they are stacked on the window.
enum class SquarePicture {
    picAnnulus, picQuad, picParallel, picSquare, picTrapezoid, picCircularRing, picPyramid,
    picFrustum, picRightCone, picRightCyl, picPrism, picCube, picEqTriangle, picTrapezium,
};

struct PictureBox {
    const char *name;     // the control's name
    const char *resource; // its drawing; a drawing not yet in the resources leaves the box empty
    const char *spoken;   // what a screen reader says about the drawing
};

inline constexpr int PictureCount = 14;
extern const std::array<PictureBox, PictureCount> PictureBoxes;

struct Layout {
    const char *heading = nullptr;         // lblTitle; nullptr keeps it
    std::optional<SquarePicture> picture{};      // shown alone; nullopt keeps the one shown
    std::array<Slot, 3> options{};         // optGivenrect(0..2)
    std::array<Slot, 5> fields{};          // lblGivenValue(i) with txtGivenValue(i)
    std::array<Slot, 5> rows{};            // lblResult(i) with lblAnswer(i)
};

// A figure's arithmetic: the texts of the five value fields and intGiven in.
using Arithmetic = Outcome (*)(const QStringList &fieldTexts, qint16 given);

struct SquareMode {
    Layout layout;                                      // the layout phase, once at load
    std::array<std::optional<Layout>, 3> optionLayouts; // an option without one only clears
    Arithmetic arithmetic;                              // the calculation phase; nullptr does nothing
};

// The values of intSquareMode.
enum class Mode : qint16 {
    Rectangle, Parallelogram, Trapezoid, Quadrilateral, Annulus, Trapezium, EqTriangle,
    Cube, Prism, RightCyl, RightCone, RightPyramid, CircularRing,
};

inline constexpr int SquareModeCount = 13;

// Every control as the window is designed: the Rectangle layout without a picture.
extern const Layout DesignLayout;

// By intSquareMode, 0 to 12.
extern const std::array<SquareMode, SquareModeCount> SquareModes;

inline const SquareMode &squareMode(Mode mode) { return SquareModes[size_t(mode)]; }

} // namespace Zyntra
