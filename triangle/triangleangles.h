#pragma once

#include "entry/term.h"

namespace Zyntra {

// Both triangle solvers turn angles with the pi they are given, the
// division first, so that the same angle works out alike in either.
inline Term radians(const Term &degrees, const Term &pi)
{
    return (pi / 180) * degrees;
}
inline Term degrees(const Term &radians, const Term &pi)
{
    return ((Term(180) / pi) * radians).inDegrees();
}

} // namespace Zyntra
