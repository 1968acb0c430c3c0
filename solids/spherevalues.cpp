#include "spherevalues.h"

#include "entry/term.h"

namespace Zyntra {

Outcome calculateSphere(const QStringList &fieldTexts, qint16 given)
{
    return runCalculation([&] {
        // The sphere's own pi, not the 3.14 of the workbench solids.
        const Term pi = Term::constant(Constants::FinePi);
        // pi / 6 as typed, not derived from pi.
        const Term volumeFactor = Term::constant(Constants::SixthPi);
        const Fields fields(fieldTexts);
        // Values that later answers use go under their letters.
        const auto name = [](const Term &value, const char *letter) {
            return value.named(QString::fromLatin1(letter));
        };
        Term r, d, C, S, V;
        if (!fields.isEmpty(0)) {
            switch (SphereQuantity(given)) {
            case SphereQuantity::Radius:
                r = typed(fields, 0, "r");
                d = name(r + r, "d");
                C = name(d * pi, "C");
                S = d * C;
                V = power(d, 3) * volumeFactor;
                break;
            case SphereQuantity::Diameter:
                d = typed(fields, 0, "d");
                r = d / 2;
                C = name(d * pi, "C");
                S = d * C;
                V = power(d, 3) * volumeFactor;
                break;
            case SphereQuantity::Circumference:
                C = typed(fields, 0, "C");
                d = name(C / pi, "d");
                r = d / 2;
                S = d * C;
                V = power(d, 3) * volumeFactor;
                break;
            case SphereQuantity::SurfaceArea:
                S = typed(fields, 0, "S");
                d = name(sqrt(S / pi), "d");
                r = d / 2;
                C = d * pi;
                V = power(d, 3) * volumeFactor;
                break;
            case SphereQuantity::Volume:
                V = typed(fields, 0, "V");
                d = name(power(V / volumeFactor, Term(1) / Term(3)), "d");
                r = d / 2;
                C = name(d * pi, "C");
                S = d * C;
                break;
            }
        }
        Outcome outcome;
        addAnswer(outcome, int(SphereQuantity::Radius), r, Pattern::TwoOrThreeDecimals);
        addAnswer(outcome, int(SphereQuantity::Diameter), d, Pattern::TwoOrThreeDecimals);
        addAnswer(outcome, int(SphereQuantity::Circumference), C, Pattern::OneOrTwoDecimals);
        addAnswer(outcome, int(SphereQuantity::SurfaceArea), S, Pattern::OneOrTwoDecimals);
        addAnswer(outcome, int(SphereQuantity::Volume), V, Pattern::OneOrTwoDecimals);
        if (fields.isEmpty(0))
            noteAll(outcome, QString::fromLatin1(NoValuesGiven));
        return outcome;
    });
}

} // namespace Zyntra
