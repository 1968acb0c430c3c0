#include "history/historystore.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <charconv>
#include <cstdio>
#include <memory>

using namespace Zyntra;

namespace {

const char WriterSwitch[] = "--history-writer";

// clang-format off
HistoryRecord sample(const QString &given = QStringLiteral("10"))
{
    return {0, QDateTime(QDate(2026, 12, 7), QTime(18, 30, 15, 250), Qt::UTC), "rectangle", "Rectangle", 0, "a/b",
            {{"a", "Side a", given}, {"b", "Side b", "6"}}, {{"A", "Area", "60.00"}}, "typed", "#.00#", "none"};
}
// clang-format on

// RFC 4180: quoted fields, doubled quotes, CRLF line ends.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (text[i] == u'"' && quoted && next == u'"')
            field += text[++i];
        else if (text[i] == u'"')
            quoted = !quoted;
        else if (!quoted && (text[i] == u',' || (text[i] == u'\r' && next == u'\n')))
            rows.last() << std::exchange(field, {});
        else if (!quoted && text[i] == u'\n')
            rows << QStringList();
        else
            field += text[i];
    }
    rows.removeLast();
    return rows;
}

QStringList sqlAnswers(const QString &path, const QStringList &statements)
{
    QStringList answers;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("raw"));
        db.setDatabaseName(path);
        db.open();
        for (const QString &sql : statements) {
            QSqlQuery query(db);
            answers << (query.exec(sql) ? (query.next() ? query.value(0).toString() : QString())
                                        : query.lastError().text());
        }
    }
    QSqlDatabase::removeDatabase(QStringLiteral("raw"));
    return answers;
}

QSet<QString> storedGivens(HistoryStore &store)
{
    QSet<QString> givens;
    for (const HistoryRecord &record : store.records(store.ids()))
        givens.insert(record.givens.first().text);
    return givens;
}

