#include "rttriangle.h"

#include "entry/term.h"

#include <algorithm>
#include <array>

namespace Zyntra {

namespace {

struct Triangle {
    Term a, b, c, A, B;
};

using Quantity = Term Triangle::*;

constexpr std::array<Quantity, RtValue::Count> ValueList{&Triangle::a, &Triangle::b, &Triangle::c, &Triangle::A,
                                                         &Triangle::B};
// The letters of the drawing, in value-list order.
constexpr std::array<const char *, RtValue::Count> Letters{"a", "b", "c", "A", "B"};

int indexOf(Quantity quantity)
{
    return int(std::ranges::find(ValueList, quantity) - ValueList.begin());
}

// A value worked out first and used for the rest goes under its letter.
Term named(const Term &value, const char *letter)
{
    return value.named(QString::fromLatin1(letter));
}

// The other acute angle is what this one leaves of a right angle.
Term complement(const Term &angle)
{
    return Term(90).inDegrees() - angle;
}

// A leg as long as the hypotenuse, or longer, belongs to no right triangle.
void requireShorterThanHypotenuse(const Term &leg, const Term &hypotenuse, int field, const char *name)
{
    if (leg >= hypotenuse)
        throw Failure{Failure::Cause::NotAFigure, field,
                      QStringLiteral("Side %1 must be shorter than the hypotenuse c.").arg(QLatin1String(name))};
}

// Negative lengths and angles of 90 degrees or more would come out as
// negative sides and angles: no right triangle has them.
void requireRealTriangle(const Triangle &t, Quantity first, Quantity second)
{
    static const char *const names[] = {"Side a", "Side b", "Hypotenuse c", "Angle A", "Angle B"};
    for (const Quantity given : {first, second}) {
        const int field = indexOf(given);
        const bool angle = field == RtValue::A || field == RtValue::B;
        if ((t.*given).value() < 0)
            throw Failure{Failure::Cause::NotAFigure, field,
                          QStringLiteral("%1 must be greater than zero.").arg(QLatin1String(names[field]))};
        if (angle && (t.*given).value() >= 90)
            throw Failure{Failure::Cause::NotAFigure, field,
                          QStringLiteral("%1 must be less than 90 degrees.").arg(QLatin1String(names[field]))};
    }
}

// The two sides not given, from the one given and angle A.
void fromLegA(Triangle &t, const Term &pi)
{
    const Term r = radians(t.A, pi);
    t.b = t.a * (1 / tan(r));
    t.c = t.a * (1 / sin(r));
}

void fromLegB(Triangle &t, const Term &pi)
{
    const Term r = radians(t.A, pi);
    t.a = t.b * tan(r);
    t.c = t.b * (1 / cos(r));
}

void fromHypotenuse(Triangle &t, const Term &pi)
{
    const Term r = radians(t.A, pi);
    t.a = t.c * sin(r);
    t.b = t.c * cos(r);
}

struct SolvingRow {
    Quantity first;
    Quantity second;
    void (*complete)(Triangle &t, const Term &pi);
};

// Tried in this order; the first row whose two values are both given wins.
// clang-format off
constexpr std::array<SolvingRow, 9> SolvingRows{{
    {&Triangle::a, &Triangle::b,
     [](Triangle &t, const Term &pi) {
         t.c = sqrt(power(t.a, 2) + power(t.b, 2));
         t.A = named(degrees(atan(t.a / t.b), pi), "A");
         t.B = complement(t.A);
     }},
    {&Triangle::a, &Triangle::c,
     [](Triangle &t, const Term &pi) {
         requireShorterThanHypotenuse(t.a, t.c, RtValue::a, "a");
         t.b = named(sqrt((t.c + t.a) * (t.c - t.a)), "b");
         t.A = named(degrees(atan(t.a / t.b), pi), "A");
         t.B = complement(t.A);
     }},
    {&Triangle::a, &Triangle::A, [](Triangle &t, const Term &pi) { t.B = complement(t.A); fromLegA(t, pi); }},
    {&Triangle::b, &Triangle::A, [](Triangle &t, const Term &pi) { t.B = complement(t.A); fromLegB(t, pi); }},
    {&Triangle::c, &Triangle::A, [](Triangle &t, const Term &pi) { t.B = complement(t.A); fromHypotenuse(t, pi); }},
    {&Triangle::b, &Triangle::c,
     [](Triangle &t, const Term &pi) {
         requireShorterThanHypotenuse(t.b, t.c, RtValue::b, "b");
         t.a = named(sqrt((t.c + t.b) * (t.c - t.b)), "a");
         t.B = named(degrees(atan(t.b / t.a), pi), "B");
         t.A = complement(t.B);
     }},
    {&Triangle::a, &Triangle::B, [](Triangle &t, const Term &pi) { t.A = named(complement(t.B), "A"); fromLegA(t, pi); }},
    {&Triangle::b, &Triangle::B, [](Triangle &t, const Term &pi) { t.A = named(complement(t.B), "A"); fromLegB(t, pi); }},
    {&Triangle::c, &Triangle::B,
     [](Triangle &t, const Term &pi) { t.A = named(complement(t.B), "A"); fromHypotenuse(t, pi); }},
}};
// clang-format on

} // namespace

Outcome calculateRtTriangle(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        // Not the full value of pi: the angles shown depend on it.
        const Term pi = Term::constant(Constants::RoughPi);
        const Fields fields(fieldTexts);
        Triangle t;
        for (int i = 0; i < RtValue::Count; ++i)
            t.*ValueList[size_t(i)] = fields.isEmpty(i) ? Term(0) : typed(fields, i, Letters[size_t(i)]);
        t.A = t.A.inDegrees();
        t.B = t.B.inDegrees();

        const auto row =
            std::ranges::find_if(SolvingRows, [&](const SolvingRow &r) { return t.*r.first != 0 && t.*r.second != 0; });
        if (row != SolvingRows.end()) {
            requireRealTriangle(t, row->first, row->second);
            row->complete(t, pi);
        } else
            t = Triangle{};

        Outcome outcome;
        for (int i = 0; i < RtValue::Count; ++i)
            addAnswer(outcome, i, t.*ValueList[size_t(i)], Pattern::OneOrTwoDecimals);
        if (row == SolvingRows.end()) {
            // Say what is missing: angles alone fix the shape, never the size.
            const bool side = !fields.allEmpty({RtValue::a, RtValue::b, RtValue::c});
            const bool anything = side || !fields.allEmpty({RtValue::A, RtValue::B});
            noteAll(outcome, !anything ? QString::fromLatin1(NoValuesGiven)
                             : side    ? QStringLiteral("two values are needed, one of them a side")
                                       : QStringLiteral("a side is needed as well as an angle"));
            return outcome;
        }
        const QString solved = QStringLiteral("solved from %1 and %2")
                                   .arg(QLatin1String(Letters[size_t(indexOf(row->first))]),
                                        QLatin1String(Letters[size_t(indexOf(row->second))]));
        for (int i = 0; i < RtValue::Count; ++i)
            if (ValueList[size_t(i)] != row->first && ValueList[size_t(i)] != row->second)
                outcome.workings[i].note = solved;
        return outcome;
    });
}

} // namespace Zyntra
