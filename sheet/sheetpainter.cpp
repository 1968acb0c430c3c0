#include "sheetpainter.h"

#include <QFont>
#include <QFontMetricsF>
#include <QPainter>
#include <QPolygonF>

#include <algorithm>
#include <array>
#include <cmath>
#include <limits>
#include <numbers>

namespace Zyntra {

namespace {

// Lengths on the sheet, in logical pixels.
constexpr double Margin = 8;
constexpr double Clearance = 14;   // from the outline to a dimension line standing off it
constexpr double Overshoot = 4;    // of extension lines beyond their dimension line
constexpr double ExtensionGap = 3; // between a measured point and its extension line
constexpr double ArrowLength = 8;
constexpr double ArrowHalfWidth = 2.8;
constexpr double LabelGap = 4;
constexpr double Padding = 2;
constexpr double ArcRadius = 24;
constexpr double RightMark = 11;
constexpr double HatchSpacing = 7;
constexpr int FontPixels = 13;

QFont sheetFont()
{
    QFont font;
    font.setPixelSize(FontPixels);
    return font;
}

double length(QPointF v)
{
    return std::hypot(v.x(), v.y());
}

QPointF unit(QPointF v, QPointF otherwise = {1, 0})
{
    const double size = length(v);
    return size > 0 ? v / size : otherwise;
}

// A direction in the figure, turned into the painter's y-down coordinates.
QPointF onSheet(QPointF direction)
{
    return {direction.x(), -direction.y()};
}

QPointF direction(double degrees)
{
    const double angle = degrees * std::numbers::pi / 180;
    return {std::cos(angle), std::sin(angle)};
}

// How far a box centred on a line reaches across it along `normal`.
double across(QSizeF box, QPointF normal)
{
    return std::abs(normal.x()) * box.width() / 2 + std::abs(normal.y()) * box.height() / 2;
}

struct Dimension {
    QPointF from; // the measured points moved out by the reach, in figure units
    QPointF to;
    QPointF along;       // on the sheet, from `from` to `to`
    QPointF normal;      // on the sheet, towards the dimension's side; none when on the line
    double standOff = 0; // pixels beyond from and to
};

Dimension dimensionOf(const SheetDimension &dimension)
{
    const QPointF unitAlong = unit(dimension.to - dimension.from);
    QPointF normal;
    if (dimension.side == SheetSide::Right)
        normal = {unitAlong.y(), -unitAlong.x()};
    else if (dimension.side == SheetSide::Left)
        normal = {-unitAlong.y(), unitAlong.x()};
    const QPointF out = normal * dimension.reach;
    return {dimension.from + out, dimension.to + out, onSheet(unitAlong), onSheet(normal),
            dimension.side == SheetSide::On ? 0 : Clearance};
}

// Something that lands at a figure point plus a box in pixels around it.
struct Piece {
    QPointF anchor;
    QRectF box;
};

// Text in a box of `size`, turned clockwise by `tilt` degrees about its middle.
struct Text {
    QString text;
    QSizeF size;
    double tilt = 0;
};

struct Label {
    std::vector<Piece> places; // boxes holding the turned text, the best first
    size_t chosen = 0;
    Text text;
    const Piece &place() const { return places[chosen]; }
};

struct Placed {
    QRectF box; // on the sheet, holding the turned text
    Text text;
};

struct Arrangement {
    QTransform transform;
    std::vector<Placed> labels; // in the order of the figure's shapes; notes last
};

QRectF boxAround(QPointF centre, QSizeF size)
{
    return {centre - QPointF(size.width(), size.height()) / 2, size};
}

// Collects what each shape puts on the sheet, before the scale is known.
class Arranger {
public:
    explicit Arranger(const QRectF &area)
        : m_metrics(sheetFont())
        , m_widest(std::max(60.0, area.width() - 2 * Margin))
    {}

    QSizeF sizeOf(QString &text) const
    {
        text = m_metrics.elidedText(text, Qt::ElideRight, m_widest);
        return {m_metrics.horizontalAdvance(text) + 2 * Padding, m_metrics.height() + 2 * Padding};
    }

