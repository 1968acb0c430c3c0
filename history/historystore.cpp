#include "historystore.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QHash>
#include <QJsonArray>
#include <QJsonDocument>
#include <QSaveFile>
#include <QSqlDatabase>
#include <QSqlError>
#include <QSqlQuery>
#include <QStandardPaths>
#include <QThread>
#include <QUuid>

#include <charconv>
#include <type_traits>

#include "entry/numericentry.h"
#include "historycsv.h"

namespace Zyntra {

namespace {

const QString FileName = QStringLiteral("history.sqlite");
// Another Zyntra holds the file for well under a millisecond per record;
// this long a wait only covers a clear or a migration of a large history.
const QString ConnectOptions = QStringLiteral("QSQLITE_BUSY_TIMEOUT=2000");
constexpr int BusyRetries = 3;
constexpr qsizetype IdsPerStatement = 500;

// SQLite's own result codes, as its driver reports them.
constexpr int SqliteBusy = 5, SqliteLocked = 6, SqliteReadOnly = 8, SqliteIoError = 10, SqliteCorrupt = 11,
              SqliteFull = 13, SqliteCantOpen = 14, SqliteNotADatabase = 26;

// Marks a file whose schema is newer than this program knows.
const QString NewerFile = QStringLiteral("newer");

// The columns a record is kept in, and read from with its id; the search
// text is only looked through. A composite's parts are kept in the same ones.
const QString RecordColumns = QStringLiteral("at, figure_id, figure_name, option_index, option_caption, givens, "
                                             "answers, constants, precision, units");
const QString Columns = QStringLiteral("id, ") + RecordColumns;
const QString CompositeColumns = QStringLiteral("id, at, name, constants, precision, units, exact_forms");
const QString PartColumns = QStringLiteral("composite_id, quantity, quantity_caption, sign, count, ") + Columns;

// A statement that failed, carried out to the public call that ran it.
struct SqlFault {
    QSqlError error;
};

int codeOf(const QSqlError &error)
{
    const QByteArray code = error.nativeErrorCode().toLatin1();
    int value = -1;
    std::from_chars(code.constData(), code.constData() + code.size(), value);
    return value < 0 ? value : value & 0xff; // the driver reports SQLite's extended codes
}

bool isBusy(const QSqlError &error)
{
    const int code = codeOf(error);
    return code == SqliteBusy || code == SqliteLocked;
}

// SQLite waits out a busy file itself, but answers busy at once where
// waiting could not help (a checkpoint or a recovery in another Zyntra);
// those pass after a moment.
void run(QSqlQuery &query)
{
    for (int attempt = 0;; ++attempt) {
        if (query.exec())
            return;
        if (!isBusy(query.lastError()) || attempt == BusyRetries)
            throw SqlFault{query.lastError()};
        QThread::msleep(20 << attempt);
    }
}

QSqlQuery prepared(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery query(db);
    query.setForwardOnly(true);
    if (!query.prepare(sql))
        throw SqlFault{query.lastError()};
    for (const QVariant &value : values)
        query.addBindValue(value);
    return query;
}

QSqlQuery exec(const QSqlDatabase &db, const QString &sql, const QVariantList &values = {})
{
    QSqlQuery query = prepared(db, sql, values);
    run(query);
    return query;
}

// One transaction that takes the write lock at its start: a transaction
// that only asks for it at its first write can be refused without waiting.
template <typename Work>
auto writing(const QSqlDatabase &db, Work work)
{
    exec(db, QStringLiteral("BEGIN IMMEDIATE"));
    try {
        auto result = work();
        exec(db, QStringLiteral("COMMIT"));
        return result;
    } catch (...) {
        QSqlQuery(db).exec(QStringLiteral("ROLLBACK"));
        throw;
    }
}

// An empty text, never SQL's NULL, which the columns refuse.
QString text(const QString &value)
{
    return value.isNull() ? QStringLiteral("") : value;
}

QString placeholders(qsizetype count)
{
    QStringList marks(count, QStringLiteral("?"));
    return marks.join(u',');
}

// Runs work on the ids a statement at a time: "(?,?,?)" and their values.
template <typename Work>
void inChunks(const QList<qint64> &ids, Work work)
{
    for (qsizetype at = 0; at < ids.size(); at += IdsPerStatement) {
        const QList<qint64> chunk = ids.mid(at, IdsPerStatement);
        work(u'(' + placeholders(chunk.size()) + u')', QVariantList(chunk.begin(), chunk.end()));
    }
}

// Deletes the rows of the ids in one transaction, each statement ("DELETE
// FROM t WHERE id IN ") run in turn on every chunk of them.
bool deleteIds(const QSqlDatabase &db, const QList<qint64> &ids, const QStringList &statements)
{
    return writing(db, [&] {
        inChunks(ids, [&](const QString &marks, const QVariantList &values) {
            for (const QString &statement : statements)
                exec(db, statement + marks, values);
        });
        return true;
    });
}

// Where the search text holds every word, each one a value bound in its order.
QString matching(const QStringList &words)
{
    const QStringList tests(words.size(), QStringLiteral("instr(search, ?) > 0"));
    return words.isEmpty() ? QString() : QStringLiteral(" WHERE ") + tests.join(QStringLiteral(" AND "));
}

// Each value as [letter, caption, text], or [letter, caption, number] for
// a given value: JSON writes a number with a full stop and reads it back
// as the same double. A given value typed with its unit adds the text typed. An answer shown with its exact form adds
// the form and its words; a Zyntra that knows none reads past them.
QByteArray encode(const QJsonArray &array)
{
    return QJsonDocument(array).toJson(QJsonDocument::Compact);
}

QByteArray encode(const QList<HistoryValue> &values)
{
    QJsonArray array;
    for (const HistoryValue &value : values) {
        QJsonArray fields{value.letter, value.caption, value.text};
        if (!value.exact.isEmpty())
            fields << value.exact << value.exactSpoken;
        array.append(fields);
    }
    return encode(array);
}

QByteArray encode(const QList<HistoryGiven> &givens)
{
    QJsonArray array;
    for (const HistoryGiven &given : givens) {
        QJsonArray fields{given.letter, given.caption, given.value};
        if (!given.typed.isEmpty())
            fields << given.typed;
        array.append(fields);
    }
    return encode(array);
}

template <typename Value>
QList<Value> decode(const QByteArray &json)
{
    QList<Value> values;
    for (const QJsonValue &item : QJsonDocument::fromJson(json).array()) {
        const QJsonArray fields = item.toArray();
        if constexpr (std::is_same_v<Value, HistoryGiven>)
            values.append(
                {fields.at(0).toString(), fields.at(1).toString(), fields.at(2).toDouble(), fields.at(3).toString()});
        else
            values.append({fields.at(0).toString(), fields.at(1).toString(), fields.at(2).toString(),
                           fields.at(3).toString(), fields.at(4).toString()});
    }
    return values;
}

// A record from the columns of RecordColumns' order, its id the first.
HistoryRecord readRecord(const QSqlQuery &query, int first)
{
    HistoryRecord record;
    record.id = query.value(first).toLongLong();
    record.when = QDateTime::fromString(query.value(first + 1).toString(), Qt::ISODateWithMs);
    record.figureId = query.value(first + 2).toString();
    record.figureName = query.value(first + 3).toString();
    record.optionIndex = query.value(first + 4).toInt();
    record.optionCaption = query.value(first + 5).toString();
    record.givens = decode<HistoryGiven>(query.value(first + 6).toByteArray());
    record.answers = decode<HistoryValue>(query.value(first + 7).toByteArray());
    record.constants = query.value(first + 8).toString();
    record.precision = query.value(first + 9).toString();
    record.units = unitsFromIds(query.value(first + 10).toString());
    return record;
}

// The values of RecordColumns, in their order.
QVariantList recordValues(const HistoryRecord &record)
{
    return {record.when.toUTC().toString(Qt::ISODateWithMs),
            text(record.figureId),
            text(record.figureName),
            record.optionIndex,
            text(record.optionCaption),
            encode(record.givens),
            encode(record.answers),
            text(record.constants),
            text(record.precision),
            text(unitsIds(record.units))};
}

QList<HistoryRecord> select(const QSqlDatabase &db, const QString &rest, const QVariantList &values = {})
{
    QSqlQuery query =
        exec(db, QStringLiteral("SELECT ") + Columns + QStringLiteral(" FROM calculation ") + rest, values);
    QList<HistoryRecord> records;
    while (query.next())
        records.append(readRecord(query, 0));
    return records;
}

// The records of these ids, in their order.
QList<HistoryRecord> recordsOf(const QSqlDatabase &db, const QList<qint64> &ids)
{
    QHash<qint64, HistoryRecord> byId;
    inChunks(ids, [&](const QString &marks, const QVariantList &values) {
        for (HistoryRecord &record : select(db, QStringLiteral("WHERE id IN ") + marks, values))
            byId.insert(record.id, std::move(record));
    });
    QList<HistoryRecord> found;
    for (qint64 id : ids)
        if (byId.contains(id))
            found.append(byId.value(id));
    return found;
}

// What the filter looks through for a composite: its name and its parts.
QString searchText(const CompositeRecord &composite)
{
    QStringList texts{composite.name.toLower()};
    for (const CompositePart &part : composite.parts)
        texts << part.quantityCaption.toLower() << searchText(part.calculation);
    return texts.join(u'\n');
}

// The composites a statement on their table finds, in its order, each with its parts.
QList<CompositeRecord> compositesWhere(const QSqlDatabase &db, const QString &rest, const QVariantList &values = {})
{
    QList<CompositeRecord> found;
    QHash<qint64, qsizetype> at;
    for (QSqlQuery query =
             exec(db, QStringLiteral("SELECT ") + CompositeColumns + QStringLiteral(" FROM composite ") + rest, values);
         query.next();) {
        at.insert(query.value(0).toLongLong(), found.size());
        found.append({query.value(0).toLongLong(),
                      QDateTime::fromString(query.value(1).toString(), Qt::ISODateWithMs),
                      query.value(2).toString(),
                      {},
                      query.value(3).toString(),
                      query.value(4).toString(),
                      unitsFromIds(query.value(5).toString()),
                      query.value(6).toBool()});
    }
    inChunks(at.keys(), [&](const QString &marks, const QVariantList &ids) {
        for (QSqlQuery query = exec(db,
                                    QStringLiteral("SELECT ") + PartColumns
                                        + QStringLiteral(" FROM composite_part WHERE composite_id IN ") + marks
                                        + QStringLiteral(" ORDER BY composite_id, position"),
                                    ids);
             query.next();)
            found[at.value(query.value(0).toLongLong())].parts.append({readRecord(query, 5), query.value(1).toString(),
                                                                       query.value(2).toString(),
                                                                       query.value(3).toInt(), query.value(4).toInt()});
    });
    return found;
}

// Step n takes a file of version n - 1 to version n. A file of the first
// version, or of none, walks every later step, so each step is run by
// every new history and stays tested.
void migrateStep(const QSqlDatabase &db, int version)
{
    switch (version) {
    case 1:
        exec(db, QStringLiteral("CREATE TABLE calculation (id INTEGER PRIMARY KEY AUTOINCREMENT, at TEXT NOT NULL, "
                                "figure_id TEXT NOT NULL, figure_name TEXT NOT NULL, option_index INTEGER NOT NULL, "
                                "option_caption TEXT NOT NULL, givens TEXT NOT NULL, answers TEXT NOT NULL, "
                                "constants TEXT NOT NULL, precision TEXT NOT NULL, units TEXT NOT NULL)"));
        break;
    case 2: // the filter's text, so that it reads one column instead of decoding every record
        exec(db, QStringLiteral("ALTER TABLE calculation ADD COLUMN search TEXT NOT NULL DEFAULT ''"));
        for (const HistoryRecord &record : select(db, {}))
            exec(db, QStringLiteral("UPDATE calculation SET search = ? WHERE id = ?"), {searchText(record), record.id});
        break;
    case 3: { // given values as numbers, units by their ids
        struct Row {
            qint64 id;
            QByteArray givens;
            QString units;
        };
        QList<Row> rows;
        for (QSqlQuery query = exec(db, QStringLiteral("SELECT id, givens, units FROM calculation")); query.next();)
            rows.append({query.value(0).toLongLong(), query.value(1).toByteArray(), query.value(2).toString()});
        for (const Row &row : rows) {
            // A given was kept as typed; one with a comma was read with the
            // decimal comma, since the comma never grouped digits in a field.
            QJsonArray givens;
            for (const QJsonValue &item : QJsonDocument::fromJson(row.givens).array()) {
                const QJsonArray fields = item.toArray();
                if (const auto value = textToNumber(fields.at(2).toString().replace(u',', u'.')))
                    givens.append(QJsonArray{fields.at(0), fields.at(1), *value});
            }
            exec(db, QStringLiteral("UPDATE calculation SET givens = ?, units = ? WHERE id = ?"),
                 {encode(givens), text(unitsIds(unitsFromCaption(row.units))), row.id});
        }
        // The numbers are written anew, and so the filter's text.
        for (const HistoryRecord &record : select(db, {}))
            exec(db, QStringLiteral("UPDATE calculation SET search = ? WHERE id = ?"), {searchText(record), record.id});
        break;
    }
    case 4: // composite figures; each part a copy of its calculation in the columns a record is kept in
        exec(db, QStringLiteral("CREATE TABLE composite (id INTEGER PRIMARY KEY AUTOINCREMENT, at TEXT NOT NULL, "
                                "name TEXT NOT NULL, constants TEXT NOT NULL, precision TEXT NOT NULL, "
                                "units TEXT NOT NULL, exact_forms INTEGER NOT NULL, search TEXT NOT NULL)"));
        exec(db, QStringLiteral("CREATE TABLE composite_part (composite_id INTEGER NOT NULL, position INTEGER NOT "
                                "NULL, quantity TEXT NOT NULL, quantity_caption TEXT NOT NULL, sign INTEGER NOT NULL, "
                                "count INTEGER NOT NULL, id INTEGER NOT NULL, at TEXT NOT NULL, figure_id TEXT NOT "
                                "NULL, figure_name TEXT NOT NULL, option_index INTEGER NOT NULL, option_caption TEXT "
                                "NOT NULL, givens TEXT NOT NULL, answers TEXT NOT NULL, constants TEXT NOT NULL, "
                                "precision TEXT NOT NULL, units TEXT NOT NULL, PRIMARY KEY (composite_id, position))"));
        break;
    }
}

// The first value a statement gives; its statement ends here, since a
// transaction cannot end while one is still being read.
QVariant scalar(const QSqlDatabase &db, const QString &sql)
{
    QSqlQuery query = exec(db, sql);
    return query.next() ? query.value(0) : QVariant();
}

int userVersion(const QSqlDatabase &db)
{
    return scalar(db, QStringLiteral("PRAGMA user_version")).toInt();
}

// The file appears only once it is whole; a write that fails on the way
// leaves whatever was there before. The reason when it failed.
std::optional<QString> writeWhole(const QString &path, const QByteArray &bytes)
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(bytes) < 0 || !file.commit())
        return QStringLiteral("%1 could not be written: %2").arg(QDir::toNativeSeparators(path), file.errorString());
    return std::nullopt;
}

