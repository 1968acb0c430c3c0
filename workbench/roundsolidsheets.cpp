#include "roundsolidsheets.h"

#include "roundsolids.h"
#include "sheet/sheetbuilder.h"

#include <algorithm>
#include <cmath>
#include <functional>

namespace Zyntra {

namespace {

// The outline of a convex solid on the sheet: for each direction u on the
// sheet, the solid's point furthest that way, where u·view(p) = w·p is
// largest; `furthest` gives that point for w.
QPainterPath outlineOf(View view, const std::function<Point3(Point3 w)> &furthest)
{
    constexpr int Samples = 144;
    QPainterPath outline;
    for (int i = 0; i <= Samples; ++i) {
        const double angle = 2 * Pi * i / Samples;
        const double x = std::cos(angle);
        const double y = std::sin(angle);
        const QPointF point = view(furthest({x, y, view.right * x + view.up * y}));
        if (i == 0)
            outline.moveTo(point);
        else
            outline.lineTo(point);
    }
    return outline;
}

} // namespace

// Standing on its base of radius R, its top of radius r at the height h.
void coneFrustumSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral(QT_TRANSLATE_NOOP("Figures", "Frustum of a right cone")));
    const double R = sheet.value(ConeFrustum::R);
    const double r = sheet.value(ConeFrustum::r);
    const double h = sheet.value(ConeFrustum::h);
    // A top of no radius is the cone itself, and as drawable.
    sheet.fits({std::max(R, r), h}, std::min(R, r) >= 0);
    const std::array<double, 3> drawn = sheet.drawn<3>({R, r, h}, {2, 1.2, 2.5});
    const double base = drawn[0];
    const double top = drawn[1];
    const double height = drawn[2];
    const auto rim = [](double radius, double y) {
        return [=](double t) { return Cabinet({radius * std::cos(t), y, radius * std::sin(t)}); };
    };
    // The side's outward normal at the generator of angle t.
    const auto sideSeen = [&](double t) {
        return Cabinet.sees({height * std::cos(t), base - top, height * std::sin(t)});
    };
    QPainterPath seen;
    QPainterPath hidden;
    curve(seen, hidden, rim(base, 0), sideSeen);
    curve(seen, hidden, rim(top, height), [](double) { return true; });
    // The generators that outline the side, where the side's normal lies across the view.
    const double reach = Recede * (base - top) / (height * std::hypot(1.0, Recede));
    if (std::abs(reach) < 1) {
        for (const double t : {std::atan(Recede) + std::asin(reach), std::atan(Recede) + Pi - std::asin(reach)}) {
            seen.moveTo(rim(base, 0)(t));
            seen.lineTo(rim(top, height)(t));
        }
    }
    sheet.outline(seen);
    sheet.outline(hidden, SheetLine::Hidden);
    sheet.outline(line({0, 0}, {0, height}), SheetLine::Guide);
    sheet.dimension({0, 0}, {0, height}, SheetSide::On, sheet.label(ConeFrustum::h, h), 0.4);
    sheet.dimension({0, 0}, {base, 0}, SheetSide::On, sheet.label(ConeFrustum::R, R));
    sheet.dimension({0, height}, {top, height}, SheetSide::On, sheet.label(ConeFrustum::r, r));
    sheet.dimension({base, 0}, {top, height}, SheetSide::Right,
                    sheet.label(ConeFrustum::k, sheet.value(ConeFrustum::k)));
}

// Lying along x, its open end at x = h facing the viewer.
void hollowCylinderSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral(QT_TRANSLATE_NOOP("Figures", "Hollow cylinder")));
    const double R = sheet.value(HollowCylinder::R);
    const double r = sheet.value(HollowCylinder::r);
    const double h = sheet.value(HollowCylinder::h);
    // A wall too thin beside the rest is drawn as a sketch.
    sheet.fits({R - r, R, h}, r >= 0);
    const auto [outer, inner, length] = sheet.drawn<3>({R, r, h}, {1.2, 0.8, 4});
    QPainterPath seen;
    QPainterPath hidden;
    rimAcrossX(seen, hidden, 0, outer, false);
    rimAcrossX(seen, hidden, length, outer, true);
    // The side's outline: its top and bottom lines.
    for (const double y : {-outer, outer}) {
        seen.moveTo(Level({0, y, 0}));
        seen.lineTo(Level({length, y, 0}));
    }
    // The bore: its far end lies behind the wall.
    QPainterPath bore;
    QPainterPath farBore;
    rimAcrossX(bore, farBore, length, inner, true);
    rimAcrossX(farBore, farBore, 0, inner, true);
    sheet.outline(seen);
    sheet.outline(hidden, SheetLine::Hidden);
    sheet.outline(bore);
    sheet.outline(farBore, SheetLine::Hidden);
    sheet.outline(line({-outer / 2, 0}, {length + outer / 2, 0}), SheetLine::Guide);
    sheet.dimension({0, -outer}, {length, -outer}, SheetSide::Right, sheet.label(HollowCylinder::h, h));
    sheet.dimension({length, 0}, {length, outer}, SheetSide::On, sheet.label(HollowCylinder::R, R));
    sheet.dimension({length, 0}, {length, -inner}, SheetSide::On, sheet.label(HollowCylinder::r, r));
}

