#include "roundsolids.h"

#include "entry/term.h"
#include "solids/ellipticintegrals.h"

#include <cmath>

namespace Zyntra {

namespace {

// A length of nothing makes the solid it tends to (a cone, a cylinder, a
// ball), so zero is taken; no solid has a negative one.
Term givenLength(const Fields &fields, int index, const char *letter, const char *name)
{
    return typedLength(fields, index, letter, name, Zero::Allowed);
}

Term pi()
{
    return Term::constant(Constants::RoughPi);
}
Term twoPi()
{
    return Term::constant(Constants::RoughTwoPi);
}

} // namespace

Outcome calculateConeFrustum(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        const Term R = givenLength(fields, 0, ConeFrustum::R, ConeFrustum::Spoken::R);
        const Term r = givenLength(fields, 1, ConeFrustum::r, ConeFrustum::Spoken::r);
        const Term h = givenLength(fields, 2, ConeFrustum::h, ConeFrustum::Spoken::h);
        const Term k = sqrt(power(R - r, 2) + power(h, 2)).named(ConeFrustum::k);
        const Term V = ((pi() * h) * ((power(R, 2) + R * r) + power(r, 2))) / 3;
        const Term L = ((pi() * (R + r)) * k).named(ConeFrustum::LateralArea);
        // The side and both round ends.
        const Term S = (L + pi() * power(R, 2)) + pi() * power(r, 2);
        return answers({{0, k}, {1, V}, {2, L}, {3, S}}, Pattern::TwoOrThreeDecimals);
    });
}

Outcome calculateHollowCylinder(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        const Term R = givenLength(fields, 0, HollowCylinder::R, HollowCylinder::Spoken::R);
        const Term r = givenLength(fields, 1, HollowCylinder::r, HollowCylinder::Spoken::r);
        const Term h = givenLength(fields, 2, HollowCylinder::h, HollowCylinder::Spoken::h);
        if (r >= R)
            throw Failure{
                Failure::Cause::NotAFigure, 1,
                QStringLiteral(QT_TRANSLATE_NOOP("Figures", "Inner radius r must be less than the outer radius R."))};
        const Term t = R - r;
        const Term ring = power(R, 2) - power(r, 2);
        const Term V = (pi() * ring) * h;
        const Term outer = ((twoPi() * R) * h).named(HollowCylinder::OuterArea);
        const Term inner = ((twoPi() * r) * h).named(HollowCylinder::InnerArea);
        // Both walls and the two rings at the ends.
        const Term S = (outer + inner) + twoPi() * ring;
        return answers({{0, t}, {1, V}, {2, outer}, {3, inner}, {4, S}}, Pattern::TwoOrThreeDecimals);
    });
}

Outcome calculateEllipsoid(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        const Term a = givenLength(fields, 0, Ellipsoid::a, Ellipsoid::Spoken::a);
        const Term b = givenLength(fields, 1, Ellipsoid::b, Ellipsoid::Spoken::b);
        const Term c = givenLength(fields, 2, Ellipsoid::c, Ellipsoid::Spoken::c);
        const Term V = ((((Term(4) * pi()) * a) * b) * c) / 3;
        // S = 4π·a·b·c·R_G(a⁻², b⁻², c⁻²), with a·b·c taken into the integral
        // (R_G grows as the root of its arguments), so that a flat ellipsoid,
        // a semi-axis 0, is the two faces of its ellipse and needs no division.
        const Term x = power(b, 2) * power(c, 2);
        const Term y = power(c, 2) * power(a, 2);
        const Term z = power(a, 2) * power(b, 2);
        const double integral = carlsonRG(x.value(), y.value(), z.value());
        if (!std::isfinite(integral))
            throw Failure{Failure::Cause::TooLarge, -1, {}};
        const Term RG = Term(Num(integral)).named(QStringLiteral("R_G(b²c², c²a², a²b²)"));
        Outcome outcome =
            answers({{0, a}, {1, b}, {2, c}, {3, V}, {4, (Term(4) * pi()) * RG}}, Pattern::TwoOrThreeDecimals);
        outcome.workings[4].note =
            QStringLiteral("R_G(%1, %2, %3) = %4, Carlson's symmetric elliptic integral")
                .arg(workedNumber(x.value()), workedNumber(y.value()), workedNumber(z.value()), workedNumber(integral));
        return outcome;
    });
}

Outcome calculateCapsule(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        const Term r = givenLength(fields, 0, Capsule::r, Capsule::Spoken::r);
        const Term h = givenLength(fields, 1, Capsule::h, Capsule::Spoken::h);
        // The cylinder, and its two half balls that make one ball.
        const Term V = (pi() * power(r, 2)) * h + ((Term(4) * pi()) * power(r, 3)) / 3;
        const Term S = (twoPi() * r) * h + (Term(4) * pi()) * power(r, 2);
        const Term total = h + Term(2) * r;
        return answers({{0, r}, {1, h}, {2, V}, {3, S}, {4, total}}, Pattern::TwoOrThreeDecimals);
    });
}

} // namespace Zyntra
