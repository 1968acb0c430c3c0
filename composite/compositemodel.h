#pragma once

#include "controls/figureentry.h"
#include "entry/numericentry.h"
#include "entry/units.h"
#include "history/compositerecord.h"
#include "history/historycsv.h"

#include <QList>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace Zyntra {

class Exact;

// The figure of a kept id, as the catalogue knows it; nullptr for none.
// The catalogue lives in the shell, above this room, so it is handed in.
using FigureLookup = std::function<const FigureEntry *(const QString &id)>;

// The choices a total is shown under: the program's, unless told others.
struct CompositeChoices {
    UnitChoice units = unitChoice();
    Precision precision = answerPrecision();
    bool exactForms = Zyntra::exactForms();
};
// Those a composite was kept under.
CompositeChoices choicesOf(const CompositeRecord &composite);

// One part worked out: its figure's answer of the part's letter, under the
// constants the part was made with, and that answer in the units shown.
struct PartValue {
    QString failure; // why it could not be worked out; empty when it was
    const FigureEntry *figure = nullptr;
    int answer = -1; // the answer's index in its figure
    QuantityKind kind = QuantityKind::Length;
    double measured = 0;                // in the unit the part was worked in
    double value = 0;                   // in the unit the total is shown in
    double factor = 1;                  // from the unit worked in to the one shown
    const Unit *workedIn = nullptr;     // nullptr without units
    Working working;                    // how the figure came to it
    std::shared_ptr<const Exact> exact; // the figure's exact value, in the unit worked in
    Pattern pattern = Pattern::TwoOrThreeDecimals;
    QString text; // the value as shown, in the units shown
};

// The figure, option and letter a part names, and the texts its fields held.
struct PartProblem {
    const FigureEntry *figure = nullptr;
    int answer = -1;
    QStringList fieldTexts; // as the calculation reads them, in the unit it was worked in
    QString failure;
};
PartProblem partProblem(const CompositePart &part, const FigureLookup &lookup);

// The part's calculation as its figure window shows it: every given value
// and answer by its letter, as the sheet draws it; none where it fails.
std::optional<FigureValues> partValues(const CompositePart &part, const FigureLookup &lookup);

PartValue evaluatePart(const CompositePart &part, const FigureLookup &lookup,
                       const CompositeChoices &choices = CompositeChoices());

// The composite's total and how it came about.
struct CompositeTotal {
    QString failure; // a part that could not be worked out, or parts of different kinds
    QList<PartValue> parts;
    QuantityKind kind = QuantityKind::Area;
    double value = 0;    // in the unit shown
    QString text;        // as shown, with no unit
    QString unit;        // " m²" after the text; empty without units
    QString working;     // "Total = 20.00 + 12.00 − 3.14 = 28.86"
    QString exact;       // "21π", where every part has an exact form
    QString exactSpoken; // "21 pi"
    bool negative() const { return failure.isEmpty() && value < 0; }
};
CompositeTotal evaluateComposite(const QList<CompositePart> &parts, const FigureLookup &lookup,
                                 const CompositeChoices &choices = CompositeChoices());

// Each part's value and contribution and the total, as shown, for the CSV.
CompositeSums shownSums(const QList<CompositePart> &parts, const CompositeTotal &total,
                        const CompositeChoices &choices = CompositeChoices());

// What a part's value measures, "area"; in the plural, "areas".
QString kindName(QuantityKind kind, bool plural = false);
// Why the part cannot join parts of this kind, naming both kinds; empty when it can.
QString refusal(QuantityKind composite, QuantityKind part);

// What the warning of a total below zero says.
QString negativeTotalWarning();

// "Rectangle: a = 5, b = 4", the figure with its option and given values.
QString partDescription(const CompositePart &part);

// The part's answers as its figure now gives them from its given values,
// after one of them was changed.
void keepAnswersTrue(CompositePart &part, const FigureLookup &lookup);

// The total wanted, by changing one given value of one part: the part
// with that value changed, or why none was found.
struct TotalSolution {
    std::optional<CompositePart> part;
    QString failure;
};
TotalSolution solveTotal(const QList<CompositePart> &parts, int partIndex, const QString &givenLetter, double target,
                         const FigureLookup &lookup, const CompositeChoices &choices = CompositeChoices());

} // namespace Zyntra
