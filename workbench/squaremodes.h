#pragma once

#include "controls/slot.h"
#include "entry/calculation.h"

#include <array>
#include <optional>

namespace Zyntra {

// What the workbench shows is data: a Layout says what to change on the one
// fixed set of controls, and frmSquare applies it with one function.

// The fourteen pictures, in the order they are stacked on the window.
enum class SquarePicture {
    picAnnulus,
    picQuad,
    picParallel,
    picSquare,
    picTrapezoid,
    picCircularRing,
    picPyramid,
    picFrustum,
    picRightCone,
    picRightCyl,
    picPrism,
    picCube,
    picEqTriangle,
    picTrapezium,
};

struct PictureBox {
    const char *name;     // the control's name
    const char *resource; // its drawing; a drawing not yet in the resources leaves the box empty
    const char *spoken;   // what a screen reader says about the drawing
};

inline constexpr int PictureCount = 14;
extern const std::array<PictureBox, PictureCount> PictureBoxes;

struct Layout {
    const char *heading = nullptr;          // lblTitle; nullptr keeps it
    std::optional<SquarePicture> picture{}; // shown alone; nullopt keeps the one shown
    std::array<Slot, 3> options{};          // optGivenrect(0..2)
    std::array<Slot, 5> fields{};           // lblGivenValue(i) with txtGivenValue(i)
    std::array<Slot, 5> rows{};             // lblResult(i) with lblAnswer(i)
};

struct SquareMode {
    Layout layout;                                      // the layout phase, once at load
    std::array<std::optional<Layout>, 3> optionLayouts; // an option without one only clears
    FigureCalculation arithmetic;                       // the calculation phase; nullptr does nothing
};

// The values of intSquareMode.
enum class Mode : qint16 {
    Rectangle,
    Parallelogram,
    Trapezoid,
    Quadrilateral,
    Annulus,
    Trapezium,
    EqTriangle,
    Cube,
    Prism,
    RightCyl,
    RightCone,
    RightPyramid,
    CircularRing,
};

inline constexpr int SquareModeCount = 13;

// Every control as the window is designed: the Rectangle layout without a picture.
extern const Layout DesignLayout;

// By intSquareMode, 0 to 12.
extern const std::array<SquareMode, SquareModeCount> SquareModes;

inline const SquareMode &squareMode(Mode mode)
{
    return SquareModes[size_t(mode)];
}

} // namespace Zyntra
