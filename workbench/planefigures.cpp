#include "planefigures.h"

#include "entry/term.h"

namespace Zyntra {

namespace {

constexpr Pattern Shown = Pattern::TwoOrThreeDecimals;

// The parallelogram and the quadrilateral turn their angle with 3.14,
// multiplying first.
Term toRadians(const Term &degrees)
{
    return degrees * Term::constant(Constants::RoughPi) / 180;
}

// The rhombus and the kite turn theirs with π in full.
Term fullPi()
{
    return Term::constant(Constants::AnglePi);
}

// The angle answer is the given angle itself: turned to radians and back
// it would show the same digits after a working that says nothing. From
// 180° on the figure lies flat or folds over, and its sine would give a
// false area, negative past 180°.
Term angle(const Fields &fields, int index)
{
    const Term theta = typed(fields, index, "θ").inDegrees();
    if (theta.value() >= 180)
        notAFigure(index, QStringLiteral(QT_TRANSLATE_NOOP("Figures", "Angle Theta must be less than 180°.")));
    return theta;
}

// A division by a typed value names that value's field, so the warning
// can send the user back to it.
Term divideByField(const Term &dividend, const Term &divisor, int divisorField)
{
    try {
        return dividend / divisor;
    } catch (Failure failure) {
        failure.field = divisorField;
        throw failure;
    }
}

Outcome answers(std::initializer_list<std::pair<int, Term>> values)
{
    return Zyntra::answers(values, Shown);
}

} // namespace

Outcome calculateRectangle(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        Term a;
        Term b;
        Term area;
        if (!fields.allEmpty({0, 1})) {
            switch (given) {
            case 0:
                a = typed(fields, 0, "a");
                b = typed(fields, 1, "b");
                area = b * a;
                break;
            case 1:
                a = typed(fields, 0, "a");
                area = typed(fields, 1, "Area");
                b = divideByField(area, a, 0);
                break;
            case 2:
                b = typed(fields, 0, "b");
                area = typed(fields, 1, "Area");
                a = divideByField(area, b, 0);
                break;
            default:
                break;
            }
        }
        const Term diagonal = sqrt(power(b, 2) + power(a, 2));
        const Term perimeter = (b + a) * 2;
        Outcome outcome = answers({{0, a}, {1, b}, {2, area}, {4, diagonal}, {3, perimeter}});
        if (fields.allEmpty({0, 1}))
            noteAll(outcome, QString::fromLatin1(NoValuesGiven));
        return outcome;
    });
}

Outcome calculateParallelogram(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.allEmpty({0, 1, 2}))
            return Outcome::zeros();
        if (given == 0) {
            const Term a = typed(fields, 0, "a");
            const Term b = typed(fields, 1, "b");
            const Term theta = angle(fields, 2);
            const Term area = b * a * sin(toRadians(theta));
            const Term perimeter = (b + a) * 2;
            return answers({{0, a}, {1, b}, {2, theta}, {3, area}, {4, perimeter}});
        }
        if (given == 1) {
            const Term a = typed(fields, 0, "a");
            const Term h = typed(fields, 1, "h");
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
        const Term a = typed(fields, 0, "a");
        const Term b = typed(fields, 1, "b");
        const Term h = typed(fields, 2, "h");
        const Term area = (b + a) * h / 2;
        return answers({{0, a}, {1, b}, {2, h}, {3, area}});
    });
}

