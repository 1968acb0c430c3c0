#include "entry/term.h"
#include "shell/catalogue.h"
#include "workbench/planefigures.h"

#include <QTest>

using namespace Zyntra;
using Cause = Failure::Cause;
using Kind = Outcome::Kind;

Q_DECLARE_METATYPE(Zyntra::Failure::Cause)
Q_DECLARE_METATYPE(Zyntra::Outcome::Kind)

namespace {

// The five answer rows, and any further one written, as a user would read
// them; "-" marks a row the calculation does not write.
QStringList rowsOf(const Outcome &outcome)
{
    QStringList rows(outcome.answers.empty() ? 5 : std::max(5, outcome.answers.rbegin()->first + 1),
                     QStringLiteral("-"));
    for (const auto &[row, text] : outcome.answers)
        rows[row] = text;
    return rows;
}

QStringList texts(const QString &joined)
{
    return joined.split(u'|');
}

// A figure's calculation, by the id the catalogue gives it.
FigureCalculation arithmeticOf(const QString &figure)
{
    return figureById(figure)->calculate;
}

} // namespace

class TestPlaneFigures : public QObject {
    Q_OBJECT
private slots:
    void answers_data();
    void answers();
    void emptyGuardShowsZeros_data();
    void emptyGuardShowsZeros();
    void failures_data();
    void failures();
};

