#pragma once

namespace Zyntra {

class Sheet;

// The right triangle's sheet builder, named by its figure's catalogue entry.
void rightTriangleSheet(Sheet &sheet);

} // namespace Zyntra
