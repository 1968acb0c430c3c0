#pragma once

#include <QtGlobal>

#include <array>

namespace Zyntra {

enum class FigureTarget { Circle, Geometry, Square, Polygon, Sphere };

// One item of a Geometry submenu: its caption, the window it opens and the
// mode it writes first (-1 for windows that serve one figure).
struct FigureCommand {
    const char *caption;
    FigureTarget target;
    qint16 mode;
};

inline constexpr std::array<FigureCommand, 12> Geometry2dCommands{{
    {"Circle", FigureTarget::Circle, 0},
    {"Triangle (Right)", FigureTarget::Geometry, -1},
    {"Rectangle", FigureTarget::Square, 0},
    {"Parallelogram", FigureTarget::Square, 1},
    {"Trapezoid", FigureTarget::Square, 2},
    {"Quadrilateral", FigureTarget::Square, 3},
    {"Annulus", FigureTarget::Square, 4},
    {"Trapezium", FigureTarget::Square, 5},
    {"Triangle (Equilateral)", FigureTarget::Square, 6},
    {"Regular Polygon", FigureTarget::Polygon, -1},
    {"Circle Sections", FigureTarget::Circle, 1},
    {"Ellipse", FigureTarget::Circle, 2},
}};

inline constexpr std::array<FigureCommand, 7> Geometry3dCommands{{
    {"Sphere", FigureTarget::Sphere, -1},
    {"Cube", FigureTarget::Square, 7},
    {"Right Prism", FigureTarget::Square, 8},
    {"Right Cylinder", FigureTarget::Square, 9},
    {"Right Cone", FigureTarget::Square, 10},
    {"Right Pyramid", FigureTarget::Square, 11},
    {"Circular Ring", FigureTarget::Square, 12},
}};

} // namespace Zyntra
