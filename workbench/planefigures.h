#pragma once

#include "entry/calculation.h"

namespace Zyntra {

// The plane figures of the workbench, without a window: the texts of the
// five value fields and the option in force (intGiven) in, the answers by
// row out. Every answer is "#.00#".

// Both tested fields empty gives formatted zeros, not Outcome::zeros().
Outcome calculateRectangle(const QStringList &fieldTexts, qint16 given);
Outcome calculateParallelogram(const QStringList &fieldTexts, qint16 given);
Outcome calculateTrapezoid(const QStringList &fieldTexts, qint16 given);
Outcome calculateQuadrilateral(const QStringList &fieldTexts, qint16 given);
Outcome calculateAnnulus(const QStringList &fieldTexts, qint16 given);
Outcome calculateTrapezium(const QStringList &fieldTexts, qint16 given);
Outcome calculateEqTriangle(const QStringList &fieldTexts, qint16 given);

} // namespace Zyntra
