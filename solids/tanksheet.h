#pragma once

namespace Zyntra {

class Sheet;

// The tank's sheet builder, named by its figure's catalogue entry: the tank
// cut across, to scale, with the liquid hatched to its depth.
void tankSheet(Sheet &sheet);

} // namespace Zyntra
