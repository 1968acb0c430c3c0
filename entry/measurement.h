#pragma once

#include "quantity.h"
#include "units.h"

#include <QString>
#include <QStringList>
#include <QStringView>

#include <optional>
#include <span>

namespace Zyntra {

// A value typed with a unit of its own: "12 ft", "5' 3 1/2\"", "2,5 m",
// "200 sq ft". Feet and inches together read as inches.
struct Measurement {
    double amount = 0;          // in `unit`; a fraction is one quotient, so 3/8 is 0.375 exactly
    const Unit *unit = nullptr; // none typed: the amount is in the program's unit

    // The amount in `to`, converted once; as typed where either unit is missing.
    double in(const Unit *to) const;
};

// A text read as a value of one kind, or why it does not read as one, in
// words that follow the field's name ("Width a: …").
struct MeasurementReading {
    std::optional<Measurement> measurement;
    QString problem;
};

// Reads a value with or without its unit, never through a locale: numbers
// as textToNumber reads them (a decimal comma where the desktop writes
// one), whole fractions and mixed numbers ("1 1/2", "⅜"), the unit as its
// symbol, its spoken words or a common spelling ("ft", "feet", "'", "in",
// "inch", "\"", "sq ft", "ft2"). A text of a number alone reads exactly as
// textToNumber reads it.
MeasurementReading readMeasurement(QStringView text, QuantityKind kind);

// The finest fraction of an inch a tape reading shows: 2 for "Nearest 1/2
// in", up to 64.
inline constexpr int TapeDenominators[] = {2, 4, 8, 16, 32, 64};
inline constexpr int DefaultTapeDenominator = 16;
// Program-wide, for answers under "ft and in"; 16 unless the user chose another.
int tapeDenominator();
void setTapeDenominator(int denominator);

// A length in inches as a tape reads it, to the nearest 1/denominator of an
// inch, the fraction in lowest terms: "5′ 3 ½″", "0′ 11 ⅞″", "14′ 0″".
QString tapeReading(double inches, int denominator = DefaultTapeDenominator);
// The same in words for a screen reader: "5 feet 3 and a half inches".
QString spokenTapeReading(double inches, int denominator = DefaultTapeDenominator);

// A value typed with its unit, in words for a screen reader: feet and
// inches as a tape is read, "5 feet 3 and a half inches", any other as
// "2.5 metres"; empty for a number alone or a text that reads as no value.
QString spokenMeasurement(QStringView text);

// The texts of a calculation's fields as its calculation reads them. Under
// "No Units", and for a number alone, as typed; a value typed with a unit
// of its own, for the kind `given` declares of its field, converted once
// into the unit the calculation works in and written as the number it came
// to, what it came to kept for the working ("63.5 in" for 5' 3 1/2"). A text
// that reads as no value of its kind stops the calculation, naming why.
struct ProgramValues {
    QStringList texts;
    QStringList conversions; // by field, "63.5 in"; empty where nothing was converted
    std::optional<Failure> failure;
};
ProgramValues inProgramUnits(const QStringList &typed, std::span<const Quantity> given,
                             const UnitChoice &choice = unitChoice());

} // namespace Zyntra
