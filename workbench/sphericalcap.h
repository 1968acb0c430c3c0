#pragma once

#include "entry/calculation.h"

namespace Zyntra {

// The cap a plane cuts off a sphere, as a mode of the workbench: option 0
// from the sphere's radius R and the cap's height h, option 1 from the
// radius a of its base and h. The answers go to the rows R, a, h, Volume,
// Curved Surface and Total Surface, all "#.00#"; a value that fits no cap
// warns, naming its field. Its values go by the letters below.
namespace SphericalCap {
constexpr const char *R = "R", *a = "a", *h = "h", *Volume = "Volume", *CurvedSurface = "Curved Surface",
                     *TotalSurface = "Total Surface";
}
Outcome calculateSphericalCap(const QStringList &fieldTexts, qint16 given);

} // namespace Zyntra
