#include "term.h"

#include "exact.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <limits>
#include <mutex>
#include <string>
#include <string_view>
#include <vector>

namespace Zyntra {

namespace {

bool exactChosen = false;

// Past this an exact form helps nobody.
constexpr qsizetype LongestExactForm = 40;
bool formsChosen = false;

// The most a double's rounding moves a value, as a share of it.
constexpr double RoundOff = std::numeric_limits<double>::epsilon() / 2;
double roundOff(double x)
{
    return RoundOff * std::fabs(x);
}

// What reading a decimal into a double may have moved it by: nothing for a
// whole number a double holds exactly.
double readingError(double x)
{
    return std::fabs(x) < 0x1p53 && x == std::trunc(x) ? 0 : roundOff(x);
}

// How many QuietTerms are alive on this thread.
thread_local int quietDepth = 0;
bool quiet()
{
    return quietDepth > 0;
}

// How many ExactTerms are alive on this thread.
thread_local int exactDepth = 0;
bool tracking()
{
    return exactDepth > 0 && !quiet();
}

QString parenthesized(const QString &text)
{
    return u'(' + text + u')';
}

const QString DegreeSign = QStringLiteral("°");

// A negative number among other terms reads as one: (-3).
QString asOperand(const QString &number)
{
    return number.startsWith(u'-') || number.startsWith(u'+') ? parenthesized(number) : number;
}

} // namespace

QuietTerms::QuietTerms()
{
    ++quietDepth;
}
QuietTerms::~QuietTerms()
{
    --quietDepth;
}

bool exactConstants()
{
    return exactChosen;
}
void setExactConstants(bool exact)
{
    exactChosen = exact;
}

bool exactForms()
{
    return formsChosen;
}
void setExactForms(bool on)
{
    formsChosen = on;
}

ExactTerms::ExactTerms()
{
    ++exactDepth;
}
ExactTerms::~ExactTerms()
{
    --exactDepth;
}

struct Term::Exactly {
    Exact inForce; // the steps with the constants in force: what the digits are rounded from
    Exact form;    // the figure's own, with π and roots in full
};

const Exact *Term::exactInForce() const
{
    return m_exact ? &m_exact->inForce : nullptr;
}

const Exact *Term::exactForm() const
{
    return m_exact ? &m_exact->form : nullptr;
}

QString Term::exactText() const
{
    const Exact *form = exactForm();
    if (!form || !form->known())
        return {};
    QString text = form->text();
    return text.size() <= LongestExactForm ? text : QString();
}

void Term::setExact(const Exact &inForce, const Exact &form)
{
    if (tracking())
        m_exact = std::make_shared<const Exactly>(Exactly{inForce, exactForms() ? form : Exact::none()});
}

void Term::follow(const Term &a, const Term &b, ExactStep step)
{
    if (!a.m_exact || !b.m_exact)
        return;
    const Exact inForce = step(a.m_exact->inForce, b.m_exact->inForce);
    setExact(inForce, exactConstants() ? inForce : step(a.m_exact->form, b.m_exact->form));
}

void Term::follow(const Term &x, ExactFunction step)
{
    if (!x.m_exact)
        return;
    const Exact inForce = step(x.m_exact->inForce);
    setExact(inForce, exactConstants() ? inForce : step(x.m_exact->form));
}

namespace {

// The digits d0 d1 ... of a value written by to_chars as "d0.d1...e±x", with
// its exponent; trailing zeros dropped.
std::pair<std::string, int> digitsOf(const char *begin, const char *end)
{
    std::string digits;
    const char *p = begin;
    for (; p != end && *p != 'e'; ++p)
        if (*p != '.')
            digits.push_back(*p);
    int exponent = 0;
    if (p != end)
        std::from_chars(p + 1 + (p[1] == '+'), end, exponent);
    while (digits.size() > 1 && digits.back() == '0')
        digits.pop_back();
    return {digits, exponent};
}

// Those digits in fixed notation, with no locale: a full stop on every desktop.
QString fixedText(bool negative, const std::pair<std::string, int> &written)
{
    const auto &[digits, exponent] = written;
    if (digits == "0")
        return QStringLiteral("0");
    std::string text = negative ? "-" : "";
    const size_t integerDigits = exponent < 0 ? 0 : size_t(exponent) + 1;
    if (exponent < 0)
        text += "0." + std::string(size_t(-exponent - 1), '0') + digits;
    else if (integerDigits >= digits.size())
        text += digits + std::string(integerDigits - digits.size(), '0');
    else
        text += digits.substr(0, integerDigits) + '.' + digits.substr(integerDigits);
    return QString::fromLatin1(text);
}

} // namespace

QString fullNumber(double value)
{
    // The fewest significant digits that read back as the same double, so
    // that 2^70 is 1180591620717411300000 and not every digit of its binary value.
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific);
    if (written.ec != std::errc())
        return QStringLiteral("0");
    return fixedText(value < 0, digitsOf(buffer, written.ptr));
}

