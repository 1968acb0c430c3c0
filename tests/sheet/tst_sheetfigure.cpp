#include "circle/circlesheets.h"
#include "entry/term.h"
#include "polygon/polygonsheet.h"
#include "sheet/sheetfigure.h"
#include "sheet/sheetpainter.h"
#include "shell/catalogue.h"
#include "solids/spheresheet.h"
#include "triangle/anytrianglesheet.h"
#include "triangle/rttrianglesheet.h"
#include "workbench/roundsolidsheets.h"
#include "workbench/workbenchsheets.h"
#include "working/typedvalues.h"

#include <QImage>
#include <QPainter>
#include <QRandomGenerator>
#include <QTest>

#include <cmath>
#include <limits>
#include <numbers>
#include <numeric>

using namespace Zyntra;
using Values = QHash<QString, double>;
Q_DECLARE_METATYPE(SheetInput)

namespace {

const QRectF Area(0, 0, 600, 400);
constexpr double Pixels = 1.5;                           // how far a painted point may stray
constexpr double Recede = 0.5 * std::numbers::sqrt2 / 2; // depth in the solids' cabinet view
// A solid lying along x recedes to the right only: its rims stand upright, 2r high.
constexpr double NaN = std::numeric_limits<double>::quiet_NaN();
constexpr double Inf = std::numeric_limits<double>::infinity();

// Lengths within 1 : spread of one another, at any magnitude.
struct Dice {
    QRandomGenerator &random;
    double between(double low, double high) { return low + random.bounded(high - low); }
    double unit = std::pow(10.0, between(-2, 3));
    double length(double spread = 20) { return unit * std::exp(random.bounded(std::log(spread))); }
};

// The outlines as painted into Area, each as its polygons.
struct Painted {
    QList<QList<QPolygonF>> outlines;
    QRectF drawn; // all but the guides
    QPolygonF at(int outline, int part = 0) const { return outlines[outline][part]; }
    QRectF bounds(int outline, int part = 0) const { return at(outline, part).boundingRect(); }
};

Painted paint(const SheetFigure &figure)
{
    const SheetLayout layout = layOutSheetFigure(figure, Area);
    Painted painted;
    for (const SheetShape &shape : figure.shapes) {
        if (const auto *outline = std::get_if<SheetOutline>(&shape)) {
            const QPainterPath &path = layout.outlines[painted.outlines.size()];
            painted.outlines.append(path.toSubpathPolygons());
            if (outline->line != SheetLine::Guide)
                painted.drawn |= path.boundingRect();
        }
    }
    return painted;
}

double size(QPointF v)
{
    return std::hypot(v.x(), v.y());
}
double apart(QPointF a, QPointF b)
{
    return size(a - b);
}

// Turned counter-clockwise as a person sees it: the sheet's y points down.
QPointF turned(QPointF v, double degrees)
{
    const double c = std::cos(degrees * std::numbers::pi / 180), s = std::sin(degrees * std::numbers::pi / 180);
    return {v.x() * c + v.y() * s, -v.x() * s + v.y() * c};
}

// How far the painted drawing strays, in pixels, from its values' proportions.
using Stray = double (*)(const Painted &, const Values &);

// A figure's own check of its proportions for one option; where random
// fields seldom make that figure, it brings valid values of its own.
struct Proportions {
    const char *id;
    qint16 option;
    Stray stray;
    Values (*values)(Dice &) = nullptr;
};

double boxStray(const Painted &p, double width, double height)
{
    return std::abs(p.drawn.height() - p.drawn.width() * height / width);
}

double sectorStray(QPointF centre, QPointF start, QPointF end, double angle)
{
    return apart(end, centre + turned(start - centre, angle));
}

const Proportions Checks[] = {
    {"rectangle", 0, [](const Painted &p, const Values &v) { return boxStray(p, v["a"], v["b"]); }},
    {"parallelogram", 0,
     [](const Painted &p, const Values &v) {
         const QPolygonF q = p.at(0);
         return apart(q[3], q[0] + turned((q[1] - q[0]) * v["b"] / v["a"], v["θ"]));
     }},
    {"parallelogram", 1,
     [](const Painted &p, const Values &v) {
         const QPolygonF q = p.at(0);
         return std::abs(q[0].y() - q[3].y() - apart(q[1], q[0]) * v["h"] / v["a"]);
     }},
    {"trapezoid", 0,
     [](const Painted &p, const Values &v) {
         const QPolygonF q = p.at(0);
         const double base = apart(q[1], q[0]);
         return std::max(std::abs(apart(q[2], q[3]) - base * v["b"] / v["a"]),
                         std::abs(q[0].y() - q[3].y() - base * v["h"] / v["a"]));
     }},
    {"quadrilateral", 0,
     [](const Painted &p, const Values &v) {
         const QPolygonF q = p.at(0); // left, bottom, right, top
         return apart(q[3] - q[1], turned((q[2] - q[0]) * v["d2"] / v["d1"], v["θ"]));
     }},
    {"annulus", 0,
     [](const Painted &p, const Values &v) {
         return std::abs(p.bounds(0, 0).width() - p.bounds(0, 1).width() * v["r2"] / v["r1"]);
     }},
    {"annulus", 1,
     [](const Painted &p, const Values &v) {
         return std::abs(p.bounds(0, 0).width() - p.bounds(0, 1).width() * v["d"] / v["f"]);
     }},
    {"trapezium", 0,
     [](const Painted &p, const Values &v) {
         const QPolygonF q = p.at(0); // (0, 0), (e + g + f, 0), (e + g, k), (e, h)
         const double scale = apart(q[1], q[0]) / (v["e"] + v["g"] + v["f"]);
         return std::max(apart(q[3], q[0] + QPointF(v["e"], -v["h"]) * scale),
                         apart(q[2], q[0] + QPointF(v["e"] + v["g"], -v["k"]) * scale));
     }},
    {"equilateral-triangle", 0,
     [](const Painted &p, const Values &) {
         const QPolygonF q = p.at(0);
         const double sides[] = {apart(q[0], q[1]), apart(q[1], q[2]), apart(q[2], q[0])};
         return *std::max_element(sides, sides + 3) - *std::min_element(sides, sides + 3);
     }},
    {"cube", 0, [](const Painted &p, const Values &) { return boxStray(p, 1, 1); }},
    {"cube", 1,
     [](const Painted &p, const Values &v) { return boxStray(p, v["a"] + Recede * v["b"], v["c"] + Recede * v["b"]); }},
    {"right-prism", 0,
     [](const Painted &p, const Values &v) { return boxStray(p, v["c"] + Recede * v["h"], v["a"] + Recede * v["h"]); }},
    {"right-cylinder", 0,
     [](const Painted &p, const Values &v) { return boxStray(p, v["h"] + 2 * Recede * v["r"], 2 * v["r"]); }},
    {"right-cylinder", 1,
     [](const Painted &p, const Values &v) {
         // The slanted cut reaches furthest where its rim turns back.
         const double r = v["r"], slant = (v["k"] - v["h"]) / (2 * r);
         return boxStray(p, (v["h"] + v["k"]) / 2 + r * std::hypot(slant, Recede) + Recede * r, 2 * r);
     }},
    {"right-cone", 0,
     [](const Painted &p, const Values &v) {
         const double r = v["r"];
         return boxStray(p, 2 * r * std::hypot(1, Recede), std::max(v["h"], Recede * r) + Recede * r);
     }},
    {"right-pyramid", 0,
     [](const Painted &p, const Values &v) {
         // The apex, the corner of most edges, stands above the middle of the
         // base, whose front side (lowest on the sheet) is 2 m tan(180°/n).
         QPolygonF corners;
         QList<int> edges;
         for (int outline : {0, 1}) {
             for (const QPolygonF &edge : p.outlines[outline]) {
                 for (const QPointF &point : edge) {
                     const auto known = std::find_if(corners.begin(), corners.end(),
                                                     [&](QPointF c) { return apart(c, point) < 1e-6; });
                     if (known == corners.end()) {
                         corners.append(point);
                         edges.append(1);
                     } else {
                         ++edges[known - corners.begin()];
                     }
                 }
             }
         }
         // A corner of n edges straight above the middle of the others (of
         // a triangular base, every corner has three).
         const qsizetype sides = corners.size() - 1;
         QPointF top, middle;
         for (qsizetype apex = 0; apex < corners.size() && top.isNull(); ++apex) {
             middle = (std::accumulate(corners.begin(), corners.end(), QPointF()) - corners[apex]) / double(sides);
             if (edges[apex] == sides && std::abs(corners[apex].x() - middle.x()) < 1e-6 * p.drawn.width())
                 top = corners.takeAt(apex);
         }
         if (sides < 3 || top.isNull())
             return Inf;
         std::sort(corners.begin(), corners.end(), [](QPointF a, QPointF b) { return a.y() > b.y(); });
         const double apothem = 2 * v["A"] / v["P"];
         return std::abs(middle.y() - top.y()
                         - apart(corners[0], corners[1]) * v["h"]
                               / (2 * apothem * std::tan(std::numbers::pi / double(sides))));
     },
     [](Dice &d) {
         // A regular base of 3 to 12 sides whose area and perimeter agree.
         const int sides = 3 + int(d.random.bounded(10));
         const double apothem = d.length(), h = d.length();
         const double perimeter = 2 * sides * apothem * std::tan(std::numbers::pi / sides);
         return Values{{"A", perimeter * apothem / 2}, {"P", perimeter}, {"h", h}, {"k", std::hypot(h, apothem)}};
     }},
    {"circular-ring", 0,
     [](const Painted &p, const Values &v) {
         return std::abs(apart(p.bounds(1, 0).center(), p.bounds(1, 1).center())
                         - p.bounds(1, 1).width() * v["R"] / v["r"]);
     }},
    {"circle", 0, [](const Painted &p, const Values &) { return boxStray(p, 1, 1); }},
    {"circle-sections", 0,
     [](const Painted &p, const Values &v) {
         const QPolygonF q = p.at(0);
         return sectorStray(q[0], q[1], q[q.size() - 2], v["θ"]);
     }},
    {"circle-sections", 1,
     [](const Painted &p, const Values &v) {
         const QPolygonF q = p.at(0);
         return sectorStray(p.bounds(1).center(), q[0], q[q.size() - 2], v["θ"]);
     }},
    {"circle-sections", 2,
     [](const Painted &p, const Values &v) {
         const QPointF centre = p.at(1, 0)[0], d = p.at(1, 0)[1], c = p.at(1, 1)[1];
         return std::max(sectorStray(centre, d, c, v["θ"]),
                         std::abs(apart(p.at(0)[0], centre) - apart(d, centre) * v["r1"] / v["r2"]));
     }},
    {"ellipse", 0, [](const Painted &p, const Values &v) { return boxStray(p, v["a"], v["b"]); }},
    {"sphere", 0,
     [](const Painted &p, const Values &) { return std::abs(p.bounds(0).width() - p.bounds(0).height()); }},
    {"right-triangle", 0,
     [](const Painted &p, const Values &v) {
         const QPolygonF q = p.at(0);
         return std::abs(apart(q[2], q[0]) - apart(q[1], q[0]) * v["a"] / v["b"]);
     }},
    // Two sides and an angle not between them that fit two triangles: both drawn.
    {"any-triangle", 0,
     [](const Painted &p, const Values &v) {
         double stray = 0;
         for (const auto &[outline, c] : {std::pair(0, v["c"]), std::pair(1, v["c′"])})
             stray = std::max(stray, std::abs(apart(p.at(outline)[2], p.at(outline)[0])
                                              - apart(p.at(outline)[1], p.at(outline)[0]) * v["b"] / c));
         return stray;
     },
     [](Dice &d) {
         const double A = d.between(20, 60), b = d.length(), sine = std::sin(A * std::numbers::pi / 180);
         const double a = b * (sine + (1 - sine) * d.between(0.2, 0.6));
         const double B = std::asin(b * sine / a) * 180 / std::numbers::pi;
         Values values{{"a", a}, {"b", b}, {"A", A}, {"a′", a}, {"b′", b}, {"A′", A}};
         for (const auto &[mark, angleB] : {std::pair(QString(), B), std::pair(QStringLiteral("′"), 180 - B)}) {
             values["B" + mark] = angleB;
             values["C" + mark] = 180 - A - angleB;
             values["c" + mark] = a * std::sin((180 - A - angleB) * std::numbers::pi / 180) / sine;
         }
         return values;
     }},
    {"regular-polygon", 0,
     [](const Painted &p, const Values &) {
         const double side = apart(p.at(0)[0], p.at(0)[1]);
         double stray = 0;
         for (const QList<QPolygonF> &polygon : p.outlines)
             for (int i = 1; i < polygon[0].size(); ++i)
                 stray = std::max(stray, std::abs(apart(polygon[0][i], polygon[0][i - 1]) - side));
         return p.outlines.size() == 10 ? stray : Inf;
     }},
    {"rhombus", 0,
     [](const Painted &p, const Values &v) {
         const QPolygonF q = p.at(0);
         return std::max(apart(q[3], q[0] + turned(q[1] - q[0], v["θ"])),
                         std::abs(apart(q[2], q[0]) - apart(q[3], q[1]) * v["p"] / v["q"]));
     }},
    {"kite", 0,
     [](const Painted &p, const Values &v) {
         const QPolygonF q = p.at(0); // the ends of p, then of q
         return std::abs(apart(q[3], q[1]) - apart(q[2], q[0]) * v["q"] / v["p"]);
     }},
    {"kite", 1,
     [](const Painted &p, const Values &v) {
         const QPolygonF q = p.at(0); // the corner between the sides a, then round against the clock
         const double scale = apart(q[3], q[0]) / v["a"];
         return std::max({std::abs(apart(q[3], q[2]) - v["b"] * scale), std::abs(apart(q[1], q[0]) - v["a"] * scale),
                          apart(q[0], q[3] + turned(q[2] - q[3], -v["θ"]) * v["a"] / v["b"])});
     }},
    {"spherical-cap", 0,
     [](const Painted &p, const Values &v) {
         // The cap is as wide as its base, or as the sphere where it holds the middle.
         const double wide = v["h"] <= v["R"] ? v["a"] : v["R"];
         const QRectF cap = p.bounds(0);
         return std::abs(cap.height() - cap.width() * v["h"] / (2 * wide));
     }},
    {"cone-frustum", 0,
     [](const Painted &p, const Values &v) {
         const double R = v["R"], r = v["r"], h = v["h"];
         return boxStray(p, 2 * std::max(R, r) * std::hypot(1, Recede),
                         std::max(Recede * R, h + Recede * r) - std::min(-Recede * R, h - Recede * r));
     }},
    {"hollow-cylinder", 0,
     [](const Painted &p, const Values &v) {
         // Outline 2 is the bore at the open end.
         return std::max(boxStray(p, v["h"] + 2 * Recede * v["R"], 2 * v["R"]),
                         std::abs(p.bounds(2).height() - p.drawn.height() * v["r"] / v["R"]));
     }},
    {"ellipsoid", 0,
     [](const Painted &p, const Values &v) {
         const double c = Recede * v["c"];
         return boxStray(p, std::hypot(v["a"], c), std::hypot(v["b"], c));
     }},
    {"capsule", 0,
     [](const Painted &p, const Values &v) {
         return boxStray(p, v["h"] + 2 * v["r"] * std::hypot(1, Recede), 2 * v["r"]);
     }},
};

// Every option of every figure in the catalogue, with its own check where it has one.
struct Case {
    const FigureEntry *figure;
    qint16 option;
    const Proportions *own;
    QString name() const { return QStringLiteral("%1 %2").arg(QLatin1String(figure->id)).arg(option); }
};

QList<Case> cases()
{
    QList<Case> all;
    for (const FigureEntry *figure : figureCatalogue())
        for (qint16 option = 0; option < figure->options(); ++option) {
            const auto own = std::ranges::find_if(Checks, [&](const Proportions &check) {
                return QLatin1String(check.id) == QLatin1String(figure->id) && check.option == option;
            });
            all.append({figure, option, own == std::end(Checks) ? nullptr : own});
        }
    return all;
}

// Valid values at random, as the window answers them: the given lengths
// within 1 : 20 of one another (or below the length that bounds them),
// the angles well inside their range, and the answers of the figure's
// calculation, each under its declared letter.
Values randomValues(Dice &d, const Case &c)
{
    if (c.own && c.own->values)
        return c.own->values(d);
    const OptionQuantities &declared = c.figure->quantities[size_t(c.option)];
    QStringList fields;
    if (std::ranges::any_of(declared.given, [](const Quantity &quantity) { return quantity.opposite >= 0; }))
        fields = randomTriangle(d.random, *c.figure, c.option);
    else
        for (const Quantity &given : declared.given)
            if (given.letter)
                fields << fullNumber(given.kind == QuantityKind::Angle  ? d.between(given.most * 0.1, given.most * 0.9)
                                     : given.kind == QuantityKind::Area ? d.length() * d.length() / d.unit
                                                                        : d.length());
    for (qsizetype i = 0; i < fields.size(); ++i)
        if (const Quantity &given = declared.given[size_t(i)]; given.below >= 0)
            fields[i] = fullNumber(fields[given.below].toDouble() * given.times * d.between(0.05, 0.95));
    Values values;
    for (const SheetValue &value : sheetValues(declared, fields, c.figure->calculate(fields, c.option)))
        values[value.letter] = value.value;
    return values;
}

SheetInput inputOf(const Case &c, const Values &values)
{
    SheetValues letters;
    for (auto value = values.begin(); value != values.end(); ++value)
        letters.append({value.key(), value.value()});
    return {c.figure->sheet, c.option, letters};
}

// Valid values that draw to scale, drawn; random fields may make a figure
// too narrow to draw to scale, so a few are tried.
std::pair<Values, SheetFigure> drawnToScale(Dice &d, const Case &c)
{
    Values values = randomValues(d, c);
    SheetFigure drawn = drawSheetFigure(inputOf(c, values));
    for (int tries = 0; tries < 50 && !drawn.toScale; ++tries) {
        values = randomValues(d, c);
        drawn = drawSheetFigure(inputOf(c, values));
    }
    return {values, drawn};
}

QString shown(const Values &values)
{
    QStringList texts;
    for (auto value = values.begin(); value != values.end(); ++value)
        texts.append(QStringLiteral("%1=%2").arg(value.key()).arg(value.value(), 0, 'g', 17));
    return texts.join(u' ');
}

bool finite(const QRectF &box)
{
    return std::isfinite(box.left()) && std::isfinite(box.top()) && std::isfinite(box.width())
           && std::isfinite(box.height());
}

} // namespace

