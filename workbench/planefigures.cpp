#include "planefigures.h"

namespace Zyntra {

namespace {

constexpr Pattern Shown = Pattern::TwoOrThreeDecimals;

// Angles are typed in degrees and turned with 3.14, multiplying first.
Num toRadians(Num degrees)
{
    return degrees * 3.14 / 180;
}
Num toDegrees(Num radians)
{
    return radians * 180 / 3.14;
}

// A division by a typed value names that value's field, so the warning
// can send the user back to it.
Num divideByField(Num dividend, Num divisor, int divisorField)
{
    try {
        return dividend / divisor;
    } catch (Failure failure) {
        failure.field = divisorField;
        throw failure;
    }
}

Outcome answers(std::initializer_list<std::pair<const int, Num>> values)
{
    Outcome outcome;
    for (const auto &[row, value] : values)
        outcome.answers[row] = format(value, Shown);
    return outcome;
}

} // namespace

Outcome calculateRectangle(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        Num a;
        Num b;
        Num area;
        if (!fields.allEmpty({0, 1})) {
            switch (given) {
            case 0:
                a = fields.number(0);
                b = fields.number(1);
                area = b * a;
                break;
            case 1:
                a = fields.number(0);
                area = fields.number(1);
                b = divideByField(area, a, 0);
                break;
            case 2:
                b = fields.number(0);
                area = fields.number(1);
                a = divideByField(area, b, 0);
                break;
            default:
                break;
            }
        }
        const Num diagonal = sqrt(power(b, 2) + power(a, 2));
        const Num perimeter = (b + a) * 2;
        return answers({{0, a}, {1, b}, {2, area}, {4, diagonal}, {3, perimeter}});
    });
}

Outcome calculateParallelogram(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.allEmpty({0, 1, 2}))
            return Outcome::zeros();
        if (given == 0) {
            const Num a = fields.number(0);
            const Num b = fields.number(1);
            Num theta = fields.number(2);
            theta = toRadians(theta);
            const Num area = b * a * sin(theta);
            const Num perimeter = (b + a) * 2;
            theta = toDegrees(theta);
            return answers({{0, a}, {1, b}, {2, theta}, {3, area}, {4, perimeter}});
        }
        if (given == 1) {
            const Num a = fields.number(0);
            const Num h = fields.number(1);
            return answers({{0, a}, {1, h}, {2, h * a}});
        }
        return Outcome{};
    });
}

Outcome calculateTrapezoid(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.allEmpty({0, 1, 2}))
            return Outcome::zeros();
        const Num a = fields.number(0);
        const Num b = fields.number(1);
        const Num h = fields.number(2);
        const Num area = (b + a) * h / 2;
        return answers({{0, a}, {1, b}, {2, h}, {3, area}});
    });
}

Outcome calculateQuadrilateral(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.allEmpty({0, 1, 2}))
            return Outcome::zeros();
        const Num d1 = fields.number(0);
        const Num d2 = fields.number(1);
        Num theta = fields.number(2);
        theta = toRadians(theta);
        const Num area = d2 * d1 * sin(theta) / 2;
        theta = toDegrees(theta);
        return answers({{0, d1}, {1, d2}, {2, theta}, {3, area}});
    });
}

Outcome calculateAnnulus(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.allEmpty({0, 1, 2}))
            return Outcome::zeros();
        if (given == 0) {
            const Num r1 = fields.number(0);
            const Num r2 = fields.number(1);
            const Num area = (r2 + r1) * 3.14 * (r2 - r1);
            return answers({{0, r1}, {1, r2}, {2, area}});
        }
        if (given == 1) {
            const Num d = fields.number(1);
            const Num f = fields.number(0);
            const Num area = (power(d, 2) - power(f, 2)) * 0.7854;
            return answers({{1, d}, {0, f}, {2, area}});
        }
        return Outcome{};
    });
}

Outcome calculateTrapezium(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.allEmpty({0, 1, 2, 3, 4}))
            return Outcome::zeros();
        const Num h = fields.number(0);
        const Num k = fields.number(1);
        const Num e = fields.number(2);
        const Num g = fields.number(3);
        const Num f = fields.number(4);
        const Num upperSide = sqrt(power(k - h, 2) + power(g, 2));
        const Num rightSide = sqrt(power(f, 2) + power(k, 2));
        const Num leftSide = sqrt(power(h, 2) + power(e, 2));
        const Num area = ((h + k) * g + h * e + f * k) / 2;
        const Num perimeter = g + e + f + rightSide + upperSide + leftSide;
        return answers({{1, perimeter}, {2, area}});
    });
}

Outcome calculateEqTriangle(const QStringList &fieldTexts, qint16)
{
    // a and Area are shown to two decimals at most: each goes through "#.0#"
    // and is read back, while h keeps the unrounded side.
    const auto twoDecimals = [](Num value) { return Fields({format(value, Pattern::OneOrTwoDecimals)}).number(0); };
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.isEmpty(0))
            return Outcome::zeros();
        Num a = fields.number(0);
        const Num h = a * 0.866;
        Num area = power(a, 2) * 0.433;
        a = twoDecimals(a);
        area = twoDecimals(area);
        return answers({{0, a}, {1, h}, {2, area}});
    });
}

} // namespace Zyntra
