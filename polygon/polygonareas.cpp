#include "polygonareas.h"

namespace Zyntra {

Outcome calculatePolygonAreas(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Term square = power(typed(Fields(fieldTexts), 0, "a"), 2);
        std::array<Term, RegularPolygons.size()> areas;
        for (size_t i = 0; i < RegularPolygons.size(); ++i)
            areas[i] = i == 1 ? square : square * Term::constant(RegularPolygons[i].factor);
        Outcome outcome;
        for (size_t i = 0; i < areas.size(); ++i)
            addAnswer(outcome, int(i), areas[i], Pattern::TwoOrThreeDecimals);
        return outcome;
    });
}

} // namespace Zyntra
