#pragma once

// The nineteen figures' window-free calculations, for the tests that run
// every one of them.
#include "circle/circlecalculations.h"
#include "polygon/polygonareas.h"
#include "solids/solidfigures.h"
#include "solids/spherevalues.h"
#include "triangle/rttriangle.h"
#include "workbench/planefigures.h"

#include <array>

struct Figure {
    const char *name;
    Zyntra::FigureCalculation calculate;
    int labels;     // the window's answer labels: every answer index is below this
    int twoOrThree; // the first answers are "#.00#", the rest "#.0#"
    int options;    // the options the window offers, from 0

    Zyntra::Pattern pattern(int index) const
    {
        return index < twoOrThree ? Zyntra::Pattern::TwoOrThreeDecimals : Zyntra::Pattern::OneOrTwoDecimals;
    }
};

// The workbench's thirteen modes in intSquareMode order, then the circle
// family in intCircleMode order: saved inputs choose a figure by its place.
inline const std::array<Figure, 19> Figures{{
    {"Rectangle", Zyntra::calculateRectangle, 5, 5, 3},
    {"Parallelogram", Zyntra::calculateParallelogram, 5, 5, 2},
    {"Trapezoid", Zyntra::calculateTrapezoid, 5, 5, 1},
    {"Quadrilateral", Zyntra::calculateQuadrilateral, 5, 5, 1},
    {"Annulus", Zyntra::calculateAnnulus, 5, 5, 2},
    {"Trapezium", Zyntra::calculateTrapezium, 5, 5, 1},
    {"Equilateral triangle", Zyntra::calculateEqTriangle, 5, 5, 1},
    {"Cube", Zyntra::calculateCube, 5, 5, 2},
    {"Right prism", Zyntra::calculatePrism, 5, 5, 1},
    {"Right cylinder", Zyntra::calculateRightCyl, 5, 5, 2},
    {"Right cone", Zyntra::calculateRightCone, 5, 5, 1},
    {"Right pyramid", Zyntra::calculateRightPyramid, 5, 5, 1},
    {"Circular ring", Zyntra::calculateCircularRing, 5, 5, 1},
    {"Circle", Zyntra::calculateCircle, 4, 2, 4},
    {"Circle sections", Zyntra::calculateCircleSections, 4, 2, 3},
    {"Ellipse", Zyntra::calculateEllipse, 4, 2, 1},
    {"Sphere", Zyntra::calculateSphere, 5, 2, 5},
    {"Right triangle", Zyntra::calculateRtTriangle, 5, 0, 1},
    {"Regular polygon", Zyntra::calculatePolygonAreas, 10, 10, 1},
}};
