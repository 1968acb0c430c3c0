#include "sheetfigure.h"

#include "entry/numericentry.h"

#include <QLineF>
#include <QPolygonF>
#include <QRectF>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <optional>

namespace Zyntra {

namespace {

constexpr double Pi = std::numbers::pi;
constexpr double Infinity = std::numeric_limits<double>::infinity();

// Lengths further apart than this are not drawn to scale: the smaller would be lost.
constexpr double MostRatio = 50;
// Outside these sizes the squares taken while drawing would leave the range of a double.
constexpr double SmallestExtent = 1e-150;
constexpr double LargestExtent = 1e150;

const QString Theta = QStringLiteral("θ");

double radians(double degrees)
{
    return degrees * Pi / 180;
}
double degrees(double radians)
{
    return radians * 180 / Pi;
}

QPointF polar(double radius, double angle, QPointF centre = {})
{
    return centre + QPointF(radius * std::cos(radians(angle)), radius * std::sin(radians(angle)));
}

bool inOpenRange(double value, double low, double high)
{
    return std::isfinite(value) && low < value && value < high;
}

// "a = 4.0": the value as `shown` writes it, where the window has not.
// A zero reads "0": ".00" says nothing, least of all to a screen reader.
QString label(const QString &name, double value, const QString &shown, bool angle = false)
{
    if (!std::isfinite(value))
        return name;
    const QString text = value == 0        ? QStringLiteral("0")
                         : shown.isEmpty() ? formatResult(value, Pattern::TwoOrThreeDecimals)
                                           : shown;
    return name + QStringLiteral(" = ") + text + (angle ? QStringLiteral("°") : QString());
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

// QPainterPath measures its angles with y pointing down, the figure with y up.
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

bool finite(QPointF point)
{
    return std::isfinite(point.x()) && std::isfinite(point.y());
}

} // namespace

// The builder's view of one figure: its values by letter, and the shapes so far.
class Sheet {
public:
    Sheet(const SheetInput &input, bool usual)
        : m_input(input)
        , m_usual(usual)
    {}

    qint16 option() const { return m_input.option; }

    // The value of a letter; a missing one is not finite, and noted.
    double value(QStringView letter)
    {
        if (const SheetValue *found = find(letter))
            return found->value;
        if (!m_figure.missing.contains(letter))
            m_figure.missing.append(letter.toString());
        return std::numeric_limits<double>::quiet_NaN();
    }

    // The value written as the window showed it: the text of the letter's
    // value, else of another that holds this very value (a cube's b is its
    // a); a value the window did not show is written by the result format.
    QString label(const QString &name, double value, bool angle = false, QStringView letter = {}) const
    {
        const SheetValue *shown = find(letter.isEmpty() ? QStringView(name) : letter);
        if (!shown || shown->value != value || shown->text.isEmpty()) {
            const auto same = std::ranges::find_if(m_input.values, [value](const SheetValue &other) {
                return other.value == value && !other.text.isEmpty();
            });
            shown = same == m_input.values.end() ? nullptr : &*same;
        }
        return Zyntra::label(name, value, shown ? shown->text : QString(), angle);
    }

    // The lengths to draw: the values where they are to scale, else the
    // usual shape's, handed out so that the longer value still gets the
    // longer line and equal values equal lines.
    template <size_t N>
    std::array<double, N> drawn(const std::array<double, N> &values, std::array<double, N> usual) const
    {
        if (m_figure.toScale)
            return values;
        std::vector<size_t> known;
        std::vector<double> lengths;
        for (size_t i = 0; i < N; ++i) {
            if (std::isfinite(values[i])) {
                known.push_back(i);
                lengths.push_back(usual[i]);
            }
        }
        std::ranges::sort(lengths);
        std::ranges::stable_sort(known, [&](size_t i, size_t j) { return values[i] < values[j]; });
        for (size_t rank = 0; rank < known.size(); ++rank)
            usual[known[rank]] =
                rank > 0 && values[known[rank]] == values[known[rank - 1]] ? usual[known[rank - 1]] : lengths[rank];
        return usual;
    }