class TestSheetFigure : public QObject {
    Q_OBJECT
private slots:
    void paintedProportionsFollowTheValues_data();
    void paintedProportionsFollowTheValues();
    void valuesThatCannotBeDrawnGiveTheUsualShapeNotToScale_data();
    void valuesThatCannotBeDrawnGiveTheUsualShapeNotToScale();
    void paintsBlackLinesOnlyWithinTheArea_data();
    void paintsBlackLinesOnlyWithinTheArea();
    void usualShapeKeepsTheLongerLengthLonger_data();
    void usualShapeKeepsTheLongerLengthLonger();
    void labelsWriteValuesAsTheWindowShowsThem_data();
    void labelsWriteValuesAsTheWindowShowsThem();
};

void TestSheetFigure::paintedProportionsFollowTheValues_data()
{
    QTest::addColumn<int>("index");
    const QList<Case> all = cases();
    for (int i = 0; i < all.size(); ++i)
        QTest::newRow(qPrintable(all[i].name())) << i;
}

void TestSheetFigure::paintedProportionsFollowTheValues()
{
    QFETCH(int, index);
    const Case figure = cases()[index];
    QRandomGenerator random(quint32(index + 1));
    for (int trial = 0; trial < 300; ++trial) {
        Dice dice{random};
        const auto [values, drawn] = drawnToScale(dice, figure);
        QVERIFY2(drawn.toScale, qPrintable(shown(values)));
        QVERIFY2(drawn.description.endsWith(QStringLiteral("drawn to scale")), qPrintable(drawn.description));
        if (!figure.own)
            continue;
        const double stray = figure.own->stray(paint(drawn), values);
        QVERIFY2(stray <= Pixels, qPrintable(QStringLiteral("%1 px off for %2").arg(stray).arg(shown(values))));
    }
}

