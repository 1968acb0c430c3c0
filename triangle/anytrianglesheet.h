#pragma once

namespace Zyntra {

class Sheet;

// Any triangle's sheet builder, named by its figure's catalogue entry.
void anyTriangleSheet(Sheet &sheet);

} // namespace Zyntra