    // Whether these lengths, and the builder's own conditions, make the
    // figure to scale; otherwise the builder draws its usual shape.
    bool fits(std::initializer_list<double> lengths, bool valid = true)
    {
        double least = Infinity;
        double most = 0;
        for (const double length : lengths) {
            valid = valid && std::isfinite(length) && length > 0;
            least = std::min(least, length);
            most = std::max(most, length);
        }
        m_figure.toScale = !m_usual && valid && most <= least * MostRatio;
        return m_figure.toScale;
    }

    void setName(const QString &name) { m_name = name; }
    const QString &name() const { return m_name; }

    void outline(const QPainterPath &path, SheetLine line = SheetLine::Solid, bool hatched = false)
    {
        m_figure.shapes.push_back(SheetOutline{path, line, hatched});
    }

    // Off the line, the dimension stands just clear of the outlines drawn so
    // far, unless told how far to reach.
    void dimension(QPointF from, QPointF to, SheetSide side, const QString &text, double labelAt = 0.5,
                   std::optional<double> reach = {})
    {
        m_figure.shapes.push_back(
            SheetDimension{from, to, side, reach.value_or(reachBeyond(from, to, side)), labelAt, text});
    }

    void angle(QPointF vertex, double start, double span, const QString &text)
    {
        m_figure.shapes.push_back(SheetAngle{vertex, start, span, false, text});
    }

    void rightAngle(QPointF vertex, double start)
    {
        m_figure.shapes.push_back(SheetAngle{vertex, start, 90, true, {}});
    }

    void text(QPointF at, QPointF away, const QString &text) { m_figure.shapes.push_back(SheetText{at, away, text}); }
    void note(const QString &text) { m_figure.shapes.push_back(SheetNote{text}); }

    SheetFigure take() { return std::move(m_figure); }

private:
    const SheetValue *find(QStringView letter) const
    {
        const auto found =
            std::ranges::find_if(m_input.values, [letter](const SheetValue &value) { return value.letter == letter; });
        return found == m_input.values.end() ? nullptr : &*found;
    }

    double reachBeyond(QPointF from, QPointF to, SheetSide side) const
    {
        const QPointF along = to - from;
        const double length = std::hypot(along.x(), along.y());
        if (side == SheetSide::On || !(length > 0))
            return 0;
        const QPointF unit = along / length;
        const QPointF normal = side == SheetSide::Right ? QPointF(unit.y(), -unit.x()) : QPointF(-unit.y(), unit.x());
        const double slack = length * 1e-9;
        double reach = 0;
        for (const SheetShape &shape : m_figure.shapes) {
            const auto *outline = std::get_if<SheetOutline>(&shape);
            if (!outline || outline->line == SheetLine::Guide)
                continue;
            for (const QPolygonF &polygon : outline->path.toSubpathPolygons()) {
                for (const QPointF &point : polygon) {
                    const QPointF offset = point - from;
                    const double at = QPointF::dotProduct(offset, unit);
                    if (at >= -slack && at <= length + slack)
                        reach = std::max(reach, QPointF::dotProduct(offset, normal));
                }
            }
        }
        return reach;
    }

    const SheetInput &m_input;
    const bool m_usual;
    QString m_name;
    SheetFigure m_figure;
};

namespace {

struct Point3 {
    double x, y, z;
};

// The solids share one cabinet view: x to the right, y up, and depth z away
// from the viewer drawn at half its length, rising to the right at 45°.
constexpr double Recede = 0.5 * std::numbers::sqrt2 / 2;

QPointF cabinet(Point3 p)
{
    return {p.x + Recede * p.z, p.y + Recede * p.z};
}

// The viewer looks at the solids from the front, a little from above and
// from the right, so a face is seen when its outward normal leans that way.
bool facesViewer(Point3 normal)
{
    return Recede * normal.x + Recede * normal.y - normal.z > 0;
}

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

// The edges of a convex solid, dotted where no face the viewer sees holds them.
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
        const bool seen = facesViewer(normal);
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
        path.moveTo(cabinet(corners[size_t(edge.from)]));
        path.lineTo(cabinet(corners[size_t(edge.to)]));
    }
    sheet.outline(seen);
    sheet.outline(hidden, SheetLine::Hidden);
}

constexpr int CurveSamples = 144;

// A closed curve of a round solid, drawn solid where `seen` and dotted elsewhere.
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

} // namespace

void rectangleSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Rectangle"));
    const double a = sheet.value(u"a");
    const double b = sheet.value(u"b");
    sheet.fits({a, b});
    const auto [w, h] = sheet.drawn<2>({a, b}, {4, 2.5});
    sheet.outline(polygon({{0, 0}, {w, 0}, {w, h}, {0, h}}), SheetLine::Solid, true);
    sheet.dimension({0, 0}, {w, 0}, SheetSide::Right, sheet.label(QStringLiteral("a"), a));
    sheet.dimension({w, 0}, {w, h}, SheetSide::Right, sheet.label(QStringLiteral("b"), b));
    sheet.dimension({0, 0}, {w, h}, SheetSide::On, sheet.label(QStringLiteral("Diagonal"), sheet.value(u"Diagonal")));
}

void parallelogramSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Parallelogram"));
    const double a = sheet.value(u"a");
    if (sheet.option() == 1) {
        // Base and height leave the lean open: a quarter of the base reads as a parallelogram.
        const double h = sheet.value(u"h");
        sheet.fits({a, h});
        const auto [w, height] = sheet.drawn<2>({a, h}, {4, 2.2});
        const double lean = w / 4;
        sheet.outline(polygon({{0, 0}, {w, 0}, {w + lean, height}, {lean, height}}), SheetLine::Solid, true);
        sheet.dimension({0, 0}, {w, 0}, SheetSide::Right, sheet.label(QStringLiteral("a"), a));
        sheet.dimension({w + lean, 0}, {w + lean, height}, SheetSide::Right, sheet.label(QStringLiteral("h"), h));
        return;
    }
    const double b = sheet.value(u"b");
    const double theta = sheet.value(Theta);
    const bool fits = sheet.fits({a, b}, inOpenRange(theta, 0, 180));
    const auto [w, slant] = sheet.drawn<2>({a, b}, {4, 2.5});
    const QPointF side = polar(slant, fits ? theta : 60);
    sheet.outline(polygon({{0, 0}, {w, 0}, QPointF(w, 0) + side, side}), SheetLine::Solid, true);
    sheet.dimension({0, 0}, {w, 0}, SheetSide::Right, sheet.label(QStringLiteral("a"), a));
    sheet.dimension({w, 0}, QPointF(w, 0) + side, SheetSide::Right, sheet.label(QStringLiteral("b"), b));
    sheet.angle({0, 0}, 0, fits ? theta : 60, sheet.label(Theta, theta, true));
}

void trapezoidSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Trapezoid"));
    const double a = sheet.value(u"a");
    const double b = sheet.value(u"b");
    const double h = sheet.value(u"h");
    sheet.fits({a, b, h});
    const auto [base, top, height] = sheet.drawn<3>({a, b, h}, {5, 3, 2.5});
    const double right = (base + top) / 2;
    sheet.outline(polygon({{0, 0}, {base, 0}, {right, height}, {right - top, height}}), SheetLine::Solid, true);
    sheet.dimension({0, 0}, {base, 0}, SheetSide::Right, sheet.label(QStringLiteral("a"), a));
    sheet.dimension({right, height}, {right - top, height}, SheetSide::Right, sheet.label(QStringLiteral("b"), b));
    sheet.dimension({right, 0}, {right, height}, SheetSide::Right, sheet.label(QStringLiteral("h"), h));
}

void quadrilateralSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Quadrilateral"));
    const double d1 = sheet.value(u"d1");
    const double d2 = sheet.value(u"d2");
    const double theta = sheet.value(Theta);
    const bool fits = sheet.fits({d1, d2}, inOpenRange(theta, 0, 180));
    const auto [first, second] = sheet.drawn<2>({d1, d2}, {5, 4});
    const double angle = fits ? theta : 70;
    // Only the diagonals and their angle are known; they cross off their middles to look general.
    const QPointF left(-0.42 * first, 0);
    const QPointF right(0.58 * first, 0);
    const QPointF top = polar(0.55 * second, angle);
    const QPointF bottom = polar(-0.45 * second, angle);
    sheet.outline(polygon({left, bottom, right, top}), SheetLine::Solid, true);
    sheet.dimension(left, right, SheetSide::On, sheet.label(QStringLiteral("d1"), d1), 0.75);
    sheet.dimension(bottom, top, SheetSide::On, sheet.label(QStringLiteral("d2"), d2), 0.78);
    sheet.angle({0, 0}, 0, angle, sheet.label(Theta, theta, true));
}

void annulusSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Annulus"));
    const bool diameters = sheet.option() == 1;
    const double inner = diameters ? sheet.value(u"f") : sheet.value(u"r1");
    const double outer = diameters ? sheet.value(u"d") : sheet.value(u"r2");
    // A ring too thin to see is not to scale: its width counts among its lengths.
    sheet.fits({inner, outer, outer - inner}, inner < outer);
    const double half = diameters ? 2 : 1;
    const auto [r1, r2] = sheet.drawn<2>({inner / half, outer / half}, {1.2, 2});
    QPainterPath ring = ellipse({0, 0}, r2, r2);
    ring.addEllipse(QPointF(0, 0), r1, r1);
    sheet.outline(ring, SheetLine::Solid, true);
    if (diameters) {
        sheet.dimension({-r2, 0}, {r2, 0}, SheetSide::Right, sheet.label(QStringLiteral("d"), outer));
        sheet.dimension({-r1, 0}, {r1, 0}, SheetSide::On, sheet.label(QStringLiteral("f"), inner));
    } else {
        sheet.dimension({0, 0}, polar(r2, 35), SheetSide::On, sheet.label(QStringLiteral("r2"), outer),
                        0.5 + r1 / r2 / 2);
        sheet.dimension({0, 0}, polar(r1, 145), SheetSide::On, sheet.label(QStringLiteral("r1"), inner));
    }
}

void trapeziumSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Trapezium"));
    const double h = sheet.value(u"h");
    const double k = sheet.value(u"k");
    const double e = sheet.value(u"e");
    const double g = sheet.value(u"g");
    const double f = sheet.value(u"f");
    // The outer parts of the base may be nothing at all, as for a rectangle.
    sheet.fits({h, k, g}, e >= 0 && f >= 0 && e <= g * MostRatio && f <= g * MostRatio);
    const auto [left, middle, right, high, low] = sheet.drawn<5>({e, g, f, h, k}, {1.5, 3, 1, 2, 3});
    const QPointF upperLeft(left, high);
    const QPointF upperRight(left + middle, low);
    const double base = left + middle + right;
    sheet.outline(polygon({{0, 0}, {base, 0}, upperRight, upperLeft}), SheetLine::Solid, true);
    sheet.dimension({0, 0}, {left, 0}, SheetSide::Right, sheet.label(QStringLiteral("e"), e));
    sheet.dimension({left, 0}, {left + middle, 0}, SheetSide::Right, sheet.label(QStringLiteral("g"), g));
    sheet.dimension({left + middle, 0}, {base, 0}, SheetSide::Right, sheet.label(QStringLiteral("f"), f));
    sheet.dimension({left, 0}, upperLeft, SheetSide::On, sheet.label(QStringLiteral("h"), h));
    sheet.dimension({left + middle, 0}, upperRight, SheetSide::On, sheet.label(QStringLiteral("k"), k));
}

void eqTriangleSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Equilateral triangle"));
    const double a = sheet.value(u"a");
    const double side = sheet.fits({a}) ? a : 4;
    const QPointF apex(side / 2, side * std::sqrt(3.0) / 2);
    sheet.outline(polygon({{0, 0}, {side, 0}, apex}), SheetLine::Solid, true);
    sheet.dimension({0, 0}, {side, 0}, SheetSide::Right, sheet.label(QStringLiteral("a"), a));
    sheet.dimension({side / 2, 0}, apex, SheetSide::On, sheet.label(QStringLiteral("h"), sheet.value(u"h")));
}

