#include "rttriangle.h"

#include <algorithm>
#include <array>

namespace Zyntra {

namespace {

struct Triangle {
    Num a, b, c, A, B;
};

using Quantity = Num Triangle::*;

constexpr std::array<Quantity, RtValue::Count> ValueList{&Triangle::a, &Triangle::b, &Triangle::c, &Triangle::A,
                                                         &Triangle::B};

// Angles are converted with the rough pi of 3.14, the division first.
Num radians(Num degrees, Num pi)
{
    return (pi / 180) * degrees;
}
Num degrees(Num radians, Num pi)
{
    return (180 / pi) * radians;
}

// A leg as long as the hypotenuse, or longer, belongs to no right triangle.
void requireShorterThanHypotenuse(Num leg, Num hypotenuse, int field, const char *name)
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
        const int field = int(std::ranges::find(ValueList, given) - ValueList.begin());
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
void fromLegA(Triangle &t, Num pi)
{
    const Num r = radians(t.A, pi);
    t.b = t.a * (1 / tan(r));
    t.c = t.a * (1 / sin(r));
}

void fromLegB(Triangle &t, Num pi)
{
    const Num r = radians(t.A, pi);
    t.a = t.b * tan(r);
    t.c = t.b * (1 / cos(r));
}

void fromHypotenuse(Triangle &t, Num pi)
{
    const Num r = radians(t.A, pi);
    t.a = t.c * sin(r);
    t.b = t.c * cos(r);
}

struct SolvingRow {
    Quantity first;
    Quantity second;
    void (*complete)(Triangle &t, Num pi);
};

// Tried in this order; the first row whose two values are both given wins.
// clang-format off
constexpr std::array<SolvingRow, 9> SolvingRows{{
    {&Triangle::a, &Triangle::b,
     [](Triangle &t, Num pi) {
         t.c = sqrt(power(t.a, 2) + power(t.b, 2));
         t.A = degrees(atan(t.a / t.b), pi);
         t.B = 90 - t.A;
     }},
    {&Triangle::a, &Triangle::c,
     [](Triangle &t, Num pi) {
         requireShorterThanHypotenuse(t.a, t.c, RtValue::a, "a");
         t.b = sqrt((t.c + t.a) * (t.c - t.a));
         t.A = degrees(atan(t.a / t.b), pi);
         t.B = 90 - t.A;
     }},
    {&Triangle::a, &Triangle::A, [](Triangle &t, Num pi) { t.B = 90 - t.A; fromLegA(t, pi); }},
    {&Triangle::b, &Triangle::A, [](Triangle &t, Num pi) { t.B = 90 - t.A; fromLegB(t, pi); }},
    {&Triangle::c, &Triangle::A, [](Triangle &t, Num pi) { t.B = 90 - t.A; fromHypotenuse(t, pi); }},
    {&Triangle::b, &Triangle::c,
     [](Triangle &t, Num pi) {
         requireShorterThanHypotenuse(t.b, t.c, RtValue::b, "b");
         t.a = sqrt((t.c + t.b) * (t.c - t.b));
         t.B = degrees(atan(t.b / t.a), pi);
         t.A = 90 - t.B;
     }},
    {&Triangle::a, &Triangle::B, [](Triangle &t, Num pi) { t.A = 90 - t.B; fromLegA(t, pi); }},
    {&Triangle::b, &Triangle::B, [](Triangle &t, Num pi) { t.A = 90 - t.B; fromLegB(t, pi); }},
    {&Triangle::c, &Triangle::B, [](Triangle &t, Num pi) { t.A = 90 - t.B; fromHypotenuse(t, pi); }},
}};
// clang-format on

} // namespace

Outcome calculateRtTriangle(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        // Not the full value of pi: the angles shown depend on it.
        const Num pi = 3.14;
        const Fields fields(fieldTexts);
        Triangle t;
        for (int i = 0; i < RtValue::Count; ++i)
            t.*ValueList[size_t(i)] = fields.isEmpty(i) ? Num(0) : fields.number(i);

        const auto row =
            std::ranges::find_if(SolvingRows, [&](const SolvingRow &r) { return t.*r.first != 0 && t.*r.second != 0; });
        if (row != SolvingRows.end()) {
            requireRealTriangle(t, row->first, row->second);
            row->complete(t, pi);
        } else
            t = Triangle{};

        Outcome outcome;
        for (int i = 0; i < RtValue::Count; ++i)
            outcome.answers[i] = format(t.*ValueList[size_t(i)], Pattern::OneOrTwoDecimals);
        return outcome;
    });
}

} // namespace Zyntra
