#pragma once

#include "entry/calculation.h"

namespace Zyntra {

// The cap a plane cuts off a sphere, as a mode of the workbench: option 0
// from the sphere's radius R and the cap's height h, option 1 from the
// radius a of its base and h. The answers go to the rows R, a, h, Volume,
// Curved Surface and Total Surface, all "#.00#"; a value that fits no cap
// warns, naming its field. Its values go by the letters below, its fields'
// spoken names by `Spoken`, the words marked for the workbench's catalogue.
namespace SphericalCap {
constexpr const char *R = "R", *a = "a", *h = "h", *Volume = QT_TRANSLATE_NOOP("Figures", "Volume"),
                     *CurvedSurface = QT_TRANSLATE_NOOP("Figures", "Curved Surface"),
                     *TotalSurface = QT_TRANSLATE_NOOP("Figures", "Total Surface");
namespace Spoken {
constexpr const char *R = QT_TRANSLATE_NOOP("Figures", "Sphere radius R"),
                     *a = QT_TRANSLATE_NOOP("Figures", "Base radius a"),
                     *h = QT_TRANSLATE_NOOP("Figures", "Cap height h");
}
} // namespace SphericalCap
Outcome calculateSphericalCap(const QStringList &fieldTexts, qint16 given);

} // namespace Zyntra
