#pragma once

#include "quantity.h"
#include "term.h"

#include <QString>
#include <QStringList>

#include <optional>
#include <span>

namespace Zyntra {

// The values a closed-form inverse is worked from: the target under its
// answer's letter, and every other given value under its own.
class InverseValues {
public:
    InverseValues(const Term &target, const Fields &fields, const OptionQuantities &declared)
        : target(target)
        , m_fields(fields)
        , m_declared(declared)
    {}
    const Term target;
    // The given value of a letter, as typed; throws a Failure when its field
    // does not convert.
    Term operator[](const char *letter) const;

private:
    const Fields &m_fields;
    const OptionQuantities &m_declared;
};

// A given value worked out from one answer by formula, where one exists:
// r = √(Area ÷ π). Its term gives the solved value's working too.
struct Inverse {
    qint16 option;      // the option it holds under
    const char *answer; // the answer's letter
    const char *given;  // the given value it finds
    Term (*solve)(const InverseValues &values);
};

// One question worked backwards: which given value (by its field) to change
// so that an answer (by its index) shows the target, the other fields
// staying as they are.
struct SolveProblem {
    FigureCalculation calculate;
    qint16 option = 0;
    const OptionQuantities *declared = nullptr;
    QStringList fieldTexts;
    int answer = -1;
    int field = -1;
    std::span<const Inverse> inverses = {};
    // The target as the note names it, in the unit the user typed it in
    // ("200 L"); empty, the target's own value.
    QString typedTarget = {};
};

struct Solution {
    enum class Kind {
        Solved,     // `text` in the field makes the answer the target
        OutOfReach, // no value of the field gives the target
        FillFirst,  // `field` must hold a value before anything can be solved
        Unaffected, // the answer does not depend on the field
        Jumps,      // the answer leaps over the target without ever showing it
        Unreadable, // another given value, in `field`, is not a number
    };
    Kind kind = Kind::OutOfReach;
    double value = 0;
    QString text;                // the value as the field receives it: the shortest that reads back the same
    Working working;             // how it was found
    std::optional<double> other; // another value that fits as well
    // What the answer can reach by changing the field; an open end is empty.
    // A bound not met is one the answer only comes ever nearer to.
    std::optional<double> lowest;
    std::optional<double> highest;
    bool lowestMet = true;
    bool highestMet = true;
    int field = -1; // for FillFirst and Unreadable
};

// Finds the given value by the figure's inverse where one exists, else by
// a bracketed root search on the calculation itself. A value is solved, and
// another named, only when CALCULATE with it gives the target to 1e-9 of
// it; a search that closes in on a jump of the answer has found no root.
// Where several values fit, the one nearest the field's present value wins
// (the smallest when it is empty). Every search has a bounded number of
// steps.
Solution solve(const SolveProblem &problem, double target);

// Whether the answer changes with the given value of a field.
bool dependsOn(const SolveProblem &problem, int field);

} // namespace Zyntra
