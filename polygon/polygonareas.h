#pragma once

#include "entry/calculation.h"

#include <array>

namespace Zyntra {

struct RegularPolygon {
    const char *name;
    const char *sides;
    double factor; // area of the polygon with side 1
};

// Rounded factors, as the results show them: 0.433 is the triangle's.
inline constexpr std::array<RegularPolygon, 10> RegularPolygons{{
    {"Eq. Triangle", "3", 0.433},
    {"Square", "4", 1},
    {"Pentagon", "5", 1.7205},
    {"Hexagon", "6", 2.5981},
    {"Heptagon", "7", 3.6339},
    {"Octagon", "8", 4.8284},
    {"Nonagon", "9", 6.1818},
    {"Decagon", "10", 7.6942},
    {"Undecagon", "11", 9.3656},
    {"Dodecagon", "12", 11.1961},
}};

// The ten areas, "#.00#", from the side's text (field 0). The window has
// no options.
Outcome calculatePolygonAreas(const QStringList &fieldTexts, qint16 option);

} // namespace Zyntra
