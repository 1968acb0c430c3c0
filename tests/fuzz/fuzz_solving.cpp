// Working an answer backwards, as F2 on it does, for any figure, option,
// field texts, answer, field and target. The first byte chooses the
// figure, the second the option and, by its bit 3, the exact constants;
// the third the answer, the fourth the field to change, the next eight
// are the target's bits; the rest are the field texts, separated by NUL
// bytes. The editor offers only a declared answer and a declared field,
// and reads a finite target.
#include "fuzzcheck.h"

#include "entry/numericentry.h"
#include "entry/solving.h"
#include "figuretable.h"

#include <cmath>
#include <cstring>

using namespace Zyntra;

namespace {

bool finiteOrNone(const std::optional<double> &value)
{
    return !value || std::isfinite(*value);
}

// What the answer is with this text in the field, where the figure answers it.
std::optional<double> answerWith(const SolveProblem &problem, const QString &text)
{
    QStringList texts = problem.fieldTexts;
    texts[problem.field] = text;
    const Outcome outcome = problem.calculate(texts, problem.option);
    const auto value = outcome.values.find(problem.answer);
    if (outcome.kind != Outcome::Kind::Answers || value == outcome.values.end())
        return std::nullopt;
    return value->second;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    constexpr size_t Head = 4 + sizeof(double);
    if (size < Head)
        return 0;
    const FigureEntry &figure = *Figures[data[0] % Figures.size()];
    const qint16 option = qint16(data[1] % figure.options());
    setExactConstants((data[1] & 8) != 0);
    const OptionQuantities &declared = figure.quantities[size_t(option)];
    const int answer = data[2] % figure.answers;
    const int field = data[3] % MostFields;
    double target;
    std::memcpy(&target, data + 4, sizeof target);
    if (!declared.answers[size_t(answer)].letter || !declared.given[size_t(field)].letter || !std::isfinite(target))
        return 0;
    const QStringList texts = FuzzInput::texts(data + Head, size - Head, MostFields);
    const SolveProblem problem{figure.calculate, option, &declared, texts, answer, field, figure.inverses};
    const QString input = QStringLiteral("%1, option %2%3, answer %4 = %5 by field %6, fields \"%7\"")
                              .arg(QLatin1String(figure.caption), QString::number(option),
                                   exactConstants() ? QStringLiteral(", exact constants") : QString(),
                                   QString::number(answer), QString::number(target, 'g', 17), QString::number(field),
                                   texts.join(QStringLiteral("\" \"")).left(200));

    dependsOn(problem, field);
    const Solution solution = solve(problem, target);
    FUZZ_CHECK(finiteOrNone(solution.other) && finiteOrNone(solution.lowest) && finiteOrNone(solution.highest), input);
    for (const QString &part : QStringList{solution.working.formula, solution.working.note} + solution.working.steps)
        FUZZ_CHECK(!part.contains(QStringLiteral("inf"), Qt::CaseInsensitive)
                       && !part.contains(QStringLiteral("nan"), Qt::CaseInsensitive),
                   input + QStringLiteral(": ") + part.left(200));
    switch (solution.kind) {
    case Solution::Kind::Solved: {
        // Solved means reached: the text the field receives reads back as the
        // value, and with it the calculation shows the target.
        FUZZ_CHECK(std::isfinite(solution.value) && textToNumber(solution.text) == solution.value,
                   input + QStringLiteral(": solved as \"%1\"").arg(solution.text.left(80)));
        const std::optional<double> reached = answerWith(problem, solution.text);
        const Pattern pattern = figure.pattern(answer);
        FUZZ_CHECK(reached
                       && (std::fabs(*reached - target) <= 1e-9 * std::max(1.0, std::fabs(target))
                           || formatResult(*reached, pattern) == formatResult(target, pattern)),
                   input
                       + QStringLiteral(": %1 gives %2")
                             .arg(solution.text.left(80))
                             .arg(reached ? QString::number(*reached, 'g', 17) : QStringLiteral("nothing")));
        break;
    }
    case Solution::Kind::FillFirst:
        FUZZ_CHECK(solution.field >= 0 && solution.field < MostFields && solution.field != field
                       && texts[solution.field].isEmpty(),
                   input);
        break;
    case Solution::Kind::Unreadable:
        FUZZ_CHECK(solution.field >= 0 && solution.field < MostFields && solution.field != field
                       && !textToNumber(texts[solution.field]),
                   input);
        break;
    case Solution::Kind::OutOfReach:
    case Solution::Kind::Unaffected:
    case Solution::Kind::Jumps:
        break;
    }
    return 0;
}