// A box of width a, depth b and height c, standing on its base.
void cubeSheet(Sheet &sheet)
{
    const bool box = sheet.option() == 1;
    sheet.setName(box ? QStringLiteral("Parallelepiped") : QStringLiteral("Cube"));
    const double a = sheet.value(u"a");
    const double b = box ? sheet.value(u"b") : a;
    const double c = box ? sheet.value(u"c") : a;
    sheet.fits({a, b, c});
    const auto [w, d, h] = sheet.drawn<3>({a, b, c}, {box ? 4.0 : 2.0, box ? 2.5 : 2.0, 2.0});
    solid(sheet, {{0, 0, 0}, {w, 0, 0}, {w, h, 0}, {0, h, 0}, {0, 0, d}, {w, 0, d}, {w, h, d}, {0, h, d}},
          {{0, 1, 2, 3}, {4, 5, 6, 7}, {0, 1, 5, 4}, {3, 2, 6, 7}, {0, 3, 7, 4}, {1, 2, 6, 5}});
    sheet.dimension({0, 0}, {w, 0}, SheetSide::Right, sheet.label(QStringLiteral("a"), a));
    sheet.dimension({w, 0}, cabinet({w, 0, d}), SheetSide::Right,
                    sheet.label(box ? QStringLiteral("b") : QStringLiteral("a"), b));
    sheet.dimension({0, h}, {0, 0}, SheetSide::Right, sheet.label(box ? QStringLiteral("c") : QStringLiteral("a"), c));
}

// Lying on its face c × h, with the right angle of its ends at the lower left.
void prismSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Right prism"));
    const double a = sheet.value(u"a");
    const double c = sheet.value(u"c");
    const double h = sheet.value(u"h");
    const bool fits = sheet.fits({a, c, h});
    const auto [up, along, length] = sheet.drawn<3>({a, c, h}, {2, 3, 5});
    solid(sheet, {{0, 0, 0}, {along, 0, 0}, {0, up, 0}, {0, 0, length}, {along, 0, length}, {0, up, length}},
          {{0, 1, 2}, {3, 4, 5}, {0, 1, 4, 3}, {0, 2, 5, 3}, {1, 2, 5, 4}});
    sheet.dimension({0, 0}, {along, 0}, SheetSide::Right, sheet.label(QStringLiteral("c"), c));
    sheet.dimension({0, up}, {0, 0}, SheetSide::Right, sheet.label(QStringLiteral("a"), a));
    sheet.dimension({along, 0}, {0, up}, SheetSide::Left,
                    sheet.label(QStringLiteral("b"), fits ? std::hypot(a, c) : Infinity), 0.5, 0);
    sheet.dimension({along, 0}, cabinet({along, 0, length}), SheetSide::Right, sheet.label(QStringLiteral("h"), h));
    sheet.rightAngle({0, 0}, 0);
}

// Lying along x, its round end at x = 0 and its far end cut on a slant
// from the long side h at the bottom to the short side k at the top.
void rightCylinderSheet(Sheet &sheet)
{
    const bool frustum = sheet.option() != 0;
    sheet.setName(frustum ? QStringLiteral("Frustum of a right cylinder") : QStringLiteral("Right cylinder"));
    const double r = sheet.value(u"r");
    const double h = sheet.value(u"h");
    const double k = frustum ? sheet.value(u"k") : h;
    sheet.fits({r, h, k});
    const auto [radius, bottom, top] = sheet.drawn<3>({r, h, k}, {1.2, 4, frustum ? 2.5 : 4});

    const double middle = (bottom + top) / 2;
    const double slant = (top - bottom) / (2 * radius);
    const auto rim = [&](bool cut, double t) {
        const double y = radius * std::cos(t);
        return cabinet({cut ? middle + slant * y : 0, y, radius * std::sin(t)});
    };
    const auto generatorSeen = [](double t) { return facesViewer({0, std::cos(t), std::sin(t)}); };
    const bool cutSeen = facesViewer({1, -slant, 0});
    QPainterPath seen;
    QPainterPath hidden;
    // The round end faces away from the viewer: only its rim along the seen side shows.
    curve(
        seen, hidden, [&](double t) { return rim(false, t); }, generatorSeen);
    curve(
        seen, hidden, [&](double t) { return rim(true, t); }, [&](double t) { return cutSeen || generatorSeen(t); });
    // The generators that outline the side, where Recede·cos t = sin t.
    for (const double t : {std::atan(Recede), std::atan(Recede) + Pi}) {
        seen.moveTo(rim(false, t));
        seen.lineTo(rim(true, t));
    }
    sheet.outline(seen);
    sheet.outline(hidden, SheetLine::Hidden);
    sheet.outline(line({-radius / 2, 0}, {std::max(bottom, top) + radius / 2, 0}), SheetLine::Guide);
    sheet.dimension({0, -radius}, {bottom, -radius}, SheetSide::Right, sheet.label(QStringLiteral("h"), h));
    if (frustum)
        sheet.dimension({0, radius}, {top, radius}, SheetSide::Left, sheet.label(QStringLiteral("k"), k));
    sheet.dimension({0, 0}, {0, radius}, SheetSide::On, sheet.label(QStringLiteral("r"), r));
}

