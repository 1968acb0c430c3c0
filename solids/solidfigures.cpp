#include "solidfigures.h"

namespace Zyntra {

namespace {

// Pi to two decimals and twice that, as the solids' results show them.
constexpr double Pi = 3.14;
constexpr double TwoPi = 6.28;

Outcome answers(std::initializer_list<Num> values)
{
    Outcome outcome;
    int index = 0;
    for (Num value : values)
        outcome.answers[index++] = format(value, Pattern::TwoOrThreeDecimals);
    return outcome;
}

} // namespace

Outcome calculateCube(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (given == 0) {
            if (fields.anyEmpty({0}))
                return Outcome::zeros();
            const Num a = fields.number(0);
            const Num V = power(a, 3);
            const Num S = power(a, 2) * 6;
            return answers({a, V, S});
        }
        if (given == 1) {
            if (fields.anyEmpty({0, 1, 2}))
                return Outcome::zeros();
            const Num a = fields.number(0);
            const Num b = fields.number(1);
            const Num c = fields.number(2);
            const Num V = (b * a) * c;
            const Num faces = ((c * b) + (b * a)) + (c * a);
            const Num S = faces + faces;
            return answers({a, b, c, V, S});
        }
        return Outcome{};
    });
}

Outcome calculatePrism(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1, 2}))
            return Outcome::zeros();
        const Num a = fields.number(0);
        const Num c = fields.number(1);
        const Num h = fields.number(2);
        const Num cSquared = power(c, 2);
        const Num b = sqrt(cSquared + power(a, 2));
        const Num V = ((c * a) * h) / 2;
        const Num S = (((h * c) + (h * b)) + (h * a)) + (c * a);
        return answers({V, S});
    });
}

Outcome calculateRightCyl(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (given == 0) {
            if (fields.anyEmpty({0, 1}))
                return Outcome::zeros();
            const Num r = fields.number(0);
            const Num h = fields.number(1);
            const Num V = (power(r, 2) * Pi) * h;
            const Num S = (h + r) * (r * TwoPi);
            return answers({r, h, V, S});
        }
        if (fields.anyEmpty({0, 1, 2}))
            return Outcome::zeros();
        const Num r = fields.number(0);
        const Num h = fields.number(1);
        const Num k = fields.number(2);
        const Num V = ((power(r, 2) * Pi) * (h + k)) / 2;
        // Semi-major axis of the slanted end.
        const Num e = sqrt(power(r, 2) + power((h - k) / 2, 2));
        const Num S = (r * Pi) * (((h + k) + r) + e);
        return answers({r, h, k, V, S});
    });
}

Outcome calculateRightCone(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1}))
            return Outcome::zeros();
        const Num r = fields.number(0);
        const Num h = fields.number(1);
        const Num hSquared = power(h, 2);
        const Num k = sqrt(hSquared + power(r, 2));
        const Num V = ((power(r, 2) * Pi) * h) / 3;
        const Num S = (r + k) * (r * Pi);
        return answers({r, h, k, V, S});
    });
}

Outcome calculateRightPyramid(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        // k is not tested: an empty k reaches the conversion and fails there.
        if (fields.anyEmpty({0, 1, 2}))
            return Outcome::zeros();
        const Num A = fields.number(0);
        const Num P = fields.number(1);
        const Num h = fields.number(2);
        const Num k = fields.number(3);
        const Num V = (h * A) / 3;
        // The slanted faces only; the base is not added.
        const Num S = (P * k) / 2;
        return answers({V, S});
    });
}

Outcome calculateCircularRing(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1}))
            return Outcome::zeros();
        const Num r = fields.number(0);
        const Num R = fields.number(1);
        const Num q = power(Pi, 2);
        const Num V = ((q + q) * R) * power(r, 2);
        const Num S = ((q * 4) * r) * R;
        return answers({r, R, V, S});
    });
}

} // namespace Zyntra
