#include "sheetbuilder.h"

#include <QPolygonF>
#include <QRectF>

#include <algorithm>
#include <cmath>
#include <utility>

namespace Zyntra {

namespace {

// Outside these sizes the squares taken while drawing would leave the range of a double.
constexpr double SmallestExtent = 1e-150;
constexpr double LargestExtent = 1e150;

bool finite(QPointF point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

// Whether the drawing stays within what a sheet can show truthfully: finite
// throughout, and its outline neither a sliver nor out of a double's range.
bool drawable(const SheetFigure &figure)
{
    QRectF extent;
    bool finiteThroughout = true;
    for (const SheetShape &shape : figure.shapes) {
        if (const auto *outline = std::get_if<SheetOutline>(&shape)) {
            const QRectF bounds = outline->path.boundingRect();
            finiteThroughout = finiteThroughout && finite(bounds.topLeft()) && finite(bounds.bottomRight());
            if (outline->line != SheetLine::Guide)
                extent = extent.isNull() ? bounds : extent.united(bounds);
        } else if (const auto *dimension = std::get_if<SheetDimension>(&shape)) {
            finiteThroughout = finiteThroughout && finite(dimension->from) && finite(dimension->to)
                               && std::isfinite(dimension->reach) && std::isfinite(dimension->labelAt);
        } else if (const auto *angle = std::get_if<SheetAngle>(&shape)) {
            finiteThroughout =
                finiteThroughout && finite(angle->vertex) && std::isfinite(angle->start) && std::isfinite(angle->span);
        } else if (const auto *text = std::get_if<SheetText>(&shape)) {
            finiteThroughout = finiteThroughout && finite(text->at) && finite(text->away);
        }
    }
    const double most = std::max(extent.width(), extent.height());
    const double least = std::min(extent.width(), extent.height());
    return finiteThroughout && most <= LargestExtent && least >= SmallestExtent && most <= least * MostRatio;
}

SheetFigure build(const SheetInput &input, SheetBuilder builder, bool usual)
{
    Sheet sheet(input, usual);
    builder(sheet);
    const QString name = sheet.name();
    SheetFigure figure = sheet.take();
    QStringList labels;
    for (const SheetShape &shape : figure.shapes) {
        if (const auto *dimension = std::get_if<SheetDimension>(&shape))
            labels.append(dimension->label);
        else if (const auto *angle = std::get_if<SheetAngle>(&shape); angle && !angle->right)
            labels.append(angle->label);
        else if (const auto *text = std::get_if<SheetText>(&shape); text && text->text.contains(u'='))
            labels.append(text->text); // a value, not a point's letter
    }
    if (!figure.toScale)
        // Built in place (GCC warns of a moved variant) from a whole note (clang 14
        // builds no aggregate from parentheses).
        figure.shapes.emplace_back(std::in_place_type<SheetNote>, SheetNote{QStringLiteral("not to scale")});
    labels.removeDuplicates(); // a cube's three edges are one a
    figure.description = name + QStringLiteral(" with ") + labels.join(QStringLiteral(", "))
                         + (figure.toScale ? QStringLiteral(", drawn to scale") : QStringLiteral(", not to scale"));
    return figure;
}

} // namespace

QString SheetTable::csv() const
{
    const auto line = [](const QStringList &cells) {
        QStringList quoted;
        for (const QString &cell : cells)
            quoted << (cell.contains(u',') || cell.contains(u'"')
                           ? u'"' + QString(cell).replace(u'"', QStringLiteral("\"\"")) + u'"'
                           : cell);
        return quoted.join(u',');
    };
    QStringList lines{line(columns)};
    for (const QStringList &row : rows)
        lines << line(row);
    return lines.join(u'\n') + u'\n';
}

SheetFigure drawSheetFigure(const SheetInput &input)
{
    if (!input.builder)
        return {{SheetNote{QStringLiteral("no figure")}}, false, QStringLiteral("No figure"), {}};
    SheetFigure figure = build(input, input.builder, false);
    if (figure.toScale && !drawable(figure))
        figure = build(input, input.builder, true);
    return figure;
}

} // namespace Zyntra
