#include "spherevalues.h"

namespace Zyntra {

Outcome calculateSphere(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        // The sphere's own pi, not the 3.14 of the workbench solids.
        const Num pi = 3.14159265358979;
        // pi / 6 as typed, not derived from pi.
        const Num volumeFactor = 0.5236;
        const Fields fields(fieldTexts);
        Num r, d, C, S, V;
        if (!fields.isEmpty(0)) {
            const Num value = fields.number(0);
            switch (SphereQuantity(given)) {
            case SphereQuantity::Radius:
                r = value;
                d = r + r;
                C = d * pi;
                S = d * C;
                V = power(d, 3) * volumeFactor;
                break;
            case SphereQuantity::Diameter:
                d = value;
                r = d / 2;
                C = d * pi;
                S = d * C;
                V = power(d, 3) * volumeFactor;
                break;
            case SphereQuantity::Circumference:
                C = value;
                d = C / pi;
                r = d / 2;
                S = d * C;
                V = power(d, 3) * volumeFactor;
                break;
            case SphereQuantity::SurfaceArea:
                S = value;
                d = sqrt(S / pi);
                r = d / 2;
                C = d * pi;
                V = power(d, 3) * volumeFactor;
                break;
            case SphereQuantity::Volume:
                V = value;
                d = power(V / volumeFactor, Num(1) / Num(3));
                r = d / 2;
                C = d * pi;
                S = d * C;
                break;
            }
        }
        Outcome outcome;
        outcome.answers = {
            {int(SphereQuantity::Radius), format(r, Pattern::TwoOrThreeDecimals)},
            {int(SphereQuantity::Diameter), format(d, Pattern::TwoOrThreeDecimals)},
            {int(SphereQuantity::Circumference), format(C, Pattern::OneOrTwoDecimals)},
            {int(SphereQuantity::SurfaceArea), format(S, Pattern::OneOrTwoDecimals)},
            {int(SphereQuantity::Volume), format(V, Pattern::OneOrTwoDecimals)},
        };
        return outcome;
    });
}

} // namespace Zyntra