// Standing on its base, the apex above the centre.
void rightConeSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Right cone"));
    const double r = sheet.value(u"r");
    const double h = sheet.value(u"h");
    sheet.fits({r, h});
    const auto [radius, height] = sheet.drawn<2>({r, h}, {1.5, 3.5});
    const auto base = [&](double t) { return cabinet({radius * std::cos(t), 0, radius * std::sin(t)}); };
    const auto generatorSeen = [&](double t) {
        return facesViewer({height * std::cos(t), radius, height * std::sin(t)});
    };
    QPainterPath seen;
    QPainterPath hidden;
    curve(seen, hidden, base, generatorSeen);
    // The generators that outline the cone, where Recede·h·cos t + Recede·r = h·sin t.
    const double reach = Recede * radius / (height * std::hypot(1.0, Recede));
    if (reach < 1) {
        for (const double t : {std::atan(Recede) + std::asin(reach), std::atan(Recede) + Pi - std::asin(reach)}) {
            seen.moveTo(0, height);
            seen.lineTo(base(t));
        }
    }
    sheet.outline(seen);
    sheet.outline(hidden, SheetLine::Hidden);
    sheet.outline(line({radius, 0}, {0, height}), SheetLine::Guide);
    sheet.dimension({0, 0}, {0, height}, SheetSide::On, sheet.label(QStringLiteral("h"), h), 0.4);
    sheet.dimension({0, 0}, {radius, 0}, SheetSide::On, sheet.label(QStringLiteral("r"), r));
    sheet.dimension({radius, 0}, {0, height}, SheetSide::Right, sheet.label(QStringLiteral("k"), sheet.value(u"k")));
}

namespace {

// The side count, 3 to 12, of the regular polygon with this area and
// perimeter (n·tan(π/n) = P²/4A, to half a percent); 0 when none has both.
int regularSides(double area, double perimeter)
{
    const double wanted = perimeter * perimeter / (4 * area);
    if (!std::isfinite(wanted) || !(area > 0) || !(perimeter > 0))
        return 0;
    for (int sides = 3; sides <= 12; ++sides)
        if (std::abs(sides * std::tan(Pi / sides) - wanted) <= 0.005 * wanted)
            return sides;
    return 0;
}

} // namespace