// Why a file is no history at all, found before SQLite opens it: a file
// cut short still opens, and SQLite would find its missing pages only when
// a read reaches them. Its header says how long it must be; while a log of
// unmerged writes lies beside it, the file may lawfully be shorter.
bool isDamaged(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0)
        return false;
    const QByteArray header = file.read(100);
    if (header.size() < 100 || !header.startsWith(QByteArrayLiteral("SQLite format 3\0")))
        return true;
    const auto number = [&header](int at, int bytes) {
        quint64 value = 0;
        for (int i = 0; i < bytes; ++i)
            value = value << 8 | quint8(header[at + i]);
        return value;
    };
    const quint64 pageSize = number(16, 2) == 1 ? 65536 : number(16, 2);
    const quint64 pages = number(28, 4);
    const bool pagesKnown = pages != 0 && number(24, 4) == number(92, 4);
    return pagesKnown && QFileInfo(path + QStringLiteral("-wal")).size() == 0
           && quint64(file.size()) < pageSize * pages;
}

} // namespace

HistoryStore::HistoryStore()
    : HistoryStore(QStandardPaths::writableLocation(QStandardPaths::AppDataLocation))
{}

HistoryStore::HistoryStore(const QString &folder)
    : m_folder(folder)
    , m_connection(QStringLiteral("zyntra-history-") + QUuid::createUuid().toString(QUuid::WithoutBraces))
{}

