#include "historycsv.h"

#include <algorithm>

namespace Zyntra {

namespace {

QByteArray field(const QString &text)
{
    QByteArray bytes = text.toUtf8();
    if (bytes.contains(',') || bytes.contains('"') || bytes.contains('\n') || bytes.contains('\r'))
        bytes = '"' + bytes.replace("\"", "\"\"") + '"';
    return bytes;
}

void appendValues(QStringList &row, const QList<HistoryValue> &values, qsizetype columns, bool exact = false)
{
    for (qsizetype i = 0; i < columns; ++i) {
        const HistoryValue value = values.value(i);
        row << value.letter << value.caption << value.text;
        if (exact)
            row << value.exact;
    }
}

QByteArray line(const QStringList &row)
{
    QByteArrayList fields;
    for (const QString &text : row)
        fields << field(text);
    return fields.join(',') + "\r\n";
}

} // namespace

QByteArray historyCsv(const QList<HistoryRecord> &records)
{
    qsizetype givens = 0;
    qsizetype answers = 0;
    bool exact = false;
    for (const HistoryRecord &record : records) {
        givens = std::max(givens, record.givens.size());
        answers = std::max(answers, record.answers.size());
        exact = exact || showsExactForms(record);
    }

    QStringList header{QStringLiteral("When (UTC)"), QStringLiteral("Figure"),    QStringLiteral("Figure id"),
                       QStringLiteral("Option"),     QStringLiteral("Constants"), QStringLiteral("Precision"),
                       QStringLiteral("Units")};
    const auto numbered = [&header](const QString &kind, qsizetype count, bool exact = false) {
        for (qsizetype i = 1; i <= count; ++i) {
            const QString n = kind + u' ' + integerText(i);
            header << n + QStringLiteral(" letter") << n + QStringLiteral(" caption") << n + QStringLiteral(" value");
            if (exact)
                header << n + QStringLiteral(" exact");
        }
    };
    numbered(QStringLiteral("Given"), givens);
    numbered(QStringLiteral("Answer"), answers, exact);

    QByteArray csv = line(header);
    for (const HistoryRecord &record : records) {
        QStringList row{record.when.toUTC().toString(Qt::ISODateWithMs),
                        record.figureName,
                        record.figureId,
                        record.optionCaption,
                        record.constants,
                        record.precision,
                        unitsCaption(record.units)};
        appendValues(row, shown(record.givens), givens);
        appendValues(row, record.answers, answers, exact);
        csv += line(row);
    }
    return csv;
}

} // namespace Zyntra
