#include "term.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string>

namespace Zyntra {

namespace {

bool exactChosen = false;

// How many QuietTerms are alive on this thread.
thread_local int quietDepth = 0;
bool quiet()
{
    return quietDepth > 0;
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

QString workingText(const QString &quantity, const Working &working, const QString &shown)
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
    if (!working.note.isEmpty())
        text += QStringLiteral(" (%1)").arg(working.note);
    return text;
}

Term typed(const Fields &fields, int index, const char *letter)
{
    return Term::given(QString::fromUtf8(letter), fields.number(index));
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

void addAnswer(Outcome &outcome, int index, const Term &term, Pattern pattern)
{
    outcome.answers[index] = quiet() ? QString() : formatResult(term.value(), pattern, answerPrecision());
    outcome.workings[index] = term.working();
    outcome.values[index] = term.value();
    if (std::ranges::find(outcome.order, index) == outcome.order.end())
        outcome.order.push_back(index);
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
{}

Term::Term(Num value)
    : m_value(value)
    , m_formula(quiet() ? QString() : asOperand(workedNumber(value.value())))
    , m_numbers(m_formula)
{}

Term Term::given(const QString &letter, Num value)
{
    return Term(value, letter, quiet() ? QString() : asOperand(fullNumber(value.value())), QString(), Binding::Atom,
                Kind::Given);
}

Term Term::constant(const Constant &c)
{
    const double value = exactConstants() ? c.exact : c.described;
    const QString symbol = QString::fromUtf8(c.symbol);
    // "π/4" and "2π" are products: they take parentheses where a product would.
    const Binding binding = symbol.size() > 1 ? Binding::Product : Binding::Atom;
    return Term(Num(value), symbol, quiet() ? QString() : workedNumber(value), QString(), binding, Kind::Leaf);
}

Term Term::named(const QString &letter) const
{
    Term term(m_value, letter, operand(), QString(), Binding::Atom, Kind::Leaf);
    term.m_degrees = m_degrees;
    if (!quiet())
        term.m_own = std::make_shared<const Working>(working());
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

Term operator+(const Term &a, const Term &b)
{
    Term sum = Term::binary(a, b, a.m_value + b.m_value, "+", Term::Binding::Sum);
    sum.m_degrees = a.m_degrees && b.m_degrees;
    return sum;
}

Term operator-(const Term &a, const Term &b)
{
    Term difference = Term::binary(a, b, a.m_value - b.m_value, "−", Term::Binding::Sum);
    difference.m_degrees = a.m_degrees && b.m_degrees;
    return difference;
}

Term operator*(const Term &a, const Term &b)
{
    return Term::binary(a, b, a.m_value * b.m_value, "×", Term::Binding::Product);
}

Term operator/(const Term &a, const Term &b)
{
    return Term::binary(a, b, a.m_value / b.m_value, "÷", Term::Binding::Product);
}

Term sqrt(const Term &x)
{
    return Term::function(QStringLiteral("√"), x, sqrt(x.m_value));
}
Term sin(const Term &radians)
{
    return Term::function(QStringLiteral("sin"), radians, sin(radians.m_value));
}
Term cos(const Term &radians)
{
    return Term::function(QStringLiteral("cos"), radians, cos(radians.m_value));
}
Term tan(const Term &radians)
{
    return Term::function(QStringLiteral("tan"), radians, tan(radians.m_value));
}
Term atan(const Term &x)
{
    return Term::function(QStringLiteral("atan"), x, atan(x.m_value));
}

Term asin(const Term &x)
{
    return Term::function(QStringLiteral("asin"), x, asin(x.m_value));
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
    const Num value = Fields({formatResult(x.value(), Pattern::OneOrTwoDecimals)}).number(0);
    if (quiet())
        return Term(value, QString(), QString(), QString(), Term::Binding::Atom, Term::Kind::Compound);
    const auto round = [](const QString &argument) { return QStringLiteral("round(%1, 2)").arg(argument); };
    const QString evaluated = x.isLeaf() ? QString() : round(x.operand());
    return Term(value, round(x.m_formula), round(x.m_numbers), evaluated, Term::Binding::Atom, Term::Kind::Compound);
}

} // namespace Zyntra
