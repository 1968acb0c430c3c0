#pragma once

#include "entry/calculation.h"

#include <array>

namespace Zyntra {

// The tanks the fill-level window offers, by option. Every option takes the
// fill depth d, measured from the tank's lowest point, in field 0, and the
// tank's measures after it:
//   HorizontalCylinder   d, diameter D, length L
//   VerticalCylinder     d, diameter D, height H
//   HorizontalCapsule    d, diameter D, length L of the straight part
//   Sphere               d, diameter D
//   Rectangular          d, length l, width w, height H
//   HorizontalElliptical d, width W, height H, length L
enum class TankShape : qint16 {
    HorizontalCylinder,
    VerticalCylinder,
    HorizontalCapsule,
    Sphere,
    Rectangular,
    HorizontalElliptical,
};
constexpr int TankShapes = 6;

// The answers by the index of their label.
namespace TankAnswer {
enum : int { Total, Filled, Empty, FilledPercent, DepthPercent, Surface, Wetted, Count };
} // namespace TankAnswer

// How much a tank holds at a depth: its whole volume, the liquid's, the room
// left, the liquid as a share of the volume and the depth as a share of the
// height, the area of the liquid's top and the inner surface below it. All
// "#.00#". A depth below 0 or above the tank's height, or a measure that
// is not above 0, warns naming its field.
Outcome calculateTank(const QStringList &fieldTexts, qint16 shape);

// What each option's fields hold after the depth: the letter of each measure
// and its name as the window shows it, and which field holds the tank's
// height (the most the depth can be), named as the warning names it.
struct TankMeasure {
    const char *letter;
    const char *name;
};
struct TankFields {
    const char *option; // the option button's caption
    const char *figure; // the tank's name on the sheet and in the history
    std::array<TankMeasure, 4> fields;
    int height;
    const char *heightName;
};
inline constexpr TankMeasure TankDepth{"d", "Depth d"};
// clang-format off
inline constexpr TankFields TankOptions[TankShapes]{
    {"Horizontal Cylinder",   "Horizontal Cylinder Tank",   {TankDepth, {"D", "Diameter D"}, {"L", "Length L"}, {}},               1, "the diameter D"},
    {"Vertical Cylinder",     "Vertical Cylinder Tank",     {TankDepth, {"D", "Diameter D"}, {"H", "Height H"}, {}},               2, "the height H"},
    {"Horizontal Capsule",    "Horizontal Capsule Tank",    {TankDepth, {"D", "Diameter D"}, {"L", "Straight length L"}, {}},      1, "the diameter D"},
    {"Sphere",                "Spherical Tank",             {TankDepth, {"D", "Diameter D"}, {}, {}},                              1, "the diameter D"},
    {"Rectangular",           "Rectangular Tank",           {TankDepth, {"l", "Length l"}, {"w", "Width w"}, {"H", "Height H"}},   3, "the height H"},
    {"Horizontal Elliptical", "Horizontal Elliptical Tank", {TankDepth, {"W", "Width W"}, {"H", "Height H"}, {"L", "Length L"}},   2, "the height H"},
};
// clang-format on

} // namespace Zyntra
