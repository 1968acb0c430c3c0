#pragma once

#include "entry/calculation.h"

namespace Zyntra {

// The quantity the sphere window is given (its intGiven) and the order of
// its five answers: radius, diameter, circumference, surface area, volume.
enum class SphereQuantity : qint16 { Radius, Diameter, Circumference, SurfaceArea, Volume };

// The five quantities of a sphere from the value field's text (field 0)
// and the given quantity. An empty field shows every quantity as a
// formatted zero.
Outcome calculateSphere(const QStringList &fieldTexts, qint16 given);

} // namespace Zyntra
