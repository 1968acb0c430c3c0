#include "measurement.h"

#include "numericentry.h"
#include "term.h"

#include <QHash>
#include <QStringList>

#include <cmath>
#include <numeric>
#include <string>
#include <vector>

namespace Zyntra {

namespace {

// The fractions a font has a character of its own for.
struct Glyph {
    char16_t character;
    int numerator;
    int denominator;
};
constexpr Glyph Glyphs[] = {
    {u'½', 1, 2}, {u'¼', 1, 4}, {u'¾', 3, 4}, {u'⅛', 1, 8}, {u'⅜', 3, 8}, {u'⅝', 5, 8}, {u'⅞', 7, 8},
};
constexpr char16_t Superscripts[] = u"⁰¹²³⁴⁵⁶⁷⁸⁹";
constexpr char16_t Subscripts[] = u"₀₁₂₃₄₅₆₇₈₉";
constexpr char16_t FractionSlash = u'⁄';

int digitIn(const char16_t (&digits)[11], QChar c)
{
    for (int d = 0; d < 10; ++d)
        if (c.unicode() == digits[d])
            return d;
    return -1;
}

bool isBlank(QChar c)
{
    return c == u' ' || c == u'\t' || c == QChar::Nbsp || c == u'\u202F';
}

// Typed quotes and the typographic primes, and what a word processor makes of them.
bool isMark(QChar c)
{
    return c == u'\'' || c == u'"' || c == u'′' || c == u'″' || c == u'’' || c == u'”';
}

QChar plainMark(QChar c)
{
    if (c == u'′' || c == u'’')
        return u'\'';
    if (c == u'″' || c == u'”')
        return u'"';
    return c;
}

struct Token {
    enum class Kind { Number, Slash, Fraction, Word, Mark };
    Kind kind;
    QString text;
    int numerator = 0; // of a fraction glyph
    int denominator = 0;
};

// The text cut into numbers, fraction slashes and glyphs, unit words and
// marks; nullopt where a character fits none.
std::optional<std::vector<Token>> tokens(QStringView text)
{
    std::vector<Token> out;
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto isNumberChar = [](QChar c) { return (c >= u'0' && c <= u'9') || c == u'.' || c == u','; };
    while (i < n) {
        const QChar c = text[i];
        if (isBlank(c)) {
            ++i;
        } else if (c == u'.' && !out.empty() && out.back().kind == Token::Kind::Word) {
            ++i; // "sq. ft", "in."
        } else if (isNumberChar(c)) {
            const qsizetype start = i;
            while (i < n && isNumberChar(text[i]))
                ++i;
            out.push_back({Token::Kind::Number, text.sliced(start, i - start).toString()});
        } else if (c == u'/' || (c == FractionSlash && digitIn(Subscripts, i + 1 < n ? text[i + 1] : QChar()) < 0)) {
            out.push_back({Token::Kind::Slash, {}});
            ++i;
        } else if (const auto glyph = std::find_if(std::begin(Glyphs), std::end(Glyphs),
                                                   [c](const Glyph &g) { return g.character == c.unicode(); });
                   glyph != std::end(Glyphs)) {
            out.push_back({Token::Kind::Fraction, {}, glyph->numerator, glyph->denominator});
            ++i;
        } else if (digitIn(Superscripts, c) >= 0) {
            // "⁵⁄₁₆"
            int numerator = 0;
            int denominator = 0;
            for (; i < n && digitIn(Superscripts, text[i]) >= 0 && numerator < 1'000'000; ++i)
                numerator = numerator * 10 + digitIn(Superscripts, text[i]);
            if (i >= n || text[i] != FractionSlash)
                return std::nullopt;
            for (++i; i < n && digitIn(Subscripts, text[i]) >= 0 && denominator < 1'000'000; ++i)
                denominator = denominator * 10 + digitIn(Subscripts, text[i]);
            out.push_back({Token::Kind::Fraction, {}, numerator, denominator});
        } else if (isMark(c)) {
            QString marks;
            for (; i < n && isMark(text[i]); ++i)
                marks += plainMark(text[i]);
            out.push_back({Token::Kind::Mark, marks});
        } else if (c.isLetter() || c == u'²' || c == u'³' || c == u'^') {
            const qsizetype start = i;
            while (i < n && (text[i].isLetter() || text[i] == u'²' || text[i] == u'³' || text[i] == u'^'))
                ++i;
            // "ft2", "m^3": a power written after the unit.
            if (i < n && (text[i] == u'2' || text[i] == u'3') && (i + 1 == n || !isNumberChar(text[i + 1])))
                ++i;
            out.push_back({Token::Kind::Word, text.sliced(start, i - start).toString()});
        } else {
            return std::nullopt;
        }
    }
    return out;
}

// Every way of writing a unit the reader takes, in lower case: its symbol
// and spoken words from the table, and the common spellings.
const QHash<QString, const Unit *> &unitNames()
{
    static const QHash<QString, const Unit *> names = [] {
        QHash<QString, const Unit *> all;
        const auto add = [&all](const QString &name, const Unit *unit) { all.insert(name.toLower(), unit); };
        for (const Unit &unit : unitTable()) {
            // The tape is a way of showing inches, never typed by its name.
            if (&unit == tapeUnit())
                continue;
            const QString symbol = QString::fromUtf8(unit.symbol);
            for (const QString &word : {QString::fromUtf8(unit.singular), QString::fromUtf8(unit.plural)}) {
                add(word, &unit);
                // The American spellings: "meter", "liter".
                add(QString(word).replace(QStringLiteral("tre"), QStringLiteral("ter")), &unit);
            }
            add(symbol, &unit);
            const QChar last = symbol.back();
            if (last == u'²' || last == u'³') {
                const QString base = symbol.chopped(1);
                const QChar power = last == u'²' ? u'2' : u'3';
                add(base + power, &unit);
                add(base + u'^' + power, &unit);
                add((last == u'²' ? QStringLiteral("sq ") : QStringLiteral("cu ")) + base, &unit);
            }
        }
        add(QStringLiteral("'"), findUnit(u"ft"));
        add(QStringLiteral("\""), findUnit(u"in"));
        add(QStringLiteral("cc"), findUnit(u"cm³"));
        return all;
    }();
    return names;
}

const char *kindName(QuantityKind kind)
{
    switch (kind) {
    case QuantityKind::Length:
        return "a length";
    case QuantityKind::Area:
        return "an area";
    case QuantityKind::Volume:
        return "a volume";
    case QuantityKind::Angle:
        return "an angle";
    case QuantityKind::Count:
        return "a count";
    }
    return "";
}

QString symbolsOf(QuantityKind kind)
{
    QStringList symbols;
    for (const Unit *unit : unitsOf(kind))
        if (unit != tapeUnit())
            symbols << QString::fromUtf8(unit->symbol);
    if (kind == QuantityKind::Length)
        symbols << QStringLiteral("' and \" for feet and inches");
    return symbols.join(QStringLiteral(", "));
}

bool imperial(const Unit *unit)
{
    static const QStringList symbols{QStringLiteral("in"), QStringLiteral("ft"), QStringLiteral("yd"),
                                     QStringLiteral("mi")};
    return symbols.contains(QString::fromUtf8(unit->symbol));
}

// One number and its unit, as the parts of "5 ft 3 1/2 in" are.
struct Part {
    long double amount;
    const Unit *unit;
};

QString notANumber(QStringView text)
{
    return QStringLiteral("\"%1\" is not a number.").arg(text);
}

} // namespace

double Measurement::in(const Unit *to) const
{
    return unit && to ? amount * conversionFactor(*unit, *to) : amount;
}

MeasurementReading readMeasurement(QStringView text, QuantityKind kind)
{
    if (const auto number = textToNumber(text))
        return {Measurement{*number, nullptr}, {}};
    const auto cut = tokens(text);
    if (!cut || cut->empty())
        return {std::nullopt, notANumber(text)};

    std::vector<Part> parts;
    bool unitless = false;
    for (size_t i = 0; i < cut->size();) {
        using enum Token::Kind;
        const auto at = [&](size_t k, Token::Kind want) { return k < cut->size() && (*cut)[k].kind == want; };
        const auto whole = [&](size_t k) -> std::optional<long double> {
            const QString &digits = (*cut)[k].text;
            if (std::any_of(digits.begin(), digits.end(), [](QChar c) { return c < u'0' || c > u'9'; }))
                return std::nullopt;
            return textToNumber(digits);
        };
        // A fraction of whole numbers at k: "3/8" is one quotient, so exact where a double holds it.
        QString problem;
        const auto fraction = [&](size_t k) -> std::optional<long double> {
            if (!(at(k, Number) && at(k + 1, Slash) && at(k + 2, Number)))
                return std::nullopt;
            const auto numerator = whole(k);
            const auto denominator = whole(k + 2);
            if (!numerator || !denominator)
                problem = notANumber(text);
            else if (*denominator == 0)
                problem =
                    QStringLiteral("\"%1\" divides by zero in %2/%3.").arg(text, (*cut)[k].text, (*cut)[k + 2].text);
            else
                return *numerator / *denominator;
            return std::nullopt;
        };
        const auto glyph = [&](size_t k) { return (long double)(*cut)[k].numerator / (*cut)[k].denominator; };
        // The number: n/d, n, w n/d, w ½ or ½.
        long double amount = 0;
        if (const auto quotient = fraction(i)) {
            amount = *quotient;
            i += 3;
        } else if (!problem.isEmpty()) {
            return {std::nullopt, problem};
        } else if (at(i, Number)) {
            const auto value = textToNumber((*cut)[i].text);
            if (!value)
                return {std::nullopt, notANumber(text)};
            amount = *value;
            ++i;
            const bool mixed = (at(i, Number) && at(i + 1, Slash)) || at(i, Fraction);
            if (mixed && !whole(i - 1))
                return {std::nullopt, notANumber(text)};
            if (const auto quotient = fraction(i)) {
                amount += *quotient;
                i += 3;
            } else if (!problem.isEmpty()) {
                return {std::nullopt, problem};
            } else if (at(i, Fraction)) {
                amount += glyph(i++);
            }
        } else if (at(i, Fraction) && (*cut)[i].denominator != 0) {
            amount = glyph(i++);
        } else {
            return {std::nullopt, notANumber(text)};
        }
        if (at(i, Slash))
            return {std::nullopt, notANumber(text)};

        // Its unit: a mark, or the words up to the next number.
        QString name;
        if (at(i, Mark)) {
            name = (*cut)[i++].text;
        } else {
            QStringList words;
            while (at(i, Word))
                words << (*cut)[i++].text;
            name = words.join(u' ');
        }
        if (name.isEmpty()) {
            // "5' 3": the inches after the feet go without their mark.
            if (!parts.empty() && QString::fromUtf8(parts.back().unit->symbol) == u"ft" && i == cut->size()) {
                parts.push_back({amount, findUnit(u"in")});
                break;
            }
            if (!parts.empty() || i < cut->size())
                return {std::nullopt, notANumber(text)};
            unitless = true;
            parts.push_back({amount, nullptr});
            break;
        }
        const Unit *unit = unitNames().value(name.toLower());
        if (!unit)
            return {std::nullopt, QStringLiteral("\"%1\" is not a unit Zyntra knows. For %2 it knows %3.")
                                      .arg(name, QString::fromUtf8(kindName(kind)), symbolsOf(kind))};
        if (unit->kind != kind)
            return {std::nullopt, QStringLiteral("%1 measures %2; this value is %3.")
                                      .arg(QString::fromUtf8(unit->symbol), QString::fromUtf8(kindName(unit->kind)),
                                           QString::fromUtf8(kindName(kind)))};
        parts.push_back({amount, unit});
    }

    if (unitless)
        return {Measurement{double(parts.front().amount), nullptr}, {}};
    // "5 ft 3 in": lengths of one system, each part smaller than the one before.
    for (size_t k = 1; k < parts.size(); ++k) {
        if (kind != QuantityKind::Length)
            return {std::nullopt, QStringLiteral("\"%1\" has more than one value; give one.").arg(text)};
        if (imperial(parts[k].unit) != imperial(parts[k - 1].unit))
            return {std::nullopt,
                    QStringLiteral("\"%1\" mixes metric and imperial units; give it in one of them.").arg(text)};
        if (parts[k].unit->size >= parts[k - 1].unit->size)
            return {
                std::nullopt,
                QStringLiteral("\"%1\" gives its units out of order; write the larger first, as 5 ft 3 in.").arg(text)};
    }
    const Unit *smallest = parts.back().unit;
    long double total = 0;
    for (const Part &part : parts)
        total += part.amount * (part.unit->size / smallest->size);
    if (!std::isfinite(double(total)))
        return {std::nullopt, QStringLiteral("\"%1\" is too large.").arg(text)};
    return {Measurement{double(total), smallest}, {}};
}

namespace {

struct TapeParts {
    double feet;
    long long inches;
    int numerator; // of the fraction of an inch, in lowest terms
    int denominator;
};

// Rounded to the nearest 1/denominator of an inch; whole feet past the
// range where a double tells such fractions apart.
TapeParts tapeParts(double inches, int denominator)
{
    if (!std::isfinite(inches))
        return {0, 0, 0, 1};
    const double steps = std::round(std::fabs(inches) * denominator);
    const double perFoot = 12.0 * denominator;
    if (steps >= 0x1p53)
        return {std::round(std::fabs(inches) / 12), 0, 0, 1};
    const auto n = static_cast<long long>(steps);
    const long long rest = n % static_cast<long long>(perFoot);
    int numerator = int(rest % denominator);
    int lowest = denominator;
    if (numerator != 0) {
        const int g = std::gcd(numerator, denominator);
        numerator /= g;
        lowest /= g;
    }
    return {double(n / static_cast<long long>(perFoot)), rest / denominator, numerator, lowest};
}

QString fractionGlyph(int numerator, int denominator)
{
    for (const Glyph &glyph : Glyphs)
        if (glyph.numerator == numerator && glyph.denominator == denominator)
            return QString(QChar(glyph.character));
    QString out;
    for (const QChar digit : QString::fromStdString(std::to_string(numerator)))
        out += QChar(Superscripts[digit.digitValue()]);
    out += QChar(FractionSlash);
    for (const QChar digit : QString::fromStdString(std::to_string(denominator)))
        out += QChar(Subscripts[digit.digitValue()]);
    return out;
}

QString fractionWords(int numerator, int denominator)
{
    if (denominator == 2)
        return QStringLiteral("a half");
    const char *names[] = {"quarter", "eighth", "sixteenth", "thirty-second", "sixty-fourth"};
    const int which = denominator == 4 ? 0 : denominator == 8 ? 1 : denominator == 16 ? 2 : denominator == 32 ? 3 : 4;
    const QString name = QString::fromUtf8(names[which]);
    if (numerator == 1)
        return (which == 1 ? QStringLiteral("an ") : QStringLiteral("a ")) + name;
    return QStringLiteral("%1 %2s").arg(numerator).arg(name);
}

} // namespace

namespace {
int chosenDenominator = DefaultTapeDenominator;
} // namespace

int tapeDenominator()
{
    return chosenDenominator;
}

void setTapeDenominator(int denominator)
{
    if (std::ranges::find(TapeDenominators, denominator) != std::end(TapeDenominators))
        chosenDenominator = denominator;
}

QString tapeReading(double inches, int denominator)
{
    const TapeParts t = tapeParts(inches, denominator);
    QString text = (inches < 0 && (t.feet > 0 || t.inches > 0 || t.numerator > 0)) ? QStringLiteral("−") : QString();
    text += fullNumber(t.feet) + u'′' + u' ';
    if (t.inches > 0 || t.numerator == 0)
        text += QString::fromStdString(std::to_string(t.inches));
    if (t.numerator > 0)
        text += (t.inches > 0 ? QStringLiteral(" ") : QString()) + fractionGlyph(t.numerator, t.denominator);
    return text + u'″';
}

QString spokenTapeReading(double inches, int denominator)
{
    const TapeParts t = tapeParts(inches, denominator);
    QStringList words;
    if (inches < 0 && (t.feet > 0 || t.inches > 0 || t.numerator > 0))
        words << QStringLiteral("minus");
    if (t.feet > 0 || (t.inches == 0 && t.numerator == 0))
        words << fullNumber(t.feet) + (t.feet == 1 ? QStringLiteral(" foot") : QStringLiteral(" feet"));
    if (t.numerator > 0 && t.inches == 0)
        words << fractionWords(t.numerator, t.denominator) + QStringLiteral(" of an inch");
    else if (t.numerator > 0)
        words << QStringLiteral("%1 and %2 inches").arg(t.inches).arg(fractionWords(t.numerator, t.denominator));
    else if (t.inches > 0)
        words << QString::fromStdString(std::to_string(t.inches))
                     + (t.inches == 1 ? QStringLiteral(" inch") : QStringLiteral(" inches"));
    return words.join(u' ');
}

QString spokenMeasurement(QStringView text)
{
    if (textToNumber(text))
        return {};
    for (const QuantityKind kind : {QuantityKind::Length, QuantityKind::Area, QuantityKind::Volume}) {
        const auto read = readMeasurement(text, kind).measurement;
        if (!read || !read->unit)
            continue;
        const Unit *inch = findUnit(u"in");
        const double inches = read->in(inch);
        const double steps = inches * TapeDenominators[std::size(TapeDenominators) - 1];
        if ((read->unit == inch || read->unit == findUnit(u"ft")) && std::round(steps) == steps)
            return spokenTapeReading(inches, TapeDenominators[std::size(TapeDenominators) - 1]);
        const QString number = workedNumber(read->amount);
        return number + u' ' + spokenUnit(*read->unit, number);
    }
    return {};
}

ProgramValues inProgramUnits(const QStringList &typed, std::span<const Quantity> given, const UnitChoice &choice)
{
    ProgramValues values{typed, QStringList(typed.size(), QString()), std::nullopt};
    if (!choice.length)
        return values;
    for (qsizetype i = 0; i < typed.size() && size_t(i) < given.size(); ++i) {
        const Quantity &quantity = given[size_t(i)];
        if (!quantity.letter || typed[i].isEmpty() || textToNumber(typed[i]))
            continue;
        const MeasurementReading reading = readMeasurement(typed[i], quantity.kind);
        if (!reading.measurement) {
            values.failure = Failure{Failure::Cause::NotAMeasurement, int(i), reading.problem};
            return values;
        }
        const Measurement &read = *reading.measurement;
        const Unit *worked = choice.measured(quantity.kind);
        const double value = worked ? read.in(worked) : read.amount;
        if (!std::isfinite(value)) {
            values.failure =
                Failure{Failure::Cause::NotAMeasurement, int(i), QStringLiteral("\"%1\" is too large.").arg(typed[i])};
            return values;
        }
        values.texts[i] = fullNumber(value);
        if (!read.unit || !worked)
            continue; // a number alone in another shape: "1 1/2"
        // A number in the very unit worked in, "12 in" or "2,5 m", is no conversion.
        const QString &text = typed[i];
        qsizetype lastDigit = text.size();
        while (lastDigit > 0 && !text[lastDigit - 1].isDigit())
            --lastDigit;
        if (read.unit != worked || !textToNumber(QStringView(text).first(lastDigit)))
            values.conversions[i] = withSymbol(workedNumber(value), *worked);
    }
    return values;
}

} // namespace Zyntra
