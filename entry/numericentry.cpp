#include "numericentry.h"

#include "units.h"

#include <charconv>
#include <cmath>
#include <string>

namespace Zyntra {

std::optional<qint16> keyCodeOf(int key, Qt::KeyboardModifiers modifiers, QStringView text)
{
    const bool control = modifiers.testFlag(Qt::ControlModifier);
    if (control && key >= Qt::Key_A && key <= Qt::Key_Z)
        return qint16(key - Qt::Key_A + 1);
    switch (key) {
    case Qt::Key_Backspace:
        return qint16(8);
    case Qt::Key_Tab:
        return qint16(9);
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return qint16(13);
    case Qt::Key_Escape:
        return qint16(27);
    // Delete types DEL (127) on X11, yet it edits like an arrow key.
    case Qt::Key_Delete:
        return std::nullopt;
    default:
        break;
    }
    // The keypad's decimal key types a comma on many layouts; in a number
    // it can only mean the full stop.
    if (modifiers.testFlag(Qt::KeypadModifier) && (key == Qt::Key_Comma || key == Qt::Key_Period))
        return qint16('.');
    if (text.isEmpty())
        return std::nullopt;
    return qint16(text.at(0).unicode());
}

namespace {

bool commaChosen = false;

} // namespace

bool decimalComma()
{
    return commaChosen;
}
void setDecimalComma(bool comma)
{
    commaChosen = comma;
}

void filterKeyCode(qint16 &keyAscii)
{
    if (keyAscii <= 26)
        return;
    if (keyAscii == ',' && decimalComma())
        keyAscii = '.';
    static const QString accepted = QStringLiteral("0123456789.");
    // While a length unit is chosen a value may carry its own: "5' 3 1/2\"", "12 ft", "200 ft²".
    static const QString withUnits = QStringLiteral(" /'\"′″²³");
    const QChar typed{char16_t(keyAscii)};
    const bool unitKey = unitChoice().length && (typed.isLetter() || withUnits.contains(typed));
    if (!accepted.contains(typed) && !unitKey)
        keyAscii = 0;
}

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

std::optional<std::string> plainDecimal(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;

    std::string ascii;
    if (first < last && (text[first] == u'+' || text[first] == u'-')) {
        if (text[first] == u'-')
            ascii.push_back('-');
        ++first;
    }
    // A comma is the decimal separator only where nothing else could be:
    // "1.234,5" and "1,234.5" are never guessed at.
    const QStringView body = text.sliced(first, last - first);
    const QChar separator = decimalComma() && !body.contains(u'.') ? u',' : u'.';
    int digits = 0;
    int stops = 0;
    ascii.reserve(size_t(body.size()) + 1);
    for (const QChar c : body) {
        if (c >= u'0' && c <= u'9')
            ++digits;
        else if (c == separator)
            ++stops;
        else
            return std::nullopt;
        ascii.push_back(c == separator ? '.' : char(c.unicode()));
    }
    if (digits == 0 || stops > 1)
        return std::nullopt;
    return ascii;
}

std::optional<double> textToNumber(QStringView text)
{
    const std::optional<std::string> decimal = plainDecimal(text);
    if (!decimal)
        return std::nullopt;
    const bool negative = decimal->front() == '-';
    const std::string ascii = negative ? decimal->substr(1) : *decimal;

    double value = 0;
    const auto [end, error] = std::from_chars(ascii.data(), ascii.data() + ascii.size(), value);
    if (end != ascii.data() + ascii.size())
        return std::nullopt;
    if (error == std::errc::result_out_of_range) {
        // Too small to hold is zero; too large to hold is not a number we can use.
        const auto nonZero = ascii.find_first_not_of("0.");
        const auto stop = ascii.find('.');
        const bool hasIntegerDigits = nonZero != std::string::npos && (stop == std::string::npos || nonZero < stop);
        if (hasIntegerDigits)
            return std::nullopt;
        value = 0;
    } else if (error != std::errc()) {
        return std::nullopt;
    }
    return negative ? -value : value;
}

namespace {

Precision chosenPrecision;

// Adds one unit at the last place of a decimal digit string; returns true
// when the carry runs off the front.
bool incrementDigits(std::string &digits)
{
    for (auto it = digits.rbegin(); it != digits.rend(); ++it) {
        if (*it != '9') {
            ++*it;
            return false;
        }
        *it = '0';
    }
    return true;
}

// Significant digits d0 d1 d2... of a magnitude, d0 standing at ten to the exponent.
struct Significand {
    std::string digits;
    int exponent = 0;
};

Significand fifteenDigits(double magnitude)
{
    // to_chars ignores every locale setting; the C library's formatting
    // would write the decimal separator of the desktop, a comma on many.
    char buffer[40];
    const auto written = std::to_chars(buffer, buffer + sizeof buffer, magnitude, std::chars_format::scientific, 14);
    Significand s;
    const char *p = buffer;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            s.digits.push_back(*p);
    std::from_chars(p + 1 + (p[1] == '+'), written.ptr, s.exponent);
    return s;
}

// Keeps the first n digits, halves away from zero; a carry off the front
// makes the next power of ten.
void keepSignificant(Significand &s, size_t n)
{
    const bool roundUp = s.digits.size() > n && s.digits[n] >= '5';
    s.digits.resize(n, '0');
    if (roundUp && incrementDigits(s.digits)) {
        s.digits.insert(s.digits.begin(), '1');
        s.digits.pop_back();
        ++s.exponent;
    }
}

struct DecimalForm {
    std::string integerPart; // may hold leading zeros
    std::string fraction;
};

DecimalForm placed(const Significand &s)
{
    DecimalForm form;
    if (s.exponent >= 0) {
        const size_t integerDigits = size_t(s.exponent) + 1;
        if (integerDigits >= s.digits.size()) {
            form.integerPart = s.digits + std::string(integerDigits - s.digits.size(), '0');
        } else {
            form.integerPart = s.digits.substr(0, integerDigits);
            form.fraction = s.digits.substr(integerDigits);
        }
    } else {
        form.fraction = std::string(size_t(-s.exponent - 1), '0') + s.digits;
    }
    return form;
}

// Exactly `decimals` decimals, halves away from zero.
void roundToDecimals(DecimalForm &form, size_t decimals)
{
    form.fraction.resize(std::max(form.fraction.size(), decimals + 1), '0');
    const bool roundUp = form.fraction[decimals] >= '5';
    form.fraction.resize(decimals);
    if (roundUp && incrementDigits(form.fraction) && incrementDigits(form.integerPart))
        form.integerPart.insert(form.integerPart.begin(), '1');
}

std::string composed(bool negative, DecimalForm form, bool leadingZero)
{
    const auto significant = form.integerPart.find_first_not_of('0');
    form.integerPart.erase(0, significant == std::string::npos ? form.integerPart.size() : significant);
    const bool showsZero = form.integerPart.empty() && form.fraction.find_first_not_of('0') == std::string::npos;
    if (form.integerPart.empty() && leadingZero)
        form.integerPart = "0";
    std::string text;
    if (negative && !showsZero)
        text.push_back('-');
    text += form.integerPart;
    if (!form.fraction.empty() || !leadingZero)
        text += '.' + form.fraction;
    return text;
}

} // namespace

bool Precision::isValid() const
{
    switch (kind) {
    case Kind::AsDescribed:
        return digits == 0;
    case Kind::Decimals:
        return digits >= 0 && digits <= MaxDecimals;
    case Kind::Significant:
        return digits >= MinSignificant && digits <= MaxSignificant;
    }
    return false;
}

Precision answerPrecision()
{
    return chosenPrecision;
}

void setAnswerPrecision(Precision precision)
{
    chosenPrecision = precision.isValid() ? precision : Precision::asDescribed();
}

namespace {

QString formatSignificand(Significand digits, bool negative, Pattern pattern, Precision precision)
{
    if (!precision.isValid())
        precision = Precision::asDescribed();
    DecimalForm form;
    switch (precision.kind) {
    case Precision::Kind::AsDescribed: {
        const size_t maxDecimals = pattern == Pattern::TwoOrThreeDecimals ? 3 : 2;
        form = placed(digits);
        roundToDecimals(form, maxDecimals);
        while (form.fraction.size() > maxDecimals - 1 && form.fraction.back() == '0')
            form.fraction.pop_back();
        return QString::fromLatin1(composed(negative, form, false));
    }
    case Precision::Kind::Decimals:
        form = placed(digits);
        roundToDecimals(form, size_t(precision.digits));
        break;
    case Precision::Kind::Significant:
        keepSignificant(digits, size_t(precision.digits));
        form = placed(digits);
        // Zeros after the last significant digit say how many there are: 2.50.
        form.fraction.resize(size_t(std::max(precision.digits - 1 - digits.exponent, 0)), '0');
        break;
    }
    return QString::fromLatin1(composed(negative, form, true));
}

} // namespace

QString formatResult(double value, Pattern pattern, Precision precision)
{
    if (!std::isfinite(value))
        value = 0; // never reached: checked arithmetic stops before formatting
    return formatSignificand(fifteenDigits(std::fabs(value)), value < 0, pattern, precision);
}

QString formatCertain(double value, int significant, Pattern pattern, Precision precision)
{
    if (!std::isfinite(value))
        value = 0;
    significant = std::clamp(significant, 1, Precision::MaxSignificant);
    if (precision.kind == Precision::Kind::Significant && precision.digits <= significant)
        return formatResult(value, pattern, precision);
    Significand digits = fifteenDigits(std::fabs(value));
    keepSignificant(digits, size_t(significant));
    if (precision.kind == Precision::Kind::AsDescribed)
        return formatSignificand(digits, value < 0, pattern, precision);
    // Zeros after the last digit kept say how many there are.
    DecimalForm form = placed(digits);
    form.fraction.resize(size_t(std::max(significant - 1 - digits.exponent, 0)), '0');
    return QString::fromLatin1(composed(value < 0, form, true));
}

QString formatDecimal(QStringView decimal, Pattern pattern, Precision precision)
{
    std::string all; // every digit, the point left out
    int integerDigits = -1;
    for (const QChar c : decimal) {
        if (c == u'.')
            integerDigits = int(all.size());
        else if (c >= u'0' && c <= u'9')
            all.push_back(char(c.unicode()));
    }
    if (integerDigits < 0)
        integerDigits = int(all.size());
    const auto first = all.find_first_not_of('0');
    if (first == std::string::npos)
        return formatResult(0, pattern, precision);
    // The first significant digit stands at ten to this power.
    const Significand s{all.substr(first), integerDigits - int(first) - 1};
    return formatSignificand(s, decimal.startsWith(u'-'), pattern, precision);
}

std::vector<Precision> precisionChoices()
{
    std::vector<Precision> choices{Precision::asDescribed()};
    for (int n = 0; n <= Precision::MaxDecimals; ++n)
        choices.push_back(Precision::decimals(n));
    for (int n = Precision::MinSignificant; n <= Precision::MaxSignificant; ++n)
        choices.push_back(Precision::significant(n));
    return choices;
}

QString precisionCaption(Precision precision, QString (*say)(const char *english))
{
    if (!say)
        say = [](const char *english) { return QString::fromLatin1(english); };
    // Marked for the menu's catalogue; the words stay English unless said otherwise.
    switch (precision.kind) {
    case Precision::Kind::AsDescribed:
        break;
    case Precision::Kind::Decimals:
        return precision.digits == 1
                   ? say(QT_TRANSLATE_NOOP("Zyntra::MDIMain", "1 Decimal Place"))
                   : say(QT_TRANSLATE_NOOP("Zyntra::MDIMain", "%1 Decimal Places")).arg(precision.digits);
    case Precision::Kind::Significant:
        return say(QT_TRANSLATE_NOOP("Zyntra::MDIMain", "%1 Significant Digits")).arg(precision.digits);
    }
    return say(QT_TRANSLATE_NOOP("Zyntra::MDIMain", "As Described"));
}

std::optional<Precision> precisionNamed(const QString &caption)
{
    for (const Precision &choice : precisionChoices())
        if (precisionCaption(choice) == caption)
            return choice;
    return std::nullopt;
}

} // namespace Zyntra