void TestSheetFigure::valuesThatCannotBeDrawnGiveTheUsualShapeNotToScale_data()
{
    QTest::addColumn<SheetInput>("input");
    const auto row = [](const char *name, SheetBuilder figure, qint16 option, const SheetValues &values) {
        QTest::newRow(name) << SheetInput{figure, option, values};
    };
    row("rectangle zero", rectangleSheet, 0, {{"a", 0}, {"b", 3}});
    row("rectangle negative", rectangleSheet, 0, {{"a", -3}, {"b", 3}});
    row("rectangle 1:1000", rectangleSheet, 0, {{"a", 1}, {"b", 1000}});
    row("rectangle missing b", rectangleSheet, 0, {{"a", 3}});
    row("rectangle NaN", rectangleSheet, 0, {{"a", NaN}, {"b", 3}});
    row("rectangle infinite", rectangleSheet, 0, {{"a", 3}, {"b", Inf}});
    row("rectangle too small to draw", rectangleSheet, 0, {{"a", 1e-200}, {"b", 2e-200}});
    row("parallelogram flat angle", parallelogramSheet, 0, {{"a", 3}, {"b", 2}, {"θ", 180}});
    row("parallelogram sliver", parallelogramSheet, 0, {{"a", 30}, {"b", 1}, {"θ", 0.5}});
    row("quadrilateral reflex angle", quadrilateralSheet, 0, {{"d1", 3}, {"d2", 2}, {"θ", 200}});
    row("trapezoid 1:1000", trapezoidSheet, 0, {{"a", 1000}, {"b", 1}, {"h", 1}});
    row("annulus inner beyond outer", annulusSheet, 0, {{"r1", 3}, {"r2", 2}});
    row("trapezium negative part", trapeziumSheet, 0, {{"h", 3}, {"k", 4}, {"e", -4}, {"g", 5}, {"f", 3}});
    row("cube NaN", cubeSheet, 0, {{"a", NaN}});
    row("parallelepiped missing c", cubeSheet, 1, {{"a", 2}, {"b", 3}});
    row("prism infinite", prismSheet, 0, {{"a", 3}, {"c", -Inf}, {"h", 10}});
    row("frustum negative", rightCylinderSheet, 1, {{"r", 1}, {"h", -4}, {"k", 2}});
    row("cone 1:1000", rightConeSheet, 0, {{"r", 1000}, {"h", 1}});
    row("pyramid slant below height", rightPyramidSheet, 0, {{"A", 16}, {"P", 16}, {"h", 5}, {"k", 3}});
    row("ring section beyond ring", circularRingSheet, 0, {{"r", 5}, {"R", 1}});
    row("circle nothing", circleSheet, 0, {});
    row("sector beyond a turn", circleSectionSheet, 0, {{"r", 3}, {"θ", 400}});
    row("segment of no angle", circleSectionSheet, 1, {{"r", 3}, {"θ", 0}});
    row("hollow sector inner beyond outer", circleSectionSheet, 2, {{"r1", 2}, {"r2", 3}, {"θ", 90}});
    row("ellipse 1:1000", ellipseSheet, 0, {{"a", 1}, {"b", 1000}});
    row("sphere negative", sphereSheet, 0, {{"r", -1}, {"d", -2}});
    row("right triangle of a right angle A", rightTriangleSheet, 0,
        {{"a", 3}, {"b", 4}, {"c", 5}, {"A", 90}, {"B", 0}});
    row("right triangle sides disagree", rightTriangleSheet, 0,
        {{"a", 3}, {"b", 4}, {"c", 9}, {"A", 36.87}, {"B", 53.13}});
    row("polygons NaN", regularPolygonsSheet, 0, {{"a", NaN}});
    row("any triangle sides too short to meet", anyTriangleSheet, 0,
        {{"a", 1}, {"b", 2}, {"c", 5}, {"A", 10}, {"B", 20}, {"C", 150}});
    row("annulus too thin to see", annulusSheet, 0, {{"r1", 1}, {"r2", 1.001}});
    row("hollow sector too thin to see", circleSectionSheet, 2, {{"r1", 1}, {"r2", 0.999}, {"θ", 90}});
    row("pyramid base of no regular polygon", rightPyramidSheet, 0, {{"A", 16}, {"P", 30}, {"h", 3}, {"k", 5}});
    row("rhombus flat angle", rhombusSheet, 0, {{"a", 2}, {"θ", 180}, {"p", 4}, {"q", 0}});
    row("kite 1:1000", kiteSheet, 0, {{"p", 1}, {"q", 1000}});
    row("kite missing b", kiteSheet, 1, {{"a", 2}, {"θ", 90}, {"p", 3}, {"q", 2}});
    row("cap higher than its sphere", sphericalCapSheet, 0, {{"R", 1}, {"h", 3}, {"a", NaN}});
    row("cap too thin to see", sphericalCapSheet, 0, {{"R", 1000}, {"h", 1}, {"a", 44.7}});
    row("cone frustum negative top", coneFrustumSheet, 0, {{"R", 3}, {"r", -1}, {"h", 4}});
    row("hollow cylinder inner beyond outer", hollowCylinderSheet, 0, {{"R", 2}, {"r", 3}, {"h", 5}});
    row("hollow cylinder wall too thin to see", hollowCylinderSheet, 0, {{"R", 1}, {"r", 0.999}, {"h", 5}});
    row("ellipsoid of a zero axis", ellipsoidSheet, 0, {{"a", 0}, {"b", 2}, {"c", 3}});
    row("capsule negative length", capsuleSheet, 0, {{"r", 1}, {"h", -3}});
}

