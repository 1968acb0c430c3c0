#include "compositemodel.h"

#include "controls/figuretext.h"
#include "entry/exact.h"
#include "entry/measurement.h"
#include "entry/solving.h"
#include "entry/term.h"

#include <QCoreApplication>

#include <algorithm>
#include <cmath>

namespace Zyntra {

namespace {

// A composite's own words, in the language the program speaks; the
// figures' names, captions and reasons are said through figureText().
struct Said {
    Q_DECLARE_TR_FUNCTIONS(Composite)
};

// A part is worked out under the constants it was made with, and with exact
// forms as the total wants them; the program's choices come back after.
class PartConstants {
public:
    PartConstants(const HistoryRecord &made, bool forms)
        : m_constants(exactConstants())
        , m_forms(exactForms())
    {
        setExactConstants(namesExactConstants(made.constants));
        setExactForms(forms);
    }
    ~PartConstants()
    {
        setExactConstants(m_constants);
        setExactForms(m_forms);
    }
    PartConstants(const PartConstants &) = delete;
    PartConstants &operator=(const PartConstants &) = delete;

private:
    bool m_constants;
    bool m_forms;
};

// The part's calculation as its figure window showed it: under the constants
// it was made with, its answers in the units it was made in.
Outcome shownOutcome(const PartProblem &problem, const HistoryRecord &made, bool forms)
{
    const FigureEntry &figure = *problem.figure;
    const PartConstants constants(made, forms);
    return inChosenUnits(
        figure.calculate(problem.fieldTexts, qint16(made.optionIndex)),
        figure.quantities[size_t(made.optionIndex)].answers, [&figure](int index) { return figure.pattern(index); },
        made.units);
}

// Why the part's calculation failed, naming its field by the letter the
// figure gives it, as the part's description does.
QString failureOf(const Failure &failure, const OptionQuantities &declared)
{
    const int field = failure.field;
    const char *letter = field >= 0 && field < MostFields ? declared.given[size_t(field)].letter : nullptr;
    return describe(failure, letter ? QString::fromUtf8(letter) : QString(), figureText);
}

// "4 × 1.50": a part's contribution as the total's working writes it, after its sign.
QString contribution(const CompositePart &part, const PartValue &value)
{
    return countText(part.count) + value.text;
}

} // namespace

PartProblem partProblem(const CompositePart &part, const FigureLookup &lookup)
{
    PartProblem problem;
    const HistoryRecord &made = part.calculation;
    problem.figure = lookup ? lookup(made.figureId) : nullptr;
    if (!problem.figure || made.optionIndex < 0 || made.optionIndex >= problem.figure->options()) {
        problem.figure = nullptr;
        problem.failure = Said::tr("%1 is not a figure this Zyntra has.").arg(figureText(made.figureName));
        return problem;
    }
    const OptionQuantities &declared = problem.figure->quantities[size_t(made.optionIndex)];
    problem.answer = letterIndex(declared.answers, part.quantity);
    if (problem.answer < 0) {
        problem.failure = Said::tr("%1 has no answer %2.").arg(figureText(made.figureName), part.quantity);
        return problem;
    }
    QStringList texts(MostFields);
    for (const HistoryGiven &given : made.givens) {
        const int index = letterIndex(declared.given, given.letter);
        if (index < 0) {
            problem.failure = Said::tr("%1 takes no value %2.").arg(figureText(made.figureName), given.letter);
            return problem;
        }
        texts[index] = given.typed.isEmpty() ? fullNumber(given.value) : given.typed;
    }
    const ProgramValues read = inProgramUnits(texts, declared.given, made.units);
    if (read.failure) {
        problem.failure = failureOf(*read.failure, declared);
        return problem;
    }
    problem.fieldTexts = read.texts;
    return problem;
}

std::optional<FigureValues> partValues(const CompositePart &part, const FigureLookup &lookup)
{
    const PartProblem problem = partProblem(part, lookup);
    if (!problem.failure.isEmpty())
        return std::nullopt;
    const HistoryRecord &made = part.calculation;
    const FigureEntry &figure = *problem.figure;
    const OptionQuantities &declared = figure.quantities[size_t(made.optionIndex)];
    Outcome outcome = shownOutcome(problem, made, exactForms());
    if (outcome.kind != Outcome::Kind::Answers)
        return std::nullopt;
    FigureValues values{
        &figure, qint16(made.optionIndex), {}, {}, QList<int>(outcome.order.begin(), outcome.order.end())};
    for (int i = 0; i < MostFields; ++i) {
        const Quantity &given = declared.given[size_t(i)];
        const QString text = problem.fieldTexts.value(i);
        if (given.letter && !text.isEmpty())
            values.given << FigureValue{i,
                                        QString::fromUtf8(given.letter),
                                        QString::fromUtf8(given.letter),
                                        given.kind,
                                        text,
                                        textToNumber(text).value_or(0),
                                        {}};
    }
    for (const auto &[index, text] : outcome.answers) {
        const Quantity &answer = declared.answers[size_t(index)];
        if (answer.letter)
            values.answers << FigureValue{index,
                                          QString::fromUtf8(answer.letter),
                                          QString::fromUtf8(answer.letter),
                                          answer.kind,
                                          text,
                                          outcome.values[index],
                                          outcome.workings[index],
                                          outcome.workings[index].unit};
    }
    return values;
}

PartValue evaluatePart(const CompositePart &part, const FigureLookup &lookup, const CompositeChoices &choices)
{
    PartValue value;
    const PartProblem problem = partProblem(part, lookup);
    value.failure = problem.failure;
    if (!problem.failure.isEmpty())
        return value;
    const HistoryRecord &made = part.calculation;
    const FigureEntry &figure = *problem.figure;
    value.figure = &figure;
    value.answer = problem.answer;
    value.kind = figure.quantities[size_t(made.optionIndex)].answers[size_t(problem.answer)].kind;
    value.pattern = figure.pattern(problem.answer);
    Outcome outcome;
    {
        const PartConstants constants(made, choices.exactForms);
        outcome = figure.calculate(problem.fieldTexts, qint16(made.optionIndex));
    }
    const auto found = outcome.values.find(problem.answer);
    if (outcome.kind == Outcome::Kind::Failed) {
        value.failure = failureOf(outcome.failure, figure.quantities[size_t(made.optionIndex)]);
        return value;
    }
    if (outcome.kind != Outcome::Kind::Answers || found == outcome.values.end()) {
        value.failure =
            Said::tr("%1 gives no %2 for these values.").arg(figureText(made.figureName), figureText(part.quantity));
        return value;
    }
    value.measured = found->second;
    value.working = outcome.workings[problem.answer];
    value.exact = value.working.exactValue;
    value.workedIn = made.units.measured(value.kind);
    const Unit *shown = choices.units.shown(value.kind);
    // A part made without units is taken in the units shown, as a figure's answers are.
    value.factor = value.workedIn && shown ? conversionFactor(*value.workedIn, *shown) : 1.0;
    const Outcome converted = runCalculation([&] {
        value.value = (Num(value.measured) * Num(value.factor)).value();
        return Outcome{};
    });
    if (converted.kind == Outcome::Kind::Failed) {
        value.failure = describe(converted.failure, figureText(part.quantityCaption), figureText);
        return value;
    }
    value.text = shownValue(value.value, shown, value.pattern, choices.precision);
    return value;
}

CompositeTotal evaluateComposite(const QList<CompositePart> &parts, const FigureLookup &lookup,
                                 const CompositeChoices &choices)
{
    CompositeTotal total;
    for (qsizetype i = 0; i < parts.size(); ++i) {
        PartValue value = evaluatePart(parts[i], lookup, choices);
        if (value.failure.isEmpty() && i > 0)
            value.failure = refusal(total.kind, value.kind);
        else if (value.failure.isEmpty())
            value.failure = refusal(value.kind, value.kind);
        if (!value.failure.isEmpty() && total.failure.isEmpty())
            total.failure = Said::tr("Part %1: %2").arg(integerText(i + 1), value.failure);
        if (i == 0)
            total.kind = value.kind;
        total.parts << value;
    }
    if (!total.failure.isEmpty() || parts.isEmpty())
        return total;

    const Unit *shown = choices.units.shown(total.kind);
    const Pattern pattern = total.parts.first().pattern;
    QString terms;
    Exact exact;
    // Exact forms add up where every part has one in the same unit.
    bool exactKnown = choices.exactForms;
    const Outcome summed = runCalculation([&] {
        Num sum;
        for (qsizetype i = 0; i < parts.size(); ++i) {
            const CompositePart &part = parts[i];
            const PartValue &value = total.parts[i];
            sum += Num(part.sign * part.count) * Num(value.value);
            const QString sign = signText(part.sign);
            terms += i == 0 ? (part.sign < 0 ? sign : QString()) : u' ' + sign + u' ';
            terms += contribution(part, value);
            exactKnown =
                exactKnown && value.exact && value.exact->known() && value.workedIn == total.parts.first().workedIn;
            if (exactKnown)
                exact = exact + Exact::rational(mpq_class(part.sign * part.count)) * *value.exact;
        }
        total.value = sum.value();
        return Outcome{};
    });
    if (summed.kind == Outcome::Kind::Failed) {
        total.failure = describe(summed.failure, Said::tr("Total"), figureText);
        return total;
    }
    total.text = shownValue(total.value, shown, pattern, choices.precision);
    total.unit = unitSuffix(shown);
    total.working = Said::tr("Total = %1 = %2%3").arg(terms, total.text, total.unit);
    if (exactKnown && exact.known() && !exact.text().isEmpty()) {
        total.exact = exact.text();
        total.exactSpoken = exact.spoken();
        // As a figure's answer keeps it: in the unit it was worked in.
        const Unit *workedIn = total.parts.first().workedIn;
        if (workedIn && workedIn != shown) {
            total.exact += u' ' + QString::fromUtf8(workedIn->symbol);
            total.exactSpoken += u' ' + figureText(QString::fromUtf8(workedIn->plural));
        }
        total.working += Said::tr(" (exact: %1)").arg(total.exact);
    }
    return total;
}

CompositeChoices choicesOf(const CompositeRecord &composite)
{
    CompositeChoices choices{.units = composite.units, .exactForms = composite.exactForms};
    if (const std::optional<Precision> choice = precisionNamed(composite.precision))
        choices.precision = *choice;
    return choices;
}

CompositeSums shownSums(const QList<CompositePart> &parts, const CompositeTotal &total, const CompositeChoices &choices)
{
    CompositeSums sums{.values = {}, .contributions = {}, .total = total.text + total.unit};
    const Unit *shown = choices.units.shown(total.kind);
    for (qsizetype i = 0; i < parts.size() && i < total.parts.size(); ++i) {
        const PartValue &value = total.parts[i];
        const double contributed = parts[i].sign * parts[i].count * value.value;
        sums.values << value.text + unitSuffix(shown);
        sums.contributions << shownValue(contributed, shown, value.pattern, choices.precision) + unitSuffix(shown);
    }
    return sums;
}

QString kindName(QuantityKind kind, bool plural)
{
    switch (kind) {
    case QuantityKind::Length:
        return plural ? Said::tr("lengths") : Said::tr("length");
    case QuantityKind::Area:
        return plural ? Said::tr("areas") : Said::tr("area");
    case QuantityKind::Volume:
        return plural ? Said::tr("volumes") : Said::tr("volume");
    case QuantityKind::Angle:
        return plural ? Said::tr("angles") : Said::tr("angle");
    case QuantityKind::Count:
        break;
    }
    return plural ? Said::tr("counts") : Said::tr("count");
}

QString refusal(QuantityKind composite, QuantityKind part)
{
    if (part == QuantityKind::Angle || part == QuantityKind::Count)
        return Said::tr("A composite adds up lengths, areas or volumes, not %1.").arg(kindName(part, true));
    if (part != composite)
        return Said::tr("This part is a %1, but the composite's parts are %2: every part must measure the same kind.")
            .arg(kindName(part), kindName(composite, true));
    return {};
}

QString negativeTotalWarning()
{
    return Said::tr("The total is below zero: the cut-outs are larger than the parts they cut.");
}

QString partDescription(const CompositePart &part)
{
    const HistoryRecord &made = part.calculation;
    QString figure = figureText(made.figureName);
    if (!made.optionCaption.isEmpty() && made.optionCaption != made.figureName)
        figure += QStringLiteral(" (%1)").arg(figureText(made.optionCaption));
    QStringList given;
    for (const HistoryValue &value : shown(made.givens))
        given << figureText(value.caption) + QStringLiteral(" = ") + value.text;
    QString units;
    if (made.units.length)
        units = QStringLiteral(" (%1)").arg(QString::fromUtf8(made.units.length->symbol));
    return figure + QStringLiteral(": ") + given.join(QStringLiteral(", ")) + units;
}

TotalSolution solveTotal(const QList<CompositePart> &parts, int partIndex, const QString &givenLetter, double target,
                         const FigureLookup &lookup, const CompositeChoices &choices)
{
    TotalSolution found;
    const CompositeTotal total = evaluateComposite(parts, lookup, choices);
    if (!total.failure.isEmpty() || partIndex < 0 || partIndex >= parts.size()) {
        found.failure = total.failure.isEmpty() ? Said::tr("There is no such part.") : total.failure;
        return found;
    }
    const CompositePart &part = parts[partIndex];
    const PartValue &value = total.parts[partIndex];
    const HistoryRecord &made = part.calculation;
    const int field = letterIndex(value.figure->quantities[size_t(made.optionIndex)].given, givenLetter);
    const PartProblem problem = partProblem(part, lookup);
    if (field < 0 || !problem.failure.isEmpty()) {
        found.failure =
            problem.failure.isEmpty() ? Said::tr("The part takes no value %1.").arg(givenLetter) : problem.failure;
        return found;
    }
    // The part's own answer that brings the total to the target, in the unit it is worked in.
    double wanted = 0;
    const Outcome worked = runCalculation([&] {
        const Num weight = Num(part.sign * part.count);
        const Num rest = Num(total.value) - weight * Num(value.value);
        wanted = ((Num(target) - rest) / weight / Num(value.factor)).value();
        return Outcome{};
    });
    const QString unreachable = Said::tr("No value of %1 brings the total to %2: nothing was changed.")
                                    .arg(givenLetter, shownValue(target, choices.units.shown(total.kind),
                                                                 total.parts.first().pattern, choices.precision));
    if (worked.kind == Outcome::Kind::Failed) {
        found.failure = unreachable;
        return found;
    }
    const FigureEntry &figure = *value.figure;
    const SolveProblem question{
        figure.calculate,   qint16(made.optionIndex), &figure.quantities[size_t(made.optionIndex)],
        problem.fieldTexts, problem.answer,           field,
        figure.inverses};
    Solution solution;
    {
        const PartConstants constants(made, false);
        solution = solve(question, wanted);
    }
    if (solution.kind != Solution::Kind::Solved) {
        found.failure = unreachable;
        return found;
    }
    // The total of the part with a value in its place, less the target.
    QList<CompositePart> changed = parts;
    const auto miss = [&](double given) -> std::optional<double> {
        for (HistoryGiven &g : changed[partIndex].calculation.givens)
            if (g.letter == givenLetter)
                g = HistoryGiven{g.letter, g.caption, given};
        const CompositeTotal again = evaluateComposite(changed, lookup, choices);
        if (!again.failure.isEmpty())
            return std::nullopt;
        return again.value - target;
    };
    // The search stops at a billionth of the target; a few secant steps take it to the last digits.
    double x = solution.value;
    std::optional<double> fx = miss(x);
    const double tolerance = 1e-12 * std::max(std::abs(target), std::abs(total.value));
    double previous = x * (1 + 1e-7);
    std::optional<double> fPrevious = miss(previous);
    for (int step = 0; step < 20 && fx && fPrevious && std::abs(*fx) > tolerance && *fx != *fPrevious; ++step) {
        const double next = x - *fx * (x - previous) / (*fx - *fPrevious);
        if (!std::isfinite(next))
            break;
        previous = x;
        fPrevious = fx;
        x = next;
        fx = miss(x);
    }
    if (!fx || std::abs(*fx) > tolerance) {
        found.failure = unreachable;
        return found;
    }
    miss(x);
    found.part = changed[partIndex];
    keepAnswersTrue(*found.part, lookup);
    return found;
}

void keepAnswersTrue(CompositePart &part, const FigureLookup &lookup)
{
    const PartProblem problem = partProblem(part, lookup);
    if (!problem.failure.isEmpty())
        return;
    HistoryRecord &made = part.calculation;
    const FigureEntry &figure = *problem.figure;
    const auto &declared = figure.quantities[size_t(made.optionIndex)].answers;
    Outcome outcome = shownOutcome(problem, made, showsExactForms(made));
    if (outcome.kind != Outcome::Kind::Answers)
        return;
    QList<HistoryValue> answers;
    for (const HistoryValue &kept : made.answers) {
        const int index = letterIndex(declared, kept.letter);
        const auto text = outcome.answers.find(index);
        if (index < 0 || text == outcome.answers.end())
            continue;
        const Working &working = outcome.workings[index];
        answers << HistoryValue{kept.letter, kept.caption, text->second + working.unit, working.exact,
                                working.exactSpoken};
    }
    made.answers = answers;
}

} // namespace Zyntra