void TestPlaneFigures::answers_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<int>("given");
    QTest::addColumn<QString>("fields"); // the five field texts, joined by |
    QTest::addColumn<QStringList>("expected");

    QTest::newRow("rectangle a/b 3 4") << "rectangle" << 0 << "3|4|||"
                                       << QStringList{"3.00", "4.00", "12.00", "14.00", "5.00"};
    QTest::newRow("rectangle a/Area 4 10")
        << "rectangle" << 1 << "4|10|||" << QStringList{"4.00", "2.50", "10.00", "13.00", "4.717"};
    QTest::newRow("rectangle b/Area 4 10")
        << "rectangle" << 2 << "4|10|||" << QStringList{"2.50", "4.00", "10.00", "13.00", "4.717"};
    QTest::newRow("rectangle reads only fields 0 and 1")
        << "rectangle" << 0 << "3|4|abc|x|y" << QStringList{"3.00", "4.00", "12.00", "14.00", "5.00"};
    QTest::newRow("rectangle .5 by 5.") << "rectangle" << 0 << ".5|5.|||"
                                        << QStringList{".50", "5.00", "2.50", "11.00", "5.025"};
    QTest::newRow("rectangle 1234567.891 by 1")
        << "rectangle" << 0 << "1234567.891|1|||"
        << QStringList{"1234567.891", "1.00", "1234567.891", "2469137.782", "1234567.891"};

    QTest::newRow("parallelogram 10 5 30")
        << "parallelogram" << 0 << "10|5|30||" << QStringList{"10.00", "5.00", "30.00", "24.989", "30.00"};
    QTest::newRow("parallelogram 10 5 90")
        << "parallelogram" << 0 << "10|5|90||" << QStringList{"10.00", "5.00", "90.00", "50.00", "30.00"};
    QTest::newRow("parallelogram a/h 6 2.5")
        << "parallelogram" << 1 << "6|2.5|||" << QStringList{"6.00", "2.50", "15.00", "-", "-"};

    QTest::newRow("trapezoid 10 6 4") << "trapezoid" << 0 << "10|6|4||"
                                      << QStringList{"10.00", "6.00", "4.00", "32.00", "-"};
    QTest::newRow("trapezoid 5 3 2.5") << "trapezoid" << 0 << "5|3|2.5||"
                                       << QStringList{"5.00", "3.00", "2.50", "10.00", "-"};
    QTest::newRow("trapezoid ignores intGiven")
        << "trapezoid" << 2 << "5|3|2.5||" << QStringList{"5.00", "3.00", "2.50", "10.00", "-"};

    QTest::newRow("quadrilateral 10 8 90")
        << "quadrilateral" << 0 << "10|8|90||" << QStringList{"10.00", "8.00", "90.00", "40.00", "-"};
    QTest::newRow("quadrilateral 10 8 30")
        << "quadrilateral" << 0 << "10|8|30||" << QStringList{"10.00", "8.00", "30.00", "19.991", "-"};

    QTest::newRow("annulus r1/r2 1 2") << "annulus" << 0 << "1|2|||" << QStringList{"1.00", "2.00", "9.42", "-", "-"};
    QTest::newRow("annulus f/d 2 4") << "annulus" << 1 << "2|4|||" << QStringList{"2.00", "4.00", "9.425", "-", "-"};

    QTest::newRow("trapezium 3 4 4 5 3") << "trapezium" << 0 << "3|4|4|5|3"
                                         << QStringList{"-", "27.099", "29.50", "-", "-"};
    QTest::newRow("trapezium 6 by 2 rectangle")
        << "trapezium" << 0 << "2|2|0|6|0" << QStringList{"-", "16.00", "12.00", "-", "-"};

    QTest::newRow("equilateral 10") << "equilateral-triangle" << 0 << "10||||"
                                    << QStringList{"10.00", "8.66", "43.30", "-", "-"};
    QTest::newRow("equilateral 1") << "equilateral-triangle" << 0 << "1||||"
                                   << QStringList{"1.00", ".866", ".43", "-", "-"};
    QTest::newRow("equilateral 2.345") << "equilateral-triangle" << 0 << "2.345||||"
                                       << QStringList{"2.35", "2.031", "2.38", "-", "-"};
    QTest::newRow("equilateral 0.05") << "equilateral-triangle" << 0 << "0.05||||"
                                      << QStringList{".05", ".043", ".00", "-", "-"};
    QTest::newRow("equilateral reads only field 0")
        << "equilateral-triangle" << 0 << "10|abc|||" << QStringList{"10.00", "8.66", "43.30", "-", "-"};

    // Rows a, θ, p, q, Area, Perimeter, h; the angle turns with π in full, so a square is square.
    QTest::newRow("rhombus square 1 90") << "rhombus" << 0 << "1|90|||"
                                         << QStringList{"1.00", "90.00", "1.414", "1.414", "1.00", "4.00", "1.00"};
    QTest::newRow("rhombus square by its diagonals")
        << "rhombus" << 1 << "1|1|||" << QStringList{".707", "90.00", "1.00", "1.00", ".50", "2.828", ".707"};
    QTest::newRow("rhombus 2 60, two equilateral triangles")
        << "rhombus" << 0 << "2|60|||" << QStringList{"2.00", "60.00", "3.464", "2.00", "3.464", "8.00", "1.732"};
    QTest::newRow("rhombus 5 60") << "rhombus" << 0 << "5|60|||"
                                  << QStringList{"5.00", "60.00", "8.66", "5.00", "21.651", "20.00", "4.33"};
    QTest::newRow("rhombus diagonals 6 8, sides 5")
        << "rhombus" << 1 << "6|8|||" << QStringList{"5.00", "106.26", "6.00", "8.00", "24.00", "20.00", "4.80"};
    QTest::newRow("kite diagonals 6 8") << "kite" << 0 << "6|8|abc||" << QStringList{"6.00", "8.00", "24.00", "-", "-"};
    // Rows a, b, θ, p, q, Area, Perimeter; the halves are 3-4-5 triangles.
    QTest::newRow("kite 3 4 90") << "kite" << 1 << "3|4|90||"
                                 << QStringList{"3.00", "4.00", "90.00", "5.00", "4.80", "12.00", "14.00"};
    QTest::newRow("kite of equal sides is a rhombus")
        << "kite" << 1 << "5|5|60||" << QStringList{"5.00", "5.00", "60.00", "5.00", "8.66", "21.651", "20.00"};
}

