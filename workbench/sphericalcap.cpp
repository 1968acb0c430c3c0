#include "sphericalcap.h"

#include "entry/term.h"

namespace Zyntra {

Outcome calculateSphericalCap(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        const Fields fields(fieldTexts);
        Term R;
        Term a;
        Term h;
        if (given == 0) {
            R = typedLength(fields, 0, SphericalCap::R, SphericalCap::Spoken::R);
            h = typedLength(fields, 1, SphericalCap::h, SphericalCap::Spoken::h);
            // At h = 2R the cap is the whole sphere, its base a point.
            if (h > R * 2)
                throw Failure{Failure::Cause::NotAFigure, 1,
                              QStringLiteral(QT_TRANSLATE_NOOP(
                                  "Figures", "Cap height h must not be more than the sphere's diameter 2R."))};
            a = sqrt(h * (R * 2 - h)).named(SphericalCap::a);
        } else if (given == 1) {
            a = typedLength(fields, 0, SphericalCap::a, SphericalCap::Spoken::a);
            h = typedLength(fields, 1, SphericalCap::h, SphericalCap::Spoken::h);
            R = ((power(a, 2) + power(h, 2)) / (h * 2)).named(SphericalCap::R);
        } else {
            return Outcome{};
        }
        const Term pi = Term::constant(Constants::RoughPi);
        const Term volume = pi * power(h, 2) * (R * 3 - h) / 3;
        const Term curved = pi * 2 * R * h;
        const Term total = pi * 2 * R * h + pi * power(a, 2);
        return answers({{0, R}, {1, a}, {2, h}, {3, volume}, {4, curved}, {5, total}}, Pattern::TwoOrThreeDecimals);
    });
}

} // namespace Zyntra
