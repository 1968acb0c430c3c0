#include "history/historycsv.h"
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

using namespace Zyntra;

namespace {

const char WriterSwitch[] = "--history-writer";

HistoryRecord sample(const QString &given = QStringLiteral("10"))
{
    HistoryRecord record;
    record.when = QDateTime(QDate(2026, 12, 7), QTime(18, 30, 15, 250), Qt::UTC);
    record.figureId = QStringLiteral("rectangle");
    record.figureName = QStringLiteral("Rectangle");
    record.optionCaption = QStringLiteral("a/b");
    record.givens = {{QStringLiteral("a"), QStringLiteral("Side a"), given}, {"b", "Side b", "6"}};
    record.answers = {{QStringLiteral("A"), QStringLiteral("Area"), QStringLiteral("60.00")}};
    record.constants = QStringLiteral("typed");
    record.precision = QStringLiteral("#.00#");
    record.units = QStringLiteral("none");
    return record;
}

// Reads RFC 4180 text: quoted fields, doubled quotes, CRLF line ends.
QList<QStringList> parseCsv(const QString &text)
{
    QList<QStringList> rows{{}};
    QString field;
    bool quoted = false;
    for (qsizetype i = 0; i < text.size(); ++i) {
        const QChar c = text[i];
        const QChar next = i + 1 < text.size() ? text[i + 1] : QChar();
        if (quoted && c == u'"' && next == u'"')
            field += text[++i];
        else if (c == u'"')
            quoted = !quoted;
        else if (!quoted && c == u',')
            rows.last() << std::exchange(field, {});
        else if (!quoted && c == u'\r' && next == u'\n')
            rows.last() << std::exchange(field, {}), rows << QStringList(), ++i;
        else
            field += c;
    }
    rows.removeLast();
    return rows;
}

QString integrity(const QString &path)
{
    QString result;
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("check"));
        db.setDatabaseName(path);
        QSqlQuery query(db.open() ? db : QSqlDatabase());
        if (query.exec(QStringLiteral("PRAGMA integrity_check")) && query.next())
            result = query.value(0).toString();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("check"));
    return result;
}

QSet<QString> storedGivens(HistoryStore &store)
{
    QSet<QString> givens;
    for (const HistoryRecord &record : store.records(store.ids()))
        givens.insert(record.givens.first().text);
    return givens;
}

// Records "tag-0", "tag-1"... and confirms each on its own line once stored.
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

QProcess *startWriter(const QString &folder, const QString &tag, const QString &count, QObject *parent)
{
    auto *writer = new QProcess(parent);
    writer->start(QCoreApplication::applicationFilePath(), {WriterSwitch, folder, tag, count});
    return writer;
}

} // namespace

class TestHistoryStore : public QObject {
    Q_OBJECT
private slots:
    void roundTripsThroughStoreAndCsv_data();
    void roundTripsThroughStoreAndCsv();
    void repeatIsRecordedOnce_data();
    void repeatIsRecordedOnce();
    void filterFindsEveryWord_data();
    void filterFindsEveryWord();
    void removesChosenRowsAndClears();
    void badFileIsSetAside_data();
    void badFileIsSetAside();
    void migratesFirstVersion();
    void unwritableFolderTurnsHistoryOff();
    void twoProcessesRecordEverything();
    void killedWriterLosesNothingEarlier();

private:
    QTemporaryDir m_dir;
};

void TestHistoryStore::roundTripsThroughStoreAndCsv_data()
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
    QTest::newRow("no answers, empty choice") << bare;
}

void TestHistoryStore::roundTripsThroughStoreAndCsv()
{
    QFETCH(HistoryRecord, record);
    QTemporaryDir dir;
    HistoryStore store(dir.path());
    QCOMPARE(store.add(record), HistoryStore::Recording::Added);
    const QList<HistoryRecord> stored = store.records(store.ids());
    QCOMPARE(stored.size(), 1);
    record.id = stored.first().id;
    QVERIFY(stored.first() == record);

    const QString csvPath = dir.filePath(QStringLiteral("out.csv"));
    QCOMPARE(store.exportCsv(csvPath), std::nullopt);
    QFile csv(csvPath);
    QVERIFY(csv.open(QIODevice::ReadOnly));
    const QList<QStringList> rows = parseCsv(QString::fromUtf8(csv.readAll()));
    QCOMPARE(rows.size(), 2);
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
    QCOMPARE(rows.at(1), expected);
    QCOMPARE(rows.at(0).size(), expected.size());
    QCOMPARE(rows.at(0).first(), QStringLiteral("When (UTC)"));
}

