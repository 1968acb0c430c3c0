// Every figure's window-free arithmetic under arbitrary field texts and
// options. The first byte chooses the figure, the second the option in
// force (one below and some above the options a window offers) and, by its
// bit 3, the exact constants; the rest are the field texts, separated by
// NUL bytes.
#include "fuzzcheck.h"

#include "../entry/expression.h"
#include "entry/term.h"
#include "figuretable.h"

using namespace Zyntra;

namespace {

// No part of a working may show a number that is none.
bool showsANumber(const QString &text)
{
    return !text.contains(QStringLiteral("inf"), Qt::CaseInsensitive)
           && !text.contains(QStringLiteral("nan"), Qt::CaseInsensitive);
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size < 2)
        return 0;
    const FigureEntry &figure = *Figures[data[0] % Figures.size()];
    const qint16 given = qint16(data[1] % 8) - 1;
    setExactConstants((data[1] & 8) != 0);
    const QStringList texts = FuzzInput::texts(data + 2, size - 2, MostFields);
    // All at once: a field's text may itself hold a %4.
    const QString input = QStringLiteral("%1, option %2%3, fields \"%4\"")
                              .arg(QLatin1String(figure.caption), QString::number(given),
                                   exactConstants() ? QStringLiteral(", exact constants") : QString(),
                                   texts.join(QStringLiteral("\" \"")).left(200));

    const Outcome outcome = figure.calculate(texts, given);
    switch (outcome.kind) {
    case Outcome::Kind::Failed:
        FUZZ_CHECK(outcome.answers.empty() && outcome.workings.empty(), input);
        FUZZ_CHECK(outcome.failure.field >= -1 && outcome.failure.field < MostFields, input);
        break;
    case Outcome::Kind::Zeros:
        FUZZ_CHECK(outcome.answers.empty() && outcome.workings.empty(), input);
        break;
    case Outcome::Kind::Answers:
        FUZZ_CHECK(outcome.workings.size() == outcome.answers.size(), input);
        for (const auto &[index, text] : outcome.answers) {
            FUZZ_CHECK(index >= 0 && index < figure.answers, input + QStringLiteral(": answer %1").arg(index));
            const auto working = outcome.workings.find(index);
            FUZZ_CHECK(working != outcome.workings.end() && !working->second.isEmpty(),
                       input + QStringLiteral(": working %1").arg(index));
            const QString shown =
                input + QStringLiteral(": ") + workingText(QString::number(index), working->second, text);
            for (const QString &part :
                 QStringList{working->second.formula, working->second.note} + working->second.steps)
                FUZZ_CHECK(showsANumber(part), shown.left(300));
            // Each step, worked on its own, shows the answer.
            for (const QString &step : working->second.steps)
                FUZZ_CHECK(Expression::shows(step, text, figure.pattern(index), Precision::asDescribed(),
                                             working->second.certainDigits),
                           shown.left(300));
            const int maxDecimals = figure.pattern(index) == Pattern::TwoOrThreeDecimals ? 3 : 2;
            FUZZ_CHECK(text == u'0' || FuzzInput::isWellFormedResult(text, maxDecimals - 1, maxDecimals),
                       input + QStringLiteral(": answer %1 is \"%2\"").arg(index).arg(text.left(80)));
        }
        break;
    }
    return 0;
}
