#include "circlesheets.h"

#include "sheet/sheetbuilder.h"

#include <algorithm>
#include <cmath>
#include <utility>
#include <vector>

namespace Zyntra {

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

} // namespace Zyntra