// A right pyramid on a regular base, its faces rising at the slant height k
// from the middle of each side. The base's shape is known only when a
// regular polygon has both its area A and perimeter P; otherwise a square
// stands for it, and a note says the base is a sketch.
void rightPyramidSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Right pyramid"));
    const double area = sheet.value(u"A");
    const double perimeter = sheet.value(u"P");
    const double h = sheet.value(u"h");
    const double k = sheet.value(u"k");
    const int sides = regularSides(area, perimeter);
    const double apothem = 2 * area / perimeter;
    sheet.fits({h, k, apothem}, sides > 0 && std::abs(std::hypot(h, apothem) - k) <= 0.01 * k);
    const auto [height, inner] = sheet.drawn<2>({h, apothem}, {3, 2});
    const int drawnSides = sides > 0 ? sides : 4;
    const double corner = inner / std::cos(Pi / drawnSides);
    std::vector<Point3> corners;
    std::vector<int> base;
    for (int i = 0; i < drawnSides; ++i) {
        // A side faces the viewer, its middle straight in front of the apex.
        const double angle = radians(-90 - 180.0 / drawnSides + 360.0 * i / drawnSides);
        corners.push_back({corner * std::cos(angle), 0, corner * std::sin(angle)});
        base.push_back(i);
    }
    corners.push_back({0, height, 0});
    std::vector<std::vector<int>> faces{base};
    for (int i = 0; i < drawnSides; ++i)
        faces.push_back({i, (i + 1) % drawnSides, drawnSides});
    solid(sheet, corners, faces);
    const QPointF front = cabinet({0, 0, -inner});
    sheet.dimension({0, 0}, {0, height}, SheetSide::On, sheet.label(QStringLiteral("h"), h));
    sheet.dimension(front, {0, height}, SheetSide::On, sheet.label(QStringLiteral("k"), k), 0.35);
    sheet.text(front, {0, -1}, QStringLiteral("base area ") + sheet.label(QStringLiteral("A"), area));
    if (sides == 0)
        sheet.note(QStringLiteral("base drawn as a sketch: no regular polygon has this A and P"));
}

// Seen from above, and below that cut through its axis.
void circularRingSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Circular ring"));
    const double r = sheet.value(u"r");
    const double R = sheet.value(u"R");
    sheet.fits({r, R}, r <= R);
    const auto [drawnSection, ring] = sheet.drawn<2>({r, R}, {1, 3});
    // A section wider than the ring cannot be drawn round it: it stays within.
    const double section = drawnSection <= ring ? drawnSection : 0.8 * ring;
    const double cut = -(ring + section) - 2.5 * section - 0.2 * ring;
    QPainterPath top = ellipse({0, 0}, ring + section, ring + section);
    top.addEllipse(QPointF(0, 0), ring - section, ring - section);
    sheet.outline(top);
    QPainterPath sections = ellipse({-ring, cut}, section, section);
    sections.addEllipse(QPointF(ring, cut), section, section);
    sheet.outline(sections, SheetLine::Solid, true);
    sheet.outline(ellipse({0, 0}, ring, ring), SheetLine::Guide);
    sheet.outline(line({0, ring + 1.2 * section}, {0, cut - 0.5 * section}), SheetLine::Guide);
    sheet.outline(line({-ring - 1.5 * section, cut}, {ring + 1.5 * section, cut}), SheetLine::Guide);
    sheet.dimension({0, cut}, {ring, cut}, SheetSide::Right, sheet.label(QStringLiteral("R"), R));
    sheet.dimension({-ring - section, cut}, {-ring, cut}, SheetSide::Right, sheet.label(QStringLiteral("r"), r));
}

void circleSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Circle"));
    const double r = sheet.value(u"r");
    const double radius = sheet.fits({r}) ? r : 2;
    sheet.outline(ellipse({0, 0}, radius, radius), SheetLine::Solid, true);
    sheet.dimension({-radius, 0}, {radius, 0}, SheetSide::Right, sheet.label(QStringLiteral("D"), sheet.value(u"D")));
    sheet.dimension({0, 0}, polar(radius, 45), SheetSide::On, sheet.label(QStringLiteral("r"), r));
}

