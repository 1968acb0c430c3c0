#pragma once

#include "entry/calculation.h"
#include "entry/term.h"

#include <array>

namespace Zyntra {

struct RegularPolygon {
    const char *name;
    const char *sides;
    Constant factor; // area of the polygon with side 1: n / (4·tan(π/n))
};

// Rounded factors, as the results show them: 0.433 is the triangle's. The
// square's area is a² alone.
// clang-format off
inline constexpr std::array<RegularPolygon, 10> RegularPolygons{{
    {"Eq. Triangle", "3", Constants::QuarterRootThree},
    {"Square",     "4",  {"1", 1, 1}},
    {"Pentagon",   "5",  {"5/(4·tan(π/5))", 1.7205, 1.72047740058896692276}},
    {"Hexagon",    "6",  {"6/(4·tan(π/6))", 2.5981, 2.59807621135331594029}},
    {"Heptagon",   "7",  {"7/(4·tan(π/7))", 3.6339, 3.63391244400158899254}},
    {"Octagon",    "8",  {"8/(4·tan(π/8))", 4.8284, 4.82842712474619009760}},
    {"Nonagon",    "9",  {"9/(4·tan(π/9))", 6.1818, 6.18182419377290012721}},
    {"Decagon",    "10", {"10/(4·tan(π/10))", 7.6942, 7.69420884293813350643}},
    {"Undecagon",  "11", {"11/(4·tan(π/11))", 9.3656, 9.36563990694543752488}},
    {"Dodecagon",  "12", {"12/(4·tan(π/12))", 11.1961, 11.1961524227066318806}},
}};
// clang-format on

// The ten areas, "#.00#", from the side's text (field 0). The window has
// no options.
Outcome calculatePolygonAreas(const QStringList &fieldTexts, qint16 option);

} // namespace Zyntra
