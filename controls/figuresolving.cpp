// Working backwards from an answer: the part of a figure window that asks
// which value the user needs and changes one given value to give it.
#include "answerlabel.h"
#include "entry/measurement.h"
#include "figuretext.h"
#include "figurewindow.h"
#include "solveeditor.h"
#include "valuefield.h"

#include <QAccessible>
#include <QComboBox>
#include <QPushButton>

#include <cmath>
#include <memory>

namespace Zyntra {

namespace {

// A bound of what an answer reaches, to six significant digits: enough to
// see why a target is out of reach, without a search's last-digit noise.
QString roughNumber(double value)
{
    if (value == 0)
        return QStringLiteral("0");
    const double scale = std::pow(10.0, 5 - std::floor(std::log10(std::fabs(value))));
    return workedNumber(std::round(value * scale) / scale);
}

} // namespace

SolveProblem FigureWindow::solveProblem(int answer) const
{
    SolveProblem problem;
    if (!m_figure || m_lastOption < 0 || m_lastOption >= m_figure->options())
        return problem;
    problem.calculate = m_figure->calculate;
    problem.option = m_lastOption;
    problem.declared = &m_figure->quantities[size_t(m_lastOption)];
    problem.inverses = m_figure->inverses;
    for (const ValueField *field : m_lastFields)
        problem.fieldTexts << field->text();
    // A value typed with its unit is searched in the calculation's; one that does not read stays as typed, unreadable.
    problem.fieldTexts = inProgramUnits(problem.fieldTexts, problem.declared->given).texts;
    problem.answer = answer;
    return problem;
}

SolveEditor *FigureWindow::solver() const
{
    return m_solver;
}

void FigureWindow::openSolver(AnswerLabel *answer)
{
    const int index = int(m_shownIn.indexOf(answer));
    SolveProblem problem = solveProblem(index);
    if (index < 0 || answer->text().isEmpty() || !problem.declared || size_t(index) >= problem.declared->answers.size()
        || !problem.declared->answers[size_t(index)].letter || !m_calculate)
        return;
    // The given values the user may change: those the window holds, as it names them.
    QList<SolveEditor::Choice> choices;
    int chosen = -1;
    for (int i = 0; i < m_lastFields.size() && size_t(i) < problem.declared->given.size(); ++i) {
        if (!problem.declared->given[size_t(i)].letter || m_lastFields[i]->text().isEmpty()
            || !m_lastFields[i]->isVisible())
            continue;
        if (chosen < 0 && dependsOn(problem, i))
            chosen = int(choices.size());
        choices << SolveEditor::Choice{fieldCaption(m_lastFields[i]), i};
    }
    if (choices.isEmpty())
        return;
    if (m_solver)
        m_solver->deleteLater();
    m_solver = new SolveEditor(this, answer, answer->quantity(), choices, std::max(chosen, 0));
    connect(m_solver, &SolveEditor::solveRequested, this,
            [this, answer](const QString &target, int field) { solveFromAnswer(answer, target, field); });
}

void FigureWindow::solveFromAnswer(AnswerLabel *answer, const QString &targetText, int field)
{
    const QString quantity = answer->quantity();
    SolveProblem problem = solveProblem(int(m_shownIn.indexOf(answer)));
    problem.field = field;
    if (!problem.declared || field < 0 || field >= m_lastFields.size() || problem.answer < 0
        || size_t(problem.answer) >= problem.declared->answers.size())
        return;
    // The target is typed in the unit the answer shows, or with one of its
    // own ("14' 3 5/8\""); the calculation works in the length unit.
    const QuantityKind kind = problem.declared->answers[size_t(problem.answer)].kind;
    const Unit *shown = unitChoice().shown(kind);
    std::optional<double> target = textToNumber(targetText);
    const MeasurementReading reading = target || !shown ? MeasurementReading{} : readMeasurement(targetText, kind);
    if (reading.measurement)
        target = toShownUnit(reading.measurement->in(unitChoice().measured(kind)), kind);
    if (!target) {
        const Failure failure = reading.problem.isEmpty()
                                    ? Failure{Failure::Cause::NotANumber, -1, targetText, 0}
                                    : Failure{Failure::Cause::NotAMeasurement, -1, reading.problem, 0};
        showFailure(failure, m_solver ? m_solver->target() : nullptr, figureText(u"Target for %1").arg(quantity));
        return;
    }
    if (shown)
        problem.typedTarget =
            shown == tapeUnit() ? tapeReading(*target, tapeDenominator()) : withSymbol(workedNumber(*target), *shown);
    const Solution solution = solve(problem, toMeasuredUnit(*target, kind));
    if (m_solver)
        m_solver->deleteLater();

    const auto letterOf = [&](int i) { return QString::fromUtf8(problem.declared->given[size_t(i)].letter); };
    const QString letter = letterOf(field);
    QString refusal;
    switch (solution.kind) {
    case Solution::Kind::Solved:
        break;
    case Solution::Kind::Unreadable: {
        ValueField *unreadable = m_lastFields[solution.field];
        QStringList texts;
        for (const ValueField *given : m_lastFields)
            texts << given->text();
        const ProgramValues read = inProgramUnits(texts, problem.declared->given);
        showFailure(read.failure ? *read.failure
                                 : Failure{Failure::Cause::NotANumber, solution.field, unreadable->text(), 0},
                    unreadable, unreadable->accessibleName());
        return;
    }
    case Solution::Kind::FillFirst:
        refusal = figureText(u"Fill in %1 first: %2 cannot be worked back to %3 without it.")
                      .arg(fieldCaption(m_lastFields[solution.field]), quantity, letter);
        break;
    case Solution::Kind::Unaffected:
        refusal = figureText(u"%1 does not change with %2; choose another value to change.").arg(quantity, letter);
        break;
    case Solution::Kind::Jumps:
    case Solution::Kind::OutOfReach: {
        QStringList others;
        for (int i = 0; i < problem.fieldTexts.size() && size_t(i) < problem.declared->given.size(); ++i)
            if (i != field && problem.declared->given[size_t(i)].letter && !problem.fieldTexts[i].isEmpty()
                && m_lastFields[i]->isVisible())
                others << QStringLiteral("%1 = %2").arg(letterOf(i), problem.fieldTexts[i]);
        // "a = 3, b = 4 and c = 5"
        const QString last = others.isEmpty() ? QString() : others.takeLast();
        const QString listed =
            others.isEmpty() ? last : figureText(u"%1 and %2").arg(others.join(QStringLiteral(", ")), last);
        const auto bound = [kind](double value) { return roughNumber(toShownUnit(value, kind)); };
        const QString low = solution.lowest ? bound(*solution.lowest) : QString();
        const QString high = solution.highest ? bound(*solution.highest) : QString();
        QString reach;
        if (solution.kind == Solution::Kind::Jumps)
            reach = figureText(u"jumps past %1 as %2 changes").arg(workedNumber(*target), letter);
        else if (solution.lowest && solution.highest)
            reach = figureText(u"lies between %1 and %2").arg(low, high);
        else if (solution.lowest)
            reach = figureText(solution.lowestMet ? u"is at least %1" : u"is more than %1").arg(low);
        else if (solution.highest)
            reach = figureText(solution.highestMet ? u"is at most %1" : u"is less than %1").arg(high);
        // Whole sentences, so that each language orders its own words.
        const QString wanted = workedNumber(*target);
        if (reach.isEmpty())
            refusal =
                listed.isEmpty()
                    ? figureText(u"No %1 gives a figure with %2 = %3.").arg(letter, quantity, wanted)
                    : figureText(u"With %1, no %2 gives a figure with %3 = %4.").arg(listed, letter, quantity, wanted);
        else
            refusal = listed.isEmpty()
                          ? figureText(u"%1 %2; no %3 gives %4.").arg(quantity, reach, letter, wanted)
                          : figureText(u"With %1, %2 %3; no %4 gives %5.").arg(listed, quantity, reach, letter, wanted);
        break;
    }
    }
    if (!refusal.isEmpty()) {
        showFailure(Failure{Failure::Cause::NotAFigure, -1, refusal, 0}, answer, QString());
        return;
    }

    // Under "ft and in" the solved length is also read as a tape reads it.
    Working working = solution.working;
    if (unitChoice().shown(problem.declared->given[size_t(field)].kind) == tapeUnit())
        working.note += QStringLiteral("; %1 ≈ %2").arg(letter, tapeReading(solution.value, tapeDenominator()));

    // The field takes the value as an edit of its own, so that Ctrl+Z there brings back what it held.
    ValueField *changed = m_lastFields[field];
    changed->setFocus(Qt::OtherFocusReason);
    changed->selectAll();
    changed->insert(solution.text);
    changed->setCursorPosition(0); // the leading digits say the most
    m_solved = {changed, solution.text, working};
    m_calculate->click();
    // A screen reader hears the field with its new value, and how it was found,
    // until the value changes by typing or Ctrl+Z.
    const auto announce = [changed](const QString &description) {
        changed->setAccessibleDescription(description);
        QAccessibleEvent described(changed, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    };
    announce(working.note);
    auto watch = std::make_shared<QMetaObject::Connection>();
    *watch = connect(changed, &QLineEdit::textChanged, changed,
                     [announce, watch, solved = solution.text](const QString &now) {
                         if (now == solved)
                             return;
                         announce(QString());
                         disconnect(*watch);
                     });
}

const Working *FigureWindow::solvedWorking(int field, const QString &text) const
{
    return m_solved.field && m_lastFields.value(field) == m_solved.field && text == m_solved.text ? &m_solved.working
                                                                                                  : nullptr;
}

void FigureWindow::showSolvedWorking()
{
    const qsizetype field = m_solved.field ? m_lastFields.indexOf(m_solved.field) : -1;
    if (field < 0 || m_lastTexts.value(field) != m_solved.text) {
        if (m_solved.field)
            m_solved.field->setAccessibleDescription(QString());
        m_solved = {};
        return;
    }
    if (!m_figure || m_lastOption < 0 || m_lastOption >= m_figure->options())
        return;
    const OptionQuantities &declared = m_figure->quantities[size_t(m_lastOption)];
    const char *letter = declared.given[size_t(field)].letter;
    for (const auto &[index, text] : m_shown.answers)
        if (size_t(index) < declared.answers.size() && declared.answers[size_t(index)].letter
            && qstrcmp(declared.answers[size_t(index)].letter, letter) == 0 && index < m_shownIn.size()) {
            // It keeps the unit the answer is shown in.
            Working working = m_solved.working;
            working.unit = m_shown.workings[index].unit;
            m_shown.workings[index] = working;
            m_shownIn[index]->setWorking(working);
        }
}

} // namespace Zyntra