void TestSheetFigure::valuesThatCannotBeDrawnGiveTheUsualShapeNotToScale()
{
    QFETCH(SheetInput, input);
    const SheetFigure drawn = drawSheetFigure(input);
    QVERIFY(!drawn.toScale);
    QVERIFY2(drawn.description.endsWith(QStringLiteral("not to scale")), qPrintable(drawn.description));
    QVERIFY(std::any_of(drawn.shapes.begin(), drawn.shapes.end(), [](const SheetShape &shape) {
        const auto *note = std::get_if<SheetNote>(&shape);
        return note && note->text == QStringLiteral("not to scale");
    }));
    const SheetLayout layout = layOutSheetFigure(drawn, Area);
    QVERIFY(!layout.outlines.isEmpty());
    QVERIFY(layout.outlines[0].boundingRect().width() > 10 && layout.outlines[0].boundingRect().height() > 10);
    for (const QPainterPath &outline : layout.outlines)
        QVERIFY(finite(outline.boundingRect()));
    for (const QRectF &label : layout.labels)
        QVERIFY(finite(label));
}

void TestSheetFigure::paintsBlackLinesOnlyWithinTheArea_data()
{
    QTest::addColumn<int>("index");
    QTest::addColumn<int>("pixelRatio");
    const QList<Case> all = cases();
    for (int i = 0; i < all.size(); ++i)
        for (const int ratio : {1, 2})
            QTest::addRow("%s @%dx", qPrintable(all[i].name()), ratio) << i << ratio;
}