HistoryStore::~HistoryStore()
{
    close();
}

QString HistoryStore::filePath() const
{
    return QDir(m_folder).filePath(FileName);
}

QString HistoryStore::takeNotice()
{
    return std::exchange(m_notice, QString());
}

void HistoryStore::close()
{
    if (!QSqlDatabase::contains(m_connection))
        return;
    QSqlDatabase::database(m_connection, false).close();
    QSqlDatabase::removeDatabase(m_connection);
}

void HistoryStore::turnOff(const QString &why)
{
    close();
    m_state = State::Off;
    m_notice = QStringLiteral("Zyntra cannot keep its history in %1 (%2), so the history is off until Zyntra "
                              "starts again.")
                   .arg(QDir::toNativeSeparators(m_folder), why);
}

void HistoryStore::setAside(const QString &why)
{
    close();
    m_state = State::Closed;
    const QString stamp = QDateTime::currentDateTimeUtc().toString(QStringLiteral("yyyyMMdd-HHmmsszzz"));
    const QString kept =
        QDir(m_folder).filePath(QStringLiteral("history-set-aside-") + stamp + QStringLiteral(".sqlite"));
    // The log and index beside the file belong to it and go along, first:
    // a log left behind would be replayed into the fresh file.
    for (const QString &suffix : {QStringLiteral("-wal"), QStringLiteral("-shm"), QString()})
        if (QFile::exists(filePath() + suffix) && !QFile::rename(filePath() + suffix, kept + suffix))
            return turnOff(QStringLiteral("its file could not be set aside"));
    m_notice = QStringLiteral("Zyntra could not use its history file, as %1. The file is kept as %2, and a new "
                              "history starts now.")
                   .arg(why, QDir::toNativeSeparators(kept));
}

