#pragma once

#include "entry/term.h"

#include <QRegularExpression>
#include <QString>

#include <charconv>
#include <cmath>
#include <numbers>

// Whether a constant is what its symbol says: its exact value is the
// symbol's own to the last bit ("2π", "π/360", "√3/4", a polygon's
// "5/(4·tan(π/5))"), worked from the library's π, root and tangent; its
// described one is that value rounded to the decimals it is typed with.
// Empty when it is; else what is wrong.
inline QString constantMismatch(const Zyntra::Constant &constant)
{
    const QString symbol = QString::fromUtf8(constant.symbol);
    static const QRegularExpression plain(QStringLiteral("^(\\d*)(π|√(\\d+))(?:/(\\d+))?$"));
    static const QRegularExpression polygon(QStringLiteral("^(\\d+)/\\(4·tan\\(π/(\\d+)\\)\\)$"));
    double worked = 0;
    if (const QRegularExpressionMatch parts = plain.match(symbol); parts.hasMatch()) {
        const double times = parts.captured(1).isEmpty() ? 1 : parts.captured(1).toDouble();
        const double root = parts.captured(3).isEmpty() ? std::numbers::pi : std::sqrt(parts.captured(3).toDouble());
        const double over = parts.captured(4).isEmpty() ? 1 : parts.captured(4).toDouble();
        worked = times * root / over;
    } else if (const QRegularExpressionMatch sides = polygon.match(symbol);
               sides.hasMatch() && sides.captured(1) == sides.captured(2)) {
        const long double n = sides.captured(1).toDouble();
        worked = double(n / (4 * std::tan(std::numbers::pi_v<long double> / n)));
    } else if (symbol == QStringLiteral("1")) {
        worked = 1;
    } else {
        return symbol + QStringLiteral(": a symbol no check reads");
    }
    if (constant.exact != worked && constant.exact != std::nextafter(worked, constant.exact))
        return symbol + QStringLiteral(": %1 is not %2").arg(constant.exact, 0, 'g', 17).arg(worked, 0, 'g', 17);

    char digits[32];
    const auto written = [&digits](auto... format) {
        return QString::fromLatin1(digits, std::to_chars(digits, digits + sizeof digits, format...).ptr - digits);
    };
    const QString typed = written(constant.described, std::chars_format::fixed);
    const int decimals = typed.contains(u'.') ? int(typed.size() - typed.indexOf(u'.') - 1) : 0;
    // Rounded, all but the dodecagon's 11.1961, which its table cuts short.
    const QString longer = written(constant.exact, std::chars_format::fixed, decimals + 6);
    const QString expected = symbol == QStringLiteral("12/(4·tan(π/12))")
                                 ? longer.left(longer.size() - (decimals ? 6 : 7))
                                 : written(constant.exact, std::chars_format::fixed, decimals);
    return typed == expected ? QString()
                             : symbol + QStringLiteral(": typed %1, the exact value gives %2").arg(typed, expected);
}
