#pragma once

#include "compositerecord.h"
#include "historyrecord.h"

#include <QList>
#include <QSqlError>
#include <QString>

#include <optional>

class QSqlDatabase;

namespace Zyntra {

struct CompositeSums;

// The history of calculations, kept in one SQLite file so that it outlives
// the program, a crash of it and a second Zyntra writing at the same time.
// The file is opened at the first call that needs it, on the calling
// thread, which then is the only one to use this store. Nothing here
// throws or stops the calculator: a file it cannot read is set aside and a
// fresh history starts; a folder it cannot write turns the history off for
// the run. Either is told once, through takeNotice().
class HistoryStore {
public:
    HistoryStore(); // in the user's data folder
    explicit HistoryStore(const QString &folder);
    ~HistoryStore();
    HistoryStore(const HistoryStore &) = delete;
    HistoryStore &operator=(const HistoryStore &) = delete;

    static constexpr int SchemaVersion = 4;

    QString filePath() const;
    bool isOff() const { return m_state == State::Off; }

    enum class Recording { Added, Repeat, Failed };
    // Stamps the record with the time now unless it has one; a calculation
    // the same as the newest one is not recorded again. Once added, the
    // record as kept, with its id, goes to `added` when one is given.
    Recording add(HistoryRecord record, HistoryRecord *added = nullptr);

    // Ids newest first of the records whose search text holds every word
    // of the filter; the table reads its records a page at a time by them.
    QList<qint64> ids(const QString &filter = {});
    QList<HistoryRecord> records(const QList<qint64> &ids);

    bool remove(const QList<qint64> &ids);
    bool clear();

    // Writes every record, newest first, or the records of these ids in
    // their order (none for an empty list), as CSV, whole or not at all;
    // the reason when it failed.
    std::optional<QString> exportCsv(const QString &path, const std::optional<QList<qint64>> &ids = std::nullopt);

    // Keeps a composite under its name, stamped with the time now unless it
    // has one; once kept, the record with its id goes to `saved` when one is
    // given. False when it could not be kept.
    bool saveComposite(CompositeRecord record, CompositeRecord *saved = nullptr);
    // The kept composites whose name or parts hold every word of the filter, newest first.
    QList<CompositeRecord> composites(const QString &filter = {});
    bool removeComposites(const QList<qint64> &ids);
    // Writes one composite's parts and what they come to as CSV, whole or
    // not at all; the reason when it failed.
    static std::optional<QString> exportCompositeCsv(const CompositeRecord &composite, const CompositeSums &sums,
                                                     const QString &path);

    // What the user should hear once about the history, or nothing.
    QString takeNotice();

private:
    enum class State { Closed, Open, Off };
    enum class Fault { None, Busy, Damaged, Unwritable, Other };

    bool open();
    std::optional<QSqlError> connect();
    void migrate(const QSqlDatabase &db);
    void close();
    void setAside(const QString &why);
    void turnOff(const QString &why);
    Fault handle(const QSqlError &error);
    // Runs work on the open file; a fault that stops it gives failed.
    template <typename Result, typename Work>
    Result attempt(Work work, Result failed);

    QString m_folder;
    QString m_connection;
    State m_state = State::Closed;
    QString m_notice;
};

} // namespace Zyntra
