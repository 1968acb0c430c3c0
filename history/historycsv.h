#pragma once

#include "compositerecord.h"
#include "historyrecord.h"

#include <QByteArray>

namespace Zyntra {

// Records as CSV (RFC 4180: fields quoted where they hold a comma, a quote
// or a line break, lines ended by CRLF), UTF-8, with a header row and one
// row per calculation. Each given value and answer takes three columns,
// letter, caption and text, as many as the longest record needs; the texts
// are those shown, so decimals keep their full stops in every locale. Where
// a record shows exact forms, each answer takes a fourth column, its form.
QByteArray historyCsv(const QList<HistoryRecord> &records);

// What a composite comes to, as its window shows it: each part's value and
// its contribution to the total, in the total's unit ("−3.14 m²"), by part,
// and the total. The composite's calculation works them out; the CSV and
// the history write them as they are, so that all show the same digits.
struct CompositeSums {
    QStringList values;
    QStringList contributions;
    QString total;
};

// A composite's parts in the same way, one row each: its sign and count,
// its figure, option and given values, the quantity it stands for, its
// value and its contribution; then the total.
QByteArray compositeCsv(const CompositeRecord &composite, const CompositeSums &sums);

} // namespace Zyntra
