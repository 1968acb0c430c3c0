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
    QString unit = {}; // " cm³" after the target where the note names it, in units
};

struct Solution {
    enum class Kind {
        Solved,     // `text` in the field makes the answer the target
        OutOfReach, // no value of the field gives the target
        FillFirst,  // `field` must hold a value before anything can be solved
        Unaffected, // the answer does not depend on the field
    };
    Kind kind = Kind::OutOfReach;
    double value = 0;
    QString text;                // the value as the field receives it: the shortest that reads back the same
    Working working;             // how it was found
    std::optional<double> other; // another value that fits as well
    // What the answer can reach by changing the field; an open end is empty.
    std::optional<double> lowest;
    std::optional<double> highest;
    int field = -1; // for FillFirst
};

// Finds the given value by the figure's inverse where one exists, else by
// a bracketed root search on the calculation itself, so that CALCULATE with
// the solved value reproduces the target. Where several values fit, the
// one nearest the field's present value wins (the smallest when it is
// empty). Every search has a bounded number of steps.
Solution solve(const SolveProblem &problem, double target);

// Whether the answer changes with the given value of a field.
bool dependsOn(const SolveProblem &problem, int field);

} // namespace Zyntra
