#pragma once

#include "entry/numericentry.h"

#include <QString>

#include <algorithm>
#include <cmath>
#include <optional>

// Evaluates the numbers of a working on its own, as a pocket calculator
// would: + − × ÷ with the usual precedence, left to right; ² ³ and ^; a
// degree sign after a number, which names its unit;
// √, sin, cos, tan, atan, asin and round(x, 2); parentheses. Empty when the text
// is not such an expression.
class Expression {
public:
    static std::optional<double> evaluate(const QString &text)
    {
        Expression e(text);
        const auto value = e.sum();
        e.skipBlanks();
        if (!value || e.m_at != e.m_text.size())
            return std::nullopt;
        return value;
    }

    // Whether a working's step shows its answer: what the step's value, or
    // one within a ten-millionth of a millionth of it, shows. The working's
    // numbers carry at most 15 significant digits, so its value may stray
    // from the answer's in about the fourteenth, never sooner. An answer
    // shown to fewer digits is held to those.
    static bool shows(const QString &step, const QString &answer, Zyntra::Pattern pattern,
                      Zyntra::Precision precision = Zyntra::Precision::asDescribed(), int certainDigits = 0)
    {
        const auto value = evaluate(step);
        const auto shown = Zyntra::textToNumber(answer);
        if (!value || !shown)
            return false;
        const auto format = [&](double v) {
            return certainDigits > 0 ? Zyntra::formatCertain(v, certainDigits, pattern, precision)
                                     : Zyntra::formatResult(v, pattern, precision);
        };
        const auto near = [&](double factor) { return *Zyntra::textToNumber(format(*value * factor)); };
        // Taken by value: minmax of two temporaries would hand back references to them.
        const auto [low, high] = std::minmax({near(1 - 1e-13), near(1 + 1e-13)});
        return certainDigits < 0 || format(*value) == answer || (low <= *shown && *shown <= high);
    }

private:
    explicit Expression(const QString &text)
        : m_text(text)
    {}

    void skipBlanks()
    {
        while (m_at < m_text.size() && m_text[m_at] == u' ')
            ++m_at;
    }
    bool take(QStringView token)
    {
        skipBlanks();
        if (!QStringView(m_text).mid(m_at).startsWith(token))
            return false;
        m_at += token.size();
        return true;
    }

    std::optional<double> sum()
    {
        auto value = product();
        while (value) {
            if (take(u"+")) {
                const auto right = product();
                value = right ? std::optional(*value + *right) : std::nullopt;
            } else if (take(u"−") || take(u"-")) {
                const auto right = product();
                value = right ? std::optional(*value - *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<double> product()
    {
        auto value = powerOf();
        while (value) {
            if (take(u"×")) {
                const auto right = powerOf();
                value = right ? std::optional(*value * *right) : std::nullopt;
            } else if (take(u"÷")) {
                const auto right = powerOf();
                value = right ? std::optional(*value / *right) : std::nullopt;
            } else {
                break;
            }
        }
        return value;
    }

    std::optional<double> powerOf()
    {
        auto base = atom();
        if (!base)
            return base;
        take(u"°");
        if (take(u"²"))
            return std::pow(*base, 2.0);
        if (take(u"³"))
            return std::pow(*base, 3.0);
        if (take(u"^")) {
            const auto exponent = atom();
            return exponent ? std::optional(std::pow(*base, *exponent)) : std::nullopt;
        }
        return base;
    }

    std::optional<double> atom()
    {
        skipBlanks();
        if (take(u"√")) {
            const auto x = atom();
            return x ? std::optional(std::sqrt(*x)) : std::nullopt;
        }
        for (const auto &[name, f] : {std::pair{u"sin(", &sinOf},
                                      {u"cos(", &cosOf},
                                      {u"tan(", &tanOf},
                                      {u"atan(", &atanOf},
                                      std::pair{u"asin(", &asinOf}}) {
            if (take(name)) {
                const auto x = sum();
                return x && take(u")") ? std::optional(f(*x)) : std::nullopt;
            }
        }
        if (take(u"round(")) {
            const auto x = sum();
            if (!x || !take(u",") || !take(u"2") || !take(u")"))
                return std::nullopt;
            return Zyntra::textToNumber(Zyntra::formatResult(*x, Zyntra::Pattern::OneOrTwoDecimals));
        }
        if (take(u"(")) {
            const auto x = sum();
            return x && take(u")") ? x : std::nullopt;
        }
        const qsizetype start = m_at;
        if (m_at < m_text.size() && (m_text[m_at] == u'-' || m_text[m_at] == u'+'))
            ++m_at;
        while (m_at < m_text.size() && (m_text[m_at].isDigit() || m_text[m_at] == u'.'))
            ++m_at;
        return Zyntra::textToNumber(QStringView(m_text).mid(start, m_at - start));
    }

    static double sinOf(double x) { return std::sin(x); }
    static double cosOf(double x) { return std::cos(x); }
    static double tanOf(double x) { return std::tan(x); }
    static double atanOf(double x) { return std::atan(x); }
    static double asinOf(double x) { return std::asin(x); }

    QString m_text;
    qsizetype m_at = 0;
};
