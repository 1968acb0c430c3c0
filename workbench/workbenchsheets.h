#pragma once

namespace Zyntra {

class Sheet;

// The sheet builders of the workbench's plane figures and solids.
// Each is named by its figure's catalogue entry.
void rectangleSheet(Sheet &sheet);
void parallelogramSheet(Sheet &sheet);
void trapezoidSheet(Sheet &sheet);
void quadrilateralSheet(Sheet &sheet);
void annulusSheet(Sheet &sheet);
void trapeziumSheet(Sheet &sheet);
void eqTriangleSheet(Sheet &sheet);
void cubeSheet(Sheet &sheet); // option 0 cube, 1 parallelepiped
void prismSheet(Sheet &sheet);
void rightCylinderSheet(Sheet &sheet); // option 0 cylinder, 1 frustum
void rightConeSheet(Sheet &sheet);
void rightPyramidSheet(Sheet &sheet);
void circularRingSheet(Sheet &sheet);
void rhombusSheet(Sheet &sheet);
void kiteSheet(Sheet &sheet); // option 0 from its diagonals alone, 1 from a, b and θ
void sphericalCapSheet(Sheet &sheet);

} // namespace Zyntra
