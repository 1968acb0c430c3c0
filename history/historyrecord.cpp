#include "historyrecord.h"

#include <charconv>

namespace Zyntra {

bool sameCalculation(const HistoryRecord &a, const HistoryRecord &b)
{
    return a.figureId == b.figureId && a.optionIndex == b.optionIndex && a.givens == b.givens
           && a.constants == b.constants && a.precision == b.precision && a.units == b.units;
}

QString searchText(const HistoryRecord &record)
{
    QStringList parts{record.figureName, record.optionCaption};
    for (const auto *values : {&record.givens, &record.answers})
        for (const HistoryValue &value : *values)
            parts << value.caption << value.text;
    // Lines keep a word from running into the next one when filtered.
    return parts.join(u'\n').toLower();
}

QString integerText(qint64 value)
{
    char digits[24];
    const auto written = std::to_chars(digits, digits + sizeof digits, value);
    return QString::fromLatin1(digits, written.ptr - digits);
}

} // namespace Zyntra
