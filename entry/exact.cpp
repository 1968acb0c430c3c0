#include "exact.h"

#include <QStringList>

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <numeric>
#include <string>
#include <tuple>
#include <vector>

namespace Zyntra {

namespace {

// Past these an exact form helps nobody, and its arithmetic would only grow.
constexpr size_t MostTerms = 6;
constexpr int MostPiPower = 6;
constexpr std::uint64_t MostRadicand = 1'000'000'000'000;
constexpr size_t MostBits = 256;

// n = s² · f with f square-free, where n is small enough to be sure of it.
struct SquareParts {
    mpz_class square = 1; // s
    std::uint64_t free = 1;
};
std::optional<SquareParts> squareParts(const mpz_class &n)
{
    if (mpz_perfect_square_p(n.get_mpz_t())) {
        mpz_class root;
        mpz_sqrt(root.get_mpz_t(), n.get_mpz_t());
        return SquareParts{root, 1};
    }
    if (n > mpz_class(std::to_string(MostRadicand)))
        return std::nullopt;
    std::uint64_t rest = n.get_ui();
    SquareParts parts;
    std::uint64_t root = 1;
    // Past the cube root of what is left, at most two primes remain: p, pq or p².
    for (std::uint64_t d = 2; d * d * d <= rest; d += d == 2 ? 1 : 2) {
        int times = 0;
        for (; rest % d == 0; rest /= d)
            ++times;
        for (int i = 0; i < times / 2; ++i)
            root *= d;
        if (times % 2)
            parts.free *= d;
    }
    const auto whole = std::uint64_t(std::llround(std::sqrt(double(rest))));
    if (whole * whole == rest)
        root *= whole;
    else
        parts.free *= rest;
    parts.square = mpz_class(std::to_string(root));
    return parts;
}

mpz_class fromUnsigned(std::uint64_t n)
{
    return mpz_class(std::to_string(n));
}

bool tooLarge(const mpq_class &q)
{
    return mpz_sizeinbase(q.get_num_mpz_t(), 2) > MostBits || mpz_sizeinbase(q.get_den_mpz_t(), 2) > MostBits;
}

// Exact sines of the whole degrees from 0 to 90 that have them, in terms of
// √2, √3, √5 and √6; the others there have none of this kind.
struct SineRow {
    int degrees;
    mpq_class rational; // a + b√2 + c√3 + d√5 + e√6
    mpq_class root2, root3, root5, root6;
};
const std::array<SineRow, 9> &sines()
{
    static const std::array<SineRow, 9> rows{{
        {0, 0, 0, 0, 0, 0},
        {15, 0, mpq_class(-1, 4), 0, 0, mpq_class(1, 4)},
        {18, mpq_class(-1, 4), 0, 0, mpq_class(1, 4), 0},
        {30, mpq_class(1, 2), 0, 0, 0, 0},
        {45, 0, mpq_class(1, 2), 0, 0, 0},
        {54, mpq_class(1, 4), 0, 0, mpq_class(1, 4), 0},
        {60, 0, 0, mpq_class(1, 2), 0, 0},
        {75, 0, mpq_class(1, 4), 0, 0, mpq_class(1, 4)},
        {90, 1, 0, 0, 0, 0},
    }};
    return rows;
}

// The whole number of degrees an angle in radians stands for, from 0 to 359.
std::optional<long> wholeDegrees(const Exact &radians)
{
    const std::optional<mpq_class> turns = (radians / Exact::pi()).rationalValue();
    if (!turns)
        return std::nullopt;
    const mpq_class degrees = *turns * 180;
    if (degrees.get_den() != 1 || !degrees.get_num().fits_slong_p())
        return std::nullopt;
    const long d = degrees.get_num().get_si() % 360;
    return d < 0 ? d + 360 : d;
}

// sin of 0 to 90 degrees, by the table, each worked once.
Exact firstQuadrantSine(long degrees)
{
    static const std::vector<std::pair<long, Exact>> values = [] {
        std::vector<std::pair<long, Exact>> rows;
        for (const SineRow &row : sines()) {
            Exact value = Exact::rational(row.rational);
            const std::pair<const mpq_class *, int> roots[] = {
                {&row.root2, 2}, {&row.root3, 3}, {&row.root5, 5}, {&row.root6, 6}};
            for (const auto &[coefficient, n] : roots)
                if (*coefficient != 0)
                    value = value + Exact::rational(*coefficient) * sqrt(Exact::rational(n));
            rows.emplace_back(row.degrees, value);
        }
        return rows;
    }();
    for (const auto &[rowDegrees, value] : values)
        if (rowDegrees == degrees)
            return value;
    return Exact::none();
}

Exact sineOfDegrees(long degrees)
{
    if (degrees >= 180)
        return -sineOfDegrees(degrees - 180);
    return firstQuadrantSine(degrees > 90 ? 180 - degrees : degrees);
}

// A decimal of `digits` significant digits from a long float.
QString decimalText(const mpf_class &value, int digits)
{
    mp_exp_t exponent = 0;
    const std::string mantissa = value.get_str(exponent, 10, size_t(digits));
    if (mantissa.empty())
        return QStringLiteral("0");
    const bool negative = mantissa.front() == '-';
    std::string figures = negative ? mantissa.substr(1) : mantissa;
    std::string out;
    if (exponent <= 0)
        out = "0." + std::string(size_t(-exponent), '0') + figures;
    else if (size_t(exponent) >= figures.size())
        out = figures + std::string(size_t(exponent) - figures.size(), '0');
    else
        out = figures.substr(0, size_t(exponent)) + "." + figures.substr(size_t(exponent));
    return QString::fromStdString((negative ? "-" : "") + out);
}

constexpr unsigned LongBits = 512;

mpf_class longPi()
{
    // From whole digits: GMP reads a decimal point as the desktop's locale writes it.
    static const mpf_class pi = [] {
        const mpz_class digits("3141592653589793238462643383279502884197169399375105820974944592307816406286208998"
                               "628034825342117067982148086513282306647093844",
                               10);
        mpz_class scale;
        mpz_ui_pow_ui(scale.get_mpz_t(), 10, 126);
        return mpf_class(mpf_class(digits, LongBits) / mpf_class(scale, LongBits), LongBits);
    }();
    return pi;
}

} // namespace

Exact Exact::none()
{
    Exact x;
    x.m_known = false;
    return x;
}

Exact Exact::rational(const mpq_class &q)
{
    return term({}, q);
}

Exact Exact::typed(double value)
{
    if (!std::isfinite(value))
        return none();
    char digits[32];
    const auto [end, error] = std::to_chars(digits, digits + sizeof digits, value);
    if (error != std::errc())
        return none();
    const std::string text(digits, end);
    // "-1.25e-07": a sign, figures with a point, an exponent.
    const size_t e = text.find('e');
    std::string figures = text.substr(0, e);
    long exponent = e == std::string::npos ? 0 : std::stol(text.substr(e + 1));
    const bool negative = !figures.empty() && figures.front() == '-';
    if (negative)
        figures.erase(0, 1);
    if (const size_t point = figures.find('.'); point != std::string::npos) {
        exponent -= long(figures.size() - point - 1);
        figures.erase(point, 1);
    }
    mpq_class q{mpz_class(figures, 10)};
    mpz_class ten;
    mpz_ui_pow_ui(ten.get_mpz_t(), 10, (unsigned long)std::labs(exponent));
    q = exponent >= 0 ? mpq_class(q * ten) : mpq_class(q / ten);
    q.canonicalize();
    return rational(negative ? mpq_class(-q) : q);
}

Exact Exact::pi(int power)
{
    return term({power, 1}, 1);
}

Exact Exact::term(Key key, const mpq_class &coefficient)
{
    Exact x;
    x.add(key, coefficient);
    return x.bounded();
}

void Exact::add(Key key, const mpq_class &coefficient)
{
    if (coefficient == 0)
        return;
    mpq_class &sum = m_terms[key];
    sum += coefficient;
    if (sum == 0)
        m_terms.erase(key);
}

Exact &Exact::bounded()
{
    if (!m_known || m_terms.size() > MostTerms)
        return *this = none();
    for (const auto &[key, coefficient] : m_terms)
        if (std::abs(key.piPower) > MostPiPower || key.radicand > MostRadicand || tooLarge(coefficient))
            return *this = none();
    return *this;
}

std::optional<mpq_class> Exact::rationalValue() const
{
    if (!m_known)
        return std::nullopt;
    if (m_terms.empty())
        return mpq_class(0);
    if (m_terms.size() == 1 && m_terms.begin()->first == Key{})
        return m_terms.begin()->second;
    return std::nullopt;
}

Exact operator+(const Exact &a, const Exact &b)
{
    if (!a.m_known || !b.m_known)
        return Exact::none();
    Exact sum = a;
    for (const auto &[key, coefficient] : b.m_terms)
        sum.add(key, coefficient);
    return sum.bounded();
}

Exact operator-(const Exact &a)
{
    Exact negated = a;
    for (auto &[key, coefficient] : negated.m_terms)
        coefficient = -coefficient;
    return negated;
}

Exact operator-(const Exact &a, const Exact &b)
{
    return a + -b;
}

Exact operator*(const Exact &a, const Exact &b)
{
    if (!a.m_known || !b.m_known)
        return Exact::none();
    Exact product;
    for (const auto &[x, p] : a.m_terms)
        for (const auto &[y, q] : b.m_terms) {
            // √m·√n = g·√((m/g)(n/g)), whose two factors are coprime and square-free.
            const std::uint64_t g = std::gcd(x.radicand, y.radicand);
            const std::uint64_t m = x.radicand / g;
            const std::uint64_t n = y.radicand / g;
            if (n > MostRadicand / m)
                return Exact::none();
            product.add({x.piPower + y.piPower, m * n}, p * q * fromUnsigned(g));
        }
    return product.bounded();
}

Exact operator/(const Exact &a, const Exact &b)
{
    if (!a.m_known || !b.m_known || b.m_terms.empty())
        return Exact::none();
    if (b.m_terms.size() == 1) {
        // 1/(q·πᵏ·√n) = √n / (q·n) · π⁻ᵏ
        const auto &[key, q] = *b.m_terms.begin();
        return a * Exact::term({-key.piPower, key.radicand}, 1 / (q * fromUnsigned(key.radicand)));
    }
    if (b.m_terms.size() == 2) {
        // x√m + y√n over one power of π: times its conjugate it is rational.
        const auto &[first, x] = *b.m_terms.begin();
        const auto &[second, y] = *std::next(b.m_terms.begin());
        if (first.piPower == second.piPower) {
            const Exact conjugate = Exact::term({0, first.radicand}, x) - Exact::term({0, second.radicand}, y);
            const mpq_class norm = x * x * fromUnsigned(first.radicand) - y * y * fromUnsigned(second.radicand);
            return a * conjugate * Exact::term({-first.piPower, 1}, 1 / norm);
        }
    }
    return Exact::none();
}

Exact sqrt(const Exact &x)
{
    if (!x.m_known)
        return Exact::none();
    if (x.m_terms.empty())
        return {};
    const auto rootOfRational = [](const mpq_class &q) -> Exact {
        if (q < 0)
            return Exact::none();
        // √(a/b) = (s/t)·√(f·g)/g for a = s²f and b = t²g.
        const auto top = squareParts(q.get_num());
        const auto bottom = squareParts(q.get_den());
        if (!top || !bottom || top->free > MostRadicand / bottom->free)
            return Exact::none();
        mpq_class coefficient(top->square, bottom->square * fromUnsigned(bottom->free));
        coefficient.canonicalize();
        return Exact::term({0, top->free * bottom->free}, coefficient);
    };
    const int piPower = x.m_terms.begin()->first.piPower;
    for (const auto &[key, coefficient] : x.m_terms)
        if (key.piPower != piPower)
            return Exact::none();
    if (piPower % 2)
        return Exact::none();
    const Exact piPart = Exact::pi(piPower / 2);
    if (x.m_terms.size() == 1 && x.m_terms.begin()->first.radicand == 1)
        return rootOfRational(x.m_terms.begin()->second) * piPart;
    if (x.m_terms.size() == 2 && x.m_terms.begin()->first.radicand == 1) {
        // √(a + b√n) = √((a + d)/2) ± √((a − d)/2) where d = √(a² − b²n) is rational.
        const mpq_class &a = x.m_terms.begin()->second;
        const auto &[key, b] = *std::next(x.m_terms.begin());
        const std::optional<mpq_class> d =
            sqrt(Exact::rational(a * a - b * b * fromUnsigned(key.radicand))).rationalValue();
        if (!d)
            return Exact::none();
        const Exact larger = rootOfRational((a + *d) / 2);
        const Exact smaller = rootOfRational((a - *d) / 2);
        return (b > 0 ? larger + smaller : larger - smaller) * piPart;
    }
    return Exact::none();
}

Exact power(const Exact &base, const Exact &exponent)
{
    const std::optional<mpq_class> n = exponent.rationalValue();
    if (!base.m_known || !n)
        return Exact::none();
    if (*n == mpq_class(1, 2))
        return sqrt(base);
    if (n->get_den() != 1 || abs(n->get_num()) > 12)
        return Exact::none();
    const long times = n->get_num().get_si();
    Exact result = Exact::rational(1);
    for (long i = 0; i < std::labs(times); ++i)
        result = result * base;
    return times < 0 ? Exact::rational(1) / result : result;
}

Exact sin(const Exact &radians)
{
    const std::optional<long> degrees = wholeDegrees(radians);
    return degrees ? sineOfDegrees(*degrees) : Exact::none();
}

Exact cos(const Exact &radians)
{
    const std::optional<long> degrees = wholeDegrees(radians);
    return degrees ? sineOfDegrees((450 - *degrees) % 360) : Exact::none();
}

Exact tan(const Exact &radians)
{
    return sin(radians) / cos(radians);
}

Exact atan(const Exact &x)
{
    if (!x.m_known)
        return Exact::none();
    // The tangents of the table's angles, worked once: a triangle asks for
    // several angles at each CALCULATE.
    struct TangentRow {
        Exact angle;
        Exact tangent;
    };
    static const std::vector<TangentRow> tangents = [] {
        std::vector<TangentRow> rows;
        for (const SineRow &row : sines()) {
            if (row.degrees == 90)
                continue;
            mpq_class turns(row.degrees, 180);
            turns.canonicalize();
            const Exact angle = Exact::rational(turns) * Exact::pi();
            rows.push_back({angle, tan(angle)});
        }
        return rows;
    }();
    for (const TangentRow &row : tangents) {
        if (row.tangent == x)
            return row.angle;
        if (row.tangent == -x)
            return -row.angle;
    }
    return Exact::none();
}

QString Exact::decimal(int digits) const
{
    if (!m_known)
        return {};
    mpf_class sum(0, LongBits);
    for (const auto &[key, coefficient] : m_terms) {
        mpf_class value(coefficient, LongBits);
        mpf_class root(0, LongBits);
        mpf_class radicand(fromUnsigned(key.radicand), LongBits);
        mpf_sqrt(root.get_mpf_t(), radicand.get_mpf_t());
        value *= root;
        for (int i = 0; i < std::abs(key.piPower); ++i)
            value = key.piPower > 0 ? mpf_class(value * longPi(), LongBits) : mpf_class(value / longPi(), LongBits);
        sum += value;
    }
    return decimalText(sum, digits);
}

double Exact::approximate() const
{
    if (!m_known)
        return std::nan("");
    const std::string text = decimal(25).toStdString();
    double value = 0;
    std::from_chars(text.data(), text.data() + text.size(), value);
    return value;
}

namespace {

QString piText(int power, bool spoken)
{
    if (power == 0)
        return {};
    if (spoken)
        return power == 1   ? QStringLiteral("pi")
               : power == 2 ? QStringLiteral("pi squared")
                            : QStringLiteral("pi to the power %1").arg(power);
    static const QString Superscripts = QStringLiteral("⁰¹²³⁴⁵⁶⁷⁸⁹");
    return power == 1 ? QStringLiteral("π") : QStringLiteral("π") + Superscripts[power];
}

QString integerText(const mpz_class &n)
{
    return QString::fromStdString(n.get_str());
}

} // namespace

QString Exact::written(bool spoken) const
{
    if (!m_known)
        return {};
    if (m_terms.empty())
        return QStringLiteral("0");
    const QString space = spoken ? QStringLiteral(" ") : QString();
    const QString root = spoken ? QStringLiteral("root ") : QStringLiteral("√");
    const QString over = spoken ? QStringLiteral(" over ") : QStringLiteral("/");

    // A factor every term shares comes out in front: its rational part and
    // its power of π, where all terms have the same one.
    mpz_class numerators = 0;
    mpz_class denominators = 1;
    const int piPower = m_terms.begin()->first.piPower;
    bool samePi = true;
    for (const auto &[key, coefficient] : m_terms) {
        mpz_gcd(numerators.get_mpz_t(), numerators.get_mpz_t(), coefficient.get_num_mpz_t());
        mpz_lcm(denominators.get_mpz_t(), denominators.get_mpz_t(), coefficient.get_den_mpz_t());
        samePi = samePi && key.piPower == piPower;
    }
    // A minus comes out in front only where every term has one.
    const bool allNegative =
        std::all_of(m_terms.begin(), m_terms.end(), [](const auto &term) { return term.second < 0; });
    mpq_class factor(numerators, denominators);
    factor.canonicalize();
    const int factorPi = samePi ? piPower : 0;
    if (allNegative)
        factor = -factor;

    // One term: its coefficient, its π and its root over its denominator.
    const auto termText = [&](const mpq_class &q, int pi, std::uint64_t radicand) {
        const mpz_class top = abs(q.get_num());
        QStringList parts;
        const bool bare = top == 1 && (pi > 0 || radicand != 1);
        if (!bare)
            parts << integerText(top);
        if (pi > 0)
            parts << piText(pi, spoken);
        if (radicand != 1)
            parts << root + QString::fromStdString(std::to_string(radicand));
        QString text = parts.join(space);
        QStringList under;
        if (q.get_den() != 1)
            under << integerText(q.get_den());
        if (pi < 0)
            under << piText(-pi, spoken);
        if (!under.isEmpty()) {
            const QString bottom = under.join(space);
            text += over + (under.size() > 1 && !spoken ? u'(' + bottom + u')' : bottom);
        }
        return text;
    };

    if (m_terms.size() == 1) {
        const auto &[key, coefficient] = *m_terms.begin();
        const QString text = termText(coefficient, key.piPower, key.radicand);
        return coefficient < 0 ? (spoken ? QStringLiteral("minus ") : QStringLiteral("−")) + text : text;
    }
    // Terms in the order a textbook writes them: rational first, then the
    // larger roots, but led by a positive one: "(√6 − √2)/4", "2 − √3".
    std::vector<Terms::const_iterator> order;
    for (auto it = m_terms.begin(); it != m_terms.end(); ++it)
        order.push_back(it);
    std::sort(order.begin(), order.end(), [](auto a, auto b) {
        const auto rank = [](const Key &key) { return std::tuple(key.piPower, key.radicand != 1, ~key.radicand); };
        return rank(a->first) < rank(b->first);
    });
    const auto positive = std::find_if(order.begin(), order.end(), [&](auto it) { return it->second / factor > 0; });
    if (positive != order.end())
        std::rotate(order.begin(), positive, positive + 1);
    QString inner;
    for (const auto &it : order) {
        const mpq_class part = it->second / factor;
        const QString text = termText(part, it->first.piPower - factorPi, it->first.radicand);
        if (inner.isEmpty())
            inner = part < 0 ? (spoken ? QStringLiteral("minus ") : QStringLiteral("−")) + text : text;
        else
            inner += (part < 0 ? (spoken ? QStringLiteral(" minus ") : QStringLiteral(" − "))
                               : (spoken ? QStringLiteral(" plus ") : QStringLiteral(" + ")))
                     + text;
    }
    if (factor == 1 && factorPi == 0)
        return inner;
    // "3π(3 + √58)", "(√6 + √2)/4"
    QStringList front;
    if (abs(factor.get_num()) != 1)
        front << integerText(abs(factor.get_num()));
    if (factorPi > 0)
        front << piText(factorPi, spoken);
    QString text = (factor < 0 ? (spoken ? QStringLiteral("minus ") : QStringLiteral("−")) : QString())
                   + front.join(space)
                   + (spoken ? (front.isEmpty() ? QString() : QStringLiteral(" times ")) + u'(' + inner + u')'
                             : u'(' + inner + u')');
    QStringList under;
    if (factor.get_den() != 1)
        under << integerText(factor.get_den());
    if (factorPi < 0)
        under << piText(-factorPi, spoken);
    if (!under.isEmpty())
        text += over + (under.size() > 1 && !spoken ? u'(' + under.join(space) + u')' : under.join(space));
    return text;
}

QString Exact::text() const
{
    return written(false);
}

QString Exact::spoken() const
{
    return written(true);
}

} // namespace Zyntra