    // The label of a shape, its box pushed off the anchor along `away` until
    // clear of it and of the arms of an angle narrower than a half turn; an
    // angle's label may also stand outside it, beyond its vertex.
    Label *label(QPointF anchor, QPointF away, double distance, QString text, std::array<QPointF, 2> arms = {},
                 double tilt = 0)
    {
        if (text.isEmpty())
            return nullptr;
        const QSizeF size = sizeOf(text);
        const QRectF box = QTransform().rotate(tilt).mapRect(boxAround({}, size));
        if (!away.isNull())
            distance += LabelGap + across(size, away);
        for (const QPointF &arm : arms) {
            const double sine = std::abs(away.x() * arm.y() - away.y() * arm.x());
            if (QPointF::dotProduct(away, arm) > 0 && sine > 0) {
                const double clear = (across(size, QPointF(-arm.y(), arm.x())) + LabelGap) / sine;
                distance = std::max(distance, std::min(clear, 6 * ArcRadius));
            }
        }
        Label label{{{anchor, box.translated(away * distance)}}, 0, {text, size, tilt}};
        if (!arms[0].isNull())
            label.places.push_back({anchor, box.translated(-away * (LabelGap + across(size, away)))});
        labels.push_back(label);
        return &labels.back();
    }

    void add(const SheetShape &shape)
    {
        if (const auto *outline = std::get_if<SheetOutline>(&shape)) {
            const QRectF bounds = outline->path.boundingRect();
            const QRectF pen(-2, -2, 4, 4);
            for (const QPointF &corner :
                 {bounds.topLeft(), bounds.topRight(), bounds.bottomLeft(), bounds.bottomRight()})
                pieces.push_back({corner, pen});
        } else if (const auto *dimension = std::get_if<SheetDimension>(&shape)) {
            const Dimension at = dimensionOf(*dimension);
            const QRectF end = boxAround(at.normal * (at.standOff + Overshoot), {4, 4});
            pieces.push_back({at.from, end});
            pieces.push_back({at.to, end});
            const QPointF middle = at.from + (at.to - at.from) * dimension->labelAt;
            if (at.normal.isNull()) {
                // Written along a slanting line, so that it stays narrow across it.
                double tilt = std::atan2(at.along.y(), at.along.x()) * 180 / std::numbers::pi;
                tilt += tilt > 90 ? -180 : (tilt <= -90 ? 180 : 0);
                // Elsewhere along the line, should that place be taken.
                if (Label *onLine = label(middle, {}, 0, dimension->label, {}, std::abs(tilt) < 89 ? tilt : 0)) {
                    for (const double shift : {-0.15, 0.15, -0.3, 0.3}) {
                        const double along = std::clamp(dimension->labelAt + shift, 0.15, 0.85);
                        onLine->places.push_back({at.from + (at.to - at.from) * along, onLine->places[0].box});
                    }
                }
            } else {
                label(middle, at.normal, at.standOff, dimension->label);
            }
        } else if (const auto *angle = std::get_if<SheetAngle>(&shape)) {
            const double radius = angle->right ? RightMark * std::numbers::sqrt2 : ArcRadius;
            pieces.push_back({angle->vertex, boxAround({}, {2 * radius, 2 * radius})});
            label(angle->vertex, onSheet(direction(angle->start + angle->span / 2)), radius, angle->label,
                  {onSheet(direction(angle->start)), onSheet(direction(angle->start + angle->span))});
        } else if (const auto *text = std::get_if<SheetText>(&shape)) {
            label(text->at, onSheet(unit(text->away, {})), 0, text->text);
        }
    }