// Sector, segment and hollow sector open upwards, symmetric about the y axis.
void circleSectionSheet(Sheet &sheet)
{
    const qint16 option = sheet.option() == 1 || sheet.option() == 2 ? sheet.option() : 0;
    const double g = sheet.value(Theta);
    const QPointF none;
    const auto letter = [&](QPointF at, const char *name) {
        const double length = std::hypot(at.x(), at.y());
        sheet.text(at, length > 0 ? at / length : QPointF(0, -1), QString::fromLatin1(name));
    };
    if (option == 2) {
        sheet.setName(QStringLiteral("Hollow circle sector"));
        const double outer = sheet.value(u"r1");
        const double inner = sheet.value(u"r2");
        // A sector too thin to see is not to scale: its width counts among its lengths.
        const bool fits = sheet.fits({outer, inner, outer - inner}, inner < outer && g > 0 && g <= 360);
        const auto [r1, r2] = sheet.drawn<2>({outer, inner}, {3, 1.5});
        const double span = fits ? g : 75;
        const double start = 90 - span / 2;
        QPainterPath path(polar(r1, start));
        arcTo(path, none, r1, start, span);
        arcTo(path, none, r2, start + span, -span);
        path.closeSubpath();
        sheet.outline(path, SheetLine::Solid, true);
        QPainterPath radii = line(none, polar(r2, start));
        radii.moveTo(none);
        radii.lineTo(polar(r2, start + span));
        sheet.outline(radii, SheetLine::Guide);
        sheet.dimension(none, polar(r1, start + span), SheetSide::On, sheet.label(QStringLiteral("r1"), outer),
                        0.5 + r2 / r1 / 2);
        sheet.dimension(none, polar(r2, start), SheetSide::On, sheet.label(QStringLiteral("r2"), inner));
        letter(polar(r1, start), "A");
        letter(polar(r1, start + span), "B");
        letter(polar(r2, start + span) * 0.999, "C");
        letter(polar(r2, start) * 0.999, "D");
        sheet.angle(none, start, span, sheet.label(Theta, g, true));
        return;
    }
    const bool segment = option == 1;
    sheet.setName(segment ? QStringLiteral("Circle segment") : QStringLiteral("Circle sector"));
    const double r = sheet.value(u"r");
    const bool fits = sheet.fits({r}, g > 0 && (segment ? g < 360 : g <= 360));
    const double radius = fits ? r : 3;
    const double span = fits ? g : (segment ? 120 : 60);
    const double start = 90 - span / 2;
    const QPointF a = polar(radius, start);
    const QPointF c = polar(radius, start + span);
    QPainterPath path(segment ? a : none);
    if (!segment)
        path.lineTo(a);
    arcTo(path, none, radius, start, span);
    path.closeSubpath();
    sheet.outline(path, SheetLine::Solid, true);
    if (segment) {
        sheet.outline(ellipse(none, radius, radius), SheetLine::Guide);
        QPainterPath radii = line(none, a);
        radii.moveTo(none);
        radii.lineTo(c);
        sheet.outline(radii, SheetLine::Guide);
    }
    sheet.dimension(none, a, SheetSide::On, sheet.label(QStringLiteral("r"), r), 0.6);
    // The letters first, so that the angle's label keeps clear of them.
    letter(a, "A");
    letter(c, "C");
    if (segment) {
        letter(polar(radius, 90), "D");
    } else {
        letter(none, "B");
        sheet.text(polar(radius, 90), {0, 1},
                   sheet.label(QStringLiteral("Arc Length AC"), sheet.value(u"AC"), false, u"AC"));
    }
    sheet.angle(none, start, span, sheet.label(Theta, g, true));
}

void ellipseSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral("Ellipse"));
    const double a = sheet.value(u"a");
    const double b = sheet.value(u"b");
    sheet.fits({a, b});
    const auto [rx, ry] = sheet.drawn<2>({a, b}, {3, 1.8});
    sheet.outline(ellipse({0, 0}, rx, ry), SheetLine::Solid, true);
    sheet.outline(line({-rx, 0}, {rx, 0}), SheetLine::Guide);
    sheet.outline(line({0, -ry}, {0, ry}), SheetLine::Guide);
    sheet.dimension({0, 0}, {rx, 0}, SheetSide::On, sheet.label(QStringLiteral("a"), a));
    sheet.dimension({0, 0}, {0, ry}, SheetSide::On, sheet.label(QStringLiteral("b"), b));
}

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

namespace {

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
        figure.shapes.push_back(SheetNote{QStringLiteral("not to scale")});
    labels.removeDuplicates(); // a cube's three edges are one a
    figure.description = name + QStringLiteral(" with ") + labels.join(QStringLiteral(", "))
                         + (figure.toScale ? QStringLiteral(", drawn to scale") : QStringLiteral(", not to scale"));
    return figure;
}

} // namespace

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
