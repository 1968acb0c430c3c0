// The history's filter and CSV export, with any texts a calculation may
// leave in it. The first byte says how many records (one to four) and how
// many given values and answers each has; the rest are texts separated by
// NUL bytes: the filter, then each record's figure, option, choices and
// values in turn. One store in a temporary folder serves every input.
#include "fuzzcheck.h"

#include "entry/numericentry.h"
#include "history/historycsv.h"
#include "history/historystore.h"

#include <QFile>
#include <QTemporaryDir>

using namespace Zyntra;

namespace {

constexpr int MostRecords = 4;
constexpr int MostValues = 2;
constexpr int TextsPerRecord = 6 + 2 * MostValues * 3;

// The CSV read back by RFC 4180, independently of the writer: fields
// quoted where they need it, rows ended by CRLF.
QList<QStringList> readCsv(const QByteArray &csv)
{
    QList<QStringList> rows;
    QStringList row;
    QByteArray field;
    bool quoted = false;
    for (qsizetype i = 0; i < csv.size(); ++i) {
        const char c = csv[i];
        if (quoted) {
            if (c == '"' && i + 1 < csv.size() && csv[i + 1] == '"')
                field += csv[++i];
            else if (c == '"')
                quoted = false;
            else
                field += c;
        } else if (c == '"' && field.isEmpty()) {
            quoted = true;
        } else if (c == ',' || (c == '\r' && i + 1 < csv.size() && csv[i + 1] == '\n')) {
            row << QString::fromUtf8(field);
            field.clear();
            if (c == '\r') {
                rows << row;
                row.clear();
                ++i;
            }
        } else {
            field += c;
        }
    }
    FUZZ_CHECK(field.isEmpty() && row.isEmpty() && !quoted, QString::fromUtf8(csv.right(200)));
    return rows;
}

QString cell(const QList<QStringList> &rows, qsizetype row, const QString &column)
{
    return rows[row].value(rows[0].indexOf(column));
}

// The export holds every record, each value in the column its header names.
void checkCsv(const QByteArray &csv, const QList<HistoryRecord> &records)
{
    const QList<QStringList> rows = readCsv(csv);
    FUZZ_CHECK(rows.size() == records.size() + 1, QString::fromUtf8(csv.left(300)));
    for (qsizetype i = 0; i < records.size(); ++i) {
        const HistoryRecord &record = records[i];
        const qsizetype row = i + 1;
        FUZZ_CHECK(rows[row].size() == rows[0].size(), rows[row].join(u'|').left(300));
        FUZZ_CHECK(cell(rows, row, QStringLiteral("Figure")) == record.figureName
                       && cell(rows, row, QStringLiteral("Figure id")) == record.figureId
                       && cell(rows, row, QStringLiteral("Option")) == record.optionCaption
                       && cell(rows, row, QStringLiteral("Units")) == unitsCaption(record.units),
                   rows[row].join(u'|').left(300));
        const QList<HistoryValue> givens = shown(record.givens);
        for (const auto &[kind, values] :
             {std::pair(QStringLiteral("Given "), &givens), std::pair(QStringLiteral("Answer "), &record.answers)})
            for (qsizetype v = 0; v < values->size(); ++v) {
                const QString column = kind + QString::number(v + 1);
                FUZZ_CHECK(cell(rows, row, column + QStringLiteral(" letter")) == values->at(v).letter
                               && cell(rows, row, column + QStringLiteral(" caption")) == values->at(v).caption
                               && cell(rows, row, column + QStringLiteral(" value")) == values->at(v).text,
                           column + QStringLiteral(": ") + rows[row].join(u'|').left(300));
            }
    }
}

// The same calculation, whatever id and time the store gave it.
bool sameRecord(HistoryRecord a, const HistoryRecord &b)
{
    a.id = b.id;
    a.when = b.when;
    return a == b;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static QTemporaryDir folder;
    // Never destroyed: at exit the database connections are gone before it.
    static HistoryStore &store = *new HistoryStore(folder.path());
    if (size < 1)
        return 0;
    const int count = 1 + data[0] % MostRecords;
    QStringList texts = FuzzInput::texts(data + 1, size - 1, 1 + count * TextsPerRecord);
    // SQLite reads the noncharacters U+FFFE and U+FFFF back as U+FFFD; no
    // caption, option or typed value the program records holds one.
    for (QString &text : texts)
        for (QChar &c : text)
            if (c.unicode() >= 0xFFFE)
                c = QChar::ReplacementCharacter;
    const QString filter = texts[0];
    FUZZ_CHECK(store.clear(), store.takeNotice());

    QList<HistoryRecord> added; // newest first, as the store lists them
    for (int r = 0; r < count; ++r) {
        auto next = [&, at = 1 + r * TextsPerRecord]() mutable { return texts[at++]; };
        HistoryRecord record;
        record.figureId = next();
        record.figureName = next();
        record.optionIndex = r;
        record.optionCaption = next();
        record.constants = next();
        record.precision = next();
        next(); // the units are chosen from a list: none here
        const int givens = 1 + (data[0] >> 2) % MostValues;
        const int answers = (data[0] >> 3) % (MostValues + 1);
        for (int v = 0; v < givens; ++v)
            record.givens.append({next(), next(), textToNumber(next()).value_or(0)});
        for (int v = 0; v < answers; ++v)
            record.answers.append({next(), next(), next()});
        const HistoryStore::Recording recording = store.add(record);
        FUZZ_CHECK(recording != HistoryStore::Recording::Failed, store.takeNotice());
        if (recording == HistoryStore::Recording::Added)
            added.prepend(record);
    }

    // The filter lets through exactly the records that hold each of its words.
    const QList<qint64> found = store.ids(filter);
    const QList<HistoryRecord> shown = store.records(found);
    qsizetype matching = 0;
    for (const HistoryRecord &record : added)
        if (matchesFilter(record, filter)) {
            FUZZ_CHECK(matching < shown.size() && sameRecord(record, shown[matching]), filter);
            ++matching;
        }
    FUZZ_CHECK(matching == shown.size() && found.size() == shown.size(), filter);

    checkCsv(historyCsv(shown), shown);
    if (!found.isEmpty()) {
        const QString path = folder.filePath(QStringLiteral("export.csv"));
        FUZZ_CHECK(!store.exportCsv(path, found), path);
        QFile file(path);
        FUZZ_CHECK(file.open(QIODevice::ReadOnly), path);
        checkCsv(file.readAll(), shown);
    }
    return 0;
}
