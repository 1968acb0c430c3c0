#pragma once

namespace Zyntra {

class Sheet;

// The sheet builders of the circle family.
// Each is named by its figure's catalogue entry.
void circleSheet(Sheet &sheet);
void circleSectionSheet(Sheet &sheet); // option 0 sector, 1 segment, 2 hollow sector
void ellipseSheet(Sheet &sheet);

} // namespace Zyntra