void TestHistoryStore::repeatIsRecordedOnce_data()
{
    QTest::addColumn<HistoryRecord>("next");
    QTest::addColumn<bool>("added");
    HistoryRecord later = sample();
    later.when = later.when.addSecs(60);
    QTest::newRow("same calculation later") << later << false;
    HistoryRecord other = sample(QStringLiteral("11"));
    QTest::newRow("other given value") << other << true;
    other = sample(), other.optionIndex = 1;
    QTest::newRow("other option") << other << true;
    other = sample(), other.constants = QStringLiteral("exact");
    QTest::newRow("other constants") << other << true;
    other = sample(), other.precision = QStringLiteral("#.0#");
    QTest::newRow("other precision") << other << true;
    other = sample(), other.units = QStringLiteral("cm");
    QTest::newRow("other units") << other << true;
}

void TestHistoryStore::repeatIsRecordedOnce()
{
    QFETCH(HistoryRecord, next);
    QFETCH(bool, added);
    QTemporaryDir dir;
    HistoryStore store(dir.path());
    QCOMPARE(store.add(sample()), HistoryStore::Recording::Added);
    QCOMPARE(store.add(next), added ? HistoryStore::Recording::Added : HistoryStore::Recording::Repeat);
    QCOMPARE(store.ids().size(), added ? 2 : 1);
}

void TestHistoryStore::filterFindsEveryWord_data()
{
    QTest::addColumn<QString>("filter");
    QTest::addColumn<int>("found");
    QTest::newRow("nothing typed") << "" << 3;
    QTest::newRow("figure name, any case") << "RECTangle" << 3;
    QTest::newRow("caption") << "side a" << 3;
    QTest::newRow("a number") << "12" << 2;
    QTest::newRow("every word must be there") << "12 area" << 2;
    QTest::newRow("part of a number") << "125" << 1;
    QTest::newRow("absent") << "sphere" << 0;
}

void TestHistoryStore::filterFindsEveryWord()
{
    QFETCH(QString, filter);
    QFETCH(int, found);
    QTemporaryDir dir;
    HistoryStore store(dir.path());
    for (const char *given : {"7", "12", "0.125"})
        store.add(sample(QString::fromLatin1(given)));
    QCOMPARE(store.ids(filter).size(), found);
}

void TestHistoryStore::removesChosenRowsAndClears()
{
    QTemporaryDir dir;
    HistoryStore store(dir.path());
    for (const char *given : {"1", "2", "3"})
        store.add(sample(QString::fromLatin1(given)));
    QList<qint64> ids = store.ids();
    QVERIFY(store.remove({ids.at(1)}));
    QCOMPARE(storedGivens(store), (QSet<QString>{"1", "3"}));
    QVERIFY(store.clear());
    QVERIFY(store.ids().isEmpty());
    store.add(sample());
    QVERIFY(store.ids().first() > ids.first()); // an id is never given twice
}

void TestHistoryStore::badFileIsSetAside_data()
{
    QTest::addColumn<QString>("damage");
    QTest::newRow("not a database") << "garbage";
    QTest::newRow("cut short") << "truncate";
    QTest::newRow("from a newer Zyntra") << "newer";
}

void TestHistoryStore::badFileIsSetAside()
{
    QFETCH(QString, damage);
    QTemporaryDir dir;
    QString path;
    {
        HistoryStore store(dir.path());
        path = store.filePath();
        for (int i = 0; i < 300; ++i)
            store.add(sample(integerText(i)));
    }
    QFile file(path);
    if (damage == QStringLiteral("garbage")) {
        QVERIFY(file.open(QIODevice::WriteOnly));
        file.write(QByteArray(5000, '\x5a'));
    } else if (damage == QStringLiteral("truncate")) {
        QVERIFY(file.resize(file.size() / 2));
    } else {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), damage);
        db.setDatabaseName(path);
        QVERIFY(db.open() && QSqlQuery(db).exec(QStringLiteral("PRAGMA user_version = 99")));
        db.close();
    }
    file.close();
    QFile::copy(path, dir.filePath(QStringLiteral("before")));

    HistoryStore store(dir.path());
    QVERIFY(store.ids().isEmpty());
    QVERIFY(store.takeNotice().contains(QStringLiteral("history-set-aside-")));
    QVERIFY(store.takeNotice().isEmpty()); // told once
    QCOMPARE(store.add(sample()), HistoryStore::Recording::Added);
    const QStringList kept = QDir(dir.path()).entryList({QStringLiteral("history-set-aside-*.sqlite")});
    QCOMPARE(kept.size(), 1);
    QFile keptFile(dir.filePath(kept.first())), before(dir.filePath(QStringLiteral("before")));
    QVERIFY(keptFile.open(QIODevice::ReadOnly) && before.open(QIODevice::ReadOnly));
    QCOMPARE(keptFile.readAll(), before.readAll());
}

