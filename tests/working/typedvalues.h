#pragma once

// Values a user may type for a figure, as its catalogue entry declares what
// each option takes.
#include "controls/figureentry.h"

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numeric>
#include <vector>

// A number from low to high with up to three decimals, as a user types it.
inline QString typedNumber(QRandomGenerator &random, double low, double high)
{
    const int decimals = int(random.bounded(4));
    const double scale = std::pow(10.0, decimals);
    const auto lowest = quint32(std::ceil(low * scale));
    return QString::number((lowest + random.bounded(quint32(high * scale) - lowest + 1)) / scale, 'f', decimals);
}

// Values a user may type for what the option takes, as the catalogue
// declares it; where the user fills only some of the fields, two or three
// of them.
inline QStringList randomFields(QRandomGenerator &random, const Zyntra::FigureEntry &figure, int option)
{
    const auto &given = figure.quantities[size_t(option)].given;
    QStringList fields;
    for (const Zyntra::Quantity &quantity : given)
        if (quantity.letter)
            fields << (quantity.kind == Zyntra::QuantityKind::Angle ? typedNumber(random, 1, quantity.most - 1)
                                                                    : typedNumber(random, 0.1, 1000));
    // A length that must stay below another, or a multiple of it, is drawn again beneath that.
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (const int bound = given[size_t(i)].below; bound >= 0) {
            const double most = fields[bound].toDouble() * given[size_t(i)].times;
            fields[i] = typedNumber(random, std::max(0.1, most * 0.05), most * 0.95);
        }
    }
    if (figure.givenFields > 0) {
        std::vector<qsizetype> emptied(size_t(fields.size()));
        std::iota(emptied.begin(), emptied.end(), 0);
        std::shuffle(emptied.begin(), emptied.end(), random);
        for (size_t i = size_t(figure.givenFields) + random.bounded(2); i < emptied.size(); ++i)
            fields[emptied[i]].clear();
    }
    return fields;
}
