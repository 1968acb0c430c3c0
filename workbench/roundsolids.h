#pragma once

#include "entry/calculation.h"

namespace Zyntra {

// The calculation phases of the workbench's round solids after the
// separator of "3D Objects": field texts in, answers by lblAnswer index out,
// all "#.00#", with π as the constants in force give it (3.14, or exact).
// Each has one way of giving it and ignores the option. Unlike the first
// solids, an empty or negative field is a failure that names the field.

// Each names its values by the letter constants of its namespace.

// Mode 15: the frustum of a right cone from its base radius R, top radius r
// and height h; answers k, Volume, Lateral Area, Surface Area.
namespace ConeFrustum {
constexpr const char *R = "R", *r = "r", *h = "h", *k = "k", *Volume = "Volume", *LateralArea = "Lateral Area",
                     *SurfaceArea = "Surface Area";
}
Outcome calculateConeFrustum(const QStringList &fieldTexts, qint16 given);
// Mode 17: the hollow cylinder (pipe) from its outer radius R, inner radius
// r below R, and height h; answers t, Volume, Outer Area, Inner Area,
// Surface Area.
namespace HollowCylinder {
constexpr const char *R = "R", *r = "r", *h = "h", *t = "t", *Volume = "Volume", *OuterArea = "Outer Area",
                     *InnerArea = "Inner Area", *SurfaceArea = "Surface Area";
}
Outcome calculateHollowCylinder(const QStringList &fieldTexts, qint16 given);
// Mode 18: the ellipsoid from its semi-axes a, b, c; answers a, b, c,
// Volume, Surface Area (exact, by Carlson's R_G).
namespace Ellipsoid {
constexpr const char *a = "a", *b = "b", *c = "c", *Volume = "Volume", *SurfaceArea = "Surface Area";
}
Outcome calculateEllipsoid(const QStringList &fieldTexts, qint16 given);
// Mode 19: the capsule, a cylinder of radius r and length h capped by two
// half balls; answers r, h, Volume, Surface Area, Length.
namespace Capsule {
constexpr const char *r = "r", *h = "h", *Volume = "Volume", *SurfaceArea = "Surface Area", *Length = "Length";
}
Outcome calculateCapsule(const QStringList &fieldTexts, qint16 given);

} // namespace Zyntra