void TestHistoryStore::migratesFirstVersion()
{
    // What the first history left behind, frozen here as it was written.
    QTemporaryDir dir;
    HistoryStore store(dir.path());
    {
        QSqlDatabase db = QSqlDatabase::addDatabase(QStringLiteral("QSQLITE"), QStringLiteral("first"));
        db.setDatabaseName(store.filePath());
        QVERIFY(db.open());
        for (const char *sql :
             {"CREATE TABLE calculation (id INTEGER PRIMARY KEY AUTOINCREMENT, at TEXT NOT NULL, figure_id TEXT NOT "
              "NULL, figure_name TEXT NOT NULL, option_index INTEGER NOT NULL, option_caption TEXT NOT NULL, givens "
              "TEXT NOT NULL, answers TEXT NOT NULL, constants TEXT NOT NULL, precision TEXT NOT NULL, units TEXT NOT "
              "NULL)",
              "INSERT INTO calculation VALUES (4, '2026-12-07T18:30:15.250Z', 'rectangle', 'Rectangle', 0, 'a/b', "
              "'[[\"a\",\"Side a\",\"10\"],[\"b\",\"Side b\",\"6\"]]', '[[\"A\",\"Area\",\"60.00\"]]', 'typed', "
              "'#.00#', 'none')",
              "PRAGMA user_version = 1"})
            QVERIFY2(QSqlQuery(db).exec(QString::fromUtf8(sql)), sql);
        db.close();
    }
    QSqlDatabase::removeDatabase(QStringLiteral("first"));

    HistoryRecord expected = sample();
    expected.id = 4;
    QCOMPARE(store.ids(QStringLiteral("side a 60.00")), QList<qint64>{4});
    QVERIFY(store.records({4}) == QList<HistoryRecord>{expected});
    QVERIFY(store.takeNotice().isEmpty());
}

void TestHistoryStore::unwritableFolderTurnsHistoryOff()
{
    // The tests run as root, which writes anywhere permissions forbid; no
    // one can make a folder under a plain file.
    QTemporaryDir dir;
    QFile plain(dir.filePath(QStringLiteral("plain")));
    QVERIFY(plain.open(QIODevice::WriteOnly));
    HistoryStore store(plain.fileName() + QStringLiteral("/zyntra"));
    QCOMPARE(store.add(sample()), HistoryStore::Recording::Failed);
    QVERIFY(store.isOff());
    QVERIFY(store.takeNotice().contains(QStringLiteral("history is off")));
    QCOMPARE(store.add(sample()), HistoryStore::Recording::Failed);
    QVERIFY(store.takeNotice().isEmpty()); // told once

    HistoryStore working(dir.path());
    working.add(sample());
    const std::optional<QString> why = working.exportCsv(plain.fileName() + QStringLiteral("/out.csv"));
    QVERIFY(why && why->contains(QStringLiteral("out.csv could not be written")));
    QVERIFY(QDir(dir.path()).entryList({QStringLiteral("*.csv")}).isEmpty());
}

void TestHistoryStore::twoProcessesRecordEverything()
{
    QTemporaryDir dir;
    QProcess *first = startWriter(dir.path(), QStringLiteral("first"), QStringLiteral("300"), this);
    QProcess *second = startWriter(dir.path(), QStringLiteral("second"), QStringLiteral("300"), this);
    for (QProcess *writer : {first, second}) {
        QVERIFY(writer->waitForFinished(60'000));
        QCOMPARE(writer->exitCode(), 0);
    }
    HistoryStore store(dir.path());
    const QSet<QString> givens = storedGivens(store);
    QCOMPARE(givens.size(), 600);
    QVERIFY(givens.contains(QStringLiteral("first-299")) && givens.contains(QStringLiteral("second-299")));
}

void TestHistoryStore::killedWriterLosesNothingEarlier()
{
    QTemporaryDir dir;
    QSet<QString> confirmed;
    const int kills = 40;
    for (int kill = 0; kill < kills; ++kill) {
        QProcess *writer =
            startWriter(dir.path(), QStringLiteral("run") + integerText(kill), QStringLiteral("1000000"), this);
        QVERIFY(writer->waitForStarted());
        // From the start on: some kills land in opening or migrating, most among the writes.
        QThread::msleep(QRandomGenerator::global()->bounded(10, 120));
        writer->kill();
        QVERIFY(writer->waitForFinished());
        // A line cut off by the kill was never confirmed.
        const QByteArrayList lines = writer->readAllStandardOutput().split('\n');
        for (qsizetype i = 0; i + 1 < lines.size(); ++i)
            confirmed.insert(QString::fromUtf8(lines.at(i)));
        delete writer;

        HistoryStore store(dir.path());
        const QSet<QString> stored = storedGivens(store);
        QVERIFY2(stored.contains(confirmed), qPrintable(QStringLiteral("lost after kill ") + integerText(kill)));
        QVERIFY(store.takeNotice().isEmpty());
        QCOMPARE(integrity(store.filePath()), QStringLiteral("ok"));
    }
    qInfo("%d kills, %lld confirmed records all found after each", kills, qlonglong(confirmed.size()));
    QVERIFY(confirmed.size() > kills);
}

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    if (argc == 5 && qstrcmp(argv[1], WriterSwitch) == 0)
        return writeHistory(QString::fromLocal8Bit(argv[2]), QString::fromLocal8Bit(argv[3]), argv[4]);
    TestHistoryStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_historystore.moc"
