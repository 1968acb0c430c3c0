#pragma once

// Values a user may type for a figure, as its catalogue entry declares what
// each option takes.
#include "controls/figureentry.h"
#include "entry/numericentry.h"
#include "sheet/sheetfigure.h"

#include <QRandomGenerator>
#include <QStringList>

#include <algorithm>
#include <cmath>
#include <numbers>
#include <numeric>
#include <vector>

// A number from low to high with up to three decimals (or as many as
// asked), as a user types it.
inline QString typedNumber(QRandomGenerator &random, double low, double high, int mostDecimals = 3)
{
    int decimals = int(random.bounded(mostDecimals + 1));
    double scale = std::pow(10.0, decimals);
    // A narrow range may hold no number of so few decimals: more are typed then.
    while (decimals < 12 && std::ceil(low * scale) > std::floor(high * scale)) {
        ++decimals;
        scale *= 10;
    }
    const auto lowest = quint32(std::ceil(low * scale));
    return QString::number((lowest + random.bounded(quint32(high * scale) - lowest + 1)) / scale, 'f', decimals);
}

// Where sides name the angles facing them, the values of one triangle:
// three angles of at least 5° that add up to 180°, the sides by the law of
// sines, three decimals each (or as many as asked); the figure's count of them, a side among them.
inline QStringList randomTriangle(QRandomGenerator &random, const Zyntra::FigureEntry &figure, int option,
                                  int decimals = 3)
{
    const auto &given = figure.quantities[size_t(option)].given;
    const double first = 5 + random.bounded(165.0);
    const double second = 5 + random.bounded(170.0 - first);
    const double angles[] = {first, second, 180 - first - second};
    const double diameter = 10 + random.bounded(990.0);
    QStringList fields;
    std::vector<qsizetype> sides;
    int angle = 0;
    for (const Zyntra::Quantity &quantity : given) {
        if (!quantity.letter)
            continue;
        if (quantity.opposite >= 0)
            sides.push_back(fields.size());
        fields << QString();
    }
    for (const qsizetype side : sides) {
        const int facing = given[size_t(side)].opposite;
        fields[facing] = QString::number(angles[angle++], 'f', decimals);
        fields[side] =
            QString::number(diameter * std::sin(fields[facing].toDouble() * std::numbers::pi / 180), 'f', decimals);
    }
    std::vector<qsizetype> kept(size_t(fields.size()));
    std::iota(kept.begin(), kept.end(), 0);
    const auto withSide = [&] {
        return std::ranges::find_first_of(kept.begin(), kept.begin() + figure.givenFields, sides.begin(), sides.end())
               != kept.begin() + figure.givenFields;
    };
    do
        std::shuffle(kept.begin(), kept.end(), random);
    while (!withSide());
    for (size_t i = size_t(figure.givenFields); i < kept.size(); ++i)
        fields[kept[i]].clear();
    return fields;
}

// Values a user may type for what the option takes, as the catalogue
// declares it; where the user fills only some of the fields, two or three
// of them. Up to three decimals each, or as many as asked.
inline QStringList randomFields(QRandomGenerator &random, const Zyntra::FigureEntry &figure, int option,
                                int mostDecimals = 3)
{
    const auto &given = figure.quantities[size_t(option)].given;
    if (std::ranges::any_of(given, [](const Zyntra::Quantity &quantity) { return quantity.opposite >= 0; }))
        return randomTriangle(random, figure, option, mostDecimals);
    QStringList fields;
    for (const Zyntra::Quantity &quantity : given)
        if (quantity.letter)
            fields << (quantity.kind == Zyntra::QuantityKind::Angle
                           ? typedNumber(random, 1, quantity.most - 1, mostDecimals)
                           : typedNumber(random, 0.1, 1000, mostDecimals));
    // A length that must stay below another, or a multiple of it, is drawn again beneath that.
    for (qsizetype i = 0; i < fields.size(); ++i) {
        if (const int bound = given[size_t(i)].below; bound >= 0) {
            const double most = fields[bound].toDouble() * given[size_t(i)].times;
            // Beneath a bound of 0.1 or so, the usual floor of 0.1 would lie above it.
            const double floor = std::max(0.1, most * 0.05);
            fields[i] = typedNumber(random, floor < most * 0.95 ? floor : most * 0.05, most * 0.95, mostDecimals);
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

// What the sheet window hands the builder: each letter once, an answer before a given value.
inline Zyntra::SheetValues sheetValues(const Zyntra::OptionQuantities &declared, const QStringList &fields,
                                       const Zyntra::Outcome &outcome)
{
    Zyntra::SheetValues values;
    for (const auto &[index, value] : outcome.values)
        values << Zyntra::SheetValue{QString::fromUtf8(declared.answers[size_t(index)].letter), value};
    for (qsizetype i = 0; i < fields.size(); ++i) {
        const QString letter = QString::fromUtf8(declared.given[size_t(i)].letter);
        if (!fields[i].isEmpty()
            && std::ranges::none_of(values, [&](const Zyntra::SheetValue &v) { return v.letter == letter; }))
            values << Zyntra::SheetValue{letter, *Zyntra::textToNumber(fields[i])};
    }
    return values;
}
