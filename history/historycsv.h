#pragma once

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

} // namespace Zyntra
