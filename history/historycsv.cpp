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

// The headers of `count` values of a kind: "Given 1 letter", "Given 1 caption", "Given 1 value"...
void appendHeaders(QStringList &header, const QString &kind, qsizetype count, bool exact = false)
{
    for (qsizetype i = 1; i <= count; ++i) {
        const QString n = kind + u' ' + integerText(i);
        header << n + QStringLiteral(" letter") << n + QStringLiteral(" caption") << n + QStringLiteral(" value");
        if (exact)
            header << n + QStringLiteral(" exact");
    }
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
    appendHeaders(header, QStringLiteral("Given"), givens);
    appendHeaders(header, QStringLiteral("Answer"), answers, exact);

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

QByteArray compositeCsv(const CompositeRecord &composite, const CompositeSums &sums)
{
    qsizetype givens = 0;
    for (const CompositePart &part : composite.parts)
        givens = std::max(givens, part.calculation.givens.size());
    QStringList header{QStringLiteral("Sign"), QStringLiteral("Count"), QStringLiteral("Figure"),
                       QStringLiteral("Figure id"), QStringLiteral("Option")};
    appendHeaders(header, QStringLiteral("Given"), givens);
    header << QStringLiteral("Quantity") << QStringLiteral("Quantity letter") << QStringLiteral("Part value")
           << QStringLiteral("Contribution");

    QByteArray csv = line(header);
    for (qsizetype i = 0; i < composite.parts.size(); ++i) {
        const CompositePart &part = composite.parts.at(i);
        QStringList row{signText(part.sign), integerText(part.count), part.calculation.figureName,
                        part.calculation.figureId, part.calculation.optionCaption};
        appendValues(row, shown(part.calculation.givens), givens);
        row << part.quantityCaption << part.quantity << sums.values.value(i) << sums.contributions.value(i);
        csv += line(row);
    }
    QStringList total(header.size(), QString());
    total[2] = QStringLiteral("Total");
    total.last() = sums.total;
    return csv + line(total);
}

} // namespace Zyntra
