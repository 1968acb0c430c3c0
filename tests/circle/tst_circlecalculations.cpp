#include "workedvalues.h"

#include "circle/circlecalculations.h"

#include <QTest>

using namespace Zyntra;
using Cause = Failure::Cause;

Q_DECLARE_METATYPE(Zyntra::Failure::Cause)

namespace {

// The four answer texts a window would show after this outcome.
QStringList shownAnswers(const Outcome &outcome)
{
    if (outcome.kind == Outcome::Kind::Zeros)
        return QStringList(4, QStringLiteral("0"));
    QStringList shown(4);
    for (const auto &[index, text] : outcome.answers)
        shown[index] = text;
    return shown;
}

} // namespace

class TestCircleCalculations : public QObject {
    Q_OBJECT
private slots:
    void workedValues_data();
    void workedValues();
    void failuresStopBeforeAnyAnswer_data();
    void failuresStopBeforeAnyAnswer();
    void onlyTheCircleSetsItsPi_data();
    void onlyTheCircleSetsItsPi();
    void pairsWithoutARoutineAnswerNothing_data();
    void pairsWithoutARoutineAnswerNothing();
    void eachRoutineAnswersByItself();
};

void TestCircleCalculations::workedValues_data()
{
    addWorkedValues();
}

void TestCircleCalculations::workedValues()
{
    QFETCH(int, mode);
    QFETCH(int, given);
    QFETCH(QStringList, fields);
    QFETCH(QStringList, shown);
    double pi = 0;
    const Outcome outcome = calculateCircleFamily(fields, qint16(mode), qint16(given), pi);
    QVERIFY(outcome.kind != Outcome::Kind::Failed);
    QCOMPARE(shownAnswers(outcome), shown);
}

void TestCircleCalculations::failuresStopBeforeAnyAnswer_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("given");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<Cause>("cause");
    QTest::addColumn<int>("field");
    const QString huge = QStringLiteral("1") + QString(200, u'0');
    using namespace CircleMode;
    using namespace CircleSection;

    QTest::newRow("circle radius 1..2") << int(Circle) << 0 << QStringList{"1..2"} << Cause::NotANumber << 0;
    QTest::newRow("circle lone full stop") << int(Circle) << 1 << QStringList{"."} << Cause::NotANumber << 0;
    QTest::newRow("circle blanks are not empty") << int(Circle) << 0 << QStringList{"  "} << Cause::NotANumber << 0;
    QTest::newRow("circle negative area")
        << int(Circle) << int(CircleGiven::Area) << QStringList{"-78.5"} << Cause::NegativeRoot << -1;
    QTest::newRow("circle area of a huge radius") << int(Circle) << 0 << QStringList{huge} << Cause::TooLarge << -1;
    QTest::newRow("circle diameter overflows")
        << int(Circle) << 0 << QStringList{"1" + QString(308, u'0')} << Cause::TooLarge << -1;
    QTest::newRow("sector radius abc") << int(Sections) << int(Sector) << QStringList{"abc", "45"} << Cause::NotANumber
                                       << 0;
    QTest::newRow("sector angle 1.2.3") << int(Sections) << int(Sector) << QStringList{"2", "1.2.3"}
                                        << Cause::NotANumber << 1;
    QTest::newRow("sector overflows") << int(Sections) << int(Sector) << QStringList{huge, "45"} << Cause::TooLarge
                                      << -1;
    // Past a whole turn, or with the inner radius outside, no part of a circle fits.
    QTest::newRow("sector over 360") << int(Sections) << int(Sector) << QStringList{"2", "400"} << Cause::NotAFigure
                                     << 1;
    QTest::newRow("segment over 360") << int(Sections) << int(Segment) << QStringList{"2", "361"} << Cause::NotAFigure
                                      << 1;
    QTest::newRow("hollow sector inner radius larger")
        << int(Sections) << int(HollowSector) << QStringList{"5", "10", "90"} << Cause::NotAFigure << 1;
    QTest::newRow("segment angle 1..2") << int(Sections) << int(Segment) << QStringList{"10", "1..2"}
                                        << Cause::NotANumber << 1;
    QTest::newRow("segment square overflows")
        << int(Sections) << int(Segment) << QStringList{huge, "60"} << Cause::TooLarge << -1;
    QTest::newRow("hollow sector inner radius e5")
        << int(Sections) << int(HollowSector) << QStringList{"10", "e5", "90"} << Cause::NotANumber << 1;
    QTest::newRow("hollow sector angle .")
        << int(Sections) << int(HollowSector) << QStringList{"10", "5", "."} << Cause::NotANumber << 2;
    QTest::newRow("hollow sector overflows")
        << int(Sections) << int(HollowSector) << QStringList{huge, "1", "90"} << Cause::TooLarge << -1;
    QTest::newRow("ellipse a 5,5") << int(Ellipse) << 0 << QStringList{"5,5", "3"} << Cause::NotANumber << 0;
    QTest::newRow("ellipse negative product")
        << int(Ellipse) << 0 << QStringList{"5", "-3"} << Cause::NegativeRoot << -1;
    QTest::newRow("ellipse area overflows") << int(Ellipse) << 0 << QStringList{huge, huge} << Cause::TooLarge << -1;
}