bool HistoryStore::open()
{
    // A file set aside leaves room for one fresh start.
    for (int round = 0; round < 2 && m_state == State::Closed; ++round) {
        if (!QDir().mkpath(m_folder)) {
            turnOff(QStringLiteral("the folder cannot be made"));
        } else if (isDamaged(filePath())) {
            setAside(QStringLiteral("it is damaged or not a history"));
        } else if (const auto error = connect()) {
            if (const Fault fault = handle(*error); fault == Fault::Busy || fault == Fault::Other)
                return close(), false; // the next call tries again
        } else {
            m_state = State::Open;
        }
    }
    return m_state == State::Open;
}

std::optional<QSqlError> HistoryStore::connect()
{
    QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), m_connection);
    if (!db.isValid())
        return QSqlError(QStringLiteral("Qt's SQLite driver is not installed"), {}, QSqlError::ConnectionError,
                         integerText(SqliteCantOpen));
    db.setDatabaseName(filePath());
    db.setConnectOptions(ConnectOptions);
    try {
        if (!db.open())
            throw SqlFault{db.lastError()};
        // A log of writes beside the file: readers never wait for a writer,
        // and a write cut off by a crash is simply not there at the next
        // start. Its commits reach the system at once; only a power cut
        // could lose the last ones, never the file.
        if (scalar(db, QStringLiteral("PRAGMA journal_mode = WAL")).toString() != QStringLiteral("wal"))
            return QSqlError(QStringLiteral("no log of writes can be kept beside it"), {}, QSqlError::ConnectionError,
                             integerText(SqliteReadOnly));
        exec(db, QStringLiteral("PRAGMA synchronous = NORMAL"));
        // The filter reads every record; mapped, they are read without a copy each.
        exec(db, QStringLiteral("PRAGMA mmap_size = 268435456"));
        migrate(db);
        return std::nullopt;
    } catch (const SqlFault &fault) {
        return fault.error;
    }
}

