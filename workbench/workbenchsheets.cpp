#include "workbenchsheets.h"

#include "planefigures.h"
#include "sheet/sheetbuilder.h"
#include "sphericalcap.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace Zyntra {

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
    sheet.dimension({w, 0}, Cabinet({w, 0, d}), SheetSide::Right,
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
    sheet.dimension({along, 0}, Cabinet({along, 0, length}), SheetSide::Right, sheet.label(QStringLiteral("h"), h));
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
    const std::array<double, 3> drawn = sheet.drawn<3>({r, h, k}, {1.2, 4, frustum ? 2.5 : 4});
    const double radius = drawn[0];
    const double bottom = drawn[1];
    const double top = drawn[2];

    const double middle = (bottom + top) / 2;
    const double slant = (top - bottom) / (2 * radius);
    const auto cutRim = [&](double t) {
        const double y = radius * std::cos(t);
        return Level({middle + slant * y, y, radius * std::sin(t)});
    };
    QPainterPath seen;
    QPainterPath hidden;
    // The round end faces away from the viewer: only its rim along the seen side shows.
    rimAcrossX(seen, hidden, 0, radius, false);
    // The cut faces the viewer however it slants.
    curve(seen, hidden, cutRim, [](double) { return true; });
    // The side's outline: its top and bottom lines.
    for (const double t : {0.0, Pi}) {
        seen.moveTo(Level({0, radius * std::cos(t), 0}));
        seen.lineTo(cutRim(t));
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
    const std::array<double, 2> drawn = sheet.drawn<2>({r, h}, {1.5, 3.5});
    const double radius = drawn[0];
    const double height = drawn[1];
    const auto base = [&](double t) { return Cabinet({radius * std::cos(t), 0, radius * std::sin(t)}); };
    const auto generatorSeen = [&](double t) {
        return Cabinet.sees({height * std::cos(t), radius, height * std::sin(t)});
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
    const QPointF front = Cabinet({0, 0, -inner});
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

// Its base a along x and the angle θ at the origin, where the diagonal p
// starts; q joins the other two corners.
void rhombusSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral(QT_TRANSLATE_NOOP("Figures", "Rhombus")));
    const double a = sheet.value(Rhombus::a);
    const double theta = sheet.value(Rhombus::theta);
    const double p = sheet.value(Rhombus::p);
    const double q = sheet.value(Rhombus::q);
    const bool fits = sheet.fits({a, p, q}, inOpenRange(theta, 0, 180));
    const double side = fits ? a : 3;
    const double angle = fits ? theta : 60;
    const QPointF slant = polar(side, angle);
    const QPointF far = QPointF(side, 0) + slant;
    sheet.outline(polygon({{0, 0}, {side, 0}, far, slant}), SheetLine::Solid, true);
    sheet.dimension({0, 0}, {side, 0}, SheetSide::Right, sheet.label(Rhombus::a, a));
    sheet.dimension({0, 0}, far, SheetSide::On, sheet.label(Rhombus::p, p), 0.7);
    sheet.dimension({side, 0}, slant, SheetSide::On, sheet.label(Rhombus::q, q), 0.3);
    const double right = std::max(side, far.x());
    sheet.dimension({right, 0}, {right, far.y()}, SheetSide::Right, sheet.label(Rhombus::h, sheet.value(Rhombus::h)));
    sheet.angle({0, 0}, 0, angle, sheet.label(Rhombus::theta, theta, true));
}

// Its axis p along x, from the corner between the sides a at the origin to
// the corner between the sides b; q crosses it upright.
void kiteSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral(QT_TRANSLATE_NOOP("Figures", "Kite")));
    const double p = sheet.value(Kite::p);
    const double q = sheet.value(Kite::q);
    if (sheet.option() == 0) {
        // The diagonals alone leave open where q crosses p: a third of the way along reads as a kite.
        sheet.fits({p, q});
        const auto [axis, across] = sheet.drawn<2>({p, q}, {5, 3.5});
        const QPointF top(axis / 3, across / 2);
        const QPointF bottom(axis / 3, -across / 2);
        sheet.outline(polygon({{0, 0}, bottom, {axis, 0}, top}), SheetLine::Solid, true);
        sheet.dimension({0, 0}, {axis, 0}, SheetSide::On, sheet.label(Kite::p, p), 0.7);
        sheet.dimension(bottom, top, SheetSide::On, sheet.label(Kite::q, q), 0.25);
        return;
    }
    const double a = sheet.value(Kite::a);
    const double b = sheet.value(Kite::b);
    const double theta = sheet.value(Kite::theta);
    const bool fits = sheet.fits({a, b, p, q}, inOpenRange(theta, 0, 180));
    const auto [sideA, sideB] = sheet.drawn<2>({a, b}, {2.2, 3.6});
    const double angle = fits ? theta : 90;
    // The upper half is the triangle of a, b and the axis, with θ between a and b.
    const double axis = std::sqrt(sideA * sideA + sideB * sideB - 2 * sideA * sideB * std::cos(radians(angle)));
    const double atOrigin =
        degrees(std::acos(std::clamp((sideA * sideA + axis * axis - sideB * sideB) / (2 * sideA * axis), -1.0, 1.0)));
    const QPointF top = polar(sideA, atOrigin);
    const QPointF bottom(top.x(), -top.y());
    const QPointF tail(axis, 0);
    sheet.outline(polygon({{0, 0}, bottom, tail, top}), SheetLine::Solid, true);
    sheet.dimension({0, 0}, top, SheetSide::Left, sheet.label(Kite::a, a));
    sheet.dimension(top, tail, SheetSide::Left, sheet.label(Kite::b, b));
    sheet.dimension({0, 0}, tail, SheetSide::On, sheet.label(Kite::p, p), 0.7);
    sheet.dimension(bottom, top, SheetSide::On, sheet.label(Kite::q, q), 0.25);
    sheet.angle(top, 180 + atOrigin, angle, sheet.label(Kite::theta, theta, true));
}

// The sphere of radius R, centred at the origin and cut level at h below
// its top: the cap drawn, the rest of the sphere a guide, the base seen a
// little from above.
void sphericalCapSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral(QT_TRANSLATE_NOOP("Figures", "Spherical cap")));
    const double R = sheet.value(SphericalCap::R);
    const double h = sheet.value(SphericalCap::h);
    sheet.fits({R, h}, h <= 2 * R);
    const auto [radius, height] = sheet.drawn<2>({R, h}, {2, 1.4});
    const double cut = radius - height;
    const double base = std::sqrt(std::max(0.0, height * (2 * radius - height)));
    // Where the cut meets the sphere, from the right, in degrees above the centre.
    const double from = degrees(std::asin(std::clamp(cut / radius, -1.0, 1.0)));
    QPainterPath cap(polar(radius, from));
    arcTo(cap, {0, 0}, radius, from, 180 - 2 * from);
    sheet.outline(cap);
    QPainterPath rest(polar(radius, 180 - from));
    arcTo(rest, {0, 0}, radius, 180 - from, 180 + 2 * from);
    sheet.outline(rest, SheetLine::Guide);
    levelCircle(sheet, cut, base);
    sheet.dimension({0, cut}, {0, radius}, SheetSide::On, sheet.label(SphericalCap::h, h), 0.6);
    sheet.dimension({0, cut}, {base, cut}, SheetSide::On, sheet.label(SphericalCap::a, sheet.value(SphericalCap::a)));
    sheet.dimension({0, 0}, polar(radius, 210), SheetSide::On, sheet.label(SphericalCap::R, R));
}

} // namespace Zyntra