void TestPlaneFigures::answers()
{
    QFETCH(QString, figure);
    QFETCH(int, given);
    QFETCH(QString, fields);
    QFETCH(QStringList, expected);
    const Outcome outcome = arithmeticOf(figure)(texts(fields), qint16(given));
    QCOMPARE(outcome.kind, Kind::Answers);
    QCOMPARE(rowsOf(outcome), expected);
    // A figure after the separator turns its angles alike under either constants.
    if (figureById(figure)->section == MenuSection::More) {
        setExactConstants(true);
        const Outcome exact = arithmeticOf(figure)(texts(fields), qint16(given));
        setExactConstants(false);
        QCOMPARE(rowsOf(exact), expected);
    }
}

void TestPlaneFigures::emptyGuardShowsZeros_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<int>("given");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<Kind>("kind");
    QTest::addColumn<QStringList>("expected");

    const QStringList formattedZeros(5, QStringLiteral(".00"));
    const QStringList none(5, QStringLiteral("-"));
    QTest::newRow("rectangle a/b formats zeros") << "rectangle" << 0 << "||||" << Kind::Answers << formattedZeros;
    QTest::newRow("rectangle a/Area formats zeros") << "rectangle" << 1 << "||||" << Kind::Answers << formattedZeros;
    QTest::newRow("rectangle b/Area formats zeros") << "rectangle" << 2 << "||||" << Kind::Answers << formattedZeros;
    QTest::newRow("parallelogram a/b/Theta") << "parallelogram" << 0 << "||||" << Kind::Zeros << none;
    QTest::newRow("parallelogram a/h") << "parallelogram" << 1 << "||||" << Kind::Zeros << none;
    QTest::newRow("trapezoid") << "trapezoid" << 0 << "||||" << Kind::Zeros << none;
    QTest::newRow("quadrilateral") << "quadrilateral" << 0 << "||||" << Kind::Zeros << none;
    QTest::newRow("annulus r1/r2") << "annulus" << 0 << "||||" << Kind::Zeros << none;
    QTest::newRow("annulus f/d") << "annulus" << 1 << "||||" << Kind::Zeros << none;
    QTest::newRow("trapezium") << "trapezium" << 0 << "||||" << Kind::Zeros << none;
    QTest::newRow("equilateral") << "equilateral-triangle" << 0 << "||||" << Kind::Zeros << none;
    QTest::newRow("equilateral tests field 0 alone")
        << "equilateral-triangle" << 0 << "|5|5|5|5" << Kind::Zeros << none;
}

void TestPlaneFigures::emptyGuardShowsZeros()
{
    QFETCH(QString, figure);
    QFETCH(int, given);
    QFETCH(QString, fields);
    QFETCH(Kind, kind);
    QFETCH(QStringList, expected);
    const Outcome outcome = arithmeticOf(figure)(texts(fields), qint16(given));
    QCOMPARE(outcome.kind, kind);
    QCOMPARE(rowsOf(outcome), expected);
}

