#include "polygon/polygonareas.h"

#include <QTest>

using namespace Zyntra;
using Cause = Failure::Cause;

Q_DECLARE_METATYPE(Zyntra::Failure::Cause)

class TestPolygonAreas : public QObject {
    Q_OBJECT
private slots:
    void areas_data();
    void areas();
    void failures_data();
    void failures();
};

void TestPolygonAreas::areas_data()
{
    QTest::addColumn<QString>("side");
    QTest::addColumn<QStringList>("expected");
    QTest::newRow("a = 2") << "2" << QStringList{"1.732",  "4.00",   "6.882",  "10.392", "14.536",
                                                 "19.314", "24.727", "30.777", "37.462", "44.784"};
    QTest::newRow("a = 1") << "1" << QStringList{".433",  "1.00",  "1.721", "2.598", "3.634",
                                                 "4.828", "6.182", "7.694", "9.366", "11.196"};
    QTest::newRow("a = 0") << "0" << QStringList(10, QStringLiteral(".00"));
    QTest::newRow("a = .5") << ".5" << QStringList{".108",  ".25",   ".43",   ".65",   ".908",
                                                   "1.207", "1.545", "1.924", "2.341", "2.799"};
    QTest::newRow("negative side squares") << "-2" << QStringList{"1.732",  "4.00",   "6.882",  "10.392", "14.536",
                                                                  "19.314", "24.727", "30.777", "37.462", "44.784"};
    QTest::newRow("side 1e100") << "1" + QString(100, u'0')
                                << QStringList{
                                       "433" + QString(197, u'0') + ".00",   "1" + QString(200, u'0') + ".00",
                                       "17205" + QString(196, u'0') + ".00", "25981" + QString(196, u'0') + ".00",
                                       "36339" + QString(196, u'0') + ".00", "48284" + QString(196, u'0') + ".00",
                                       "61818" + QString(196, u'0') + ".00", "76942" + QString(196, u'0') + ".00",
                                       "93656" + QString(196, u'0') + ".00", "111961" + QString(196, u'0') + ".00"};
}

void TestPolygonAreas::areas()
{
    QFETCH(QString, side);
    QFETCH(QStringList, expected);
    const Outcome outcome = calculatePolygonAreas({side}, 0);
    QCOMPARE(outcome.kind, Outcome::Kind::Answers);
    QStringList shown;
    for (const auto &[index, text] : outcome.answers)
        shown << text;
    QCOMPARE(shown, expected);
}

void TestPolygonAreas::failures_data()
{
    QTest::addColumn<QString>("side");
    QTest::addColumn<Cause>("cause");
    QTest::newRow("empty") << "" << Cause::NotANumber;
    QTest::newRow("lone full stop") << "." << Cause::NotANumber;
    QTest::newRow("1.2.3") << "1.2.3" << Cause::NotANumber;
    QTest::newRow("pasted letters") << "abc" << Cause::NotANumber;
    QTest::newRow("square overflows") << "1" + QString(200, u'0') << Cause::TooLarge;
    QTest::newRow("dodecagon overflows") << "5" + QString(153, u'0') << Cause::TooLarge;
}

void TestPolygonAreas::failures()
{
    QFETCH(QString, side);
    QFETCH(Cause, cause);
    const Outcome outcome = calculatePolygonAreas({side}, 0);
    QCOMPARE(outcome.kind, Outcome::Kind::Failed);
    QCOMPARE(outcome.failure.cause, cause);
    QVERIFY(outcome.answers.empty());
}

QTEST_GUILESS_MAIN(TestPolygonAreas)
#include "tst_polygonareas.moc"
