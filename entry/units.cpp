#include "units.h"

#include "measurement.h"
#include "term.h"

#include <QStringList>

namespace Zyntra {

namespace {

// The defining values, each typed once; every other size is made from them.
constexpr long double Millimetre = 1;
constexpr long double Metre = 1000 * Millimetre;
constexpr long double Inch = 25.4L * Millimetre;
constexpr long double Foot = 0.3048L * Metre;
constexpr long double Yard = 0.9144L * Metre;
constexpr long double Mile = 1609.344L * Metre;
constexpr long double Hectare = 10'000 * Metre * Metre;
constexpr long double Acre = 4046.8564224L * Metre * Metre;
constexpr long double Litre = 1000 * (10 * Millimetre) * (10 * Millimetre) * (10 * Millimetre);
constexpr long double UsGallon = 231 * Inch * Inch * Inch;
constexpr long double ImperialGallon = 4.54609L * Litre;

constexpr long double square(long double x)
{
    return x * x;
}
constexpr long double cube(long double x)
{
    return x * x * x;
}

using enum QuantityKind;

// clang-format off
constexpr Unit Units[] = {
    {"mm",     "mm",      Length, Millimetre,              "millimetre",        "millimetres"},
    {"cm",     "cm",      Length, 10 * Millimetre,         "centimetre",        "centimetres"},
    {"m",      "m",       Length, Metre,                   "metre",             "metres"},
    {"km",     "km",      Length, 1000 * Metre,            "kilometre",         "kilometres"},
    {"in",     "in",      Length, Inch,                    "inch",              "inches"},
    {"ft",     "ft",      Length, Foot,                    "foot",              "feet"},
    {"yd",     "yd",      Length, Yard,                    "yard",              "yards"},
    {"mi",     "mi",      Length, Mile,                    "mile",              "miles"},
    {"ftin",   "ft and in", Length, Inch,                  "inch",              "inches"},
    {"mm2",    "mm²",     Area,   square(Millimetre),      "square millimetre", "square millimetres"},
    {"cm2",    "cm²",     Area,   square(10 * Millimetre), "square centimetre", "square centimetres"},
    {"m2",     "m²",      Area,   square(Metre),           "square metre",      "square metres"},
    {"ha",     "ha",      Area,   Hectare,                 "hectare",           "hectares"},
    {"km2",    "km²",     Area,   square(1000 * Metre),    "square kilometre",  "square kilometres"},
    {"in2",    "in²",     Area,   square(Inch),            "square inch",       "square inches"},
    {"ft2",    "ft²",     Area,   square(Foot),            "square foot",       "square feet"},
    {"yd2",    "yd²",     Area,   square(Yard),            "square yard",       "square yards"},
    {"acre",   "acre",    Area,   Acre,                    "acre",              "acres"},
    {"mi2",    "mi²",     Area,   square(Mile),            "square mile",       "square miles"},
    {"mm3",    "mm³",     Volume, cube(Millimetre),        "cubic millimetre",  "cubic millimetres"},
    {"cm3",    "cm³",     Volume, cube(10 * Millimetre),   "cubic centimetre",  "cubic centimetres"},
    {"m3",     "m³",      Volume, cube(Metre),             "cubic metre",       "cubic metres"},
    {"ml",     "mL",      Volume, Litre / 1000,            "millilitre",        "millilitres"},
    {"l",      "L",       Volume, Litre,                   "litre",             "litres"},
    {"in3",    "in³",     Volume, cube(Inch),              "cubic inch",        "cubic inches"},
    {"ft3",    "ft³",     Volume, cube(Foot),              "cubic foot",        "cubic feet"},
    {"yd3",    "yd³",     Volume, cube(Yard),              "cubic yard",        "cubic yards"},
    {"usgal",  "US gal",  Volume, UsGallon,                "US gallon",         "US gallons"},
    {"impgal", "imp gal", Volume, ImperialGallon,          "imperial gallon",   "imperial gallons"},
    {"km3",    "km³",     Volume, cube(1000 * Metre),      "cubic kilometre",   "cubic kilometres", false},
    {"mi3",    "mi³",     Volume, cube(Mile),              "cubic mile",        "cubic miles",      false},
};
// clang-format on

UnitChoice chosen;

const Unit *ofKind(const Unit *unit, QuantityKind kind)
{
    return unit && unit->kind == kind ? unit : nullptr;
}

// The square or cube of a length unit: its symbol with ² or ³.
const Unit *power(const Unit *length, QuantityKind kind)
{
    if (!length)
        return nullptr;
    return findUnit(QString::fromUtf8(length->symbol) + (kind == Area ? u'²' : u'³'));
}

constexpr const Unit *Tape = &Units[8];

} // namespace

std::span<const Unit> unitTable()
{
    return Units;
}

std::vector<const Unit *> unitsOf(QuantityKind kind)
{
    std::vector<const Unit *> units;
    for (const Unit &unit : Units)
        if (unit.kind == kind && unit.listed)
            units.push_back(&unit);
    return units;
}

const Unit *findUnit(QStringView symbol)
{
    for (const Unit &unit : Units)
        if (symbol == QString::fromUtf8(unit.symbol))
            return &unit;
    return nullptr;
}

const Unit *tapeUnit()
{
    return Tape;
}

const Unit *unitById(QStringView id)
{
    for (const Unit &unit : Units)
        if (id == QLatin1String(unit.id))
            return &unit;
    return nullptr;
}

double conversionFactor(const Unit &from, const Unit &to)
{
    return &from == &to ? 1.0 : double(from.size / to.size);
}

const Unit *UnitChoice::measured(QuantityKind kind) const
{
    // The tape's inches are the unit its lengths are worked in.
    const Unit *worked = length == Tape ? findUnit(u"in") : length;
    switch (kind) {
    case Length:
        return worked;
    case Area:
    case Volume:
        return power(worked, kind);
    case Angle:
    case Count:
        break;
    }
    return nullptr;
}

const Unit *UnitChoice::shown(QuantityKind kind) const
{
    if (!length)
        return nullptr;
    const Unit *own = kind == Area ? area : kind == Volume ? volume : nullptr;
    return own ? own : byDefault(kind);
}

const Unit *UnitChoice::byDefault(QuantityKind kind) const
{
    if (length == Tape && (kind == Length || kind == Area || kind == Volume))
        return kind == Length ? Tape : power(findUnit(u"ft"), kind);
    return measured(kind);
}

const Unit *UnitChoice::chosen(QuantityKind kind) const
{
    return kind == Length ? length : kind == Area ? area : kind == Volume ? volume : nullptr;
}

UnitChoice UnitChoice::with(QuantityKind kind, const Unit *unit) const
{
    UnitChoice changed = *this;
    if (kind == Length)
        changed.length = unit;
    else if (kind == Area)
        changed.area = unit;
    else if (kind == Volume)
        changed.volume = unit;
    if (!changed.length)
        changed = {};
    return changed;
}

UnitChoice unitChoice()
{
    return chosen;
}

void setUnitChoice(UnitChoice choice)
{
    chosen.length = ofKind(choice.length, Length);
    chosen.area = chosen.length ? ofKind(choice.area, Area) : nullptr;
    chosen.volume = chosen.length ? ofKind(choice.volume, Volume) : nullptr;
}

namespace {
constexpr QuantityKind Measured[] = {Length, Area, Volume};
const QString Separator = QStringLiteral(", ");
// An area or volume unit "Same as Lengths", among the ids.
constexpr char SameId[] = "same";
} // namespace

QString unitsCaption(const UnitChoice &choice)
{
    if (!choice.length)
        return QStringLiteral("No Units");
    QStringList symbols;
    for (const QuantityKind kind : Measured)
        symbols << QString::fromUtf8(choice.shown(kind)->symbol);
    return symbols.join(Separator);
}

UnitChoice unitsFromCaption(QStringView caption)
{
    const QList<QStringView> symbols = caption.split(Separator);
    if (size_t(symbols.size()) != std::size(Measured))
        return {};
    UnitChoice choice;
    for (size_t i = 0; i < std::size(Measured); ++i) {
        const Unit *unit = findUnit(symbols[qsizetype(i)]);
        if (!unit || unit->kind != Measured[i])
            return {};
        // The square or cube of the length unit is the default, "Same as Lengths".
        choice = choice.with(Measured[i], unit == choice.byDefault(Measured[i]) ? nullptr : unit);
    }
    return choice;
}

QString unitsIds(const UnitChoice &choice)
{
    if (!choice.length)
        return {};
    QStringList ids;
    for (const QuantityKind kind : Measured) {
        const Unit *unit = choice.chosen(kind);
        ids << QString::fromLatin1(unit ? unit->id : SameId);
    }
    return ids.join(u' ');
}

UnitChoice unitsFromIds(QStringView ids)
{
    const QList<QStringView> named = ids.split(u' ');
    if (size_t(named.size()) != std::size(Measured))
        return {};
    UnitChoice choice;
    for (size_t i = 0; i < std::size(Measured); ++i) {
        const Unit *unit = unitById(named[qsizetype(i)]);
        if (Measured[i] != Length && named[qsizetype(i)] == QLatin1String(SameId))
            continue;
        if (!unit || unit->kind != Measured[i])
            return {};
        choice = choice.with(Measured[i], unit);
    }
    return choice;
}

double toShownUnit(double measured, QuantityKind kind, const UnitChoice &choice)
{
    const Unit *from = choice.measured(kind);
    const Unit *to = choice.shown(kind);
    return from && to && from != to ? measured * conversionFactor(*from, *to) : measured;
}

double toMeasuredUnit(double shown, QuantityKind kind, const UnitChoice &choice)
{
    const Unit *from = choice.shown(kind);
    const Unit *to = choice.measured(kind);
    return from && to && from != to ? shown * conversionFactor(*from, *to) : shown;
}

QString withSymbol(const QString &number, const Unit &unit)
{
    return number + u' ' + QString::fromUtf8(unit.symbol);
}

QString shownValue(double value, const Unit *unit, Pattern pattern, Precision precision)
{
    return unit == Tape ? tapeReading(value, tapeDenominator()) : formatResult(value, pattern, precision);
}

QString unitSuffix(const Unit *unit)
{
    return unit && unit != Tape ? u' ' + QString::fromUtf8(unit->symbol) : QString();
}

QString spokenUnit(const Unit &unit, QStringView shownText)
{
    return QString::fromUtf8(textToNumber(shownText) == 1.0 ? unit.singular : unit.plural);
}

Outcome inChosenUnits(Outcome outcome, std::span<const Quantity> answers, const std::function<Pattern(int)> &pattern,
                      const UnitChoice &choice)
{
    if (!choice.length || outcome.kind != Outcome::Kind::Answers)
        return outcome;
    return runCalculation([&] {
        for (auto &[index, text] : outcome.answers) {
            if (index < 0 || size_t(index) >= answers.size() || !answers[size_t(index)].letter)
                continue;
            const QuantityKind kind = answers[size_t(index)].kind;
            const Unit *measured = choice.measured(kind);
            const Unit *shown = choice.shown(kind);
            if (!shown)
                continue;
            const auto working = outcome.workings.find(index);
            const auto value = outcome.values.find(index);
            if (measured && shown != measured && value != outcome.values.end()) {
                // Checked, as every step is: a cubic mile in cubic millimetres overflows.
                const Num converted = Num(value->second) * Num(conversionFactor(*measured, *shown));
                text = shownValue(converted.value(), shown, pattern(index), answerPrecision());
                if (working != outcome.workings.end()) {
                    Working &worked = working->second;
                    worked.measured = withSymbol(workedNumber(value->second), *measured);
                    // The exact form stays in the unit it was worked in.
                    if (!worked.exact.isEmpty()) {
                        worked.exact += u' ' + QString::fromUtf8(measured->symbol);
                        worked.exactSpoken += u' ' + QString::fromUtf8(measured->plural);
                    }
                }
            }
            if (working != outcome.workings.end())
                working->second.unit = unitSuffix(shown);
        }
        return outcome;
    });
}

} // namespace Zyntra