QString workedNumber(double value)
{
    // Fifteen significant digits d0.d1...d14 times ten to the exponent.
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    if (written.ec != std::errc())
        return QStringLiteral("0");
    return fixedText(value < 0, digitsOf(buffer, written.ptr));
}

QString workingText(const QString &quantity, const Working &working, const QString &shown, Wording say)
{
    const QString answer = shown.isEmpty() ? shown : shown + working.unit;
    QStringList sides{quantity};
    if (!working.formula.isEmpty())
        sides << working.formula;
    for (const QString &step : working.steps)
        if (step != sides.last() && step != answer)
            sides << step;
    if (!working.measured.isEmpty())
        sides << working.measured;
    if (!answer.isEmpty())
        sides << answer;
    QString text = sides.join(QStringLiteral(" = "));
    QStringList notes;
    if (const QString steps = working.notes(); !steps.isEmpty())
        notes << steps;
    if (!working.exact.isEmpty())
        notes << QStringLiteral("exact: ") + working.exact;
    else if (working.exactSought)
        notes << QStringLiteral("no exact form");
    if (!notes.isEmpty())
        text +=
            QStringLiteral(" (%1)").arg(say ? say(notes.join(QStringLiteral("; "))) : notes.join(QStringLiteral("; ")));
    return text;
}

Term typed(const Fields &fields, int index, const char *letter)
{
    const Num value = fields.number(index);
    return Term::given(QString::fromUtf8(letter), value, plainDecimal(fields.text(index)).value_or(std::string()));
}

namespace {

[[noreturn]] void notAFigure(int field, const char *name, const char *rule)
{
    Zyntra::notAFigure(field, QStringLiteral("%1 must be %2.").arg(QString::fromUtf8(name), QString::fromUtf8(rule)));
}

} // namespace

void notAFigure(int field, const QString &why)
{
    throw Failure{Failure::Cause::NotAFigure, field, why};
}

void requireWithin(const Term &inner, int innerField, const char *innerName, const Term &outer, const char *outerName)
{
    if (inner > outer)
        notAFigure(innerField, QStringLiteral("%1 must not be larger than the %2.")
                                   .arg(QString::fromUtf8(innerName), QString::fromUtf8(outerName)));
}

Term typedLength(const Fields &fields, int index, const char *letter, const char *name, Zero zero)
{
    const Term length = typed(fields, index, letter);
    if (zero == Zero::Allowed ? length.value() < 0 : length.value() <= 0)
        notAFigure(index, name, zero == Zero::Allowed ? "zero or more" : "greater than zero");
    return length;
}

Term typedAngle(const Fields &fields, int index, const char *letter, const char *name)
{
    const Term angle = typed(fields, index, letter).inDegrees();
    if (angle.value() <= 0 || angle.value() >= 180)
        notAFigure(index, name, "between 0° and 180°");
    return angle;
}

