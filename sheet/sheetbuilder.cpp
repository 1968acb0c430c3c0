#include "sheetbuilder.h"

#include "entry/numericentry.h"

#include <QPolygonF>
#include <QRectF>

namespace Zyntra {

double radians(double degrees)
{
    return degrees * Pi / 180;
}
double degrees(double radians)
{
    return radians * 180 / Pi;
}

QPointF polar(double radius, double angle, QPointF centre)
{
    return centre + QPointF(radius * std::cos(radians(angle)), radius * std::sin(radians(angle)));
}

bool inOpenRange(double value, double low, double high)
{
    return std::isfinite(value) && low < value && value < high;
}

QString label(const QString &name, double value, const QString &shown, const QString &unit)
{
    if (!std::isfinite(value))
        return name;
    const QString text = value == 0        ? QStringLiteral("0")
                         : shown.isEmpty() ? formatResult(value, Pattern::TwoOrThreeDecimals)
                                           : shown;
    return name + QStringLiteral(" = ") + text + unit;
}

QPainterPath polygon(const QList<QPointF> &corners)
{
    QPainterPath path;
    path.addPolygon(QPolygonF(corners));
    path.closeSubpath();
    return path;
}

QPainterPath line(QPointF from, QPointF to)
{
    QPainterPath path(from);
    path.lineTo(to);
    return path;
}

void arcTo(QPainterPath &path, QPointF centre, double radius, double start, double span)
{
    path.arcTo(QRectF(centre - QPointF(radius, radius), centre + QPointF(radius, radius)), -start, -span);
}

QPainterPath ellipse(QPointF centre, double rx, double ry)
{
    QPainterPath path;
    path.addEllipse(centre, rx, ry);
    return path;
}

namespace {

Point3 minus(Point3 a, Point3 b)
{
    return {a.x - b.x, a.y - b.y, a.z - b.z};
}
Point3 cross(Point3 a, Point3 b)
{
    return {a.y * b.z - a.z * b.y, a.z * b.x - a.x * b.z, a.x * b.y - a.y * b.x};
}
double dot(Point3 a, Point3 b)
{
    return a.x * b.x + a.y * b.y + a.z * b.z;
}

} // namespace

void solid(Sheet &sheet, const std::vector<Point3> &corners, const std::vector<std::vector<int>> &faces)
{
    Point3 centre{0, 0, 0};
    for (const Point3 &corner : corners)
        centre = {centre.x + corner.x / double(corners.size()), centre.y + corner.y / double(corners.size()),
                  centre.z + corner.z / double(corners.size())};

    struct Edge {
        int from, to;
        bool seen;
    };
    std::vector<Edge> edges;
    for (const std::vector<int> &face : faces) {
        Point3 normal = cross(minus(corners[size_t(face[1])], corners[size_t(face[0])]),
                              minus(corners[size_t(face[2])], corners[size_t(face[0])]));
        if (dot(normal, minus(corners[size_t(face[0])], centre)) < 0)
            normal = {-normal.x, -normal.y, -normal.z};
        const bool seen = Cabinet.sees(normal);
        for (size_t i = 0; i < face.size(); ++i) {
            const int from = std::min(face[i], face[(i + 1) % face.size()]);
            const int to = std::max(face[i], face[(i + 1) % face.size()]);
            const auto known = std::find_if(edges.begin(), edges.end(),
                                            [&](const Edge &edge) { return edge.from == from && edge.to == to; });
            if (known == edges.end())
                edges.push_back({from, to, seen});
            else
                known->seen = known->seen || seen;
        }
    }
    QPainterPath seen;
    QPainterPath hidden;
    for (const Edge &edge : edges) {
        QPainterPath &path = edge.seen ? seen : hidden;
        path.moveTo(Cabinet(corners[size_t(edge.from)]));
        path.lineTo(Cabinet(corners[size_t(edge.to)]));
    }
    sheet.outline(seen);
    sheet.outline(hidden, SheetLine::Hidden);
}

namespace {
constexpr int CurveSamples = 144;
} // namespace

void curve(QPainterPath &seenPath, QPainterPath &hiddenPath, const std::function<QPointF(double)> &at,
           const std::function<bool(double)> &seen)
{
    std::array<QPointF, CurveSamples> points;
    std::array<bool, CurveSamples> shows;
    for (int i = 0; i < CurveSamples; ++i) {
        const double t = 2 * Pi * i / CurveSamples;
        points[size_t(i)] = at(t);
        shows[size_t(i)] = seen(t);
    }
    const auto previous = [](int i) { return size_t((i + CurveSamples - 1) % CurveSamples); };
    int first = 0;
    while (first < CurveSamples && shows[size_t(first)] == shows[previous(first)])
        ++first;
    if (first == CurveSamples) {
        QPainterPath &path = shows[0] ? seenPath : hiddenPath;
        path.addPolygon(QPolygonF(QList<QPointF>(points.begin(), points.end())));
        path.closeSubpath();
        return;
    }
    // Each run ends on the sample where the next one begins, leaving no gap.
    QPainterPath *path = nullptr;
    for (int step = 0; step <= CurveSamples; ++step) {
        const int i = (first + step) % CurveSamples;
        if (path)
            path->lineTo(points[size_t(i)]);
        if (step < CurveSamples && (step == 0 || shows[size_t(i)] != shows[previous(i)])) {
            path = shows[size_t(i)] ? &seenPath : &hiddenPath;
            path->moveTo(points[size_t(i)]);
        }
    }
}

void rimAcrossX(QPainterPath &seenPath, QPainterPath &hiddenPath, double x, double radius, bool wholeSeen)
{
    const auto at = [&](double t) { return Level({x, radius * std::cos(t), radius * std::sin(t)}); };
    curve(seenPath, hiddenPath, at, [&](double t) { return wholeSeen || Level.sees({0, std::cos(t), std::sin(t)}); });
}

void levelCircle(Sheet &sheet, double y, double radius)
{
    const double flat = 0.3 * radius;
    // QPainterPath turns its angles the other way round in the figure's y-up coordinates.
    const QRectF circle(-radius, y - flat, 2 * radius, 2 * flat);
    QPainterPath front;
    front.arcMoveTo(circle, -180);
    front.arcTo(circle, -180, -180);
    QPainterPath back;
    back.arcMoveTo(circle, 0);
    back.arcTo(circle, 0, -180);
    sheet.outline(front);
    sheet.outline(back, SheetLine::Hidden);
}

} // namespace Zyntra
