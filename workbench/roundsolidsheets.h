#pragma once

namespace Zyntra {

class Sheet;

// The sheet builders of the workbench's round solids after the separator
// of "3D Objects", each named by its figure's catalogue entry.
void coneFrustumSheet(Sheet &sheet);
void hollowCylinderSheet(Sheet &sheet);
void ellipsoidSheet(Sheet &sheet);
void capsuleSheet(Sheet &sheet);

} // namespace Zyntra