void HistoryStore::migrate(const QSqlDatabase &db)
{
    if (userVersion(db) > SchemaVersion)
        throw SqlFault{QSqlError(QStringLiteral("newer"), {}, QSqlError::UnknownError, NewerFile)};
    for (int version = userVersion(db) + 1; version <= SchemaVersion; ++version)
        writing(db, [&] {
            // Another Zyntra may have taken the step since the version was read.
            if (userVersion(db) < version) {
                migrateStep(db, version);
                exec(db, QStringLiteral("PRAGMA user_version = ") + integerText(version));
            }
            return true;
        });
}

HistoryStore::Fault HistoryStore::handle(const QSqlError &error)
{
    if (error.nativeErrorCode() == NewerFile) {
        setAside(QStringLiteral("it was written by a newer Zyntra"));
        return Fault::Damaged;
    }
    switch (codeOf(error)) {
    case SqliteBusy:
    case SqliteLocked:
        return Fault::Busy;
    case SqliteCorrupt:
    case SqliteNotADatabase:
        setAside(QStringLiteral("it is damaged or not a history"));
        return Fault::Damaged;
    case SqliteReadOnly:
    case SqliteIoError:
    case SqliteFull:
    case SqliteCantOpen:
        turnOff(error.databaseText().isEmpty() ? error.text() : error.databaseText());
        return Fault::Unwritable;
    default:
        return Fault::Other;
    }
}

