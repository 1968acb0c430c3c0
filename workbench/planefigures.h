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

// The figures after the separator name each value by a letter constant,
// in their declarations, sheets and calculations alike, and each field by
// its spoken name (`Spoken::a`), as a screen reader and a refusal say it.
// The words are marked for the workbench's German catalogue.

// Option 0 side a and angle θ, option 1 the diagonals p and q; p joins
// the corners of θ. A value that fits no rhombus warns, naming its field.
namespace Rhombus {
constexpr const char *a = "a", *theta = "θ", *p = "p", *q = "q", *h = "h", *Area = QT_TRANSLATE_NOOP("Figures", "Area"),
                     *Perimeter = QT_TRANSLATE_NOOP("Figures", "Perimeter");
namespace Spoken {
constexpr const char *a = QT_TRANSLATE_NOOP("Figures", "Side a"), *theta = QT_TRANSLATE_NOOP("Figures", "Angle Theta"),
                     *p = QT_TRANSLATE_NOOP("Figures", "Diagonal p"), *q = QT_TRANSLATE_NOOP("Figures", "Diagonal q");
}
} // namespace Rhombus
Outcome calculateRhombus(const QStringList &fieldTexts, qint16 given);
// Option 0 the diagonals p and q alone, option 1 the sides a and b and the
// angle θ between them; p is the axis, from the corner between the two
// sides a to the corner between the two sides b, and q crosses it.
namespace Kite {
constexpr const char *p = "p", *q = "q", *a = "a", *b = "b", *theta = "θ", *Area = QT_TRANSLATE_NOOP("Figures", "Area"),
                     *Perimeter = QT_TRANSLATE_NOOP("Figures", "Perimeter");
namespace Spoken {
constexpr const char *p = QT_TRANSLATE_NOOP("Figures", "Diagonal p"), *q = QT_TRANSLATE_NOOP("Figures", "Diagonal q"),
                     *a = QT_TRANSLATE_NOOP("Figures", "Side a"), *b = QT_TRANSLATE_NOOP("Figures", "Side b"),
                     *theta = QT_TRANSLATE_NOOP("Figures", "Angle Theta");
}
} // namespace Kite
Outcome calculateKite(const QStringList &fieldTexts, qint16 given);

} // namespace Zyntra
