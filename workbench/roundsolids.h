#pragma once

#include "entry/calculation.h"

namespace Zyntra {

// The calculation phases of the workbench's round solids after the
// separator of "3D Objects": field texts in, answers by lblAnswer index out,
// all "#.00#", with π as the constants in force give it (3.14, or exact).
// Each has one way of giving it and ignores the option. Unlike the first
// solids, an empty or negative field is a failure that names the field.

// Each names its values by the letter constants of its namespace, and its
// fields by their spoken names (`Spoken::R`), the words marked for the
// workbench's German catalogue.

// Mode 15: the frustum of a right cone from its base radius R, top radius r
// and height h; answers k, Volume, Lateral Area, Surface Area.
namespace ConeFrustum {
constexpr const char *R = "R", *r = "r", *h = "h", *k = "k", *Volume = QT_TRANSLATE_NOOP("Figures", "Volume"),
                     *LateralArea = QT_TRANSLATE_NOOP("Figures", "Lateral Area"),
                     *SurfaceArea = QT_TRANSLATE_NOOP("Figures", "Surface Area");
namespace Spoken {
constexpr const char *R = QT_TRANSLATE_NOOP("Figures", "Base radius R"),
                     *r = QT_TRANSLATE_NOOP("Figures", "Top radius r"), *h = QT_TRANSLATE_NOOP("Figures", "Height h");
}
} // namespace ConeFrustum
Outcome calculateConeFrustum(const QStringList &fieldTexts, qint16 given);
// Mode 17: the hollow cylinder (pipe) from its outer radius R, inner radius
// r below R, and height h; answers t, Volume, Outer Area, Inner Area,
// Surface Area.
namespace HollowCylinder {
constexpr const char *R = "R", *r = "r", *h = "h", *t = "t", *Volume = QT_TRANSLATE_NOOP("Figures", "Volume"),
                     *OuterArea = QT_TRANSLATE_NOOP("Figures", "Outer Area"),
                     *InnerArea = QT_TRANSLATE_NOOP("Figures", "Inner Area"),
                     *SurfaceArea = QT_TRANSLATE_NOOP("Figures", "Surface Area");
namespace Spoken {
constexpr const char *R = QT_TRANSLATE_NOOP("Figures", "Outer radius R"),
                     *r = QT_TRANSLATE_NOOP("Figures", "Inner radius r"), *h = QT_TRANSLATE_NOOP("Figures", "Height h");
}
} // namespace HollowCylinder
Outcome calculateHollowCylinder(const QStringList &fieldTexts, qint16 given);
// Mode 18: the ellipsoid from its semi-axes a, b, c; answers a, b, c,
// Volume, Surface Area (exact, by Carlson's R_G).
namespace Ellipsoid {
constexpr const char *a = "a", *b = "b", *c = "c", *Volume = QT_TRANSLATE_NOOP("Figures", "Volume"),
                     *SurfaceArea = QT_TRANSLATE_NOOP("Figures", "Surface Area");
namespace Spoken {
constexpr const char *a = QT_TRANSLATE_NOOP("Figures", "Semi-axis a"), *b = QT_TRANSLATE_NOOP("Figures", "Semi-axis b"),
                     *c = QT_TRANSLATE_NOOP("Figures", "Semi-axis c");
}
} // namespace Ellipsoid
Outcome calculateEllipsoid(const QStringList &fieldTexts, qint16 given);
// Mode 19: the capsule, a cylinder of radius r and length h capped by two
// half balls; answers r, h, Volume, Surface Area, Length.
namespace Capsule {
constexpr const char *r = "r", *h = "h", *Volume = QT_TRANSLATE_NOOP("Figures", "Volume"),
                     *SurfaceArea = QT_TRANSLATE_NOOP("Figures", "Surface Area"),
                     *Length = QT_TRANSLATE_NOOP("Figures", "Length");
namespace Spoken {
constexpr const char *r = QT_TRANSLATE_NOOP("Figures", "Radius r"),
                     *h = QT_TRANSLATE_NOOP("Figures", "Cylinder length h");
}
} // namespace Capsule
Outcome calculateCapsule(const QStringList &fieldTexts, qint16 given);

} // namespace Zyntra