    std::vector<Piece> pieces; // all but the labels
    std::vector<Label> labels;

private:
    const QFontMetricsF m_metrics;
    const double m_widest; // only a label wider than the whole drawing is cut short
};

constexpr double Infinity = std::numeric_limits<double>::infinity();

struct Bounds {
    double left = Infinity, top = Infinity, right = -Infinity, bottom = -Infinity;
    void add(const QRectF &box)
    {
        left = std::min(left, box.left());
        top = std::min(top, box.top());
        right = std::max(right, box.right());
        bottom = std::max(bottom, box.bottom());
    }
};

Bounds boundsAt(const std::vector<Piece> &pieces, double scale)
{
    Bounds bounds;
    for (const Piece &piece : pieces)
        bounds.add(piece.box.translated(scale * piece.anchor.x(), -scale * piece.anchor.y()));
    return bounds;
}

QRectF placed(const Label &label, const QTransform &transform, size_t place)
{
    return label.places[place].box.translated(transform.map(label.places[place].anchor));
}

QRectF placed(const Label &label, const QTransform &transform)
{
    return placed(label, transform, label.chosen);
}

// The largest scale at which the drawing and its labels fit the room, centred in it.
QTransform fit(const Arranger &arranger, const QRectF &drawing, const QRectF &room)
{
    std::vector<Piece> pieces = arranger.pieces;
    for (const Label &label : arranger.labels)
        pieces.push_back(label.place());
    const auto fits = [&](double scale) {
        const Bounds bounds = boundsAt(pieces, scale);
        return bounds.right - bounds.left <= room.width() && bounds.bottom - bounds.top <= room.height();
    };
    double most = 1;
    if (drawing.width() > 0 || drawing.height() > 0)
        most = std::min(drawing.width() > 0 ? room.width() / drawing.width() : Infinity,
                        drawing.height() > 0 ? room.height() / drawing.height() : Infinity);
    if (!std::isfinite(most) || most <= 0)
        most = 1; // an empty room or a broken drawing: nothing sensible to fit
    double scale = most;
    if (!fits(most)) {
        double least = 0;
        for (int i = 0; i < 48; ++i) {
            const double middle = (least + most) / 2;
            (fits(middle) ? least : most) = middle;
        }
        // Labels too long for the room: the figure keeps a readable size and the rest is clipped.
        scale = std::max(least, scale * 0.2);
    }
    const Bounds bounds = boundsAt(pieces, scale);
    const QPointF shift = room.center() - QPointF(bounds.left + bounds.right, bounds.top + bounds.bottom) / 2;
    return QTransform(scale, 0, 0, -scale, shift.x(), shift.y());
}

bool crosses(const QRectF &box, const QLineF &line)
{
    if (box.contains(line.p1()) || box.contains(line.p2()))
        return true;
    const QPointF corners[] = {box.topLeft(), box.topRight(), box.bottomRight(), box.bottomLeft()};
    for (int i = 0; i < 4; ++i)
        if (line.intersects(QLineF(corners[i], corners[(i + 1) % 4]), nullptr) == QLineF::BoundedIntersection)
            return true;
    return false;
}

// Moves each label whose box crosses a drawn edge, a dimension line or an earlier label to its
// first place clear of both, if it has one; whether any moved.
bool movedClear(std::vector<Label> &labels, const SheetFigure &figure, const QTransform &transform)
{
    std::vector<QLineF> edges;
    for (const SheetShape &shape : figure.shapes) {
        if (const auto *outline = std::get_if<SheetOutline>(&shape); outline && outline->line != SheetLine::Guide) {
            for (const QPolygonF &polygon : transform.map(outline->path).toSubpathPolygons())
                for (qsizetype i = 1; i < polygon.size(); ++i)
                    edges.emplace_back(polygon[i - 1], polygon[i]);
        } else if (const auto *dimension = std::get_if<SheetDimension>(&shape);
                   dimension && dimension->side != SheetSide::On) {
            // A dimension line beside the figure is a line too; one along
            // the figure carries its own label.
            const Dimension at = dimensionOf(*dimension);
            edges.emplace_back(transform.map(at.from) + at.normal * at.standOff,
                               transform.map(at.to) + at.normal * at.standOff);
        }
    }
    std::vector<QRectF> taken;
    const auto blocked = [&](const QRectF &box) {
        return std::any_of(edges.begin(), edges.end(), [&](const QLineF &edge) { return crosses(box, edge); })
               || std::any_of(taken.begin(), taken.end(), [&](const QRectF &other) { return other.intersects(box); });
    };
    bool moved = false;
    for (Label &label : labels) {
        for (size_t place = 1; place < label.places.size() && blocked(placed(label, transform)); ++place) {
            if (!blocked(placed(label, transform, place))) {
                label.chosen = place;
                moved = true;
            }
        }
        taken.push_back(placed(label, transform));
    }
    return moved;
}

Arrangement arrange(const SheetFigure &figure, const QRectF &area)
{
    Arranger arranger(area);
    QRectF drawing;
    for (const SheetShape &shape : figure.shapes) {
        arranger.add(shape);
        if (const auto *outline = std::get_if<SheetOutline>(&shape))
            drawing = drawing.isNull() ? outline->path.boundingRect() : drawing.united(outline->path.boundingRect());
    }

    // Notes stack in the top left corner, above the figure.
    QRectF room = area.adjusted(Margin, Margin, -Margin, -Margin);
    std::vector<Placed> notes;
    for (const SheetShape &shape : figure.shapes) {
        if (const auto *note = std::get_if<SheetNote>(&shape)) {
            QString text = note->text;
            const QSizeF size = arranger.sizeOf(text);
            notes.push_back({QRectF(room.topLeft(), size), {text, size}});
            room.setTop(room.top() + size.height() + LabelGap);
        }
    }

    QTransform transform = fit(arranger, drawing, room);
    // An angle's label that lands on an edge or on another label stands outside the angle instead.
    if (std::any_of(arranger.labels.begin(), arranger.labels.end(), [](const Label &l) { return l.places.size() > 1; })
        && movedClear(arranger.labels, figure, transform))
        transform = fit(arranger, drawing, room);

    // A label the figure pushed past the edge moves back in, whole: a value
    // is never cut off.
    const auto inside = [&room](QRectF box) {
        box.moveLeft(std::clamp(box.left(), room.left(), std::max(room.left(), room.right() - box.width())));
        box.moveTop(std::clamp(box.top(), room.top(), std::max(room.top(), room.bottom() - box.height())));
        return box;
    };
    Arrangement arrangement{transform, {}};
    for (const Label &label : arranger.labels)
        arrangement.labels.push_back({inside(placed(label, transform)), label.text});
    arrangement.labels.insert(arrangement.labels.end(), notes.begin(), notes.end());
    return arrangement;
}

// A grey between ink (0) and paper (255), as it would be on white paper.
QColor shade(const SheetPaper &colours, int grey)
{
    const auto mix = [grey](int ink, int paper) { return ink + (paper - ink) * grey / 255; };
    const QColor &ink = colours.ink;
    const QColor &paper = colours.paper;
    return QColor(mix(ink.red(), paper.red()), mix(ink.green(), paper.green()), mix(ink.blue(), paper.blue()));
}

QPen penFor(SheetLine line, const SheetPaper &colours)
{
    switch (line) {
    case SheetLine::Hidden: {
        QPen pen(colours.ink, 1.2, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
        pen.setDashPattern({2.5, 2.5});
        return pen;
    }
    case SheetLine::Guide: {
        QPen pen(shade(colours, 70), 0.9, Qt::CustomDashLine, Qt::FlatCap, Qt::RoundJoin);
        pen.setDashPattern({12, 3, 2, 3});
        return pen;
    }
    case SheetLine::Solid:
        break;
    }
    return QPen(colours.ink, 1.8, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void hatch(QPainter &painter, const QPainterPath &path, const SheetPaper &colours)
{
    painter.save();
    painter.setClipPath(path, Qt::IntersectClip);
    painter.setPen(QPen(shade(colours, 150), 0.8));
    // Only where the hatching can show, and never more lines than a page could hold.
    const QPaintDevice *device = painter.device();
    const QRectF onDevice =
        painter.combinedTransform().inverted().mapRect(QRectF(0, 0, device->width(), device->height()));
    const QRectF bounds = path.boundingRect() & painter.clipBoundingRect() & onDevice;
    const double spacing = std::max(HatchSpacing, (bounds.width() + bounds.height()) / 4000);
    for (double x = bounds.left() - bounds.height(); x < bounds.right(); x += spacing)
        painter.drawLine(QPointF(x, bounds.bottom()), QPointF(x + bounds.height(), bounds.top()));
    painter.restore();
}

void arrowhead(QPainter &painter, QPointF tip, QPointF pointing, double size)
{
    const QPointF side(-pointing.y(), pointing.x());
    const QPointF back = tip - pointing * size;
    painter.drawPolygon(QPolygonF{tip, back + side * ArrowHalfWidth * size / ArrowLength,
                                  back - side * ArrowHalfWidth * size / ArrowLength});
}

void paintDimension(QPainter &painter, const QTransform &transform, const SheetDimension &shape,
                    const SheetPaper &colours)
{
    const Dimension at = dimensionOf(shape);
    const QPointF start = transform.map(at.from) + at.normal * at.standOff;
    const QPointF end = transform.map(at.to) + at.normal * at.standOff;
    painter.setPen(QPen(colours.ink, 0.8));
    if (!at.normal.isNull()) {
        for (const auto &[measured, foot] :
             {std::pair{transform.map(shape.from), start}, std::pair{transform.map(shape.to), end}}) {
            if (QPointF::dotProduct(foot - measured, at.normal) > ExtensionGap)
                painter.drawLine(measured + at.normal * ExtensionGap, foot + at.normal * Overshoot);
        }
    }
    const double span = length(end - start);
    if (span < 1)
        return;
    painter.setPen(QPen(colours.ink, 1.0));
    painter.drawLine(start, end);
    painter.setPen(Qt::NoPen);
    painter.setBrush(colours.ink);
    const double size = std::min(ArrowLength, span / 3);
    const QPointF pointing = (end - start) / span;
    arrowhead(painter, start, -pointing, size);
    arrowhead(painter, end, pointing, size);
    painter.setBrush(Qt::NoBrush);
}

void paintAngle(QPainter &painter, const QTransform &transform, const SheetAngle &shape, const SheetPaper &colours)
{
    const QPointF vertex = transform.map(shape.vertex);
    painter.setPen(QPen(colours.ink, 1.0));
    if (shape.right) {
        const QPointF first = onSheet(direction(shape.start)) * RightMark;
        const QPointF second = onSheet(direction(shape.start + 90)) * RightMark;
        painter.drawPolyline(QPolygonF{vertex + first, vertex + first + second, vertex + second});
        return;
    }
    // On the y-down sheet Qt turns positive angles counter-clockwise, as the figure does.
    const QRectF circle = boxAround(vertex, {2 * ArcRadius, 2 * ArcRadius});
    QPainterPath arc;
    arc.arcMoveTo(circle, shape.start);
    arc.arcTo(circle, shape.start, shape.span);
    painter.drawPath(arc);
}

} // namespace

SheetLayout layOutSheetFigure(const SheetFigure &figure, const QRectF &area)
{
    const Arrangement arrangement = arrange(figure, area);
    SheetLayout layout{arrangement.transform, {}, {}, {}};
    for (const SheetShape &shape : figure.shapes)
        if (const auto *outline = std::get_if<SheetOutline>(&shape))
            layout.outlines.append(arrangement.transform.map(outline->path));
    for (const Placed &label : arrangement.labels) {
        layout.labels.append(label.box);
        layout.texts.append(label.text.text);
    }
    return layout;
}

void paintSheetFigure(QPainter &painter, const SheetFigure &figure, const QRectF &area, const SheetPaper &colours)
{
    painter.save();
    painter.setClipRect(area, Qt::IntersectClip);
    painter.fillRect(area, colours.paper);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    painter.setFont(sheetFont());

    const Arrangement arrangement = arrange(figure, area);
    const QTransform &transform = arrangement.transform;
    for (const SheetShape &shape : figure.shapes)
        if (const auto *outline = std::get_if<SheetOutline>(&shape); outline && outline->hatched)
            hatch(painter, transform.map(outline->path), colours);
    // Guides under hidden edges under visible ones.
    painter.setBrush(Qt::NoBrush);
    for (const SheetLine line : {SheetLine::Guide, SheetLine::Hidden, SheetLine::Solid}) {
        painter.setPen(penFor(line, colours));
        for (const SheetShape &shape : figure.shapes)
            if (const auto *outline = std::get_if<SheetOutline>(&shape); outline && outline->line == line)
                painter.drawPath(transform.map(outline->path));
    }
    for (const SheetShape &shape : figure.shapes) {
        if (const auto *dimension = std::get_if<SheetDimension>(&shape))
            paintDimension(painter, transform, *dimension, colours);
        else if (const auto *angle = std::get_if<SheetAngle>(&shape))
            paintAngle(painter, transform, *angle, colours);
    }
    // Labels last, each on a white ground so that no line runs through its text.
    painter.setPen(colours.ink);
    for (const Placed &label : arrangement.labels) {
        painter.save();
        painter.translate(label.box.center());
        painter.rotate(label.text.tilt);
        const QRectF box = boxAround({}, label.text.size);
        painter.fillRect(box, colours.paper);
        painter.drawText(box, Qt::AlignCenter | Qt::TextDontClip, label.text.text);
        painter.restore();
    }
    painter.restore();
}

} // namespace Zyntra