template <typename Result, typename Work>
Result HistoryStore::attempt(Work work, Result failed)
{
    // A file found damaged in the middle of the work is set aside, and the
    // work is done once more on the fresh history.
    for (int round = 0; round < 2 && open(); ++round) {
        try {
            return work(QSqlDatabase::database(m_connection, false));
        } catch (const SqlFault &fault) {
            if (handle(fault.error) != Fault::Damaged)
                break;
        }
    }
    return failed;
}

HistoryStore::Recording HistoryStore::add(HistoryRecord record, HistoryRecord *added)
{
    if (!record.when.isValid())
        record.when = QDateTime::currentDateTimeUtc();
    return attempt(
        [&](const QSqlDatabase &db) {
            return writing(db, [&] {
                const QList<HistoryRecord> newest = select(db, QStringLiteral("ORDER BY id DESC LIMIT 1"));
                if (!newest.isEmpty() && sameCalculation(newest.first(), record))
                    return Recording::Repeat;
                exec(db,
                     QStringLiteral("INSERT INTO calculation (") + RecordColumns + QStringLiteral(", search) VALUES (")
                         + placeholders(11) + u')',
                     recordValues(record) << searchText(record));
                if (added) {
                    *added = record;
                    added->id = scalar(db, QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
                }
                return Recording::Added;
            });
        },
        Recording::Failed);
}

QList<qint64> HistoryStore::ids(const QString &filter)
{
    const QStringList words = filterWords(filter);
    return attempt(
        [&](const QSqlDatabase &db) {
            QSqlQuery query = exec(db,
                                   QStringLiteral("SELECT id FROM calculation") + matching(words)
                                       + QStringLiteral(" ORDER BY id DESC"),
                                   QVariantList(words.begin(), words.end()));
            QList<qint64> found;
            while (query.next())
                found.append(query.value(0).toLongLong());
            return found;
        },
        QList<qint64>());
}

QList<HistoryRecord> HistoryStore::records(const QList<qint64> &ids)
{
    return attempt([&](const QSqlDatabase &db) { return recordsOf(db, ids); }, QList<HistoryRecord>());
}

bool HistoryStore::remove(const QList<qint64> &ids)
{
    return attempt(
        [&](const QSqlDatabase &db) {
            return deleteIds(db, ids, {QStringLiteral("DELETE FROM calculation WHERE id IN ")});
        },
        false);
}

bool HistoryStore::clear()
{
    return attempt(
        [&](const QSqlDatabase &db) {
            return writing(db, [&] {
                exec(db, QStringLiteral("DELETE FROM calculation"));
                return true;
            });
        },
        false);
}

std::optional<QString> HistoryStore::exportCsv(const QString &path, const std::optional<QList<qint64>> &ids)
{
    const auto chosen = attempt(
        [&](const QSqlDatabase &db) -> std::optional<QList<HistoryRecord>> {
            if (!ids)
                return select(db, QStringLiteral("ORDER BY id DESC"));
            return recordsOf(db, *ids);
        },
        std::optional<QList<HistoryRecord>>());
    if (!chosen)
        return QStringLiteral("The history could not be read.");
    return writeWhole(path, historyCsv(*chosen));
}

bool HistoryStore::saveComposite(CompositeRecord record, CompositeRecord *saved)
{
    if (!record.when.isValid())
        record.when = QDateTime::currentDateTimeUtc();
    // Another composite under the same name is kept beside it: saving never
    // loses one, and the list tells them apart by their times. The same one
    // saved again is kept once.
    const auto same = [&record](CompositeRecord kept) {
        kept.id = record.id;
        kept.when = record.when;
        return kept == record;
    };
    return attempt(
        [&](const QSqlDatabase &db) {
            return writing(db, [&] {
                record.id = 0;
                for (const CompositeRecord &kept :
                     compositesWhere(db, QStringLiteral("WHERE name = ?"), {text(record.name)}))
                    if (same(kept)) {
                        if (saved)
                            *saved = kept;
                        return true;
                    }
                exec(db,
                     QStringLiteral("INSERT INTO composite (at, name, constants, precision, units, exact_forms, "
                                    "search) VALUES (?, ?, ?, ?, ?, ?, ?)"),
                     {record.when.toUTC().toString(Qt::ISODateWithMs), text(record.name), text(record.constants),
                      text(record.precision), text(unitsIds(record.units)), record.exactForms, searchText(record)});
                record.id = scalar(db, QStringLiteral("SELECT last_insert_rowid()")).toLongLong();
                for (qsizetype position = 0; position < record.parts.size(); ++position) {
                    const CompositePart &part = record.parts.at(position);
                    exec(db,
                         QStringLiteral("INSERT INTO composite_part (composite_id, position, quantity, "
                                        "quantity_caption, sign, count, id, ")
                             + RecordColumns + QStringLiteral(") VALUES (") + placeholders(17) + u')',
                         QVariantList{record.id, qint64(position), text(part.quantity), text(part.quantityCaption),
                                      part.sign, part.count, part.calculation.id}
                             + recordValues(part.calculation));
                }
                if (saved)
                    *saved = record;
                return true;
            });
        },
        false);
}

QList<CompositeRecord> HistoryStore::composites(const QString &filter)
{
    const QStringList words = filterWords(filter);
    return attempt(
        [&](const QSqlDatabase &db) {
            return compositesWhere(db, matching(words) + QStringLiteral(" ORDER BY id DESC"),
                                   QVariantList(words.begin(), words.end()));
        },
        QList<CompositeRecord>());
}

bool HistoryStore::removeComposites(const QList<qint64> &ids)
{
    return attempt(
        [&](const QSqlDatabase &db) {
            return deleteIds(db, ids,
                             {QStringLiteral("DELETE FROM composite_part WHERE composite_id IN "),
                              QStringLiteral("DELETE FROM composite WHERE id IN ")});
        },
        false);
}

std::optional<QString> HistoryStore::exportCompositeCsv(const CompositeRecord &composite, const CompositeSums &sums,
                                                        const QString &path)
{
    return writeWhole(path, compositeCsv(composite, sums));
}

} // namespace Zyntra
