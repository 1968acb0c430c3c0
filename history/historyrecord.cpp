#include "historyrecord.h"

#include "entry/term.h"

#include <algorithm>
#include <charconv>

namespace Zyntra {

QList<HistoryValue> shown(const QList<HistoryGiven> &givens)
{
    QList<HistoryValue> values;
    for (const HistoryGiven &given : givens)
        values << HistoryValue{given.letter, given.caption,
                               given.typed.isEmpty() ? fullNumber(given.value) : given.typed};
    return values;
}

QString constantsName(bool exact)
{
    return exact ? QStringLiteral("exact") : QStringLiteral("described");
}

bool namesExactConstants(const QString &constants)
{
    return constants == constantsName(true);
}

bool showsExactForms(const HistoryRecord &record)
{
    return std::ranges::any_of(record.answers, [](const HistoryValue &answer) { return !answer.exact.isEmpty(); });
}

bool sameCalculation(const HistoryRecord &a, const HistoryRecord &b)
{
    // Exact forms come and go with a choice the record does not keep; a
    // calculation shown with them again is worth its own row.
    const auto forms = [](const HistoryRecord &record) {
        QStringList exact;
        for (const HistoryValue &answer : record.answers)
            exact << answer.exact;
        return exact;
    };
    return a.figureId == b.figureId && a.optionIndex == b.optionIndex && a.givens == b.givens
           && a.constants == b.constants && a.precision == b.precision && a.units == b.units && forms(a) == forms(b);
}

QString searchText(const HistoryRecord &record)
{
    QStringList parts{record.figureName, record.optionCaption};
    for (const QList<HistoryValue> &values : {shown(record.givens), record.answers})
        for (const HistoryValue &value : values) {
            parts << value.caption << value.text;
            if (!value.exact.isEmpty())
                parts << value.exact << value.exactSpoken;
        }
    // Lines keep a word from running into the next one when filtered.
    return parts.join(u'\n').toLower();
}

QStringList filterWords(const QString &filter)
{
    return filter.simplified().toLower().split(u' ', Qt::SkipEmptyParts);
}

bool matchesFilter(const HistoryRecord &record, const QString &filter)
{
    const QString text = searchText(record);
    return std::ranges::all_of(filterWords(filter), [&text](const QString &word) { return text.contains(word); });
}

QString integerText(qint64 value)
{
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return QString::fromLatin1(digits, written.ptr - digits);
}

} // namespace Zyntra