namespace {

// Whether every value within `error` of this one shows as it does.
// Past fifteen significant digits a double's text goes on in zeros, which
// are no digits of the value.
bool paddedWithZeros(const QString &shown)
{
    int digits = 0;
    for (const QChar c : shown)
        if (c.isDigit() && (digits > 0 || c != u'0'))
            ++digits;
    return digits > Precision::MaxSignificant;
}

bool shownForCertain(double value, double error, const QString &shown, Pattern pattern, Precision precision)
{
    return !paddedWithZeros(shown) && std::isfinite(error) && formatResult(value - error, pattern, precision) == shown
           && formatResult(value + error, pattern, precision) == shown;
}

// The most significant digits that the value shows for certain, in the
// shape its answer takes; -1 where not even one is.
std::pair<QString, int> fewerDigits(double value, double error, Pattern pattern, Precision precision)
{
    for (int n = Precision::MaxSignificant; n >= 1; --n) {
        const QString shown = formatCertain(value, n, pattern, precision);
        if (std::isfinite(error) && formatCertain(value - error, n, pattern, precision) == shown
            && formatCertain(value + error, n, pattern, precision) == shown)
            return {shown, n};
    }
    return {formatResult(value, pattern, precision), -1};
}

} // namespace

void addAnswer(Outcome &outcome, int index, const Term &term, Pattern pattern)
{
    Working working = term.working();
    outcome.values[index] = term.value();
    if (std::ranges::find(outcome.order, index) == outcome.order.end())
        outcome.order.push_back(index);
    if (quiet()) {
        outcome.answers[index] = QString();
        outcome.workings[index] = working;
        return;
    }
    const Precision precision = answerPrecision();
    QString shown = formatResult(term.value(), pattern, precision);
    const Exact *exact = term.exactInForce();
    if (exact && exact->known()) {
        // Rounded once, from the value the steps make exactly.
        shown = formatDecimal(exact->decimal(), pattern, precision);
    } else if (!shownForCertain(term.value(), term.error(), shown, pattern, precision)) {
        if (!exact) {
            outcome.uncertainDigits = true;
        } else {
            const auto [fewer, digits] = fewerDigits(term.value(), term.error(), pattern, precision);
            shown = fewer;
            working.certainDigits = digits;
        }
    }
    working.exactSought = exactForms();
    if (const QString exactText = term.exactText(); !exactText.isEmpty()) {
        working.exact = exactText;
        working.exactSpoken = term.exactForm()->spoken();
        working.exactValue = std::make_shared<const Exact>(*term.exactForm());
        // An angle's form is in degrees, as its value is.
        if (working.unit == DegreeSign) {
            working.exact += DegreeSign;
            working.exactSpoken += QStringLiteral(" degrees");
        }
    }
    outcome.answers[index] = shown;
    outcome.workings[index] = working;
}

Outcome answers(std::initializer_list<std::pair<int, Term>> terms, Pattern pattern)
{
    Outcome outcome;
    for (const auto &[index, term] : terms)
        addAnswer(outcome, index, term, pattern);
    return outcome;
}

void noteAll(Outcome &outcome, const QString &note)
{
    for (auto &[index, working] : outcome.workings)
        working = Working{{}, {}, note};
}

Term::Term(Num value, QString formula, QString numbers, QString evaluated, Binding binding, Kind kind)
    : m_value(value)
    , m_formula(std::move(formula))
    , m_numbers(std::move(numbers))
    , m_evaluated(std::move(evaluated))
    , m_binding(binding)
    , m_kind(kind)
{}

Term::Term(double literal)
    : Term(Num(literal))
{
    // A number written in a formula is the decimal written there: 0.433 is 433/1000.
    m_error = readingError(literal);
    const Exact exact = tracking() ? Exact::typed(literal) : Exact::none();
    setExact(exact, exact);
}

Term::Term(Num value)
    : m_value(value)
    , m_formula(quiet() ? QString() : asOperand(workedNumber(value.value())))
    , m_numbers(m_formula)
    // A value worked out elsewhere, to within a few roundings, with no exact form.
    , m_error(4 * roundOff(value.value()))
{
    setExact(Exact::none(), Exact::none());
}

