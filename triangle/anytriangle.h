#pragma once

#include "entry/calculation.h"

#include <QStringList>

namespace Zyntra {

// Any triangle: sides a, b and c, and the angles A, B and C facing them, in
// degrees. Fields 0 to 5 take them in that order; answers 0 to 5 show them
// again, then what follows from them.
namespace AnyValue {
constexpr int a = 0;
constexpr int b = 1;
constexpr int c = 2;
constexpr int A = 3;
constexpr int B = 4;
constexpr int C = 5;
constexpr int FieldCount = 6;
constexpr int Area = 6;
constexpr int Perimeter = 7;
constexpr int ha = 8;
constexpr int hb = 9;
constexpr int hc = 10;
constexpr int r = 11; // inradius
constexpr int R = 12; // circumradius
constexpr int Count = 13;
// Where two triangles fit, the second's answers follow the first's in the same order.
constexpr int Second = Count;
constexpr int Answers = 2 * Count;
} // namespace AnyValue

// Given values agree with the triangle the others make when a side is within
// this share of its worked-out length and an angle within this many degrees.
constexpr double SideAgreement = 0.005;
constexpr double AngleAgreement = 0.2;

// The triangle from any three of its six values, at least one a side, all
// answers "#.00#". Two sides and an angle not between them may fit two
// triangles: then both are answered. Further values are checked against the
// triangle the others make. The triangle has no options.
Outcome calculateAnyTriangle(const QStringList &fieldTexts, qint16 option);

} // namespace Zyntra