void TestPlaneFigures::failures_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<int>("given");
    QTest::addColumn<QString>("fields");
    QTest::addColumn<Cause>("cause");
    QTest::addColumn<int>("field");

    const QString huge = "1" + QString(200, u'0');
    QTest::newRow("rectangle a/Area with a = 0") << "rectangle" << 1 << "0|10|||" << Cause::DivisionByZero << 0;
    QTest::newRow("rectangle b/Area with b = 0") << "rectangle" << 2 << "0|10|||" << Cause::DivisionByZero << 0;
    QTest::newRow("rectangle b empty") << "rectangle" << 0 << "3||||" << Cause::NotANumber << 1;
    QTest::newRow("rectangle a empty") << "rectangle" << 0 << "|4|||" << Cause::NotANumber << 0;
    QTest::newRow("rectangle a = 0 and Area empty") << "rectangle" << 1 << "0||||" << Cause::NotANumber << 1;
    QTest::newRow("rectangle 1..2") << "rectangle" << 0 << "1..2|4|||" << Cause::NotANumber << 0;
    QTest::newRow("rectangle area overflows") << "rectangle" << 0 << huge + "|" + huge + "|||" << Cause::TooLarge << -1;
    QTest::newRow("rectangle diagonal overflows") << "rectangle" << 0 << huge + "|0|||" << Cause::TooLarge << -1;
    QTest::newRow("parallelogram Theta empty") << "parallelogram" << 0 << "10|5|||" << Cause::NotANumber << 2;
    QTest::newRow("parallelogram only Theta") << "parallelogram" << 0 << "||30||" << Cause::NotANumber << 0;
    QTest::newRow("parallelogram a/h with h blank") << "parallelogram" << 1 << "6| ||" << Cause::NotANumber << 1;
    QTest::newRow("trapezoid 1.2.3") << "trapezoid" << 0 << "10|1.2.3|4||" << Cause::NotANumber << 1;
    QTest::newRow("trapezoid h empty") << "trapezoid" << 0 << "10|6|||" << Cause::NotANumber << 2;
    QTest::newRow("parallelogram folded over") << "parallelogram" << 0 << "3|4|200||" << Cause::NotAFigure << 2;
    QTest::newRow("quadrilateral flat") << "quadrilateral" << 0 << "10|8|180||" << Cause::NotAFigure << 2;
    QTest::newRow("quadrilateral abc") << "quadrilateral" << 0 << "10|8|abc||" << Cause::NotANumber << 2;
    QTest::newRow("annulus r2 empty") << "annulus" << 0 << "1||||" << Cause::NotANumber << 1;
    QTest::newRow("annulus f/d reads d first") << "annulus" << 1 << "x|y|||" << Cause::NotANumber << 1;
    QTest::newRow("annulus f/d square overflows") << "annulus" << 1 << "2|" + huge + "|||" << Cause::TooLarge << -1;
    QTest::newRow("annulus r1 larger than r2") << "annulus" << 0 << "3|2|||" << Cause::NotAFigure << 0;
    QTest::newRow("annulus f larger than d") << "annulus" << 1 << "5|4|||" << Cause::NotAFigure << 0;
    QTest::newRow("trapezium one filled field") << "trapezium" << 0 << "|||5|" << Cause::NotANumber << 0;
    QTest::newRow("trapezium f missing") << "trapezium" << 0 << "3|4|4|5|" << Cause::NotANumber << 4;
    QTest::newRow("equilateral .") << "equilateral-triangle" << 0 << ".||||" << Cause::NotANumber << 0;
    QTest::newRow("equilateral square overflows")
        << "equilateral-triangle" << 0 << huge + "||||" << Cause::TooLarge << -1;
    QTest::newRow("rhombus, nothing typed") << "rhombus" << 0 << "||||" << Cause::NotANumber << 0;
    QTest::newRow("rhombus flat angle") << "rhombus" << 0 << "2|180|||" << Cause::NotAFigure << 1;
    QTest::newRow("rhombus diagonal 0") << "rhombus" << 1 << "0|8|||" << Cause::NotAFigure << 0;
    QTest::newRow("rhombus area overflows") << "rhombus" << 0 << huge + "|30|||" << Cause::TooLarge << -1;
    QTest::newRow("kite pasted negative q") << "kite" << 0 << "6|-8|||" << Cause::NotAFigure << 1;
    QTest::newRow("kite b empty") << "kite" << 1 << "3||90||" << Cause::NotANumber << 1;
    QTest::newRow("kite angle 0") << "kite" << 1 << "3|4|0||" << Cause::NotAFigure << 2;
}

void TestPlaneFigures::failures()
{
    QFETCH(QString, figure);
    QFETCH(int, given);
    QFETCH(QString, fields);
    QFETCH(Cause, cause);
    QFETCH(int, field);
    const Outcome outcome = arithmeticOf(figure)(texts(fields), qint16(given));
    QCOMPARE(outcome.kind, Kind::Failed);
    QCOMPARE(outcome.failure.cause, cause);
    QCOMPARE(outcome.failure.field, field);
    QVERIFY(outcome.answers.empty());
}

QTEST_GUILESS_MAIN(TestPlaneFigures)
#include "tst_planefigures.moc"
