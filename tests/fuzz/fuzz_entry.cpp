#include "fuzzcheck.h"

#include "entry/numericentry.h"

#include <QRegularExpression>

#include <cmath>
#include <cstring>

using namespace Zyntra;

namespace {

// The accepted texts, said once more independently of the converter.
void checkConversion(const QString &text)
{
    static const QRegularExpression number(QStringLiteral("^[ \\t]*([+-]?([0-9]+\\.?[0-9]*|\\.[0-9]+))[ \\t]*\\z"));
    const auto converted = textToNumber(text);
    const QRegularExpressionMatch match = number.match(text);
    if (!match.hasMatch()) {
        FUZZ_CHECK(!converted, text);
        return;
    }
    const double expected = std::strtod(match.captured(1).toLatin1().constData(), nullptr);
    if (std::isinf(expected)) {
        FUZZ_CHECK(!converted, text);
        return;
    }
    FUZZ_CHECK(converted.has_value(), text);
    FUZZ_CHECK(*converted == expected || (*converted == 0 && std::fabs(expected) < 1e-300), text);
}

void checkFormat(double value, Pattern pattern)
{
    const int maxDecimals = pattern == Pattern::TwoOrThreeDecimals ? 3 : 2;
    const QString text = formatResult(value, pattern);
    FUZZ_CHECK(FuzzInput::isWellFormedResult(text, maxDecimals - 1, maxDecimals), text);
    // Read back with more range than a double: the largest double rounds up
    // to fifteen digits beyond the double range.
    const long double shown = std::strtold(text.toLatin1().constData(), nullptr);
    const qsizetype decimals = text.size() - text.indexOf(u'.') - 1;
    const long double magnitude = std::fabs(value);
    const long double fifteenDigits =
        magnitude > 0 ? 0.5L * std::pow(10.0L, std::floor(std::log10(magnitude)) - 14) : 0;
    const long double tolerance = 0.5L * std::pow(10.0L, -(long double)decimals) + fifteenDigits + magnitude * 1e-15L;
    FUZZ_CHECK(std::fabs(shown - value) <= tolerance, text + QStringLiteral(" for %1").arg(value, 0, 'g', 17));
}

void checkKeyFilter(qint16 code)
{
    qint16 filtered = code;
    filterKeyCode(filtered);
    const bool passes = code <= 26 || QStringLiteral("0123456789.").contains(QChar(char16_t(code)));
    FUZZ_CHECK(filtered == (passes ? code : 0), QString::number(code));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    if (size >= sizeof(double)) {
        double value;
        std::memcpy(&value, data, sizeof value);
        if (std::isfinite(value)) {
            checkFormat(value, Pattern::TwoOrThreeDecimals);
            checkFormat(value, Pattern::OneOrTwoDecimals);
        }
    }
    if (size >= 2) {
        qint16 code;
        std::memcpy(&code, data, sizeof code);
        checkKeyFilter(code);
    }
    checkConversion(QString::fromUtf8(reinterpret_cast<const char *>(data), qsizetype(size)));
    return 0;
}
