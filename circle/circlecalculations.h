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

// Each routine takes the texts of txtGivenValue 0 to 2 and gives the texts
// of lblAnswer 0 to 3.

// Field 0 holds the value intGiven names. Sets pi before using it; an
// empty field shows formatted zeros.
Outcome CalculateCircle(const QStringList &fieldTexts, qint16 intGiven, double &pi);
// Radius and angle in degrees; either empty shows the text 0 in every row.
Outcome CalculateCircleSection(const QStringList &fieldTexts);
Outcome CalculateCircleSegment(const QStringList &fieldTexts);
// Outer radius, inner radius and angle in degrees.
Outcome CalculateHollowSec(const QStringList &fieldTexts);
// Semi-axes a and b.
Outcome CalculateEllipse(const QStringList &fieldTexts);

// What CALCULATE runs for a family member and its option; no answers at
// all when the pair has no routine.
Outcome calculateCircleFamily(const QStringList &fieldTexts, qint16 circleMode, qint16 intGiven, double &pi);

} // namespace Zyntra
