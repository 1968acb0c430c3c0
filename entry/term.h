#pragma once

#include "calculation.h"

#include <QString>
#include <QStringList>

#include <memory>
#include <string>
#include <vector>

namespace Zyntra {

class Exact;

// "Area = a × b = 3 × 4 = 12.00"; the quantity is the answer's caption.
// An angle's answer carries its degree sign here. `say` puts the notes
// into the window's language; the formula and its numbers stay.
QString workingText(const QString &quantity, const Working &working, const QString &answer, Wording say = nullptr);

// The typed constants and their exact values. Each figure uses the value
// in force: the described one by default, the exact one when the user
// has chosen exact constants. An exact value is written to more digits
// than a double holds, so that it is the double nearest the true value.
struct Constant {
    const char *symbol; // as the formula shows it
    double described;
    double exact;
};

namespace Constants {
inline constexpr double Pi = 3.14159265358979323846264338;
inline constexpr Constant RoughPi{"π", 3.14, Pi};
inline constexpr Constant RoughTwoPi{"2π", 6.28, 6.28318530717958647692528677};
inline constexpr Constant QuarterPi{"π/4", 0.7854, 0.785398163397448309615660846};
inline constexpr Constant SixthPi{"π/6", 0.5236, 0.523598775598298873077107231};
inline constexpr Constant HalfDegree{"π/360", 0.008727, 0.00872664625997164788461845384};
inline constexpr Constant QuarterRootThree{"√3/4", 0.433, 0.433012701892219323381861585};
inline constexpr Constant HalfRootThree{"√3/2", 0.866, 0.866025403784438646763723171};
inline constexpr Constant FinePi{"π", 3.14159265358979, Pi};
// An angle is no typed constant: the figures that came later turn degrees
// and radians with π in full, whichever constants are in force.
inline constexpr Constant AnglePi{"π", Pi, Pi};
// Every one of them, for the test that reads each against its symbol.
inline constexpr const Constant *All[]{&RoughPi,          &RoughTwoPi,    &QuarterPi, &SixthPi, &HalfDegree,
                                       &QuarterRootThree, &HalfRootThree, &FinePi,    &AnglePi};
} // namespace Constants

// Every constant a term has been made of in this run, once each, wherever
// it is written (the table above, a polygon's factor): for the test that
// holds each to its symbol and its digits.
std::vector<Constant> constantsTaken();

// While one lives, terms carry their values alone, without the working:
// for a search that runs a calculation many times and reads its values.
class QuietTerms {
public:
    QuietTerms();
    ~QuietTerms();
    QuietTerms(const QuietTerms &) = delete;
    QuietTerms &operator=(const QuietTerms &) = delete;
};

// Program-wide choice of constants; the described ones unless set.
bool exactConstants();
void setExactConstants(bool exact);

// Program-wide: answers carry the figure's exact value, π and roots kept
// ("25π"), beside their decimals. Off unless set.
bool exactForms();
void setExactForms(bool on);

// While one lives, terms also carry their exact values: as the constants in
// force make them, which the shown digits are rounded from, and, where
// exact forms are wanted, the figure's own.
class ExactTerms {
public:
    ExactTerms();
    ~ExactTerms();
    ExactTerms(const ExactTerms &) = delete;
    ExactTerms &operator=(const ExactTerms &) = delete;
};

// A checked number that also carries how it was reached: the formula in
// letters and the same with numbers. Arithmetic on terms computes exactly
// as on Num, in the order written, so an answer's working is made by the
// very steps that made the answer.
class Term {
public:
    Term()
        : Term(0.0)
    {}
    Term(double literal); // a number written in the formula: 2, 180
    Term(Num value);      // the same, for a value already checked

    // A value the user gave, under its letter: written as the number it
    // read as (7 for "007", 2.5 for "2,5"), in full.
    // `decimal`, the typed text as a plain decimal where known, gives its
    // exact value digit for digit, past what the double holds.
    static Term given(const QString &letter, Num value, const std::string &decimal = {});
    // A constant, in its described or exact value as chosen.
    static Term constant(const Constant &c);
    // This value under a letter of its own: later formulas use the letter
    // and its value in full, while its own working stays with it.
    Term named(const QString &letter) const;
    // This value as an angle in degrees: its number carries ° wherever it
    // is written, and so does its answer. A sum or difference of angles is
    // one too.
    Term inDegrees() const;
    // This value where its formula only comes near the figure's: its digits
    // stay as worked, but it has no exact form.
    Term withoutExactForm() const;

