#include "anytriangle.h"

#include "entry/term.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <functional>
#include <limits>
#include <map>
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

// What the few steps from typed values to a sine or a sum may round by,
// relative to the value: within it, a side reaches across at a right angle
// just as it would exactly, and sides or angles typed to lie flat lie flat.
constexpr double Rounding = 64 * std::numeric_limits<double>::epsilon();

// A triangle and the order its values were found in: the given ones first.
struct Triangle {
    Values t;
    std::vector<int> worked;
    std::map<int, QString> notes; // what a value's working says beside its formula
    void set(int index, const Term &value)
    {
        t[size_t(index)] = value;
        worked.push_back(index);
    }
};

// What two angles leave of 180°.
Term remaining(const Term &first, const Term &second)
{
    return Term(180).inDegrees() - first - second;
}

// The angles from the three sides, by tan(A/2) = √((s − b)(s − c) ÷ (s(s − a))),
// with each s − a taken in an order that keeps its digits however thin the
// triangle; the largest angle, facing the longest side, is what the others leave.
void anglesFromSides(Triangle &triangle, const Term &pi)
{
    Values &t = triangle.t;
    std::array<int, 3> bySize{a, b, c};
    std::ranges::sort(bySize, std::greater{}, [&](int side) { return t[size_t(side)].value(); });
    const Term &x = t[size_t(bySize[0])];
    const Term &y = t[size_t(bySize[1])];
    const Term &z = t[size_t(bySize[2])];
    const Term s = ((x + (y + z)) / 2).named(QStringLiteral("s"));
    const auto rest = [&](int side) { return QStringLiteral("(s − %1)").arg(letterOf(side)); };
    std::array<Term, 3> less;
    less[size_t(bySize[0])] = ((z - (x - y)) / 2).named(rest(bySize[0]));
    less[size_t(bySize[1])] = ((z + (x - y)) / 2).named(rest(bySize[1]));
    less[size_t(bySize[2])] = ((x + (y - z)) / 2).named(rest(bySize[2]));
    for (const int side : {bySize[2], bySize[1]}) {
        const Term half = sqrt(less[size_t((side + 1) % 3)] * less[size_t((side + 2) % 3)] / (s * less[size_t(side)]));
        triangle.set(facing(side), degrees(2 * atan(half), pi).named(letterOf(facing(side))));
    }
    triangle.set(
        facing(bySize[0]),
        remaining(t[size_t(facing(bySize[2]))], t[size_t(facing(bySize[1]))]).named(letterOf(facing(bySize[0]))));
}

// The two angles beside a known one, from the sides that enclose it:
// tan X = p sin K ÷ ((q − p) + 2p·sin²(K/2)), with p facing X, which keeps its
// digits where the sides alone lose them, as for K near 0° or 180°.
void anglesBeside(Triangle &triangle, int known, const Term &pi)
{
    const Values &t = triangle.t;
    const Term turned = radians(t[size_t(known)], pi);
    const Term halfSine = sin(turned / 2);
    for (const int angle : {A, B, C}) {
        if (angle == known)
            continue;
        const Term &p = t[size_t(facing(angle))];
        const Term &q = t[size_t(facing(A + B + C - known - angle))];
        const Term rise = p * sin(turned);
        const Term run = q - p + 2 * p * power(halfSine, 2);
        // Past 90° the run turns back; at 90° there is none.
        const Term found = run.value() > 0 ? degrees(atan(rise / run), pi)
                           : run.value() < 0
                               ? Term(180).inDegrees() - degrees(atan(rise / (p - q - 2 * p * power(halfSine, 2))), pi)
                               : Term(90).inDegrees();
        triangle.set(angle, found.named(letterOf(angle)));
    }
}

// A side from the other two and the angle between them: the law of cosines
// as (p − q)² + 4pq·sin²(θ/2), which keeps its digits for a narrow angle.
Term sideBetween(const Values &t, int side, const Term &pi, const QString &mark)
{
    const Term &p = t[size_t((side + 1) % 3)];
    const Term &q = t[size_t((side + 2) % 3)];
    return sqrt(power(p - q, 2) + 4 * p * q * power(sin(radians(t[size_t(facing(side))], pi) / 2), 2))
        .named(letterOf(side, mark));
}