// Its semi-axes a across, b up and c in the depth: its outline, and its
// equator through a and c.
void ellipsoidSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral(QT_TRANSLATE_NOOP("Figures", "Ellipsoid")));
    const double a = sheet.value(Ellipsoid::a);
    const double b = sheet.value(Ellipsoid::b);
    const double c = sheet.value(Ellipsoid::c);
    sheet.fits({a, b, c});
    const std::array<double, 3> drawn = sheet.drawn<3>({a, b, c}, {2.5, 1.6, 1.2});
    const double x = drawn[0];
    const double y = drawn[1];
    const double z = drawn[2];
    // Of all points with p²/axes² = 1, the one furthest along w.
    const QPainterPath outline = outlineOf(Cabinet, [&](Point3 w) {
        const double norm = std::sqrt(x * x * w.x * w.x + y * y * w.y * w.y + z * z * w.z * w.z);
        return Point3{x * x * w.x / norm, y * y * w.y / norm, z * z * w.z / norm};
    });
    QPainterPath seen;
    QPainterPath hidden;
    curve(
        seen, hidden,
        [&](double t) {
            return Cabinet({x * std::cos(t), 0, z * std::sin(t)});
        },
        [&](double t) {
            return Cabinet.sees({std::cos(t) / x, 0, std::sin(t) / z});
        });
    sheet.outline(outline);
    sheet.outline(seen);
    sheet.outline(hidden, SheetLine::Hidden);
    sheet.dimension({0, 0}, {x, 0}, SheetSide::On, sheet.label(Ellipsoid::a, a));
    sheet.dimension({0, 0}, {0, y}, SheetSide::On, sheet.label(Ellipsoid::b, b));
    // c towards the viewer, clear of a and b.
    sheet.dimension({0, 0}, Cabinet({0, 0, -z}), SheetSide::On, sheet.label(Ellipsoid::c, c));
}

// Lying along x: its cylinder from 0 to h, a half ball of radius r on each end.
void capsuleSheet(Sheet &sheet)
{
    sheet.setName(QStringLiteral(QT_TRANSLATE_NOOP("Figures", "Capsule")));
    const double r = sheet.value(Capsule::r);
    const double h = sheet.value(Capsule::h);
    // Without a cylinder it is a ball, and as drawable.
    sheet.fits({r, h + 2 * r}, h >= 0);
    const std::array<double, 2> drawn = sheet.drawn<2>({r, h}, {1.2, 3});
    const double radius = drawn[0];
    const double length = drawn[1];
    // The axis widened by a ball: each direction reaches out from the end
    // of the axis that lies furthest that way.
    const QPainterPath outline = outlineOf(Level, [&](Point3 w) {
        const double norm = std::sqrt(w.x * w.x + w.y * w.y + w.z * w.z);
        return Point3{(w.x > 0 ? length : 0) + radius * w.x / norm, radius * w.y / norm, radius * w.z / norm};
    });
    // Where the cylinder meets its two ends.
    QPainterPath seen;
    QPainterPath hidden;
    rimAcrossX(seen, hidden, 0, radius, false);
    rimAcrossX(seen, hidden, length, radius, false);
    sheet.outline(outline);
    sheet.outline(seen);
    sheet.outline(hidden, SheetLine::Hidden);
    sheet.outline(line({-1.5 * radius, 0}, {length + 1.5 * radius, 0}), SheetLine::Guide);
    sheet.dimension({0, -radius}, {length, -radius}, SheetSide::Right, sheet.label(Capsule::h, h));
    sheet.dimension({length, 0}, {length + radius, 0}, SheetSide::On, sheet.label(Capsule::r, r));
    sheet.dimension({-radius, radius}, {length + radius, radius}, SheetSide::Left,
                    sheet.label(Capsule::Length, sheet.value(Capsule::Length)));
}

} // namespace Zyntra
