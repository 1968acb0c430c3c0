#pragma once

#include "entry/calculation.h"

#include <QStringList>

namespace Zyntra {

// The value list of a right triangle with its right angle at C: legs a and
// b, hypotenuse c, acute angles A and B in degrees. Index i names the same
// quantity in the value list, the fields and the answers.
namespace RtValue {
constexpr int a = 0;
constexpr int b = 1;
constexpr int c = 2;
constexpr int A = 3;
constexpr int B = 4;
constexpr int Count = 5;
} // namespace RtValue

// The five values, "#.0#", from the five field texts in value-list order.
// An empty field or 0 is not given; the first given pair of the solving
// table completes the others, and no such pair shows zeros throughout.
// The triangle has no options.
Outcome calculateRtTriangle(const QStringList &fieldTexts, qint16 option);

} // namespace Zyntra