void TestCircleCalculations::failuresStopBeforeAnyAnswer()
{
    QFETCH(int, mode);
    QFETCH(int, given);
    QFETCH(QStringList, fields);
    QFETCH(Cause, cause);
    QFETCH(int, field);
    double pi = 0;
    const Outcome outcome = calculateCircleFamily(fields, qint16(mode), qint16(given), pi);
    QCOMPARE(outcome.kind, Outcome::Kind::Failed);
    QCOMPARE(outcome.failure.cause, cause);
    QCOMPARE(outcome.failure.field, field);
    QVERIFY(outcome.answers.empty());
}

void TestCircleCalculations::onlyTheCircleSetsItsPi_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<double>("pi");
    QTest::newRow("circle, field empty") << int(CircleMode::Circle) << QStringList{""} << 3.14159265358979;
    QTest::newRow("circle, failed") << int(CircleMode::Circle) << QStringList{"x"} << 3.14159265358979;
    QTest::newRow("sector") << int(CircleMode::Sections) << QStringList{"1", "1"} << -1.0;
    QTest::newRow("ellipse") << int(CircleMode::Ellipse) << QStringList{"1", "1"} << -1.0;
}

void TestCircleCalculations::onlyTheCircleSetsItsPi()
{
    QFETCH(int, mode);
    QFETCH(QStringList, fields);
    QFETCH(double, pi);
    double member = -1;
    calculateCircleFamily(fields, qint16(mode), 0, member);
    QCOMPARE(member, pi);
}

void TestCircleCalculations::pairsWithoutARoutineAnswerNothing_data()
{
    QTest::addColumn<int>("mode");
    QTest::addColumn<int>("given");
    QTest::newRow("sections, option 3") << 1 << 3;
    QTest::newRow("sections, option -1") << 1 << -1;
    QTest::newRow("mode 3") << 3 << 0;
    QTest::newRow("mode -1") << -1 << 0;
}

void TestCircleCalculations::pairsWithoutARoutineAnswerNothing()
{
    QFETCH(int, mode);
    QFETCH(int, given);
    double pi = 0;
    const Outcome outcome = calculateCircleFamily({"10", "60", "90"}, qint16(mode), qint16(given), pi);
    QCOMPARE(outcome.kind, Outcome::Kind::Answers);
    QVERIFY(outcome.answers.empty());
}

void TestCircleCalculations::eachRoutineAnswersByItself()
{
    double pi = 0;
    QCOMPARE(shownAnswers(calculateCircle({"5"}, CircleGiven::Radius)),
             (QStringList{"5.00", "10.00", "31.42", "78.54"}));
    calculateCircleFamily({"5"}, CircleMode::Circle, CircleGiven::Radius, pi);
    QCOMPARE(pi, CirclePi);
    QCOMPARE(shownAnswers(calculateCircleSector({"10", "60"}, 0)), (QStringList{"10.00", "60.00", "10.47", "52.36"}));
    QCOMPARE(shownAnswers(calculateCircleSegment({"10", "60"}, 0)), (QStringList{"10.00", "60.00", "9.05", ""}));
    QCOMPARE(shownAnswers(calculateHollowSector({"10", "5", "90"}, 0)),
             (QStringList{"10.00", "5.00", "90.0", "58.88"}));
    QCOMPARE(shownAnswers(calculateEllipse({"5", "3"}, 0)), (QStringList{"5.00", "3.00", "47.1", "25.52"}));
    // Under Ellipse the option does not matter.
    QCOMPARE(shownAnswers(calculateCircleFamily({"5", "3"}, CircleMode::Ellipse, 2, pi)),
             (QStringList{"5.00", "3.00", "47.1", "25.52"}));
}

QTEST_GUILESS_MAIN(TestCircleCalculations)
#include "tst_circlecalculations.moc"
