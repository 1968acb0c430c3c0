#pragma once

namespace Zyntra {

class Sheet;

// The sphere's sheet builder, named by its figure's catalogue entry.
void sphereSheet(Sheet &sheet);

} // namespace Zyntra
