#pragma once

#include <array>

namespace Zyntra {

// What a value measures: units, solving and the sheet go by it.
enum class QuantityKind { Length, Area, Volume, Angle, Count };

// A given value or an answer of a figure: the letter its value travels
// under, as the drawing names it ("a", "θ", "Area"), and what it measures.
// A given value also says which values it admits beyond a positive
// number: an angle below `most` degrees, a length below `times` the one in
// field `below`.
struct Quantity {
    const char *letter = nullptr; // none: nothing is given or answered in this place
    QuantityKind kind = QuantityKind::Length;
    double most = 0;
    int below = -1;
    double times = 1;
};

constexpr Quantity length(const char *letter, int below = -1, double times = 1)
{
    return {letter, QuantityKind::Length, 0, below, times};
}
constexpr Quantity area(const char *letter)
{
    return {letter, QuantityKind::Area};
}
constexpr Quantity volume(const char *letter)
{
    return {letter, QuantityKind::Volume};
}
// An angle in degrees, given below `most`.
constexpr Quantity angle(const char *letter, double most = 180)
{
    return {letter, QuantityKind::Angle, most};
}

// What one option of a figure takes and answers: the given values by the
// index of their field, the answers by the index of their label; and the
// figure's own name where the option chooses the figure itself rather
// than what is given ("Frustum of Right Cylinder").
struct OptionQuantities {
    std::array<Quantity, 5> given;
    std::array<Quantity, 10> answers;
    const char *figure = nullptr;
};

} // namespace Zyntra
