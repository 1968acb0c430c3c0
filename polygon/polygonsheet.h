#pragma once

namespace Zyntra {

class Sheet;

// The regular polygons' sheet builder, named by its figure's catalogue entry.
void regularPolygonsSheet(Sheet &sheet);

} // namespace Zyntra
