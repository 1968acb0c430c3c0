#include "tanksheet.h"

#include "entry/term.h"
#include "entry/units.h"
#include "sheet/sheetbuilder.h"
#include "solids/tank.h"

#include <algorithm>
#include <cmath>

namespace Zyntra {

namespace {

// The part of an ellipse standing on the origin, half-width a and height 2b,
// below the level y: the rim from where the level cuts it, round the
// bottom, and back along the level.
QPainterPath roundLiquid(double a, double b, double y)
{
    const double reach = std::acos(std::clamp((b - y) / b, -1.0, 1.0));
    QList<QPointF> rim;
    constexpr int Steps = 96;
    for (int i = 0; i <= Steps; ++i) {
        const double t = -reach + 2 * reach * i / Steps;
        rim << QPointF(a * std::sin(t), b - b * std::cos(t));
    }
    return polygon(rim);
}

// More rows than this would be no chart to read: the steps are too fine for the tank.
constexpr int MostRows = 400;

// The dip chart: the filled volume at even depths from empty to full, each
// worked by the tank's own calculation, in the units in force.
SheetTable dipChart(Sheet &sheet, const TankFields &tank, double height)
{
    QStringList fields{QString()};
    for (size_t i = 1; i < tank.fields.size() && tank.fields[i].letter; ++i)
        fields << fullNumber(sheet.value(QString::fromLatin1(tank.fields[i].letter)));
    const bool even = sheet.tableStep() > 0 && height / sheet.tableStep() <= MostRows;
    const double step = even ? sheet.tableStep() : height / 10;
    const Unit *volume = unitChoice().shown(QuantityKind::Volume);
    const auto inUnit = [](const char *column, const QString &unit) {
        return QString::fromLatin1(column) + (unit.isEmpty() ? QString() : QStringLiteral(" (%1)").arg(unit.trimmed()));
    };
    // The step in the words it was chosen in, "every 5 cm", not "every 0.05 m".
    const QString everyStep = sheet.tableStepCaption().isEmpty()
                                  ? QStringLiteral("every %1%2").arg(workedNumber(step), sheet.lengthUnit())
                                  : sheet.tableStepCaption();
    SheetTable chart{
        even ? QStringLiteral("Dip chart, ") + everyStep : QStringLiteral("Dip chart, ten steps of the height"),
        {inUnit("Depth d", sheet.lengthUnit()),
         inUnit("Filled Volume", volume ? QString::fromUtf8(volume->symbol) : QString()), QStringLiteral("Filled (%)")},
        {}};
    const QuietTerms quiet;
    for (int i = 0; i <= MostRows && std::isfinite(height); ++i) {
        // The last step stops at the top, which the others may not reach evenly.
        const double depth = i * step >= height - step * 1e-9 ? height : i * step;
        fields[0] = fullNumber(depth);
        const Outcome outcome = calculateTank(fields, sheet.option());
        if (outcome.kind != Outcome::Kind::Answers)
            break;
        chart.rows << QStringList{
            workedNumber(depth),
            formatResult(toShownUnit(outcome.values.at(TankAnswer::Filled), QuantityKind::Volume),
                         Pattern::TwoOrThreeDecimals),
            formatResult(outcome.values.at(TankAnswer::FilledPercent), Pattern::TwoOrThreeDecimals)};
        if (depth >= height)
            break;
    }
    return chart;
}

} // namespace

void tankSheet(Sheet &sheet)
{
    const auto shape = TankShape(std::clamp<int>(sheet.option(), 0, TankShapes - 1));
    const TankFields &tank = TankOptions[size_t(shape)];
    sheet.setName(QString::fromLatin1(tank.figure));
    const bool round =
        shape == TankShape::HorizontalCylinder || shape == TankShape::HorizontalCapsule || shape == TankShape::Sphere;
    const bool oval = round || shape == TankShape::HorizontalElliptical;
    // Across the tank: its width and its height, by the letters its fields carry.
    const QString across = QString::fromLatin1(tank.fields[1].letter);
    const QString up = QString::fromLatin1(tank.fields[size_t(tank.height)].letter);
    const double width = sheet.value(across);
    const double height = round ? width : sheet.value(up);
    const double depth = sheet.value(u"d");
    const bool toScale = sheet.fits({width, height}, depth >= 0 && depth <= height);
    const std::array<double, 2> drawn = sheet.drawn<2>({width, height}, {2, oval ? 2.0 : 3.0});
    const double w = drawn[0];
    const double h = round ? w : drawn[1];
    const double level = toScale ? depth : h * (depth >= 0 && depth <= height ? depth / height : 0.4);

    if (oval) {
        sheet.outline(ellipse({0, h / 2}, w / 2, h / 2));
        if (level > 0)
            sheet.outline(roundLiquid(w / 2, h / 2, level), SheetLine::Solid, true);
    } else {
        sheet.outline(polygon({{-w / 2, 0}, {w / 2, 0}, {w / 2, h}, {-w / 2, h}}));
        if (level > 0)
            sheet.outline(polygon({{-w / 2, 0}, {w / 2, 0}, {w / 2, level}, {-w / 2, level}}), SheetLine::Solid, true);
    }
    sheet.dimension({-w / 2, oval ? h / 2 : 0}, {w / 2, oval ? h / 2 : 0}, oval ? SheetSide::On : SheetSide::Right,
                    sheet.label(across, width));
    if (!round)
        sheet.dimension({w / 2, 0}, {w / 2, h}, SheetSide::Right, sheet.label(up, height));
    if (level > 0)
        sheet.dimension({-w / 2, level}, {-w / 2, 0}, SheetSide::Right, sheet.label(QStringLiteral("d"), depth));
    sheet.table(dipChart(sheet, tank, height));
}

} // namespace Zyntra