Outcome calculateQuadrilateral(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.allEmpty({0, 1, 2}))
            return Outcome::zeros();
        const Term d1 = typed(fields, 0, "d1");
        const Term d2 = typed(fields, 1, "d2");
        const Term theta = angle(fields, 2);
        const Term area = d2 * d1 * sin(toRadians(theta)) / 2;
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
            const Term r1 = typed(fields, 0, "r1");
            const Term r2 = typed(fields, 1, "r2");
            requireWithin(r1, 0, "Inner radius r1", r2, "outer radius r2");
            const Term area = (r2 + r1) * Term::constant(Constants::RoughPi) * (r2 - r1);
            return answers({{0, r1}, {1, r2}, {2, area}});
        }
        if (given == 1) {
            const Term d = typed(fields, 1, "d");
            const Term f = typed(fields, 0, "f");
            requireWithin(f, 0, "Inner diameter f", d, "outer diameter d");
            const Term area = (power(d, 2) - power(f, 2)) * Term::constant(Constants::QuarterPi);
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
        const Term h = typed(fields, 0, "h");
        const Term k = typed(fields, 1, "k");
        const Term e = typed(fields, 2, "e");
        const Term g = typed(fields, 3, "g");
        const Term f = typed(fields, 4, "f");
        const Term upperSide = sqrt(power(k - h, 2) + power(g, 2));
        const Term rightSide = sqrt(power(f, 2) + power(k, 2));
        const Term leftSide = sqrt(power(h, 2) + power(e, 2));
        const Term area = ((h + k) * g + h * e + f * k) / 2;
        const Term perimeter = g + e + f + rightSide + upperSide + leftSide;
        return answers({{1, perimeter}, {2, area}});
    });
}

Outcome calculateEqTriangle(const QStringList &fieldTexts, qint16)
{
    // a and Area are shown to two decimals at most: each goes through "#.0#"
    // and is read back, while h keeps the unrounded side.
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (fields.isEmpty(0))
            return Outcome::zeros();
        Term a = typed(fields, 0, "a");
        const Term h = a * Term::constant(Constants::HalfRootThree);
        Term area = power(a, 2) * Term::constant(Constants::QuarterRootThree);
        a = roundToTwoDecimals(a);
        area = roundToTwoDecimals(area);
        return answers({{0, a}, {1, h}, {2, area}});
    });
}

Outcome calculateRhombus(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (given == 0) {
            const Term a = typedLength(fields, 0, Rhombus::a, Rhombus::Spoken::a);
            const Term theta = typedAngle(fields, 1, Rhombus::theta, "Angle Theta");
            const Term turned = radians(theta, fullPi());
            const Term half = turned / 2;
            const Term p = a * 2 * cos(half);
            const Term q = a * 2 * sin(half);
            const Term h = a * sin(turned);
            return answers({{0, a}, {1, theta}, {2, p}, {3, q}, {4, power(a, 2) * sin(turned)}, {5, a * 4}, {6, h}});
        }
        if (given == 1) {
            const Term p = typedLength(fields, 0, Rhombus::p, Rhombus::Spoken::p);
            const Term q = typedLength(fields, 1, Rhombus::q, Rhombus::Spoken::q);
            const Term a = sqrt(power(p / 2, 2) + power(q / 2, 2)).named(Rhombus::a);
            const Term theta = degrees(atan(q / p) * 2, fullPi());
            const Term area = (p * q / 2).named(Rhombus::Area);
            return answers({{0, a}, {1, theta}, {2, p}, {3, q}, {4, area}, {5, a * 4}, {6, area / a}});
        }
        return Outcome{};
    });
}

Outcome calculateKite(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        if (given == 0) {
            const Term p = typedLength(fields, 0, Kite::p, Kite::Spoken::p);
            const Term q = typedLength(fields, 1, Kite::q, Kite::Spoken::q);
            return answers({{0, p}, {1, q}, {2, p * q / 2}});
        }
        if (given == 1) {
            // Equal sides make a rhombus, which is a kite too.
            const Term a = typedLength(fields, 0, Kite::a, Kite::Spoken::a);
            const Term b = typedLength(fields, 1, Kite::b, Kite::Spoken::b);
            const Term theta = typedAngle(fields, 2, Kite::theta, "Angle Theta");
            const Term turned = radians(theta, fullPi());
            // Each half of the kite is the triangle a, b, p, with θ between a and b.
            const Term p = sqrt(power(a, 2) + power(b, 2) - a * b * 2 * cos(turned)).named(Kite::p);
            const Term area = (a * b * sin(turned)).named(Kite::Area);
            return answers({{0, a}, {1, b}, {2, theta}, {3, p}, {4, area * 2 / p}, {5, area}, {6, (a + b) * 2}});
        }
        return Outcome{};
    });
}

} // namespace Zyntra