Term Term::given(const QString &letter, Num value, const std::string &decimal)
{
    Term term(value, letter, quiet() ? QString() : asOperand(fullNumber(value.value())), QString(), Binding::Atom,
              Kind::Given);
    // What the user typed is an exact decimal; the double holds it to within one rounding.
    term.m_error = readingError(value.value());
    if (tracking()) {
        const Exact typed = decimal.empty() ? Exact::typed(value.value()) : Exact::typed(decimal);
        term.setExact(typed, typed);
    }
    return term;
}

namespace {

// A constant's exact value, by the symbol its formulas show.
Exact formOf(const Constant &c)
{
    const QString symbol = QString::fromUtf8(c.symbol);
    const Exact pi = Exact::pi();
    const auto q = [](long n, long d = 1) { return Exact::rational(mpq_class(n, d)); };
    const auto root = [&q](long n) { return sqrt(q(n)); };
    // clang-format off
    const std::pair<const char *, std::function<Exact()>> forms[] = {
        {"π",                [&] { return pi; }},
        {"2π",               [&] { return q(2) * pi; }},
        {"π/4",              [&] { return pi / q(4); }},
        {"π/6",              [&] { return pi / q(6); }},
        {"π/360",            [&] { return pi / q(360); }},
        {"√3/4",             [&] { return root(3) / q(4); }},
        {"√3/2",             [&] { return root(3) / q(2); }},
        {"1",                [&] { return q(1); }},
        {"6/(4·tan(π/6))",   [&] { return q(6) / (q(4) * tan(pi / q(6))); }},
        {"8/(4·tan(π/8))",   [&] { return q(2) + q(2) * root(2); }}, // tan(π/8) = √2 − 1
        {"12/(4·tan(π/12))", [&] { return q(12) / (q(4) * tan(pi / q(12))); }},
    };
    // clang-format on
    for (const auto &[name, form] : forms)
        if (symbol == QString::fromUtf8(name))
            return form();
    return Exact::none();
}

} // namespace

namespace {

std::mutex takenLock;
std::vector<Constant> taken;

// Noted once, while the working is kept: a search's quiet runs take the same ones.
void noteTaken(const Constant &c)
{
    const std::lock_guard<std::mutex> lock(takenLock);
    if (std::ranges::none_of(taken, [&c](const Constant &t) {
            return t.described == c.described && t.exact == c.exact && std::string_view(t.symbol) == c.symbol;
        }))
        taken.push_back(c);
}

} // namespace

std::vector<Constant> constantsTaken()
{
    const std::lock_guard<std::mutex> lock(takenLock);
    return taken;
}

Term Term::constant(const Constant &c)
{
    if (!quiet())
        noteTaken(c);
    const double value = exactConstants() ? c.exact : c.described;
    const QString symbol = QString::fromUtf8(c.symbol);
    // "π/4" and "2π" are products: they take parentheses where a product would.
    const Binding binding = symbol.size() > 1 ? Binding::Product : Binding::Atom;
    Term term(Num(value), symbol, quiet() ? QString() : workedNumber(value), QString(), binding, Kind::Leaf);
    term.m_error = roundOff(value);
    if (tracking()) {
        const Exact form = formOf(c);
        // A constant typed in full, as an angle's π is, is its exact value under either choice.
        term.setExact(exactConstants() || c.described == c.exact ? form : Exact::typed(c.described), form);
    }
    return term;
}

Term Term::named(const QString &letter) const
{
    Term term(m_value, letter, operand(), QString(), Binding::Atom, Kind::Leaf);
    term.m_degrees = m_degrees;
    term.m_exact = m_exact;
    term.m_error = m_error;
    if (!quiet())
        term.m_own = std::make_shared<const Working>(working());
    return term;
}

Term Term::withoutExactForm() const
{
    Term term = *this;
    if (m_exact)
        term.m_exact = std::make_shared<const Exactly>(Exactly{m_exact->inForce, Exact::none()});
    return term;
}

