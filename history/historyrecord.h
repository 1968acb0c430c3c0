#pragma once

#include <QDateTime>
#include <QList>
#include <QString>

namespace Zyntra {

// One given value or answer as the user saw it: its letter in the drawing,
// its caption and its text (typed, or shown).
struct HistoryValue {
    QString letter;
    QString caption;
    QString text;
    bool operator==(const HistoryValue &) const = default;
};

// One calculation as it was shown. The figure id is short and stable
// ("rectangle"), so that a record can reopen its figure after the menu's
// captions change; the choices in force are kept as the texts that name them.
struct HistoryRecord {
    qint64 id = 0;  // given by the store
    QDateTime when; // UTC, to the millisecond
    QString figureId;
    QString figureName;
    int optionIndex = 0;
    QString optionCaption;
    QList<HistoryValue> givens;
    QList<HistoryValue> answers;
    QString constants;
    QString precision;
    QString units;
    bool operator==(const HistoryRecord &) const = default;
};

// The same figure, option, given values and choices: the answers follow
// from these, so a repeat of them adds nothing to the history.
bool sameCalculation(const HistoryRecord &a, const HistoryRecord &b);

// What the filter looks through: figure, option, captions and numbers, in
// lower case.
QString searchText(const HistoryRecord &record);

// A whole number's decimal digits, the same in every locale.
QString integerText(qint64 value);

} // namespace Zyntra