// The two sides not known from one side and the three angles: the law of sines.
void sidesFromAngles(Triangle &triangle, int known, const Term &pi)
{
    const Values &t = triangle.t;
    for (const int side : {(known + 1) % 3, (known + 2) % 3})
        triangle.set(side, (t[size_t(known)] * sin(radians(t[size_t(facing(side))], pi))
                            / sin(radians(t[size_t(facing(known))], pi)))
                               .named(letterOf(side)));
}

// Two sides and an angle facing one of them: the other angle by the law of
// sines, once or, where the facing side swings either way, twice.
std::vector<Triangle> twoSidesAndAngleNotBetween(const Triangle &given, int angle, int other, const Term &pi)
{
    const int side = facing(angle);
    const int otherAngle = facing(other);
    const int third = A + B + C - angle - otherAngle;
    const Values &g = given.t;
    const Term reach = g[size_t(other)] * sin(radians(g[size_t(angle)], pi));
    const Term sine = reach / g[size_t(side)];
    if (sine.value() > 1 + Rounding)
        refuse(side, QStringLiteral("%1 is shorter than %2 × sin %3, so it cannot close the triangle: "
                                    "no triangle fits these values. %1 = %4 would, with %5 a right angle.")
                         .arg(nameOf(side), letterOf(other), letterOf(angle), workedNumber(reach.value()),
                              letterOf(otherAngle)));
    if (g[size_t(angle)].value() >= 90 && g[size_t(side)] <= g[size_t(other)])
        refuse(side, QStringLiteral("%1 must be longer than %2, as %3 is 90° or more: no triangle fits these values.")
                         .arg(nameOf(side), letterOf(other), letterOf(angle)));
    // Just reaching, the side meets the other at a right angle, and only there.
    const bool reachesOnce = sine.value() >= 1 - Rounding;
    const Term found = reachesOnce ? Term(90).inDegrees() : degrees(asin(sine), pi);

    std::vector<Triangle> triangles;
    const auto complete = [&](const Term &otherValue, const QString &mark) {
        Triangle t = given;
        t.set(otherAngle, otherValue.named(letterOf(otherAngle, mark)));
        t.set(third, remaining(t.t[size_t(angle)], t.t[size_t(otherAngle)]).named(letterOf(third, mark)));
        t.set(facing(third), sideBetween(t.t, facing(third), pi, mark));
        triangles.push_back(t);
    };
    complete(found, {});
    if (reachesOnce)
        triangles.front().notes[otherAngle] =
            QStringLiteral("%1 = %2 × sin %3: the side just reaches, at a right angle")
                .arg(letterOf(side), letterOf(other), letterOf(angle));
    if (!reachesOnce && g[size_t(angle)].value() < 90 && g[size_t(side)] < g[size_t(other)])
        complete(Term(180).inDegrees() - triangles.front().t[size_t(otherAngle)], Prime);
    return triangles;
}

// A value given beyond the three that fix the triangle must be the one the
// others make, within what measuring and rounding explain; the triangle
// they make is the one shown, so that all its values agree.
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

// The answers in the order they were worked. The area, the heights and the
// circumradius each come from a side and the sine of an angle, never from
// Heron's formula, which cancels in a thin triangle; where two or three
// such pairs serve, the one found first, so that given values make the
// answer exactly as they alone would, whatever else changes.
void addTriangle(Outcome &outcome, const Triangle &triangle, int offset, const QString &mark, const Term &pi)
{
    const Values &t = triangle.t;
    const auto add = [&](int index, const Term &term) {
        addAnswer(outcome, offset + index, term, Pattern::TwoOrThreeDecimals);
    };
    for (const int i : triangle.worked)
        add(i, t[size_t(i)]);
    for (const auto &[i, note] : triangle.notes)
        outcome.workings[offset + i].note = note;
    // When the last of some values was found.
    const auto foundBy = [&](std::initializer_list<int> values) {
        std::ptrdiff_t last = 0;
        for (const int value : values)
            last = std::max(last, std::ranges::find(triangle.worked, value) - triangle.worked.begin());
        return last;
    };
    // Of the candidates, the one whose values were found first.
    const auto earliest = [](std::initializer_list<int> candidates, const auto &values) {
        return *std::min_element(candidates.begin(), candidates.end(),
                                 [&](int x, int y) { return values(x) < values(y); });
    };
    const auto sine = [&](int angle) { return sin(radians(t[size_t(angle)], pi)); };
    // The sides beside an angle: the two that do not face it.
    const auto beside = [](int angle) { return std::pair{(facing(angle) + 1) % 3, (facing(angle) + 2) % 3}; };
    const int between = earliest({A, B, C}, [&](int angle) {
        return foundBy({angle, beside(angle).first, beside(angle).second});
    });
    const Term area = (t[size_t(beside(between).first)] * t[size_t(beside(between).second)] * sine(between) / 2)
                          .named(letterOf(Area, mark));
    add(Area, area);
    const Term perimeter = (t[a] + t[b] + t[c]).named(letterOf(Perimeter, mark));
    add(Perimeter, perimeter);
    // The height onto a side is another side times the sine of the angle
    // between the two, the one facing the third side.
    const auto angleBetween = [](int side, int other) { return facing(a + b + c - side - other); };
    for (const int side : {a, b, c}) {
        const int other = earliest({(side + 1) % 3, (side + 2) % 3}, [&](int candidate) {
            return foundBy({candidate, angleBetween(side, candidate)});
        });
        add(ha + side, t[size_t(other)] * sine(angleBetween(side, other)));
    }
    add(r, area * 2 / perimeter);
    const int facingPair = earliest({A, B, C}, [&](int angle) { return foundBy({angle, facing(angle)}); });
    add(R, t[size_t(facing(facingPair))] / (2 * sine(facingPair)));
}

} // namespace

