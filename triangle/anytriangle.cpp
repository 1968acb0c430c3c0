#include "anytriangle.h"

#include "entry/term.h"
#include "triangleangles.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <optional>
#include <vector>

namespace Zyntra {

namespace {

using namespace AnyValue;

// a, b, c, A, B, C
using Values = std::array<Term, FieldCount>;

constexpr std::array<const char *, Count> Letters{"a",         "b",   "c",   "A",   "B", "C", "Area",
                                                  "Perimeter", "h_a", "h_b", "h_c", "r", "R"};
constexpr std::array<const char *, FieldCount> Names{"Side a", "Side b", "Side c", "Angle A", "Angle B", "Angle C"};

// The second triangle's letters carry a prime.
const QString Prime = QStringLiteral("′");

QString nameOf(int field)
{
    return QString::fromLatin1(Names[size_t(field)]);
}

QString letterOf(int index, const QString &mark = {})
{
    return QString::fromLatin1(Letters[size_t(index)]) + mark;
}

bool isSide(int field)
{
    return field < A;
}

// A side and the angle facing it.
int facing(int field)
{
    return isSide(field) ? field + A : field - A;
}

[[noreturn]] void refuse(int field, const QString &why)
{
    throw Failure{Failure::Cause::NotAFigure, field, why};
}

// What two angles leave of 180°.
Term remaining(const Term &first, const Term &second)
{
    return Term(180).inDegrees() - first - second;
}

// The angles not known from the sides, by tan(A/2) = r ÷ (s − a), which
// stays exact for thin triangles where the law of cosines loses digits;
// the last is what the others leave.
void anglesFromSides(Values &t, std::optional<int> known, const Term &pi)
{
    const Term s = ((t[a] + t[b] + t[c]) / 2).named(QStringLiteral("s"));
    const Term r = (sqrt((s - t[a]) * (s - t[b]) * (s - t[c]) / s)).named(QStringLiteral("r"));
    std::vector<int> open;
    for (const int angle : {A, B, C})
        if (angle != known)
            open.push_back(angle);
    for (size_t i = 0; i + 1 < open.size(); ++i)
        t[size_t(open[i])] = degrees(2 * atan(r / (s - t[size_t(facing(open[i]))])), pi).named(letterOf(open[i]));
    const int last = open.back();
    const int first = last == A ? B : A;
    t[size_t(last)] = remaining(t[size_t(first)], t[size_t(A + B + C - last - first)]).named(letterOf(last));
}

// A side from the other two and the angle between them: the law of cosines.
Term sideBetween(const Values &t, int side, const Term &pi, const QString &mark)
{
    const Term &p = t[size_t((side + 1) % 3)];
    const Term &q = t[size_t((side + 2) % 3)];
    return sqrt(power(p, 2) + power(q, 2) - 2 * p * q * cos(radians(t[size_t(facing(side))], pi)))
        .named(letterOf(side, mark));
}

// The two sides not known from one side and the three angles: the next by
// the law of sines, the last by the law of cosines, so that the three close
// into a triangle whichever pi is in force.
void sidesFromAngles(Values &t, int known, const Term &pi)
{
    const int next = (known + 1) % 3;
    const int last = (known + 2) % 3;
    t[size_t(next)] =
        (t[size_t(known)] * sin(radians(t[size_t(facing(next))], pi)) / sin(radians(t[size_t(facing(known))], pi)))
            .named(letterOf(next));
    t[size_t(last)] = sideBetween(t, last, pi, {});
}

// Two sides and an angle facing one of them: the other angle by the law of
// sines, once or, where the facing side swings either way, twice.
std::vector<Values> twoSidesAndAngleNotBetween(const Values &given, int angle, int other, const Term &pi)
{
    const int side = facing(angle);
    const int otherAngle = facing(other);
    const int third = A + B + C - angle - otherAngle;
    const Term sine = (given[size_t(other)] * sin(radians(given[size_t(angle)], pi)) / given[size_t(side)])
                          .named(QStringLiteral("sin ") + letterOf(otherAngle));
    // A side that falls short by a measuring error still reaches: at a right angle.
    if (sine.value() > 1 + SideAgreement)
        refuse(side, QStringLiteral("%1 is shorter than %2 × sin %3, so it cannot close the triangle: "
                                    "no triangle fits these values.")
                         .arg(nameOf(side), letterOf(other), letterOf(angle)));
    if (given[size_t(angle)].value() >= 90 && given[size_t(side)] <= given[size_t(other)])
        refuse(side, QStringLiteral("%1 must be longer than %2, as %3 is 90° or more: no triangle fits these values.")
                         .arg(nameOf(side), letterOf(other), letterOf(angle)));
    const bool reachesOnce = sine.value() >= 1;
    const Term found = reachesOnce ? Term(90).inDegrees() : degrees(atan(sine / sqrt(1 - power(sine, 2))), pi);

    std::vector<Values> triangles;
    const auto complete = [&](const Term &otherValue, const QString &mark) {
        Values t = given;
        t[size_t(otherAngle)] = otherValue.named(letterOf(otherAngle, mark));
        t[size_t(third)] = remaining(t[size_t(angle)], t[size_t(otherAngle)]).named(letterOf(third, mark));
        t[size_t(facing(third))] = sideBetween(t, facing(third), pi, mark);
        triangles.push_back(t);
    };
    complete(found, {});
    if (!reachesOnce && given[size_t(angle)].value() < 90 && given[size_t(side)] < given[size_t(other)])
        complete(Term(180).inDegrees() - triangles.front()[size_t(otherAngle)], Prime);
    return triangles;
}

// A value given beyond the three that fix the triangle must be the one the
// others make, within what measuring and rounding explain.
void requireAgreement(int field, const Term &typedValue, const Term &worked)
{
    const double difference = std::abs(typedValue.value() - worked.value());
    const bool side = isSide(field);
    if (side ? difference <= SideAgreement * worked.value() : difference <= AngleAgreement)
        return;
    refuse(field,
           QStringLiteral("%1 does not agree with the other values given: they make it %2%3, "
                          "and a given %4 may differ by %5 at most.")
               .arg(nameOf(field), formatResult(worked.value(), Pattern::TwoOrThreeDecimals),
                    side ? QString() : QStringLiteral("°"), side ? QStringLiteral("side") : QStringLiteral("angle"),
                    side ? QStringLiteral("0.5 %") : QStringLiteral("0.2°")));
}

// Rounding in a triangle close to a line may leave a side or an angle of
// nothing: that is no triangle either.
void requireProper(const Values &t, int field)
{
    if (std::ranges::any_of(t, [](const Term &value) { return !(value.value() > 0); }))
        refuse(field, QStringLiteral("These values make a triangle too flat to tell from a line."));
}

void addTriangle(Outcome &outcome, const Values &t, int offset, const QString &mark)
{
    const auto add = [&](int index, const Term &term) {
        addAnswer(outcome, offset + index, term, Pattern::TwoOrThreeDecimals);
    };
    for (int i = 0; i < FieldCount; ++i)
        add(i, t[size_t(i)]);
    const Term s = ((t[a] + t[b] + t[c]) / 2).named(QStringLiteral("s") + mark);
    // Heron's formula: the area from the sides alone, with no pi in it.
    const Term area = sqrt(s * (s - t[a]) * (s - t[b]) * (s - t[c])).named(letterOf(Area, mark));
    add(Area, area);
    add(Perimeter, t[a] + t[b] + t[c]);
    add(ha, 2 * area / t[a]);
    add(hb, 2 * area / t[b]);
    add(hc, 2 * area / t[c]);
    add(r, area / s);
    add(R, t[a] * t[b] * t[c] / (4 * area));
}

} // namespace

Outcome calculateAnyTriangle(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Term pi = Term::constant(Constants::RoughPi);
        const Fields fields(fieldTexts);
        Values given;
        std::vector<int> sides;
        std::vector<int> angles;
        for (int i = 0; i < FieldCount; ++i) {
            if (fields.isEmpty(i))
                continue;
            given[size_t(i)] =
                isSide(i) ? typed(fields, i, Letters[size_t(i)]) : typed(fields, i, Letters[size_t(i)]).inDegrees();
            if (!(given[size_t(i)].value() > 0))
                refuse(i, QStringLiteral("%1 must be greater than zero.").arg(nameOf(i)));
            if (!isSide(i) && given[size_t(i)].value() >= 180)
                refuse(i, QStringLiteral("%1 must be less than 180°.").arg(nameOf(i)));
            (isSide(i) ? sides : angles).push_back(i);
        }
        if (sides.size() + angles.size() < 3) {
            int empty = 0;
            while (!fields.isEmpty(empty))
                ++empty;
            refuse(empty, QStringLiteral("Give three of the six values, at least one of them a side."));
        }
        if (sides.empty())
            refuse(a, QStringLiteral("A side is needed as well: angles fix the shape of a triangle, never its size."));

        std::vector<Values> triangles;
        std::vector<int> used;
        if (angles.size() >= 2) {
            const int first = angles[0];
            const int second = angles[1];
            if (given[size_t(first)].value() + given[size_t(second)].value() >= 180)
                refuse(second, QStringLiteral("%1 and %2 add up to 180° or more: no triangle has such angles.")
                                   .arg(nameOf(first), nameOf(second)));
            Values t = given;
            const int third = A + B + C - first - second;
            t[size_t(third)] = remaining(t[size_t(first)], t[size_t(second)]).named(letterOf(third));
            sidesFromAngles(t, sides.front(), pi);
            triangles.push_back(t);
            used = {first, second, sides.front()};
        } else if (sides.size() == 3) {
            const int longest = *std::ranges::max_element(sides, {}, [&](int i) { return given[size_t(i)].value(); });
            const Term rest = given[a] + given[b] + given[c] - given[size_t(longest)];
            if (given[size_t(longest)] >= rest)
                refuse(longest, QStringLiteral("%1 is as long as the other two sides together, or longer: "
                                               "no triangle has such sides.")
                                    .arg(nameOf(longest)));
            Values t = given;
            anglesFromSides(t, std::nullopt, pi);
            triangles.push_back(t);
            used = sides;
        } else {
            const int angle = angles.front();
            const int facingSide = facing(angle);
            if (std::ranges::find(sides, facingSide) == sides.end()) {
                // The angle lies between the two sides: the law of cosines.
                Values t = given;
                t[size_t(facingSide)] = sideBetween(t, facingSide, pi, {});
                anglesFromSides(t, angle, pi);
                triangles.push_back(t);
            } else {
                const int other = sides[0] == facingSide ? sides[1] : sides[0];
                triangles = twoSidesAndAngleNotBetween(given, angle, other, pi);
            }
            used = {sides[0], sides[1], angle};
        }

        for (Values &t : triangles) {
            for (int i = 0; i < FieldCount; ++i) {
                if (fields.isEmpty(i) || std::ranges::find(used, i) != used.end())
                    continue;
                requireAgreement(i, given[size_t(i)], t[size_t(i)]);
                t[size_t(i)] = given[size_t(i)];
            }
            requireProper(t, used.back());
        }

        Outcome outcome;
        for (size_t i = 0; i < triangles.size(); ++i)
            addTriangle(outcome, triangles[i], i == 0 ? 0 : Second, i == 0 ? QString() : Prime);
        return outcome;
    });
}

} // namespace Zyntra
