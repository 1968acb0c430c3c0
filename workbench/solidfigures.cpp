#include "solidfigures.h"

#include "entry/term.h"

namespace Zyntra {

namespace {

// Pi to two decimals and twice that, as the solids' results show them.
Term pi()
{
    return Term::constant(Constants::RoughPi);
}
Term twoPi()
{
    return Term::constant(Constants::RoughTwoPi);
}

// The answers go to the rows from the top.
Outcome answers(std::initializer_list<Term> values)
{
    Outcome outcome;
    int index = 0;
    for (const Term &value : values)
        addAnswer(outcome, index++, value, Pattern::TwoOrThreeDecimals);
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
            const Term a = typed(fields, 0, "a");
            const Term V = power(a, 3);
            const Term S = power(a, 2) * 6;
            return answers({a, V, S});
        }
        if (given == 1) {
            if (fields.anyEmpty({0, 1, 2}))
                return Outcome::zeros();
            const Term a = typed(fields, 0, "a");
            const Term b = typed(fields, 1, "b");
            const Term c = typed(fields, 2, "c");
            const Term V = (b * a) * c;
            const Term faces = ((c * b) + (b * a)) + (c * a);
            // Twice the faces is their sum with itself, to the last bit.
            const Term S = Term(2) * faces;
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
        const Term a = typed(fields, 0, "a");
        const Term c = typed(fields, 1, "c");
        const Term h = typed(fields, 2, "h");
        const Term cSquared = power(c, 2);
        // The hypotenuse is the drawing's b.
        const Term b = sqrt(cSquared + power(a, 2)).named(QStringLiteral("b"));
        const Term V = ((c * a) * h) / 2;
        const Term S = (((h * c) + (h * b)) + (h * a)) + (c * a);
        Outcome outcome = answers({V, S});
        // b is no answer of its own: its surface's working says what it is.
        outcome.workings[1].note = workingText(QStringLiteral("b"), b.working(), workedNumber(b.value()));
        return outcome;
    });
}

Outcome calculateRightCyl(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (given == 0) {
            if (fields.anyEmpty({0, 1}))
                return Outcome::zeros();
            const Term r = typed(fields, 0, "r");
            const Term h = typed(fields, 1, "h");
            const Term V = (power(r, 2) * pi()) * h;
            const Term S = (h + r) * (r * twoPi());
            return answers({r, h, V, S});
        }
        if (fields.anyEmpty({0, 1, 2}))
            return Outcome::zeros();
        const Term r = typed(fields, 0, "r");
        const Term h = typed(fields, 1, "h");
        const Term k = typed(fields, 2, "k");
        const Term V = ((power(r, 2) * pi()) * (h + k)) / 2;
        // Semi-major axis of the slanted end.
        const Term e = sqrt(power(r, 2) + power((h - k) / 2, 2));
        const Term S = (r * pi()) * (((h + k) + r) + e);
        return answers({r, h, k, V, S});
    });
}

Outcome calculateRightCone(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1}))
            return Outcome::zeros();
        const Term r = typed(fields, 0, "r");
        const Term h = typed(fields, 1, "h");
        const Term hSquared = power(h, 2);
        const Term k = sqrt(hSquared + power(r, 2)).named(QStringLiteral("k"));
        const Term V = ((power(r, 2) * pi()) * h) / 3;
        const Term S = (r + k) * (r * pi());
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
        const Term A = typed(fields, 0, "A");
        const Term P = typed(fields, 1, "P");
        const Term h = typed(fields, 2, "h");
        const Term k = typed(fields, 3, "k");
        const Term V = (h * A) / 3;
        // The slanted faces only; the base is not added.
        const Term S = (P * k) / 2;
        return answers({V, S});
    });
}

Outcome calculateCircularRing(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.anyEmpty({0, 1}))
            return Outcome::zeros();
        const Term r = typed(fields, 0, "r");
        const Term R = typed(fields, 1, "R");
        // A wider section than its circle would pass through the axis: no ring.
        requireWithin(r, 0, "Section radius r", R, "ring radius R");
        const Term q = power(pi(), 2);
        const Term V = ((q + q) * R) * power(r, 2);
        const Term S = ((q * 4) * r) * R;
        return answers({r, R, V, S});
    });
}

} // namespace Zyntra