Outcome calculateAnyTriangle(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Term pi = Term::constant(Constants::AnglePi);
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

        // Three sides fix the triangle whatever else is given; otherwise two
        // angles and a side, or two sides and an angle.
        std::vector<int> used;
        if (sides.size() == 3)
            used = sides;
        else if (angles.size() >= 2)
            used = {angles[0], angles[1], sides.front()};
        else
            used = {sides[0], sides[1], angles.front()};
        Triangle start;
        for (const int i : used)
            start.set(i, given[size_t(i)]);
        // A further given value shows as the triangle makes it, and says what was typed.
        for (int i = 0; i < FieldCount; ++i)
            if (!fields.isEmpty(i) && std::ranges::find(used, i) == used.end())
                start.notes[i] = QStringLiteral("given as %1").arg(fullNumber(given[size_t(i)].value()));

        std::vector<Triangle> triangles;
        if (sides.size() == 3) {
            const int longest = *std::ranges::max_element(sides, {}, [&](int i) { return given[size_t(i)].value(); });
            const Term rest = given[a] + given[b] + given[c] - given[size_t(longest)];
            // Typed to lie on a line, the sides may miss it by a rounding.
            if (given[size_t(longest)].value() >= rest.value() * (1 - Rounding))
                refuse(longest, QStringLiteral("%1 is as long as the other two sides together, or longer: "
                                               "no triangle has such sides.")
                                    .arg(nameOf(longest)));
            anglesFromSides(start, pi);
            triangles.push_back(start);
        } else if (angles.size() >= 2) {
            const int first = angles[0];
            const int second = angles[1];
            if (given[size_t(first)].value() + given[size_t(second)].value() >= 180 * (1 - Rounding))
                refuse(second, QStringLiteral("%1 and %2 add up to 180° or more: no triangle has such angles.")
                                   .arg(nameOf(first), nameOf(second)));
            const int third = A + B + C - first - second;
            start.set(third, remaining(given[size_t(first)], given[size_t(second)]).named(letterOf(third)));
            sidesFromAngles(start, sides.front(), pi);
            triangles.push_back(start);
        } else {
            const int angle = angles.front();
            const int facingSide = facing(angle);
            if (std::ranges::find(sides, facingSide) == sides.end()) {
                // The angle lies between the two sides.
                start.set(facingSide, sideBetween(start.t, facingSide, pi, {}));
                anglesBeside(start, angle, pi);
                triangles.push_back(start);
            } else {
                const int other = sides[0] == facingSide ? sides[1] : sides[0];
                triangles = twoSidesAndAngleNotBetween(start, angle, other, pi);
            }
        }

        for (const Triangle &triangle : triangles) {
            for (int i = 0; i < FieldCount; ++i)
                if (!fields.isEmpty(i) && std::ranges::find(used, i) == used.end())
                    requireAgreement(i, given[size_t(i)], triangle.t[size_t(i)]);
            requireProper(triangle.t, used.back());
        }

        Outcome outcome;
        for (size_t i = 0; i < triangles.size(); ++i)
            addTriangle(outcome, triangles[i], i == 0 ? 0 : Second, i == 0 ? QString() : Prime, pi);
        return outcome;
    });
}

} // namespace Zyntra