Term Term::inDegrees() const
{
    if (m_degrees)
        return *this;
    Term angle = *this;
    angle.m_degrees = true;
    // A leaf is one number: it carries the sign itself, and a literal's
    // formula is that number.
    if (isLeaf()) {
        if (angle.m_formula == angle.m_numbers)
            angle.m_formula += DegreeSign;
        angle.m_numbers += DegreeSign;
    }
    return angle;
}

QString Term::operand() const
{
    return isLeaf() ? m_numbers : asOperand(workedNumber(value())) + (m_degrees ? DegreeSign : QString());
}

Working Term::working() const
{
    if (m_own)
        return *m_own;
    const QString unit = m_degrees ? DegreeSign : QString();
    switch (m_kind) {
    case Kind::Given:
        return {QString(), {m_numbers}, QStringLiteral("given"), unit};
    case Kind::Leaf:
        return {m_formula == m_numbers ? QString() : m_formula, {m_numbers}, QString(), unit};
    case Kind::Compound:
        break;
    }
    Working working{m_formula, {m_numbers}, QString(), unit};
    if (!m_evaluated.isEmpty() && m_evaluated != m_numbers)
        working.steps << m_evaluated;
    return working;
}

Term Term::binary(const Term &a, const Term &b, Num value, const char *sign, Binding binding)
{
    if (quiet())
        return Term(value, QString(), QString(), QString(), binding, Kind::Compound);
    // The left operand keeps its place unless it binds more loosely; the
    // right one is bracketed at the same binding too, since the steps are
    // taken left to right and floating point is not associative.
    const auto join = [&](const QString &left, Binding leftBinding, const QString &right, Binding rightBinding) {
        return (leftBinding < binding ? parenthesized(left) : left) + u' ' + QString::fromUtf8(sign) + u' '
               + (rightBinding <= binding ? parenthesized(right) : right);
    };
    // Among the numbers a constant is one number, however its symbol reads;
    // so is every operand once worked out.
    const auto numbersBinding = [](const Term &t) { return t.isLeaf() ? Binding::Atom : t.m_binding; };
    const QString evaluated =
        a.isLeaf() && b.isLeaf() ? QString() : join(a.operand(), Binding::Atom, b.operand(), Binding::Atom);
    return Term(value, join(a.m_formula, a.m_binding, b.m_formula, b.m_binding),
                join(a.m_numbers, numbersBinding(a), b.m_numbers, numbersBinding(b)), evaluated, binding,
                Kind::Compound);
}

Term Term::function(const QString &name, const Term &x, Num value)
{
    if (quiet())
        return Term(value, QString(), QString(), QString(), Binding::Atom, Kind::Compound);
    const bool root = name == QStringLiteral("√");
    const auto apply = [&](const QString &argument, Binding binding) {
        return root && binding == Binding::Atom ? name + argument : name + parenthesized(argument);
    };
    const QString evaluated = x.isLeaf() ? QString() : apply(x.operand(), Binding::Atom);
    return Term(value, apply(x.m_formula, x.m_binding), apply(x.m_numbers, x.m_binding), evaluated, Binding::Atom,
                Kind::Compound);
}

// Each step's error bound is what its operands' bounds can move its exact
// result by, plus its own rounding; a library function is taken to round
// within two units in the last place.
Term operator+(const Term &a, const Term &b)
{
    Term sum = Term::binary(a, b, a.m_value + b.m_value, "+", Term::Binding::Sum);
    sum.m_degrees = a.m_degrees && b.m_degrees;
    sum.m_error = a.m_error + b.m_error + roundOff(sum.value());
    sum.follow(a, b, [](const Exact &x, const Exact &y) { return x + y; });
    return sum;
}

Term operator-(const Term &a, const Term &b)
{
    Term difference = Term::binary(a, b, a.m_value - b.m_value, "−", Term::Binding::Sum);
    difference.m_degrees = a.m_degrees && b.m_degrees;
    difference.m_error = a.m_error + b.m_error + roundOff(difference.value());
    difference.follow(a, b, [](const Exact &x, const Exact &y) { return x - y; });
    return difference;
}

