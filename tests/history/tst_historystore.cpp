#include "entry/numericentry.h"
#include "history/historystore.h"
#include "history/parsecsv.h"

#include <QCoreApplication>
#include <QProcess>
#include <QRandomGenerator>
#include <QSet>
#include <QSqlDatabase>
#include <QSqlQuery>
#include <QTemporaryDir>
#include <QTest>
#include <QThread>

#include <algorithm>
#include <charconv>
#include <cstdio>
#include <memory>

using namespace Zyntra;

namespace {

const char WriterSwitch[] = "--history-writer";

// clang-format off
HistoryRecord sample(double given = 10)
{
    const UnitChoice cmAndLitres = UnitChoice{}.with(QuantityKind::Length, findUnit(u"cm"))
                                               .with(QuantityKind::Volume, findUnit(u"L"));
    return {0, QDateTime(QDate(2026, 12, 7), QTime(18, 30, 15, 250), Qt::UTC), "rectangle", "Rectangle", 0, "a/b",
            {{"a", "Side a", given}, {"b", "Side b", 6}}, {{"A", "Area", "60.00"}}, "typed", "#.00#", cmAndLitres};
}
// clang-format on

// Twice the calculation, named "Room".
CompositeRecord room(const HistoryRecord &calculation)
{
    return {0, {}, "Room", {{calculation, "A", "Area", 1, 2}}, "typed", "#.00#", {}, false};
}

// A composite of random parts, each a random calculation as a user may have made it.
CompositeRecord randomComposite(QRandomGenerator &random)
{
    const auto pick = [&random](const QStringList &texts) { return texts.at(random.bounded(int(texts.size()))); };
    const auto when = [&random] {
        return QDateTime::fromMSecsSinceEpoch(random.bounded(2'000'000'000'000LL), Qt::UTC);
    };
    const auto units = [&random] {
        UnitChoice choice;
        for (const QuantityKind kind : {QuantityKind::Length, QuantityKind::Area, QuantityKind::Volume}) {
            const std::vector<const Unit *> offered = unitsOf(kind);
            const int chosen = random.bounded(int(offered.size()) + 1); // one past the end: none
            choice = choice.with(kind, chosen < int(offered.size()) ? offered[size_t(chosen)] : nullptr);
        }
        return choice;
    };
    const QStringList words{"Room", "L-shaped", "lawn, \"pond\"", "Fläche\r\nθ", "washer", ""};
    CompositeRecord composite{0,
                              random.bounded(2) ? when() : QDateTime(),
                              pick(words) + u' ' + pick(words),
                              {},
                              pick({"typed", "exact"}),
                              pick({"#.00#", "4 Decimal Places"}),
                              units(),
                              random.bounded(2) == 1};
    for (int p = random.bounded(6); p >= 0; --p) {
        HistoryRecord calculation = sample(random.generateDouble() * 1e6);
        calculation.id = random.bounded(1000);
        calculation.when = when();
        calculation.figureId = pick({"rectangle", "circle", "sphere"});
        calculation.optionIndex = random.bounded(4);
        calculation.givens.append({"r", pick(words), -random.generateDouble() / 3, pick({"", "5' 3 1/2\""})});
        if (random.bounded(2))
            calculation.answers.append({"C", "Circumference", "31.42", "10π", "10 pi"});
        calculation.units = units();
        composite.parts.append(
            {calculation, pick({"A", "Volume", "a"}), pick(words), random.bounded(2) ? 1 : -1, 1 + random.bounded(9)});
    }
    return composite;
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

QSet<qint64> storedGivens(HistoryStore &store)
{
    QSet<qint64> givens;
    for (const HistoryRecord &record : store.records(store.ids()))
        givens.insert(qint64(record.givens.first().value));
    return givens;
}

// The n-th record of a writer's run: its tag in the millions.
qint64 tagged(qint64 tag, qint64 n)
{
    return tag * 1'000'000 + n;
}

// Records the tagged values 0, 1... and confirms each on a line of its own once stored.
int writeHistory(const QString &folder, const char *tag, const char *count)
{
    int records = 0;
    int run = 0;
    std::from_chars(count, count + qstrlen(count), records);
    std::from_chars(tag, tag + qstrlen(tag), run);
    HistoryStore store(folder);
    for (int i = 0; i < records; ++i) {
        const qint64 given = tagged(run, i);
        if (store.add(sample(double(given))) != HistoryStore::Recording::Added)
            return 1;
        const QByteArray line = integerText(given).toLatin1() + '\n';
        std::fwrite(line.constData(), 1, size_t(line.size()), stdout);
        std::fflush(stdout);
    }
    return 0;
}

} // namespace

class TestHistoryStore : public QObject {
    Q_OBJECT
    std::unique_ptr<QTemporaryDir> m_dir;
    std::unique_ptr<HistoryStore> m_store;

