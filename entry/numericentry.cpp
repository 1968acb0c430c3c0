#include "numericentry.h"

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
    if (!accepted.contains(QChar(char16_t(keyAscii))))
        keyAscii = 0;
}

namespace {

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t';
}

} // namespace

std::optional<double> textToNumber(QStringView text)
{
    qsizetype first = 0;
    qsizetype last = text.size();
    while (first < last && isBlank(text[first]))
        ++first;
    while (last > first && isBlank(text[last - 1]))
        --last;

    std::string ascii;
    bool negative = false;
    if (first < last && (text[first] == u'+' || text[first] == u'-')) {
        negative = text[first] == u'-';
        ++first;
    }
    // A comma is the decimal separator only where nothing else could be:
    // "1.234,5" and "1,234.5" are never guessed at.
    const QStringView body = text.sliced(first, last - first);
    const QChar separator = decimalComma() && !body.contains(u'.') ? u',' : u'.';
    int digits = 0;
    int stops = 0;
    ascii.reserve(size_t(body.size()));
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

} // namespace

QString formatResult(double value, Pattern pattern)
{
    const int maxDecimals = pattern == Pattern::TwoOrThreeDecimals ? 3 : 2;
    const int minDecimals = maxDecimals - 1;
    if (!std::isfinite(value))
        value = 0; // never reached: checked arithmetic stops before formatting

    // Fifteen significant digits d0.d1...d14 times ten to the exponent.
    // to_chars ignores every locale setting; the C library's formatting
    // would write the decimal separator of the desktop, a comma on many.
    char buffer[40];
    const auto written =
        std::to_chars(buffer, buffer + sizeof buffer, std::fabs(value), std::chars_format::scientific, 14);
    std::string mantissa;
    const char *p = buffer;
    for (; *p != 'e'; ++p)
        if (*p != '.')
            mantissa.push_back(*p);
    int exponent = 0;
    std::from_chars(p + 1 + (p[1] == '+'), written.ptr, exponent);

    // Place the digits around the decimal point: integer digits, then fraction.
    std::string integerPart;
    std::string fraction;
    if (exponent >= 0) {
        const size_t integerDigits = size_t(exponent) + 1;
        if (integerDigits >= mantissa.size()) {
            integerPart = mantissa + std::string(integerDigits - mantissa.size(), '0');
        } else {
            integerPart = mantissa.substr(0, integerDigits);
            fraction = mantissa.substr(integerDigits);
        }
    } else {
        fraction = std::string(size_t(-exponent - 1), '0') + mantissa;
    }

    // Round to the pattern's most decimals, halves away from zero.
    fraction.resize(std::max(fraction.size(), size_t(maxDecimals) + 1), '0');
    const bool roundUp = fraction[size_t(maxDecimals)] >= '5';
    fraction.resize(size_t(maxDecimals));
    if (roundUp && incrementDigits(fraction)) {
        if (incrementDigits(integerPart))
            integerPart.insert(integerPart.begin(), '1');
    }
    while (int(fraction.size()) > minDecimals && fraction.back() == '0')
        fraction.pop_back();

    const auto significant = integerPart.find_first_not_of('0');
    if (significant == std::string::npos)
        integerPart.clear();
    else
        integerPart.erase(0, significant);

    const bool showsZero = integerPart.empty() && fraction.find_first_not_of('0') == std::string::npos;
    std::string text;
    if (value < 0 && !showsZero)
        text.push_back('-');
    text += integerPart;
    text.push_back('.');
    text += fraction;
    return QString::fromLatin1(text);
}

} // namespace Zyntra