void TestSheetFigure::paintsBlackLinesOnlyWithinTheArea()
{
    QFETCH(int, index);
    QFETCH(int, pixelRatio);
    QRandomGenerator random(7);
    Dice dice{random};
    const SheetFigure drawn = drawnToScale(dice, cases()[index]).second;
    const QRectF area(40, 30, 600, 400);
    const QColor around(0, 128, 255);
    QImage image(QSize(680, 460) * pixelRatio, QImage::Format_RGB32);
    image.setDevicePixelRatio(pixelRatio);
    image.fill(around);
    QPainter painter(&image);
    paintSheetFigure(painter, drawn, area);
    painter.end();

    int black = 0;
    int strayed = 0;
    for (int y = 0; y < image.height(); ++y) {
        for (int x = 0; x < image.width(); ++x) {
            const QColor pixel = image.pixelColor(x, y);
            if (area.contains(QPointF(x + 0.5, y + 0.5) / pixelRatio))
                black += pixel.lightness() < 60;
            else
                strayed += pixel != around;
        }
    }
    QVERIFY2(black > 200 * pixelRatio, qPrintable(QString::number(black)));
    QCOMPARE(strayed, 0);
    for (const QRectF &label : layOutSheetFigure(drawn, area).labels)
        QVERIFY2(
            area.contains(label),
            qPrintable(
                QStringLiteral("%1,%2 %3x%4").arg(label.x()).arg(label.y()).arg(label.width()).arg(label.height())));
}