Term operator*(const Term &a, const Term &b)
{
    Term product = Term::binary(a, b, a.m_value * b.m_value, "×", Term::Binding::Product);
    product.m_error = std::fabs(a.value()) * b.m_error + std::fabs(b.value()) * a.m_error + a.m_error * b.m_error
                      + roundOff(product.value());
    product.follow(a, b, [](const Exact &x, const Exact &y) { return x * y; });
    return product;
}

Term operator/(const Term &a, const Term &b)
{
    Term quotient = Term::binary(a, b, a.m_value / b.m_value, "÷", Term::Binding::Product);
    const double divisor = std::fabs(b.value());
    quotient.m_error = divisor > b.m_error ? (std::fabs(a.value()) * b.m_error + divisor * a.m_error)
                                                     / (divisor * (divisor - b.m_error))
                                                 + roundOff(quotient.value())
                                           : std::numeric_limits<double>::infinity();
    quotient.follow(a, b, [](const Exact &x, const Exact &y) { return x / y; });
    return quotient;
}

Term sqrt(const Term &x)
{
    Term root = Term::function(QStringLiteral("√"), x, sqrt(x.m_value));
    const double low = x.value() - x.m_error;
    root.m_error = (low > 0 ? x.m_error / (std::sqrt(low) + root.value()) : std::sqrt(x.value() + x.m_error))
                   + roundOff(root.value());
    root.follow(x, [](const Exact &v) { return sqrt(v); });
    return root;
}
Term sin(const Term &radians)
{
    Term sine = Term::function(QStringLiteral("sin"), radians, sin(radians.m_value));
    sine.m_error = std::min(radians.m_error, 2.0) + 4 * RoundOff;
    sine.follow(radians, [](const Exact &v) { return sin(v); });
    return sine;
}
Term cos(const Term &radians)
{
    Term cosine = Term::function(QStringLiteral("cos"), radians, cos(radians.m_value));
    cosine.m_error = std::min(radians.m_error, 2.0) + 4 * RoundOff;
    cosine.follow(radians, [](const Exact &v) { return cos(v); });
    return cosine;
}
Term tan(const Term &radians)
{
    Term tangent = Term::function(QStringLiteral("tan"), radians, tan(radians.m_value));
    // Its slope is 1 + tan², which grows without bound towards a right angle.
    const double c = std::cos(radians.value());
    const double nearest = std::fabs(c) - radians.m_error;
    tangent.m_error = nearest > 0 ? radians.m_error / (nearest * nearest) + 4 * roundOff(tangent.value())
                                  : std::numeric_limits<double>::infinity();
    tangent.follow(radians, [](const Exact &v) { return tan(v); });
    return tangent;
}
Term atan(const Term &x)
{
    Term angle = Term::function(QStringLiteral("atan"), x, atan(x.m_value));
    // Its slope, 1 ÷ (1 + x²), is at most that nearest zero.
    const double near = std::max(std::fabs(x.value()) - x.m_error, 0.0);
    angle.m_error = x.m_error / (1 + near * near) + 4 * roundOff(angle.value());
    angle.follow(x, [](const Exact &v) { return atan(v); });
    return angle;
}

Term asin(const Term &x)
{
    Term angle = Term::function(QStringLiteral("asin"), x, asin(x.m_value));
    // Its slope, 1 ÷ √(1 − x²), grows without bound towards ±1.
    const double far = std::fabs(x.value()) + x.m_error;
    angle.m_error = far < 1 ? x.m_error / std::sqrt(1 - far * far) + 4 * roundOff(angle.value())
                            : std::numeric_limits<double>::infinity();
    angle.follow(x, [](const Exact &v) { return atan(v / sqrt(Exact::rational(1) - v * v)); });
    return angle;
}

Term radians(const Term &degrees, const Term &pi)
{
    return (pi / 180) * degrees;
}
Term degrees(const Term &radians, const Term &pi)
{
    return ((Term(180) / pi) * radians).inDegrees();
}

