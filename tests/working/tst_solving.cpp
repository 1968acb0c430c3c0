// Working backwards from any answer of any figure gives back the value that
// produced it, and a target out of reach is refused: under both kinds of
// constants, for random values a user may type.
#include "entry/solving.h"
#include "fuzz/figuretable.h"
#include "working/typedvalues.h"

#include <QRandomGenerator>
#include <QRegularExpression>
#include <QTest>

#include <cmath>
#include <tuple>

using namespace Zyntra;

Q_DECLARE_METATYPE(Zyntra::Solution::Kind)

class TestSolving : public QObject {
    Q_OBJECT
private slots:
    void answersGiveBackTheirValues_data();
    void answersGiveBackTheirValues();
    void targetsOutOfReachAreRefused();
    void theNearestOfSeveralValuesWins();
    void questionsUsersAsk_data();
    void questionsUsersAsk();
    void aRightTriangleKeepsItsWord();
};

namespace {

struct ConstantsChosen {
    explicit ConstantsChosen(bool exact) { setExactConstants(exact); }
    ~ConstantsChosen() { setExactConstants(false); }
};

std::optional<double> answerWith(const SolveProblem &problem, double x)
{
    QStringList texts = problem.fieldTexts;
    texts[problem.field] = fullNumber(x);
    const Outcome outcome = problem.calculate(texts, problem.option);
    if (outcome.kind != Outcome::Kind::Answers || !outcome.values.contains(problem.answer))
        return std::nullopt;
    return outcome.values.at(problem.answer);
}

bool near(double a, double b, double relative)
{
    return std::fabs(a - b) <= relative * std::max(std::fabs(a), std::fabs(b));
}

// What a solve promises: CALCULATE with the value found, and with the other
// it names, gives the target; a refusal's range leaves the target out.
void keepsItsWord(const SolveProblem &problem, double target, const QString &question)
{
    const Solution solution = solve(problem, target);
    const auto gives = [&](double x) {
        const std::optional<double> shown = answerWith(problem, x);
        return shown && near(*shown, target, 1e-9);
    };
    switch (solution.kind) {
    case Solution::Kind::Solved:
        QVERIFY2(gives(*textToNumber(solution.text)), qPrintable(question + " solved as " + solution.text));
        QVERIFY2(!solution.other || gives(*solution.other), qPrintable(question + " named " + solution.working.note));
        break;
    case Solution::Kind::OutOfReach:
        QVERIFY2((solution.lowest && target <= *solution.lowest) || (solution.highest && target >= *solution.highest),
                 qPrintable(question));
        break;
    default:
        break;
    }
}

// Every question a window may ask of one calculation: each answer shown,
// worked back to each given value it depends on.
template <typename Visit>
void forEachQuestion(const FigureEntry &figure, int option, const QStringList &fields, Visit visit)
{
    const Outcome outcome = figure.calculate(fields, qint16(option));
    if (outcome.kind != Outcome::Kind::Answers)
        return;
    const OptionQuantities &declared = figure.quantities[size_t(option)];
    for (const auto &[answer, value] : outcome.values) {
        if (size_t(answer) >= declared.answers.size() || !declared.answers[size_t(answer)].letter)
            continue;
        for (int field = 0; field < fields.size(); ++field) {
            SolveProblem problem{figure.calculate, qint16(option), &declared, fields, answer, field, figure.inverses};
            if (!fields[field].isEmpty() && dependsOn(problem, field))
                visit(problem, value);
        }
    }
}

} // namespace

void TestSolving::answersGiveBackTheirValues_data()
{
    QTest::addColumn<const FigureEntry *>("figure");
    QTest::addColumn<bool>("exact");
    for (const FigureEntry *figure : Figures)
        for (const bool exact : {false, true})
            QTest::addRow("%s, %s", figure->id, exact ? "exact" : "described") << figure << exact;
}