// The length of the dimension whose label begins with `name`, as painted.
double dimensionLength(const SheetFigure &figure, const QString &name)
{
    const QTransform transform = layOutSheetFigure(figure, Area).transform;
    for (const SheetShape &shape : figure.shapes)
        if (const auto *dimension = std::get_if<SheetDimension>(&shape))
            if (dimension->label.startsWith(name + QStringLiteral(" = ")))
                return apart(transform.map(dimension->from), transform.map(dimension->to));
    return NaN;
}

void TestSheetFigure::usualShapeKeepsTheLongerLengthLonger_data()
{
    QTest::addColumn<SheetInput>("input");
    QTest::addColumn<QString>("longer");
    QTest::addColumn<QString>("shorter");
    QTest::newRow("rectangle of a zero side") << SheetInput{rectangleSheet, 0, {{"a", 0}, {"b", 3}}} << "b"
                                              << "a";
    QTest::newRow("trapezoid 1:1000") << SheetInput{trapezoidSheet, 0, {{"a", 1}, {"b", 1000}, {"h", 1}}} << "b"
                                      << "a";
    QTest::newRow("ellipse 1:1000") << SheetInput{ellipseSheet, 0, {{"a", 1}, {"b", 1000}}} << "b"
                                    << "a";
    QTest::newRow("cone 1000:1") << SheetInput{rightConeSheet, 0, {{"r", 1000}, {"h", 1}}} << "r"
                                 << "h";
}

