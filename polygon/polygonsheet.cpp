#include "polygonsheet.h"

#include "sheet/sheetbuilder.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace Zyntra {

// The ten regular polygons of side a, each standing on a side, in two rows
// of about the same width: 3 to 8 sides above, 9 to 12 below.
void regularPolygonsSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Regular polygons of 3 to 12 sides"));
    const double a = sheet.value(u"a");
    const double side = sheet.fits({a}) ? a : 1;
    const double gap = 0.4 * side;
    double rowTop = 0;
    for (const auto &[fewest, most] : {std::pair{3, 8}, std::pair{9, 12}}) {
        std::vector<QList<QPointF>> row;
        double width = -gap;
        double height = 0;
        for (int sides = fewest; sides <= most; ++sides) {
            QList<QPointF> &corners = row.emplace_back();
            QPointF corner(0, 0);
            for (int j = 0; j < sides; ++j) {
                corners.append(corner);
                corner += polar(side, 360.0 * j / sides);
            }
            const auto [left, right] =
                std::minmax_element(corners.begin(), corners.end(), [](QPointF p, QPointF q) { return p.x() < q.x(); });
            const double shift = width + gap - left->x();
            width += gap + right->x() - left->x();
            for (QPointF &point : corners) {
                point.rx() += shift;
                height = std::max(height, point.y());
            }
        }
        for (QList<QPointF> &corners : row) {
            QPointF centre;
            for (QPointF &point : corners) {
                point += QPointF(-width / 2, rowTop - height);
                centre += point / double(corners.size());
            }
            sheet.outline(polygon(corners), SheetLine::Solid, true);
            sheet.text(centre, {}, QString::number(corners.size()));
        }
        rowTop -= height + 2 * gap;
        if (fewest == 9)
            sheet.dimension(row[0][0], row[0][1], SheetSide::Right, sheet.label(QStringLiteral("a"), a));
    }
}

} // namespace Zyntra