void TestSolving::answersGiveBackTheirValues()
{
    QFETCH(const FigureEntry *, figure);
    QFETCH(bool, exact);
    const ConstantsChosen constants(exact);
    QRandomGenerator random(21);
    for (int option = 0; option < figure->options(); ++option)
        for (int round = 0; round < 4; ++round)
            forEachQuestion(*figure, option, randomFields(random, *figure, option),
                            [&](const SolveProblem &problem, double target) {
                                const QString question = QStringLiteral("option %1, answer %2 for field %3, from %4")
                                                             .arg(option)
                                                             .arg(problem.answer)
                                                             .arg(problem.field)
                                                             .arg(problem.fieldTexts.join(u';'));
                                const Solution solution = solve(problem, target);
                                QVERIFY2(solution.kind == Solution::Kind::Solved, qPrintable(question));
                                QCOMPARE(textToNumber(solution.text), solution.value);
                                const std::optional<double> shown = answerWith(problem, solution.value);
                                QVERIFY2(shown && near(*shown, target, 1e-12), qPrintable(question));
                                keepsItsWord(problem, target * 0.9, question + QStringLiteral(" at 90%"));
                                // Where the answer hardly moves with the value (an angle
                                // near its sine's top) or is rounded (to cents), any value
                                // that gives the target is as good.
                                const double given = *textToNumber(problem.fieldTexts[problem.field]);
                                const auto movedBy = [&](double step) {
                                    const std::optional<double> moved = answerWith(problem, given * (1 + step));
                                    return moved && near(*moved, target, step * 1e-3);
                                };
                                const bool plateau = answerWith(problem, given * (1 + 1e-12)) == target
                                                     && answerWith(problem, given * (1 - 1e-12)) == target;
                                if (!movedBy(1e-6) && !plateau)
                                    QVERIFY2(near(solution.value, given, 1e-9),
                                             qPrintable(question + QStringLiteral(" gave ") + solution.text));
                            });
}

// No negative area, length or volume, and no answer beyond what the other
// given values allow: refused, with the range the answer can reach.
void TestSolving::targetsOutOfReachAreRefused()
{
    QRandomGenerator random(5);
    for (const FigureEntry *figure : Figures)
        for (int option = 0; option < figure->options(); ++option)
            forEachQuestion(*figure, option, randomFields(random, *figure, option),
                            [&](const SolveProblem &problem, double) {
                                const Solution solution = solve(problem, -1);
                                QVERIFY2(solution.kind == Solution::Kind::OutOfReach, figure->id);
                                QVERIFY2(solution.lowest && *solution.lowest >= 0, figure->id);
                            });
}

// A parallelogram of sides 3 and 4 has the area 6 at 30° and at 150°: the
// angle nearer the one typed is taken, and the other is named.
void TestSolving::theNearestOfSeveralValuesWins()
{
    const ConstantsChosen exact(true); // so that sin 30° is a half
    const FigureEntry &parallelogram = *figureById(QStringLiteral("parallelogram"));
    for (const auto &[typed, found, other] : {std::tuple{"20", 30.0, 150.0}, std::tuple{"170", 150.0, 30.0}}) {
        const SolveProblem problem{parallelogram.calculate, 0, &parallelogram.quantities[0], {"3", "4", typed}, 3, 2};
        const Solution solution = solve(problem, 6);
        QCOMPARE(solution.kind, Solution::Kind::Solved);
        QVERIFY2(near(solution.value, found, 1e-9), qPrintable(solution.text));
        QVERIFY(solution.other && near(*solution.other, other, 1e-9));
        QVERIFY2(solution.working.note.endsWith(QStringLiteral("θ = %1 gives it too").arg(other)),
                 qPrintable(solution.working.note));
    }
}

