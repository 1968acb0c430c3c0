#include "rttrianglesheet.h"

#include "sheet/sheetbuilder.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace Zyntra {

// The right angle C at the lower left, A at the lower right, B at the top.
void rightTriangleSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Right triangle"));
    const double a = sheet.value(u"a");
    const double b = sheet.value(u"b");
    const double c = sheet.value(u"c");
    const double angleA = sheet.value(u"A");
    const double angleB = sheet.value(u"B");
    sheet.fits({a, b, c},
               std::abs(std::hypot(a, b) - c) <= 0.01 * c && inOpenRange(angleA, 0, 90) && inOpenRange(angleB, 0, 90));
    const auto [up, along] = sheet.drawn<2>({a, b}, {3, 4});
    const double drawnA = degrees(std::atan2(up, along));
    sheet.outline(polygon({{0, 0}, {along, 0}, {0, up}}), SheetLine::Solid, true);
    // In the order a reader takes them: sides, then angles.
    sheet.dimension({0, up}, {0, 0}, SheetSide::Right, sheet.label(QStringLiteral("a"), a));
    sheet.dimension({0, 0}, {along, 0}, SheetSide::Right, sheet.label(QStringLiteral("b"), b));
    sheet.dimension({along, 0}, {0, up}, SheetSide::Right, sheet.label(QStringLiteral("c"), c));
    sheet.angle({along, 0}, 180 - drawnA, drawnA, sheet.label(QStringLiteral("A"), angleA, true));
    sheet.angle({0, up}, 270, 90 - drawnA, sheet.label(QStringLiteral("B"), angleB, true));
    sheet.rightAngle({0, 0}, 0);
}

} // namespace Zyntra
