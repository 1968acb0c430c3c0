#pragma once

#include <QString>
#include <QStringView>
#include <Qt>

#include <optional>
#include <string>
#include <vector>

namespace Zyntra {

// Key code of a keystroke: the typed character as a signed 16-bit value.
// Empty when the key types no character (arrows, Delete, Home...).
// Ctrl+letter is its control code whether the platform puts the control
// character or the letter into the event's text. The keypad's decimal key
// is the full stop on every layout.
std::optional<qint16> keyCodeOf(int key, Qt::KeyboardModifiers modifiers, QStringView text);

// Whether the user's desktop writes decimals with a comma. Then the comma
// key types the full stop and a text with one comma and no full stop reads
// with the comma as its decimal separator; elsewhere the comma groups
// thousands, and taking it would make 1,000 read as 1. Off unless set.
bool decimalComma();
void setDecimalComma(bool comma);

// Value fields accept control codes and "0123456789."; while a length unit
// is chosen, also letters, the space, / ' " ′ ″ ² and ³ for a unit of the
// value's own. Anything else is discarded by setting the code to 0. Under
// the decimal comma, the comma becomes the full stop.
void filterKeyCode(qint16 &keyAscii);

// The longest text a value field holds. A double tells apart no more than
// 17 significant digits, from about 310 places before the point to 325
// after it, so a value it can hold never needs 400 characters; a longer
// text is a stray paste, and laying out one enormous line would keep the
// window busy for seconds.
inline constexpr qsizetype MaxValueLength = 10'000;

// Reads field text with the full stop as decimal separator in every
// locale, or one comma in its place under the decimal comma. Surrounding
// blanks and one leading sign are tolerated.
std::optional<double> textToNumber(QStringView text);
// The same text as a plain decimal, "-1234.5", exactly as typed: what
// textToNumber reads, before any rounding to a double.
std::optional<std::string> plainDecimal(QStringView text);

enum class Pattern {
    TwoOrThreeDecimals, // "#.00#"
    OneOrTwoDecimals,   // "#.0#"
};

// How many digits an answer shows: the figure's pattern, a fixed number of
// decimals, or a number of significant digits.
struct Precision {
    enum class Kind { AsDescribed, Decimals, Significant };
    Kind kind = Kind::AsDescribed;
    int digits = 0; // decimals or significant digits; unused as described

    static constexpr int MaxDecimals = 10;
    static constexpr int MinSignificant = 3;
    static constexpr int MaxSignificant = 15; // what a double holds for certain

    static constexpr Precision asDescribed() { return {}; }
    static constexpr Precision decimals(int n) { return {Kind::Decimals, n}; }
    static constexpr Precision significant(int n) { return {Kind::Significant, n}; }
    // Within the ranges the user can choose from.
    bool isValid() const;
    friend bool operator==(const Precision &, const Precision &) = default;
};

// Result text from the value's 15 significant digits, halves away from
// zero, with no exponent, no grouping and the full stop in every locale.
// As described it takes the pattern and has no leading zero (.50); a
// chosen precision ignores the pattern, keeps its trailing zeros and
// writes the leading zero (0.50).
QString formatResult(double value, Pattern pattern, Precision precision = Precision::asDescribed());
// The same from a decimal of any length, "-0.00123456789…", rounded once.
QString formatDecimal(QStringView decimal, Pattern pattern, Precision precision = Precision::asDescribed());
// The value to at most `significant` digits, in the shape of its answer: as
// described, the pattern's decimals with zeros for the digits dropped.
QString formatCertain(double value, int significant, Pattern pattern, Precision precision);

// Every precision the user can choose, in the order the menu lists them.
std::vector<Precision> precisionChoices();
// The precision as the menu names it and a record keeps it: "As Described",
// "2 Decimal Places"; through `say`, in the language the menu speaks.
QString precisionCaption(Precision precision, QString (*say)(const char *english) = nullptr);
// The choice a record names by its English caption; none for a caption no choice has.
std::optional<Precision> precisionNamed(const QString &caption);

// The precision answers are shown in, program-wide; as described unless
// the user chose another.
Precision answerPrecision();
void setAnswerPrecision(Precision precision);

} // namespace Zyntra