Term power(const Term &base, const Term &exponent)
{
    Term raised = Term::raised(base, exponent);
    // Over the interval the base may stand in, the power moves by at most
    // its slope at the far end times the base's error.
    const double high = std::fabs(base.value()) + base.m_error;
    const double low = std::fabs(base.value()) - base.m_error;
    const double e = exponent.value();
    double slope = std::numeric_limits<double>::infinity();
    if (base.m_error == 0)
        slope = 0;
    else if (exponent.m_error == 0 && e >= 1)
        slope = e * std::pow(high, e - 1);
    else if (exponent.m_error == 0 && e > 0 && low > 0)
        slope = e * std::pow(low, e - 1);
    raised.m_error = (exponent.m_error == 0 ? slope * base.m_error : std::numeric_limits<double>::infinity())
                     + 4 * roundOff(raised.value());
    raised.follow(base, exponent, [](const Exact &x, const Exact &y) { return power(x, y); });
    return raised;
}

Term Term::raised(const Term &base, const Term &exponent)
{
    if (quiet())
        return Term(power(base.m_value, exponent.m_value), QString(), QString(), QString(), Term::Binding::Power,
                    Term::Kind::Compound);
    const auto raise = [&](const QString &b, Term::Binding baseBinding, const QString &e) {
        const QString shownBase = baseBinding <= Term::Binding::Power ? u'(' + b + u')' : b;
        if (exponent.isLeaf() && (e == QStringLiteral("2") || e == QStringLiteral("3")))
            return shownBase + (e == QStringLiteral("2") ? QStringLiteral("²") : QStringLiteral("³"));
        return shownBase + u'^'
               + (exponent.m_binding == Term::Binding::Atom && exponent.isLeaf() ? e : u'(' + e + u')');
    };
    const QString evaluated =
        base.isLeaf() && exponent.isLeaf()
            ? QString()
            : raise(base.operand(), base.isLeaf() ? base.m_binding : Term::Binding::Atom, exponent.operand());
    return Term(power(base.m_value, exponent.m_value), raise(base.m_formula, base.m_binding, exponent.m_formula),
                raise(base.m_numbers, base.m_binding, exponent.m_numbers), evaluated, Term::Binding::Power,
                Term::Kind::Compound);
}

Term roundToTwoDecimals(const Term &x)
{
    // A precision of the user's own rounds the answers alone, never a value on the way.
    if (answerPrecision() != Precision::asDescribed())
        return x;
    const QString shown = formatResult(x.value(), Pattern::OneOrTwoDecimals);
    const Num value = Fields({shown}).number(0);
    Term rounded = quiet() ? Term(value, QString(), QString(), QString(), Term::Binding::Atom, Term::Kind::Compound)
                           : Term(value, QStringLiteral("round(%1, 2)").arg(x.m_formula),
                                  QStringLiteral("round(%1, 2)").arg(x.m_numbers),
                                  x.isLeaf() ? QString() : QStringLiteral("round(%1, 2)").arg(x.operand()),
                                  Term::Binding::Atom, Term::Kind::Compound);
    // Rounded, the value is the decimal it shows, unless its error could
    // have put it on the other side of a half.
    const bool certain = formatResult(x.value() - x.m_error, Pattern::OneOrTwoDecimals) == shown
                         && formatResult(x.value() + x.m_error, Pattern::OneOrTwoDecimals) == shown;
    rounded.m_error = certain ? roundOff(value.value()) : 0.01;
    if (x.m_exact) {
        // The figure keeps its own value; the steps go on from the rounded one.
        const Exact &exact = x.m_exact->inForce;
        const Exact inForce =
            exact.known()
                ? Exact::typed(Fields({formatDecimal(exact.decimal(), Pattern::OneOrTwoDecimals)}).number(0).value())
                : Exact::none();
        if (inForce.known())
            rounded.m_error = std::fabs(value.value() - inForce.approximate()) + roundOff(value.value());
        rounded.m_exact = std::make_shared<const Term::Exactly>(Term::Exactly{inForce, x.m_exact->form});
    }
    return rounded;
}

} // namespace Zyntra
