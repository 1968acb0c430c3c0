#pragma once

#include "historyrecord.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace Zyntra {

// One part of a composite figure: a calculation as it was made (figure,
// option, given values and the choices in force), the answer of it that the
// part stands for, and whether it is added or cut out, and how many times.
struct CompositePart {
    HistoryRecord calculation;
    QString quantity;        // the answer's letter as its figure declares it: "Area", "Volume", "a"
    QString quantityCaption; // as the window names it: "Area", "Side a"
    int sign = 1;            // 1 added, -1 cut out
    int count = 1;           // how many such parts: four piers
    bool operator==(const CompositePart &) const = default;
};

// How a part's sign is written, "+" or "−", and its count before what it
// counts: "4 × ", nothing for one.
inline QString signText(int sign)
{
    return sign < 0 ? QStringLiteral("−") : QStringLiteral("+");
}
inline QString countText(int count)
{
    return count == 1 ? QString() : integerText(count) + QStringLiteral(" × ");
}

// A composite figure as the user keeps it: its name and its parts, in the
// order they were put in, and the choices the total was shown under.
struct CompositeRecord {
    qint64 id = 0;  // given by the store
    QDateTime when; // UTC, to the millisecond
    QString name;
    QList<CompositePart> parts;
    QString constants;
    QString precision;
    UnitChoice units;
    bool exactForms = false;
    bool operator==(const CompositeRecord &) const = default;
};

} // namespace Zyntra
