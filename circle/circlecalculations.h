#pragma once

#include "entry/calculation.h"

namespace Zyntra {

// Which member of the circle family the window shows (intCircleMode).
namespace CircleMode {
constexpr qint16 Circle = 0;
constexpr qint16 Sections = 1;
constexpr qint16 Ellipse = 2;
} // namespace CircleMode

// Under Circle, intGiven says what field 0 holds.
namespace CircleGiven {
constexpr qint16 Radius = 0;
constexpr qint16 Diameter = 1;
constexpr qint16 Circumference = 2;
constexpr qint16 Area = 3;
} // namespace CircleGiven

// Under Circle Sections, intGiven says which section is chosen.
namespace CircleSection {
constexpr qint16 Sector = 0;
constexpr qint16 Segment = 1;
constexpr qint16 HollowSector = 2;
} // namespace CircleSection

// The circle's own pi; the sections and the ellipse keep their typed 3.14.
constexpr double CirclePi = 3.14159265358979;

// Each calculation takes the texts of txtGivenValue 0 to 2 and the option
// in force, and gives the texts of lblAnswer 0 to 3.

// Field 0 holds the value the option names; an empty field shows
// formatted zeros.
Outcome calculateCircle(const QStringList &fieldTexts, qint16 given);
// The option chooses the section; one without a calculation answers nothing.
Outcome calculateCircleSections(const QStringList &fieldTexts, qint16 given);
// The sections and the ellipse have no options of their own.
// Radius and angle in degrees; either empty shows the text 0 in every row.
Outcome calculateCircleSector(const QStringList &fieldTexts, qint16 option);
Outcome calculateCircleSegment(const QStringList &fieldTexts, qint16 option);
// Outer radius, inner radius and angle in degrees.
Outcome calculateHollowSector(const QStringList &fieldTexts, qint16 option);
// Semi-axes a and b.
Outcome calculateEllipse(const QStringList &fieldTexts, qint16 option);

// What CALCULATE runs for a family member and its option; no answers at
// all when the member has no calculation. Under Circle it first sets the
// window's pi to CirclePi (the full pi under exact constants); the others
// leave pi alone.
Outcome calculateCircleFamily(const QStringList &fieldTexts, qint16 circleMode, qint16 given, double &pi);

} // namespace Zyntra
