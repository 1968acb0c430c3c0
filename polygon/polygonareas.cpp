#include "polygonareas.h"

namespace Zyntra {

Outcome calculatePolygonAreas(const QStringList &fieldTexts, qint16)
{
    return runCalculation([&] {
        const Num square = power(Fields(fieldTexts).number(0), 2);
        std::array<Num, RegularPolygons.size()> areas;
        for (size_t i = 0; i < RegularPolygons.size(); ++i)
            areas[i] = i == 1 ? square : square * RegularPolygons[i].factor;
        Outcome outcome;
        for (size_t i = 0; i < areas.size(); ++i)
            outcome.answers[int(i)] = format(areas[i], Pattern::TwoOrThreeDecimals);
        return outcome;
    });
}

} // namespace Zyntra
