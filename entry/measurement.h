#pragma once

#include "quantity.h"
#include "units.h"

#include <QString>
#include <QStringView>

#include <optional>

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

// A length in inches as a tape reads it, to the nearest 1/denominator of an
// inch, the fraction in lowest terms: "5′ 3 ½″", "0′ 11 ⅞″", "14′ 0″".
QString tapeReading(double inches, int denominator = DefaultTapeDenominator);
// The same in words for a screen reader: "5 feet 3 and a half inches".
QString spokenTapeReading(double inches, int denominator = DefaultTapeDenominator);

} // namespace Zyntra
