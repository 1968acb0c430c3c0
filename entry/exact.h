#pragma once

#include <QString>

#include <gmpxx.h>

#include <compare>
#include <cstdint>
#include <map>
#include <optional>
#include <string_view>

namespace Zyntra {

// An answer as geometry homework asks for it: a sum of terms, each a
// rational times a power of π times the square root of a square-free
// integer ("25π", "5√2", "15/4", "3π(3 + √58)"). A step whose result is not
// of that kind, or grows past a bounded size, gives a value with no exact
// form, and so does every step after it.
class Exact {
public:
    Exact() = default; // zero
    static Exact none();
    static Exact rational(const mpq_class &q);
    // The decimal that reads back as this double in the fewest digits: the
    // value the user typed, 2.5 as 5/2 and 0.1 as 1/10.
    static Exact typed(double value);
    // A plain decimal as typed, "-1234.5" or "1.25e-07", digit for digit.
    static Exact typed(std::string_view decimal);
    static Exact pi(int power = 1);

    bool known() const { return m_known; }
    std::optional<mpq_class> rationalValue() const;

    friend Exact operator+(const Exact &a, const Exact &b);
    friend Exact operator-(const Exact &a, const Exact &b);
    friend Exact operator*(const Exact &a, const Exact &b);
    friend Exact operator/(const Exact &a, const Exact &b);
    friend Exact operator-(const Exact &a);
    friend bool operator==(const Exact &a, const Exact &b) = default;

    friend Exact sqrt(const Exact &x);
    friend Exact power(const Exact &base, const Exact &exponent);
    // Of an angle in radians that is a whole number of degrees times π/180:
    // exact at the multiples of 15° and 18° where the value is of this kind.
    friend Exact sin(const Exact &radians);
    friend Exact cos(const Exact &radians);
    friend Exact tan(const Exact &radians);
    // The angle, in radians, whose tangent this is, where that angle is one
    // of those above.
    friend Exact atan(const Exact &x);

    // Worked out to `digits` significant digits in decimal, with π and the
    // roots to more digits than that: "3.1415926535897932384626433832795028841971693993751".
    QString decimal(int digits = 50) const;
    double approximate() const;

    // "3π(3 + √58)"; empty with no exact form.
    QString text() const;
    // "3 pi times (3 plus root 58)", for a screen reader.
    QString spoken() const;

private:
    struct Key {
        int piPower = 0;
        std::uint64_t radicand = 1; // square-free
        auto operator<=>(const Key &) const = default;
    };
    using Terms = std::map<Key, mpq_class>;
    static Exact term(Key key, const mpq_class &coefficient);
    void add(Key key, const mpq_class &coefficient);
    Exact &bounded();
    QString written(bool spoken) const;

    Terms m_terms;
    bool m_known = true;
};

} // namespace Zyntra