// Records "tag-0", "tag-1"... and confirms each on a line of its own once stored.
int writeHistory(const QString &folder, const QString &tag, const char *count)
{
    int records = 0;
    std::from_chars(count, count + qstrlen(count), records);
    HistoryStore store(folder);
    for (int i = 0; i < records; ++i) {
        const QByteArray given = (tag + u'-' + integerText(i)).toUtf8();
        if (store.add(sample(QString::fromUtf8(given))) != HistoryStore::Recording::Added)
            return 1;
        std::fwrite((given + '\n').constData(), 1, given.size() + 1, stdout);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

class TestHistoryStore : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<HistoryStore> m_store;

    std::unique_ptr<QProcess> startWriter(const QString &tag, const QString &count)
    {
        auto writer = std::make_unique<QProcess>();
        writer->start(QCoreApplication::applicationFilePath(), {WriterSwitch, m_dir->path(), tag, count});
        return writer;
    }

private slots:
    void init()
    {
        m_dir = std::make_unique<QTemporaryDir>();
        m_store = std::make_unique<HistoryStore>(m_dir->path());
    }

    void roundTripsThroughStoreAndCsv_data()
    {
        QTest::addColumn<HistoryRecord>("record");
        QTest::newRow("plain") << sample();
        HistoryRecord awkward = sample(QStringLiteral("2.5"));
        awkward.figureName = QStringLiteral("Sector, \"hollow\"\r\nof a circle");
        awkward.givens.append({QStringLiteral("θ"), QStringLiteral("Angle θ in °"), QStringLiteral("1234567.891")});
        QTest::newRow("commas, quotes, line breaks, Greek") << awkward;
        HistoryRecord bare = sample();
        bare.answers.clear();
        bare.units.clear();
        QTest::newRow("no answers, an empty choice") << bare;
    }
    void roundTripsThroughStoreAndCsv()
    {
        QFETCH(HistoryRecord, record);
        QCOMPARE(m_store->add(record), HistoryStore::Recording::Added);
        const QList<HistoryRecord> stored = m_store->records(m_store->ids());
        QCOMPARE(stored.size(), 1);
        record.id = stored.first().id;
        QVERIFY(stored.first() == record);

        const QString csvPath = m_dir->filePath(QStringLiteral("out.csv"));
        QCOMPARE(m_store->exportCsv(csvPath), std::nullopt);
        QFile csv(csvPath);
        QVERIFY(csv.open(QIODevice::ReadOnly));
        const QList<QStringList> rows = parseCsv(QString::fromUtf8(csv.readAll()));
        QStringList expected{QStringLiteral("2026-12-07T18:30:15.250Z"),
                             record.figureName,
                             record.figureId,
                             record.optionCaption,
                             record.constants,
                             record.precision,
                             record.units};
        for (const auto &values : {record.givens, record.answers})
            for (const HistoryValue &value : values)
                expected << value.letter << value.caption << value.text;
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).size(), expected.size());
        QCOMPARE(rows.at(1), expected);
    }

    void repeatIsRecordedOnce_data()
    {
        QTest::addColumn<HistoryRecord>("next");
        QTest::addColumn<bool>("added");
        const auto changed = [](auto change) {
            HistoryRecord record = sample();
            return change(record), record;
        };
        QTest::newRow("the same later") << changed([](auto &r) { r.when = r.when.addSecs(60); }) << false;
        QTest::newRow("another given value") << sample(QStringLiteral("11")) << true;
        QTest::newRow("another option") << changed([](auto &r) { r.optionIndex = 1; }) << true;
        QTest::newRow("other constants") << changed([](auto &r) { r.constants = QStringLiteral("exact"); }) << true;
        QTest::newRow("another precision") << changed([](auto &r) { r.precision = QStringLiteral("#.0#"); }) << true;
        QTest::newRow("other units") << changed([](auto &r) { r.units = QStringLiteral("cm"); }) << true;
    }
    void repeatIsRecordedOnce()
    {
        QFETCH(HistoryRecord, next);
        QFETCH(bool, added);
        QCOMPARE(m_store->add(sample()), HistoryStore::Recording::Added);
        QCOMPARE(m_store->add(next), added ? HistoryStore::Recording::Added : HistoryStore::Recording::Repeat);
        QCOMPARE(m_store->ids().size(), added ? 2 : 1);
    }

    void filterFindsEveryWord_data()
    {
        QTest::addColumn<QString>("filter");
        QTest::addColumn<int>("found");
        QTest::newRow("nothing typed") << "  " << 3;
        QTest::newRow("figure name, any case") << "RECTangle" << 3;
        QTest::newRow("caption") << "side a" << 3;
        QTest::newRow("a number") << "12" << 2;
        QTest::newRow("every word") << "12 area" << 2;
        QTest::newRow("part of a number") << "125" << 1;
        QTest::newRow("absent") << "sphere" << 0;
    }
    void filterFindsEveryWord()
    {
        QFETCH(QString, filter);
        QFETCH(int, found);
        for (const char *given : {"7", "12", "0.125"})
            m_store->add(sample(QString::fromLatin1(given)));
        QCOMPARE(m_store->ids(filter).size(), found);
    }

    void removesChosenRowsAndClears()
    {
        for (const char *given : {"1", "2", "3"})
            m_store->add(sample(QString::fromLatin1(given)));
        const QList<qint64> ids = m_store->ids();
        QVERIFY(m_store->remove({ids.at(1)}));
        QCOMPARE(storedGivens(*m_store), (QSet<QString>{"1", "3"}));
        QVERIFY(m_store->clear() && m_store->ids().isEmpty());
        m_store->add(sample());
        QVERIFY(m_store->ids().first() > ids.first()); // an id is never given twice
    }

    void badFileIsSetAside_data()
    {
        QTest::addColumn<QString>("damage");
        QTest::newRow("not a database") << "garbage";
        QTest::newRow("cut short") << "truncate";
        QTest::newRow("from a newer Zyntra") << "PRAGMA user_version = 99";
    }
    void badFileIsSetAside()
    {
        QFETCH(QString, damage);
        for (int i = 0; i < 300; ++i)
            m_store->add(sample(integerText(i)));
        const QString path = m_store->filePath();
        m_store = std::make_unique<HistoryStore>(m_dir->path());
        QFile file(path);
        if (damage == QStringLiteral("garbage"))
            QVERIFY(file.open(QIODevice::WriteOnly) && file.write(QByteArray(5000, 'Z')));
        else if (damage == QStringLiteral("truncate"))
            QVERIFY(file.resize(file.size() / 2));
        else
            sqlAnswers(path, {damage});
        file.close();
        QVERIFY(QFile::copy(path, m_dir->filePath(QStringLiteral("before"))));

        QVERIFY(m_store->ids().isEmpty());
        QVERIFY(m_store->takeNotice().contains(QStringLiteral("history-set-aside-")));
        QVERIFY(m_store->takeNotice().isEmpty()); // told once
        QCOMPARE(m_store->add(sample()), HistoryStore::Recording::Added);
        const QStringList kept = QDir(m_dir->path()).entryList({QStringLiteral("history-set-aside-*.sqlite")});
        QCOMPARE(kept.size(), 1);
        QFile keptFile(m_dir->filePath(kept.first())), before(m_dir->filePath(QStringLiteral("before")));
        QVERIFY(keptFile.open(QIODevice::ReadOnly) && before.open(QIODevice::ReadOnly));
        QCOMPARE(keptFile.readAll(), before.readAll());
    }

    void migratesFirstVersion()
    {
        // What the first history left behind, frozen here as it was written.
        sqlAnswers(
            m_store->filePath(),
            {"CREATE TABLE calculation (id INTEGER PRIMARY KEY AUTOINCREMENT, at TEXT NOT NULL, figure_id TEXT "
             "NOT NULL, figure_name TEXT NOT NULL, option_index INTEGER NOT NULL, option_caption TEXT NOT NULL, "
             "givens TEXT NOT NULL, answers TEXT NOT NULL, constants TEXT NOT NULL, precision TEXT NOT NULL, "
             "units TEXT NOT NULL)",
             "INSERT INTO calculation VALUES (4, '2026-12-07T18:30:15.250Z', 'rectangle', 'Rectangle', 0, 'a/b', "
             "'[[\"a\",\"Side a\",\"10\"],[\"b\",\"Side b\",\"6\"]]', '[[\"A\",\"Area\",\"60.00\"]]', 'typed', "
             "'#.00#', 'none')",
             "PRAGMA user_version = 1"});
        HistoryRecord expected = sample();
        expected.id = 4;
        QCOMPARE(m_store->ids(QStringLiteral("side a 60.00")), QList<qint64>{4});
        QVERIFY(m_store->records({4}) == QList<HistoryRecord>{expected});
        QVERIFY(m_store->takeNotice().isEmpty());
        QCOMPARE(sqlAnswers(m_store->filePath(), {"PRAGMA user_version"}), QStringList{"2"});
    }

    void unwritableFolderTurnsHistoryOff()
    {
        // The tests run as root, which writes where permissions forbid; but
        // no one makes a folder under a plain file.
        QFile plain(m_dir->filePath(QStringLiteral("plain")));
        QVERIFY(plain.open(QIODevice::WriteOnly));
        HistoryStore store(plain.fileName() + QStringLiteral("/zyntra"));
        QCOMPARE(store.add(sample()), HistoryStore::Recording::Failed);
        QVERIFY(store.isOff() && store.takeNotice().contains(QStringLiteral("history is off")));
        QCOMPARE(store.add(sample()), HistoryStore::Recording::Failed);
        QVERIFY(store.takeNotice().isEmpty()); // told once

        m_store->add(sample());
        const std::optional<QString> why = m_store->exportCsv(plain.fileName() + QStringLiteral("/out.csv"));
        QVERIFY(why && why->contains(QStringLiteral("out.csv could not be written")));
        QVERIFY(QDir(m_dir->path()).entryList({QStringLiteral("*.csv")}).isEmpty());
    }

    void twoProcessesRecordEverything()
    {
        const auto first = startWriter(QStringLiteral("first"), QStringLiteral("300"));
        const auto second = startWriter(QStringLiteral("second"), QStringLiteral("300"));
        for (QProcess *writer : {first.get(), second.get()})
            QVERIFY(writer->waitForFinished(60'000) && writer->exitCode() == 0);
        const QSet<QString> givens = storedGivens(*m_store);
        QCOMPARE(givens.size(), 600);
        QVERIFY(givens.contains(QStringLiteral("first-299")) && givens.contains(QStringLiteral("second-299")));
    }

    void killedWriterLosesNothingEarlier()
    {
        QSet<QString> confirmed;
        const int kills = 40;
        for (int kill = 0; kill < kills; ++kill) {
            const auto writer = startWriter(QStringLiteral("run") + integerText(kill), QStringLiteral("1000000"));
            QVERIFY(writer->waitForStarted());
            // From the start on: some kills land in opening the file, most among the writes.
            QThread::msleep(QRandomGenerator::global()->bounded(10, 120));
            writer->kill();
            QVERIFY(writer->waitForFinished());
            const QByteArrayList lines = writer->readAllStandardOutput().split('\n');
            for (qsizetype i = 0; i + 1 < lines.size(); ++i) // a line the kill cut off was never confirmed
                confirmed.insert(QString::fromUtf8(lines.at(i)));

            HistoryStore store(m_dir->path());
            QVERIFY2(storedGivens(store).contains(confirmed), "a confirmed record was lost");
            QVERIFY(store.takeNotice().isEmpty());
            QCOMPARE(sqlAnswers(store.filePath(), {"PRAGMA integrity_check"}), QStringList{"ok"});
        }
        qInfo("%d kills, %lld confirmed records all found after each", kills, qlonglong(confirmed.size()));
        QVERIFY(confirmed.size() > kills);
    }
};

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], WriterSwitch) == 0)
        return writeHistory(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), argv[4]);
    TestHistoryStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_historystore.moc"