    std::unique_ptr<QProcess> startWriter(int tag, const QString &count)
    {
        auto writer = std::make_unique<QProcess>();
        writer->start(QCoreApplication::applicationFilePath(), {WriterSwitch, m_dir->path(), integerText(tag), count});
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
        HistoryRecord awkward = sample(2.5);
        awkward.figureName = QStringLiteral("Sector, \"hollow\"\r\nof a circle");
        awkward.givens.append({QStringLiteral("θ"), QStringLiteral("Angle θ in °"), 1234567.891});
        QTest::newRow("commas, quotes, line breaks, Greek") << awkward;
        HistoryRecord bare = sample();
        bare.answers.clear();
        bare.units = {};
        QTest::newRow("no answers, an empty choice") << bare;
        HistoryRecord exact = sample();
        exact.answers = {{"C", "Circumference", "31.42", "10π", "10 pi"}, {"D", "Diameter", "3.14"}};
        QTest::newRow("exact forms, an answer without") << exact;
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
                             unitsCaption(record.units)};
        // Given values with full stops under every locale; an answer's exact form where any has one.
        const bool exact = showsExactForms(record);
        for (const HistoryValue &value : shown(record.givens))
            expected << value.letter << value.caption << value.text;
        for (const HistoryValue &value : record.answers) {
            expected << value.letter << value.caption << value.text;
            if (exact)
                expected << value.exact;
        }
        QCOMPARE(rows.size(), 2);
        QCOMPARE(rows.at(0).size(), expected.size());
        QCOMPARE(rows.at(1), expected);
    }

    void compositesRoundTrip()
    {
        QRandomGenerator random(QRandomGenerator::global()->generate());
        QList<CompositeRecord> saved;
        for (int i = 0; i < 40; ++i) {
            CompositeRecord kept;
            QVERIFY(m_store->saveComposite(randomComposite(random), &kept));
            saved.prepend(kept);
        }
        QVERIFY(m_store->composites() == saved);
        for (const CompositeRecord &composite : saved)
            QVERIFY(m_store->composites(composite.name).contains(composite));
        QCOMPARE(m_store->composites(saved.first().parts.first().calculation.figureName).size(), saved.size());

        // The same composite saved again is kept once; another of its name is kept beside it.
        CompositeRecord again, other = saved.last();
        QVERIFY(m_store->saveComposite(saved.last(), &again) && again == saved.last());
        other.parts.first().count += 1;
        QVERIFY(m_store->saveComposite(other));
        QCOMPARE(m_store->composites().size(), saved.size() + 1);
        QVERIFY(m_store->removeComposites({saved.first().id, saved.last().id}));
        QCOMPARE(m_store->composites().size(), saved.size() - 1);
        QVERIFY(!m_store->composites().contains(saved.last()));
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
        QTest::newRow("another given value") << sample(11) << true;
        QTest::newRow("another option") << changed([](auto &r) { r.optionIndex = 1; }) << true;
        QTest::newRow("other constants") << changed([](auto &r) { r.constants = QStringLiteral("exact"); }) << true;
        QTest::newRow("another precision") << changed([](auto &r) { r.precision = QStringLiteral("#.0#"); }) << true;
        QTest::newRow("other units") << changed([](auto &r) { r.units = {}; }) << true;
        QTest::newRow("shown with its exact form") << changed([](auto &r) { r.answers[0].exact = "60"; }) << true;
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
        QTest::newRow("an exact form") << "3π/4" << 1;
        QTest::newRow("an exact form in words") << "PI over" << 1;
    }
    void filterFindsEveryWord()
    {
        QFETCH(QString, filter);
        QFETCH(int, found);
        for (const double given : {7.0, 12.0, 0.125}) {
            HistoryRecord record = sample(given);
            if (given < 1)
                record.answers[0] = {"A", "Area", "2.36", "3π/4", "3 pi over 4"};
            m_store->add(record);
        }
        QCOMPARE(m_store->ids(filter).size(), found);
        // The window's test of a row just recorded agrees with the store's.
        const QList<HistoryRecord> records = m_store->records(m_store->ids());
        QCOMPARE(int(std::ranges::count_if(records, [&](const HistoryRecord &r) { return matchesFilter(r, filter); })),
                 found);
    }