void TestSheetFigure::usualShapeKeepsTheLongerLengthLonger()
{
    QFETCH(SheetInput, input);
    QFETCH(QString, longer);
    QFETCH(QString, shorter);
    const SheetFigure drawn = drawSheetFigure(input);
    QVERIFY(!drawn.toScale);
    QVERIFY(dimensionLength(drawn, longer) > dimensionLength(drawn, shorter));
}

void TestSheetFigure::labelsWriteValuesAsTheWindowShowsThem_data()
{
    QTest::addColumn<SheetInput>("input");
    QTest::addColumn<QString>("description");
    QTest::newRow("right triangle, sides first")
        << SheetInput{rightTriangleSheet,
                      0,
                      {{"c", 5, "5.00"},
                       {"B", 53.13, "53.13"},
                       {"a", 3, "3.0"},
                       {"A", 36.87, "36.87"},
                       {"b", 4, "4.0"}}}
        << "Right triangle with a = 3.0, b = 4.0, c = 5.00, A = 36.87°, B = 53.13°, drawn to scale";
    QTest::newRow("cube of no edge") << SheetInput{cubeSheet, 0, {{"a", 0, ".00"}}} << "Cube with a = 0, not to scale";
    QTest::newRow("pyramid on a square") << SheetInput{rightPyramidSheet,
                                                       0,
                                                       {{"Volume", 64, "64.00"}, // the same value, another quantity
                                                        {"A", 64, "64"},
                                                        {"P", 32, "32"},
                                                        {"h", 3, "3"},
                                                        {"k", 5, "5"}}}
                                         << "Right pyramid with h = 3, k = 5, base area A = 64, drawn to scale";
    QTest::newRow("rectangle of long values")
        << SheetInput{rectangleSheet,
                      0,
                      {{"a", 123456789012345.67, "123456789012345.67"}, {"b", 3e14, "300000000000000.00"}}}
        << "Rectangle with a = 123456789012345.67, b = 300000000000000.00, Diagonal, drawn to scale";
}

void TestSheetFigure::labelsWriteValuesAsTheWindowShowsThem()
{
    QFETCH(SheetInput, input);
    QFETCH(QString, description);
    const SheetFigure drawn = drawSheetFigure(input);
    QCOMPARE(drawn.description, description);
    // Whole and inside the drawing, however long.
    const SheetLayout layout = layOutSheetFigure(drawn, QRectF(0, 0, 300, 200));
    for (const QRectF &label : layout.labels)
        QVERIFY(QRectF(0, 0, 300, 200).contains(label));
    for (const QString &text : layout.texts)
        QVERIFY2(description.contains(text), qPrintable(text));
}

QTEST_MAIN(TestSheetFigure)
#include "tst_sheetfigure.moc"
