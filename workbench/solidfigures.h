#pragma once

#include "entry/calculation.h"

namespace Zyntra {

// The calculation phases of the workbench's six solid modes: the texts of
// the value fields txtGivenValue(0) to (4) and the option in force in, the
// answers by lblAnswer index out, all "#.00#". These six show plain zeros
// (ZeroAnswer) as soon as any one of the fields they test is empty; a solid
// after the separator refuses an empty field instead, naming it.

// Mode 7: option 0 the cube from a, option 1 the parallelepiped from a, b, c.
Outcome calculateCube(const QStringList &fieldTexts, qint16 given);
// Mode 8: a right prism on a right-angled triangle with legs a, c and length h.
Outcome calculatePrism(const QStringList &fieldTexts, qint16 given);
// Mode 9: option 0 the right cylinder from r, h; any other the frustum from r, h, k.
Outcome calculateRightCyl(const QStringList &fieldTexts, qint16 given);
// Mode 10: the right cone from r and h.
Outcome calculateRightCone(const QStringList &fieldTexts, qint16 given);
// Mode 11: the right pyramid from its base area A, base perimeter P, h and k.
Outcome calculateRightPyramid(const QStringList &fieldTexts, qint16 given);
// Mode 12: the circular ring (torus) from r and R.
Outcome calculateCircularRing(const QStringList &fieldTexts, qint16 given);

} // namespace Zyntra
