#pragma once

#include "entry/units.h"

#include <QDateTime>
#include <QList>
#include <QString>

namespace Zyntra {

// A value as the user saw it: its letter in the drawing, its caption and
// its text (an answer as shown, with its unit), and an answer's exact form
// ("25π") and its words ("25 pi") where it was shown with one.
struct HistoryValue {
    QString letter;
    QString caption;
    QString text;
    QString exact = {};
    QString exactSpoken = {};
    bool operator==(const HistoryValue &) const = default;
};

// A given value as the calculation read it: the number itself, so that it
// reads back the same whatever the desktop writes for a decimal point; and
// a value typed with a unit of its own as typed ("5' 3 1/2\""), so that it
// reopens as it was given.
struct HistoryGiven {
    QString letter;
    QString caption;
    double value = 0;
    QString typed = {};
    bool operator==(const HistoryGiven &) const = default;
};

// Given values as shown: each typed with its unit as typed, else the number
// in full with a full stop, "2.5".
QList<HistoryValue> shown(const QList<HistoryGiven> &givens);

// One calculation as it was shown. The figure id is short and stable
// ("rectangle"), so that a record can reopen its figure after the menu's
// captions change; the units are kept by their ids for the same reason.
struct HistoryRecord {
    qint64 id = 0;  // given by the store
    QDateTime when; // UTC, to the millisecond
    QString figureId;
    QString figureName;
    int optionIndex = 0;
    QString optionCaption;
    QList<HistoryGiven> givens;
    QList<HistoryValue> answers;
    QString constants;
    QString precision;
    UnitChoice units;
    bool operator==(const HistoryRecord &) const = default;
};

// How a record names the constants it was made with: "exact" or "described".
QString constantsName(bool exact);
bool namesExactConstants(const QString &constants);

// Whether any answer was shown with its exact form.
bool showsExactForms(const HistoryRecord &record);

// The same figure, option, given values and choices, and the same exact
// forms shown: the answers follow from these, so a repeat of them adds
// nothing to the history.
bool sameCalculation(const HistoryRecord &a, const HistoryRecord &b);

// What the filter looks through: figure, option, captions, numbers and
// exact forms, written and in words ("25π", "25 pi"), in lower case.
QString searchText(const HistoryRecord &record);

// The words a filter looks for, each in lower case.
QStringList filterWords(const QString &filter);
// Whether the record's search text holds every word of the filter.
bool matchesFilter(const HistoryRecord &record, const QString &filter);

// A whole number's decimal digits, the same in every locale.
QString integerText(qint64 value);

} // namespace Zyntra
