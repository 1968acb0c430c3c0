#include "spheresheet.h"

#include "sheet/sheetbuilder.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace Zyntra {

// A ball seen from a little above its equator.
void sphereSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Sphere"));
    const double r = sheet.value(u"r");
    const double radius = sheet.fits({r}) ? r : 2;
    sheet.outline(ellipse({0, 0}, radius, radius));
    levelCircle(sheet, 0, radius); // the equator
    sheet.dimension({-radius, 0}, {radius, 0}, SheetSide::Right, sheet.label(QStringLiteral("d"), sheet.value(u"d")));
    sheet.dimension({0, 0}, polar(radius, 50), SheetSide::On, sheet.label(QStringLiteral("r"), r));
}

} // namespace Zyntra