    Num num() const { return m_value; }
    double value() const { return m_value.value(); }
    Working working() const;
    // How far the value may stand from the exact value of the same steps:
    // a bound on the rounding of every step that made it.
    double error() const { return m_error; }
    // The exact value of the steps with the constants in force, and the
    // figure's own; nullptr where none is carried or it has none.
    const Exact *exactInForce() const;
    const Exact *exactForm() const;
    // That form as an answer shows it ("25π"); empty where there is none or
    // it is too long to help anybody.
    QString exactText() const;

    friend Term operator+(const Term &a, const Term &b);
    friend Term operator-(const Term &a, const Term &b);
    friend Term operator*(const Term &a, const Term &b);
    friend Term operator/(const Term &a, const Term &b);
    friend bool operator==(const Term &a, const Term &b) { return a.value() == b.value(); }
    friend auto operator<=>(const Term &a, const Term &b) { return a.value() <=> b.value(); }

    friend Term sqrt(const Term &x);
    friend Term power(const Term &base, const Term &exponent);
    friend Term sin(const Term &radians);
    friend Term cos(const Term &radians);
    friend Term tan(const Term &radians);
    friend Term atan(const Term &x);
    friend Term asin(const Term &x);
    // Rounded as "#.0#" shows it, and read back; unchanged under a
    // precision the user chose.
    friend Term roundToTwoDecimals(const Term &x);

    // How tightly an expression binds, so that parentheses appear exactly
    // where the order of the steps needs them.
    enum class Binding { Sum, Product, Power, Atom };

private:
    enum class Kind {
        Given,    // typed by the user
        Leaf,     // a literal, a constant or a named value: one number in the steps
        Compound, // worked from other terms
    };
    Term(Num value, QString formula, QString numbers, QString evaluated, Binding binding, Kind kind);
    static Term binary(const Term &a, const Term &b, Num value, const char *sign, Binding binding);
    static Term function(const QString &name, const Term &x, Num value);
    static Term raised(const Term &base, const Term &exponent);
    bool isLeaf() const { return m_kind != Kind::Compound; }
    // How this term stands among the numbers of a partly worked step.
    QString operand() const;

    Num m_value;
    QString m_formula;   // in letters
    QString m_numbers;   // the same with the numbers put in
    QString m_evaluated; // the last step with its operands worked out; empty when that adds nothing
    Binding m_binding = Binding::Atom;
    Kind m_kind = Kind::Leaf;
    bool m_degrees = false;
    std::shared_ptr<const Working> m_own; // a named value's own working
    struct Exactly;
    std::shared_ptr<const Exactly> m_exact; // carried only under ExactTerms
    double m_error = 0;
    // Its exact values from those of its operands, by the same step.
    using ExactStep = Exact (*)(const Exact &, const Exact &);
    using ExactFunction = Exact (*)(const Exact &);
    void follow(const Term &a, const Term &b, ExactStep step);
    void follow(const Term &x, ExactFunction step);
    void setExact(const Exact &inForce, const Exact &form);
};

// Degrees to radians and back with the pi given, the division first, so
// that the same angle works out alike wherever it is turned.
Term radians(const Term &degrees, const Term &pi);
Term degrees(const Term &radians, const Term &pi);

// A number in full: the shortest text that reads back as the same double.
QString fullNumber(double value);

// A number worked out on the way: at most 15 significant digits, as many
// as a double holds for certain, without trailing zeros or an exponent,
// so that 197.82000000000002 reads 197.82.
QString workedNumber(double value);

// A field's value as a term: its letter and the number it read as.
Term typed(const Fields &fields, int index, const char *letter);
// The same for a figure's length, which must be greater than zero (or not
// below it, where the figure takes zero as its limit), and for its angle in degrees, which must lie between 0 and 180:
// any other value fits no such figure, and the warning says so under `name`, the field's own name.
enum class Zero { Refused, Allowed };
Term typedLength(const Fields &fields, int index, const char *letter, const char *name, Zero zero = Zero::Refused);
Term typedAngle(const Fields &fields, int index, const char *letter, const char *name);

// Stops a calculation whose typed values make no such figure, with `why`
// as the warning and `field` as the value to mend.
[[noreturn]] void notAFigure(int field, const QString &why);
// The same where an inner value exceeds the outer one it lies within.
void requireWithin(const Term &inner, int innerField, const char *innerName, const Term &outer, const char *outerName);

// Writes one answer into an outcome: its text in the pattern, its working
// and its value.
void addAnswer(Outcome &outcome, int index, const Term &term, Pattern pattern);

// Answers by index, all in one pattern.
Outcome answers(std::initializer_list<std::pair<int, Term>> terms, Pattern pattern);

// The same working note on every answer of an outcome.
void noteAll(Outcome &outcome, const QString &note);

} // namespace Zyntra