    void removesChosenRowsAndClears()
    {
        for (const double given : {1, 2, 3})
            m_store->add(sample(given));
        const QList<qint64> ids = m_store->ids();
        QVERIFY(m_store->remove({ids.at(1)}));
        QCOMPARE(storedGivens(*m_store), (QSet<qint64>{1, 3}));
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
            m_store->add(sample(i));
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
        QVERIFY(m_store->saveComposite(room(sample())) && m_store->composites().size() == 1);
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
             // Pasted on a German desktop, in units named by their symbols.
             "INSERT INTO calculation VALUES (5, '2026-12-07T18:30:15.250Z', 'rectangle', 'Rectangle', 0, 'a/b', "
             "'[[\"a\",\"Side a\",\" 2,5 \"],[\"b\",\"Side b\",\"6\"]]', '[[\"A\",\"Area\",\"60.00\"]]', 'typed', "
             "'#.00#', 'cm, cm², L')",
             "PRAGMA user_version = 1"});
        HistoryRecord plain = sample(), pasted = sample(2.5);
        plain.id = 4;
        plain.units = {};
        pasted.id = 5;
        QCOMPARE(m_store->ids(QStringLiteral("side a 60.00")), (QList<qint64>{5, 4}));
        QCOMPARE(m_store->ids(QStringLiteral("2.5")), QList<qint64>{5});
        QVERIFY(m_store->records({4, 5}) == (QList<HistoryRecord>{plain, pasted}));
        QVERIFY(m_store->takeNotice().isEmpty());
        QCOMPARE(sqlAnswers(m_store->filePath(), {"PRAGMA user_version"}),
                 QStringList{integerText(HistoryStore::SchemaVersion)});
    }

    void migratesThirdVersion()
    {
        // A history of the third version, frozen here as it was written.
        sqlAnswers(
            m_store->filePath(),
            {"CREATE TABLE calculation (id INTEGER PRIMARY KEY AUTOINCREMENT, at TEXT NOT NULL, figure_id TEXT "
             "NOT NULL, figure_name TEXT NOT NULL, option_index INTEGER NOT NULL, option_caption TEXT NOT NULL, "
             "givens TEXT NOT NULL, answers TEXT NOT NULL, constants TEXT NOT NULL, precision TEXT NOT NULL, "
             "units TEXT NOT NULL, search TEXT NOT NULL DEFAULT '')",
             "INSERT INTO calculation VALUES (7, '2026-12-07T18:30:15.250Z', 'rectangle', 'Rectangle', 0, 'a/b', "
             "'[[\"a\",\"Side a\",2.5],[\"b\",\"Side b\",6]]', '[[\"A\",\"Area\",\"60.00\"]]', 'typed', "
             "'#.00#', 'cm same l', 'rectangle\na/b\nside a\n2.5')",
             "PRAGMA user_version = 3"});
        HistoryRecord kept = sample(2.5);
        kept.id = 7;
        QVERIFY(m_store->records({7}) == QList<HistoryRecord>{kept});
        QCOMPARE(m_store->ids(QStringLiteral("2.5")), QList<qint64>{7});
        QVERIFY(m_store->composites().isEmpty());
        QVERIFY(m_store->saveComposite(room(kept)));
        QCOMPARE(m_store->composites().value(0).parts.value(0).calculation, kept);
        QVERIFY(m_store->takeNotice().isEmpty());
        QCOMPARE(sqlAnswers(m_store->filePath(), {"PRAGMA user_version"}),
                 QStringList{integerText(HistoryStore::SchemaVersion)});
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
        QVERIFY(!store.saveComposite(room(sample())) && store.composites().isEmpty());

        m_store->add(sample());
        const std::optional<QString> why = m_store->exportCsv(plain.fileName() + QStringLiteral("/out.csv"));
        QVERIFY(why && why->contains(QStringLiteral("out.csv could not be written")));
        QVERIFY(QDir(m_dir->path()).entryList({QStringLiteral("*.csv")}).isEmpty());
    }

    void twoProcessesRecordEverything()
    {
        const auto first = startWriter(1, QStringLiteral("300"));
        const auto second = startWriter(2, QStringLiteral("300"));
        for (QProcess *writer : {first.get(), second.get()})
            QVERIFY(writer->waitForFinished(60'000) && writer->exitCode() == 0);
        const QSet<qint64> givens = storedGivens(*m_store);
        QCOMPARE(givens.size(), 600);
        QVERIFY(givens.contains(tagged(1, 299)) && givens.contains(tagged(2, 299)));
    }

    void killedWriterLosesNothingEarlier()
    {
        QSet<qint64> confirmed;
        const int kills = 40;
        for (int kill = 0; kill < kills; ++kill) {
            const auto writer = startWriter(10 + kill, QStringLiteral("1000000"));
            QVERIFY(writer->waitForStarted());
            // From the start on: some kills land in opening the file, most among the writes.
            QThread::msleep(QRandomGenerator::global()->bounded(10, 120));
            writer->kill();
            QVERIFY(writer->waitForFinished());
            const QByteArrayList lines = writer->readAllStandardOutput().split('\n');
            for (qsizetype i = 0; i + 1 < lines.size(); ++i) { // a line the kill cut off was never confirmed
                qint64 given = -1;
                std::from_chars(lines.at(i).constData(), lines.at(i).constData() + lines.at(i).size(), given);
                confirmed.insert(given);
            }

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
        return writeHistory(QString::fromLocal8Bit(argv[2]), argv[3], argv[4]);
    TestHistoryStore test;
    return QTest::qExec(&test, argc, argv);
}

#include "tst_historystore.moc"
