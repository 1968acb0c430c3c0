#pragma once

#include "numericentry.h"

#include <QString>
#include <QStringList>

#include <functional>
#include <map>
#include <memory>
#include <vector>

namespace Zyntra {

class Exact;

// Why a calculation stopped before writing any answer.
struct Failure {
    enum class Cause {
        NotANumber, // a field's text does not convert
        DivisionByZero,
        NegativeRoot,     // square root of a negative number
        TooLarge,         // a step overflowed the double range
        InvalidOperation, // any other step without a real result
        NotAFigure,       // the given values fit no such figure
        PasteTooLong,     // a field refused a paste that would make it longer than MaxValueLength
        NotAMeasurement,  // a field's text with a unit does not read as a value of its kind; `text` says why
    };
    Cause cause = Cause::NotANumber;
    int field = -1;       // the field that failed to convert, or -1
    QString text;         // that field's text; for NotAFigure, why the values fit no figure
    qsizetype length = 0; // for PasteTooLong, the refused text's length
};

// What the user reads: the field (when there is one) and the cause, plainly.
// `say` puts each fixed wording into the language the window speaks; without
// it the English stands as written.
using Wording = QString (*)(QStringView english);
QString describe(const Failure &failure, const QString &fieldName, Wording say = nullptr);

// A double whose every step is checked: a step that would produce an
// infinity or not-a-number throws a Failure instead.
class Num {
public:
    constexpr Num(double value = 0)
        : m_value(value)
    {}
    constexpr double value() const { return m_value; }

    friend Num operator+(Num a, Num b);
    friend Num operator-(Num a, Num b);
    friend Num operator*(Num a, Num b);
    friend Num operator/(Num a, Num b);
    friend Num operator-(Num a) { return Num(-a.m_value); }
    Num &operator+=(Num b) { return *this = *this + b; }
    Num &operator-=(Num b) { return *this = *this - b; }
    Num &operator*=(Num b) { return *this = *this * b; }
    Num &operator/=(Num b) { return *this = *this / b; }
    friend bool operator==(Num a, Num b) { return a.m_value == b.m_value; }
    friend auto operator<=>(Num a, Num b) { return a.m_value <=> b.m_value; }

private:
    double m_value;
};

Num sqrt(Num x);
Num power(Num base, Num exponent);
Num sin(Num radians);
Num cos(Num radians);
Num tan(Num radians);
Num atan(Num x);
Num asin(Num x); // x from -1 to 1

// Answer texts by the index of the label they go to.
using Answers = std::map<int, QString>;

// How an answer came about: the formula in the letters of the drawing,
// then the same with the numbers put in, then, where it helps, a partly
// worked form ("√25"). Every step evaluates to the answer as shown.
struct Working {
    QString formula;   // "a × b"; empty for a value taken as given
    QStringList steps; // "3 × 4", "√25"
    QString note;      // "given", "no values given", "solved from a and b"
    QString unit = {}; // "°" after the answer of an angle, " cm²" after one in units; empty for the rest
    // "62800 cm³": the answer in the calculation's unit, where it is shown in another.
    QString measured = {};
    // The figure's exact value, "25π", and in words, "25 pi", where answers
    // carry their exact forms and this one has one.
    // Where the answer is shown in another unit than it was worked in, the
    // form keeps the unit it was worked in: "25π cm²".
    QString exact = {};
    QString exactSpoken = {};
    // Whether exact forms were sought for this answer, so that its working
    // can say it has none.
    bool exactSought = false;
    // The same form as a value, to be worked out to any digits.
    std::shared_ptr<const Exact> exactValue = {};

    // The significant digits the answer is shown to, where the rounding of
    // its steps leaves fewer certain than asked for; 0 for all asked for,
    // -1 for none.
    int certainDigits = 0;

    bool isEmpty() const { return formula.isEmpty() && steps.isEmpty() && note.isEmpty(); }
    // The note, and what the answer's digits are shown to, in words.
    QString notes() const;
};

// The result of one CALCULATE: answers to write, the plain zeros that an
// empty guard shows, or the failure that stopped it. Each answer comes with
// its working and its value before rounding, by the same index.
struct Outcome {
    enum class Kind { Answers, Zeros, Failed };
    Kind kind = Kind::Answers;
    Answers answers;
    Failure failure;
    std::map<int, Working> workings;
    std::map<int, double> values;
    std::vector<int> order = {}; // the answers' indexes in the order they were worked
    // An answer whose shown digits the double calculation alone cannot
    // vouch for: the calculation is worked again, exactly.
    bool uncertainDigits = false;

    static Outcome zeros() { return {Kind::Zeros, {}, {}, {}, {}}; }
};

// What the working of an answer of zeros says.
inline const char *const NoValuesGiven = "no values given";

// Every figure's calculation has this shape: the texts of the window's value
// fields and the option in force (the window's intGiven) in, what CALCULATE
// shows out. A figure without options is given 0 and ignores it.
using FigureCalculation = Outcome (*)(const QStringList &fieldTexts, qint16 option);

// Field texts in, as a window reads them.
class Fields {
public:
    Fields(QStringList texts)
        : m_texts(std::move(texts))
    {}
    bool isEmpty(int index) const { return text(index).isEmpty(); }
    bool allEmpty(std::initializer_list<int> indexes) const;
    bool anyEmpty(std::initializer_list<int> indexes) const;
    QString text(int index) const { return m_texts.value(index); }
    Num number(int index) const; // throws Failure when the text does not convert

private:
    QStringList m_texts;
};

// Runs a calculation and turns a thrown Failure into a failed outcome, so
// that no answer is ever written from a stopped calculation.
Outcome runCalculation(const std::function<Outcome()> &calculation);

} // namespace Zyntra
