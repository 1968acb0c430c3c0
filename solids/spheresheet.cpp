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
    const double flat = 0.3 * radius;
    // QPainterPath turns its angles the other way round in the figure's y-up coordinates.
    const QRectF equator(-radius, -flat, 2 * radius, 2 * flat);
    QPainterPath front;
    front.arcMoveTo(equator, -180);
    front.arcTo(equator, -180, -180);
    QPainterPath back;
    back.arcMoveTo(equator, 0);
    back.arcTo(equator, 0, -180);
    sheet.outline(ellipse({0, 0}, radius, radius));
    sheet.outline(front);
    sheet.outline(back, SheetLine::Hidden);
    sheet.dimension({-radius, 0}, {radius, 0}, SheetSide::Right, sheet.label(QStringLiteral("d"), sheet.value(u"d")));
    sheet.dimension({0, 0}, polar(radius, 50), SheetSide::On, sheet.label(QStringLiteral("r"), r));
}

} // namespace Zyntra
