#pragma once

#include <QString>
#include <QStringView>

#include <array>
#include <span>

namespace Zyntra {

// What a value measures: units, solving and the sheet go by it.
enum class QuantityKind { Length, Area, Volume, Angle, Count };

// A given value or an answer of a figure: the letter its value travels
// under, as the drawing names it ("a", "θ", "Area"), and what it measures.
// A given value also says which values it admits beyond a positive
// number: an angle below `most` degrees, a length below `times` the one in
// field `below`, a side of a triangle as long as the sine of the angle in field
// `opposite` makes it. An answer that only some values bring (the second
// triangle that two sides and an angle not between them may also fit) is
// `sometimes` there.
struct Quantity {
    const char *letter = nullptr; // none: nothing is given or answered in this place
    QuantityKind kind = QuantityKind::Length;
    double most = 0;
    int below = -1;
    int opposite = -1;
    bool sometimes = false;
    double times = 1;
};

constexpr Quantity length(const char *letter, int below = -1, double times = 1)
{
    return {.letter = letter, .kind = QuantityKind::Length, .below = below, .times = times};
}
constexpr Quantity area(const char *letter)
{
    return {.letter = letter, .kind = QuantityKind::Area};
}
constexpr Quantity volume(const char *letter)
{
    return {.letter = letter, .kind = QuantityKind::Volume};
}
// A side of a triangle, facing the angle given in field `opposite`.
constexpr Quantity side(const char *letter, int opposite)
{
    return {.letter = letter, .kind = QuantityKind::Length, .opposite = opposite};
}
constexpr Quantity sometimes(Quantity answer)
{
    answer.sometimes = true;
    return answer;
}
// An angle in degrees, given below `most`.
constexpr Quantity angle(const char *letter, double most = 180)
{
    return {.letter = letter, .kind = QuantityKind::Angle, .most = most};
}

// Where the value or answer of this letter stands among those declared (its
// field's or its label's index); -1 where none has it.
inline int letterIndex(std::span<const Quantity> declared, QStringView letter)
{
    for (size_t i = 0; i < declared.size(); ++i)
        if (declared[i].letter && QString::fromUtf8(declared[i].letter) == letter)
            return int(i);
    return -1;
}

// The most value fields and answers a figure has: the triangle's six
// sides and angles, and its thirteen answers for each of two triangles.
constexpr int MostFields = 6;
constexpr int MostAnswers = 26;

// What one option of a figure takes and answers: the given values by the
// index of their field, the answers by the index of their label; and the
// figure's own name where the option chooses the figure itself rather
// than what is given ("Frustum of Right Cylinder").
struct OptionQuantities {
    std::array<Quantity, MostFields> given;
    std::array<Quantity, MostAnswers> answers;
    const char *figure = nullptr;
};

} // namespace Zyntra