void TestSolving::questionsUsersAsk_data()
{
    QTest::addColumn<QString>("figure");
    QTest::addColumn<int>("option");
    QTest::addColumn<QStringList>("fields");
    QTest::addColumn<int>("answer");
    QTest::addColumn<int>("field");
    QTest::addColumn<double>("target");
    QTest::addColumn<Solution::Kind>("kind");
    // The answers drop to zeros at a = 0; that jump is no root.
    QTest::newRow("right triangle's B by a")
        << "right-triangle" << 0 << QStringList{"3", "4", "", "", ""} << 4 << 0 << 30.0 << Solution::Kind::Solved;
    QTest::newRow("right triangle's a by b")
        << "right-triangle" << 0 << QStringList{"3", "4", "", "", ""} << 0 << 1 << 2.5 << Solution::Kind::Unaffected;
    QTest::newRow("a tiny A by c") << "right-triangle" << 0 << QStringList{"3", "", "5", "", ""} << 3 << 2 << 1e-8
                                   << Solution::Kind::Solved;
    QTest::newRow("a dip between trials")
        << "cone-frustum" << 0 << QStringList{"1.785", "80", "16.5"} << 2 << 0 << 10000.0 << Solution::Kind::Solved;
    QTest::newRow("the Earth's radius") << "sphere" << 4 << QStringList{"1"} << 0 << 0 << 6371000.0
                                        << Solution::Kind::Solved;
    QTest::newRow("a far radius") << "circle" << 3 << QStringList{"1"} << 0 << 0 << 2e10 << Solution::Kind::Solved;
    QTest::newRow("no radius below nothing")
        << "sphere" << 4 << QStringList{"1"} << 0 << 0 << -1.0 << Solution::Kind::OutOfReach;
    // Tiny heights far down never pass nothing, however small their product.
    QTest::newRow("a height of nothing") << "equilateral-triangle" << 0 << QStringList{"2"} << 1 << 0 << 0.0
                                         << Solution::Kind::OutOfReach;
    QTest::newRow("another field no number")
        << "rectangle" << 0 << QStringList{"3", "1..2"} << 2 << 0 << 12.0 << Solution::Kind::Unreadable;
}

// The cases users met, each through the figure's own calculation.
void TestSolving::questionsUsersAsk()
{
    QFETCH(QString, figure);
    QFETCH(int, option);
    QFETCH(QStringList, fields);
    QFETCH(int, answer);
    QFETCH(int, field);
    QFETCH(double, target);
    QFETCH(Solution::Kind, kind);
    const FigureEntry &entry = *figureById(figure);
    const SolveProblem problem{entry.calculate, qint16(option), &entry.quantities[size_t(option)], fields, answer,
                               field,           entry.inverses};
    const Solution solution = solve(problem, target);
    QCOMPARE(solution.kind, kind);
    keepsItsWord(problem, target, QString::fromLatin1(QTest::currentDataTag()));
    // However large, a value is written with no more digits than tell it apart.
    QVERIFY2(QString(solution.text).remove(u'.').remove(QRegularExpression("^0+|0+$")).size() <= 17,
             qPrintable(solution.text));
    // Nothing below a positive length's nothing is met.
    if (kind == Solution::Kind::OutOfReach)
        QVERIFY(solution.lowest == 0.0 && !solution.lowestMet && !solution.highest);
}

// From 3-4-5 given by each pair of its values, every answer worked back to
// each given value, near and far: every value found and every other named
// gives the target, and no range refused holds it.
void TestSolving::aRightTriangleKeepsItsWord()
{
    const FigureEntry &triangle = *figureById(QStringLiteral("right-triangle"));
    const QStringList full{"3", "4", "5", "36.87", "53.13"};
    int solves = 0;
    for (int first = 0; first < 3; ++first)
        for (int second = first + 1; second < 5; ++second) {
            QStringList fields(5);
            fields[first] = full[first];
            fields[second] = full[second];
            for (int answer = 0; answer < 5; ++answer)
                for (const int field : {first, second})
                    for (const double target : {30.0, 1e-8, 2.5, 80.0}) {
                        const SolveProblem problem{
                            triangle.calculate, 0, &triangle.quantities[0], fields, answer, field};
                        keepsItsWord(problem, target,
                                     QStringLiteral("%1: answer %2 by field %3 to %4")
                                         .arg(fields.join(u';'))
                                         .arg(answer)
                                         .arg(field)
                                         .arg(target));
                        ++solves;
                    }
        }
    QCOMPARE(solves, 360);
}

QTEST_MAIN(TestSolving)
#include "tst_solving.moc"
