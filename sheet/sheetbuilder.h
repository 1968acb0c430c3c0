#pragma once

#include "entry/measurement.h"
#include "sheetfigure.h"

#include <QList>
#include <QPainterPath>
#include <QPointF>
#include <QPolygonF>
#include <QString>
#include <QStringView>

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <initializer_list>
#include <limits>
#include <numbers>
#include <optional>
#include <vector>

// What a figure's sheet builder draws with: the sheet itself and the helpers
// the builders share. A figure's builder lives in its own room.

namespace Zyntra {

inline constexpr double Pi = std::numbers::pi;
inline constexpr double Infinity = std::numeric_limits<double>::infinity();

// Lengths further apart than this are not drawn to scale: the smaller would be lost.
inline constexpr double MostRatio = 50;

inline const QString Theta = QStringLiteral("θ");

double radians(double degrees);
double degrees(double radians);
QPointF polar(double radius, double angle, QPointF centre = {});
bool inOpenRange(double value, double low, double high);

// "a = 4.0 cm": the value as `shown` writes it, where the window has not,
// and its unit ("°" for an angle).
// A zero reads "0": ".00" says nothing, least of all to a screen reader.
QString label(const QString &name, double value, const QString &shown, const QString &unit = {});

QPainterPath polygon(const QList<QPointF> &corners);
QPainterPath line(QPointF from, QPointF to);
// QPainterPath measures its angles with y pointing down, the figure with y up.
void arcTo(QPainterPath &path, QPointF centre, double radius, double start, double span);
QPainterPath ellipse(QPointF centre, double rx, double ry);

// The builder's view of one figure: its values by letter, and the shapes so far.
class Sheet {
public:
    Sheet(const SheetInput &input, bool usual)
        : m_input(input)
        , m_usual(usual)
    {}

    qint16 option() const { return m_input.option; }
    double tableStep() const { return m_input.tableStep; }
    const QString &tableStepCaption() const { return m_input.tableStepCaption; }
    const QString &lengthUnit() const { return m_input.lengthUnit; }

    // The value of a letter; a missing one is not finite, and noted.
    double value(QStringView letter)
    {
        if (const SheetValue *found = find(letter))
            return found->value;
        if (!m_figure.missing.contains(letter))
            m_figure.missing.append(letter.toString());
        return std::numeric_limits<double>::quiet_NaN();
    }
    // The same by a figure's letter constant, in UTF-8 ("θ").
    double value(const char *letter) { return value(QString::fromUtf8(letter)); }

    // The value written as the window showed it: the text of the letter's
    // value, else of another that holds this very value (a cube's b is its
    // a); a value the window did not show is written by the result format.
    QString label(const QString &name, double value, bool angle = false, QStringView letter = {}) const
    {
        if (!angle && m_input.tapeDenominator && std::isfinite(value))
            return name + QStringLiteral(" = ") + tapeReading(value, m_input.tapeDenominator);
        const SheetValue *shown = find(letter.isEmpty() ? QStringView(name) : letter);
        if (!shown || shown->value != value || shown->text.isEmpty()) {
            const auto same = std::ranges::find_if(m_input.values, [value](const SheetValue &other) {
                return other.value == value && !other.text.isEmpty();
            });
            shown = same == m_input.values.end() ? nullptr : &*same;
        }
        return Zyntra::label(name, value, shown ? shown->text : QString(),
                             angle ? QStringLiteral("°") : m_input.lengthUnit);
    }

    // The lengths to draw: the values where they are to scale, else the
    // usual shape's, handed out so that the longer value still gets the
    // longer line and equal values equal lines. (A lambda that uses them
    // needs them named one by one: clang 14 lets no lambda capture a
    // structured binding.)
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
    void table(SheetTable table) { m_figure.table = std::move(table); }

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

struct Point3 {
    double x, y, z;
};

// How a solid is seen: x to the right, y up, and depth z away from the
// viewer drawn at `right` of its length to the right and `up` of it upwards.
// The viewer looks from the front and from that side, so a face is seen
// when its outward normal leans that way.
struct View {
    double right;
    double up;
    QPointF operator()(Point3 p) const { return {p.x + right * p.z, p.y + up * p.z}; }
    bool sees(Point3 normal) const { return right * normal.x + up * normal.y - normal.z > 0; }
};

// The solids share one cabinet view: depth drawn at half its length, rising
// to the right at 45°, so the viewer looks a little from above and the right.
inline constexpr double Recede = 0.5 * std::numbers::sqrt2 / 2;
inline constexpr View Cabinet{Recede, Recede};

// A round solid lying along x is seen level, a little from the right only:
// each rim across its axis stands upright, as in the windows' pictures,
// where the cabinet view would slant it and the solid would look oblique.
inline constexpr View Level{Recede, 0};

// The edges of a convex solid, dotted where no face the viewer sees holds them.
void solid(Sheet &sheet, const std::vector<Point3> &corners, const std::vector<std::vector<int>> &faces);

// A level circle of a ball seen a little from above, at the height y: its
// front half drawn, its back half dotted.
void levelCircle(Sheet &sheet, double y, double radius);

// A closed curve of a round solid, drawn solid where `seen` and dotted elsewhere.
void curve(QPainterPath &seenPath, QPainterPath &hiddenPath, const std::function<QPointF(double)> &at,
           const std::function<bool(double)> &seen);

// A circle about the x axis at `x`, of a round solid lying along x, in the
// level view: seen where the solid's side faces the viewer, or all of it (an
// end facing him).
void rimAcrossX(QPainterPath &seenPath, QPainterPath &hiddenPath, double x, double radius, bool wholeSeen);

} // namespace Zyntra
