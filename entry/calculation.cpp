#include "calculation.h"

#include "term.h"

#include <cmath>

namespace Zyntra {

namespace {

[[noreturn]] void fail(Failure::Cause cause)
{
    throw Failure{cause, -1, {}};
}

Num checked(double result)
{
    if (std::isnan(result))
        fail(Failure::Cause::InvalidOperation);
    if (std::isinf(result))
        fail(Failure::Cause::TooLarge);
    return Num(result);
}

} // namespace

QString describe(const Failure &failure, const QString &fieldName, Wording say)
{
    const auto words = [say](QStringView english) { return say ? say(english) : english.toString(); };
    switch (failure.cause) {
    case Failure::Cause::NotANumber:
        if (failure.text.isEmpty())
            return words(u"%1 is empty. Type a number, such as 12.5.").arg(fieldName);
        return words(u"%1: \"%2\" is not a number. Type digits with at most one %3.")
            .arg(fieldName, failure.text.size() > 40 ? failure.text.left(40) + QStringLiteral("…") : failure.text,
                 decimalComma() ? words(u"decimal comma or full stop, such as 12,5 or 12.5")
                                : words(u"full stop, such as 12.5"));
    case Failure::Cause::DivisionByZero:
        return words(u"The calculation divides by zero. Check the given values.");
    case Failure::Cause::NegativeRoot:
        return words(u"The calculation needs the square root of a negative number. "
                     u"These values do not make a real figure.");
    case Failure::Cause::TooLarge:
        return words(u"A number in the calculation is too large. Give smaller values.");
    case Failure::Cause::InvalidOperation:
        return words(u"The calculation has no real result for these values.");
    case Failure::Cause::NotAFigure:
        return words(failure.text);
    case Failure::Cause::NotAMeasurement:
        return QStringLiteral("%1: %2").arg(fieldName, words(failure.text));
    case Failure::Cause::PasteTooLong: {
        const QString field = fieldName.isEmpty() ? words(u"a value field") : fieldName;
        // A text short enough on its own is refused for what the field already holds.
        const QString why = failure.length > MaxValueLength
                                ? words(u"%1 takes at most %2 characters.").arg(field).arg(MaxValueLength)
                                : words(u"with what %1 already holds, that is more than the %2 characters it takes.")
                                      .arg(field)
                                      .arg(MaxValueLength);
        return words(u"The pasted text is %1 characters long; %2 Nothing was pasted.").arg(failure.length).arg(why);
    }
    }
    return {};
}

Num operator+(Num a, Num b)
{
    return checked(a.m_value + b.m_value);
}
Num operator-(Num a, Num b)
{
    return checked(a.m_value - b.m_value);
}
Num operator*(Num a, Num b)
{
    return checked(a.m_value * b.m_value);
}

Num operator/(Num a, Num b)
{
    if (b.m_value == 0)
        fail(Failure::Cause::DivisionByZero);
    return checked(a.m_value / b.m_value);
}

Num sqrt(Num x)
{
    if (x.value() < 0)
        fail(Failure::Cause::NegativeRoot);
    return checked(std::sqrt(x.value()));
}

Num power(Num base, Num exponent)
{
    if (base.value() == 0 && exponent.value() < 0)
        fail(Failure::Cause::DivisionByZero);
    return checked(std::pow(base.value(), exponent.value()));
}

Num sin(Num radians)
{
    return checked(std::sin(radians.value()));
}
Num cos(Num radians)
{
    return checked(std::cos(radians.value()));
}
Num tan(Num radians)
{
    return checked(std::tan(radians.value()));
}
Num atan(Num x)
{
    return checked(std::atan(x.value()));
}
Num asin(Num x)
{
    return checked(std::asin(x.value()));
}

bool Fields::allEmpty(std::initializer_list<int> indexes) const
{
    for (int i : indexes)
        if (!isEmpty(i))
            return false;
    return true;
}

bool Fields::anyEmpty(std::initializer_list<int> indexes) const
{
    for (int i : indexes)
        if (isEmpty(i))
            return true;
    return false;
}

Num Fields::number(int index) const
{
    const QString t = text(index);
    if (const auto value = textToNumber(t))
        return Num(*value);
    throw Failure{Failure::Cause::NotANumber, index, t};
}

QString Working::notes() const
{
    QString digits;
    if (certainDigits > 0)
        digits = QStringLiteral("shown to %1 significant digits, as far as the rounding of the steps allows")
                     .arg(certainDigits);
    else if (certainDigits < 0)
        digits = QStringLiteral("the rounding of the steps leaves no digit of this answer certain");
    return note.isEmpty() || digits.isEmpty() ? note + digits : note + QStringLiteral("; ") + digits;
}

Outcome runCalculation(const std::function<Outcome()> &calculation)
{
    const auto run = [&calculation]() -> Outcome {
        try {
            return calculation();
        } catch (const Failure &failure) {
            return {Outcome::Kind::Failed, {}, failure, {}, {}};
        }
    };
    if (exactForms()) {
        const ExactTerms exact;
        return run();
    }
    // Exact arithmetic costs more than doubles, so it is only taken where
    // the doubles cannot vouch for a digit they would show.
    Outcome outcome = run();
    if (outcome.kind == Outcome::Kind::Answers && outcome.uncertainDigits) {
        const ExactTerms exact;
        outcome = run();
    }
    return outcome;
}

} // namespace Zyntra
