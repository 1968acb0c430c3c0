#pragma once

#include "calculation.h"
#include "quantity.h"

#include <QString>
#include <QStringView>

#include <functional>
#include <span>
#include <vector>

namespace Zyntra {

// A unit a length, an area or a volume can be shown in.
struct Unit {
    const char *id;     // "cm2", "usgal": how a record keeps it, whatever the symbol becomes
    const char *symbol; // "cm²", "US gal": what follows an answer and names the menu's item
    QuantityKind kind;
    // Millimetres, square millimetres or cubic millimetres in one of it, from
    // its definition. Kept wider than a double so that the quotient of two
    // sizes is the nearest double to the exact factor.
    long double size;
    const char *singular; // what a screen reader says: "hectare"
    const char *plural;   // "hectares"
    // Offered in the menus; the cubes of the longest lengths are only there
    // for volumes "Same as Lengths".
    bool listed = true;
};

// Every unit: lengths, areas, volumes, each in the order the menu lists them.
std::span<const Unit> unitTable();
// The units of one kind the menus offer; none for angles and counts.
std::vector<const Unit *> unitsOf(QuantityKind kind);
const Unit *findUnit(QStringView symbol);
const Unit *unitById(QStringView id);
// "ft and in": lengths worked in inches and shown as a tape reads them.
const Unit *tapeUnit();

// What one of `from` is in `to`: one quotient of their sizes, exactly 1 for
// a unit to itself.
double conversionFactor(const Unit &from, const Unit &to);

// The units the user chose. No length unit is "No Units": nothing is
// converted or labelled. An area or volume unit left unset is the square or
// cube of the length unit ("Same as Lengths").
struct UnitChoice {
    const Unit *length = nullptr;
    const Unit *area = nullptr;
    const Unit *volume = nullptr;

    // The unit a calculation gives a value of this kind in: the length unit,
    // its square or its cube (inches under "ft and in"); nullptr under "No
    // Units" and for angles and counts.
    const Unit *measured(QuantityKind kind) const;
    // The unit the value is shown in.
    const Unit *shown(QuantityKind kind) const;
    // The unit "Same as Lengths" shows: the measured one, or under "ft and
    // in" the tape itself for lengths, ft² and ft³.
    const Unit *byDefault(QuantityKind kind) const;
    // The unit chosen for the kind itself: nullptr for "No Units" or "Same as Lengths".
    const Unit *chosen(QuantityKind kind) const;
    // This choice with the unit of one kind changed; a length of nullptr is "No Units".
    UnitChoice with(QuantityKind kind, const Unit *unit) const;
    friend bool operator==(const UnitChoice &, const UnitChoice &) = default;
};

// Program-wide; "No Units" unless the user chose units. A choice whose units
// are of the wrong kind, or an area or volume unit without a length unit,
// is taken without them.
UnitChoice unitChoice();
void setUnitChoice(UnitChoice choice);

// The choice in words: "No Units", or the units shown for lengths, areas
// and volumes, "cm, cm², L"; and back, "No Units" for a text that names no
// such units.
QString unitsCaption(const UnitChoice &choice);
UnitChoice unitsFromCaption(QStringView caption);
// The choice by the ids of the units chosen, as a record of a calculation
// keeps it: empty for "No Units", else "cm same l" for lengths, areas
// ("Same as Lengths") and volumes; and back, "No Units" for a text that
// names no such units.
QString unitsIds(const UnitChoice &choice);
UnitChoice unitsFromIds(QStringView ids);

// A value a calculation gave, in the unit it is shown in, and back again
// (a target typed in the shown unit). Unchanged where nothing converts.
double toShownUnit(double measured, QuantityKind kind, const UnitChoice &choice = unitChoice());
double toMeasuredUnit(double shown, QuantityKind kind, const UnitChoice &choice = unitChoice());

// The unit in words after a shown number: "hectares", "hectare" after a one.
QString spokenUnit(const Unit &unit, QStringView shownText);

// A shown number with its unit, as a working writes it: "63.5 in", "12 ft²".
QString withSymbol(const QString &number, const Unit &unit);

// A value as an answer shows it in this unit: a tape reading under "ft and
// in", else in the answer's pattern and the precision; and what follows it,
// " cm²", empty without a unit and after a tape reading, which carries its
// own marks.
QString shownValue(double value, const Unit *unit, Pattern pattern, Precision precision);
QString unitSuffix(const Unit *unit);

// An outcome's answers in the chosen units, by the kinds `answers` declares:
// each answer of a length, area or volume ends its working in its unit, and
// one shown in another unit than the calculation's is converted once from
// its value, written again in its pattern (a length under "ft and in" as
// a tape reading), and its working shows the conversion last. The values stay in the calculation's units. A
// conversion beyond the range of a double fails the outcome. Under "No
// Units" the outcome is returned as it came.
Outcome inChosenUnits(Outcome outcome, std::span<const Quantity> answers, const std::function<Pattern(int)> &pattern,
                      const UnitChoice &choice = unitChoice());

} // namespace Zyntra
