#include "usersettings.h"

#include "controls/zoom.h"

#include <QSettings>

#include <algorithm>
#include <charconv>
#include <cmath>
#include <iterator>
#include <optional>

namespace Zyntra::UserSettings {

namespace {

const QString ExactConstantsKey = QStringLiteral("calculation/exactConstants");
const QString ExactFormsKey = QStringLiteral("display/exactForms");
const QString PrecisionKey = QStringLiteral("display/precision");
const QString TapeKey = QStringLiteral("display/nearestFractionOfInch");
const QString KeepHistoryKey = QStringLiteral("history/keep");
const QString ThemeKey = QStringLiteral("view/theme");
const QString ZoomKey = QStringLiteral("view/zoomPercent");
const QString SplashKey = QStringLiteral("view/splash");
// The words the store names the themes by, in the order of Theme.
const char *const ThemeWords[] = {"desktop", "light", "dark", "contrast"};
const QString LanguageKey = QStringLiteral("view/language");
// The words the store names the languages by, in the order of Language.
const char *const LanguageWords[] = {"desktop", "en", "de"};

// Each the unit's symbol, or nothing for "No Units" and "Same as Lengths".
const std::pair<QuantityKind, QString> UnitKeys[] = {
    {QuantityKind::Length, QStringLiteral("display/lengthUnit")},
    {QuantityKind::Area, QStringLiteral("display/areaUnit")},
    {QuantityKind::Volume, QStringLiteral("display/volumeUnit")},
};

QSettings store()
{
    return QSettings(QSettings::IniFormat, QSettings::UserScope, QStringLiteral("Zyntra"), QStringLiteral("Zyntra"));
}

// The choice a word of the store names, or the first one for any other word.
template <typename Choice, size_t N>
Choice chosenBy(const QString &key, const char *const (&words)[N])
{
    const QSettings settings = store();
    const QString word = settings.status() == QSettings::NoError ? settings.value(key).toString() : QString();
    for (size_t i = 0; i < N; ++i)
        if (word == QLatin1String(words[i]))
            return Choice(i);
    return Choice(0);
}

} // namespace

namespace {

// Anything but a plain yes, hand-edited or damaged, is the default no.
bool yes(const QString &key)
{
    const QSettings settings = store();
    return settings.status() == QSettings::NoError && settings.value(key).toString() == QLatin1String("true");
}

} // namespace

bool exactConstants()
{
    return yes(ExactConstantsKey);
}

bool exactForms()
{
    return yes(ExactFormsKey);
}

namespace {

bool keep(const QString &key, const QVariant &value)
{
    QSettings settings = store();
    if (settings.status() != QSettings::NoError)
        return false;
    settings.setValue(key, value);
    settings.sync();
    return settings.status() == QSettings::NoError;
}

// "described", "decimals 2" or "significant 6": plain words a person can
// read and mend in the file.
const char *const DescribedWord = "described";
const char *const DecimalsWord = "decimals ";
const char *const SignificantWord = "significant ";

} // namespace

bool setExactConstants(bool exact)
{
    return keep(ExactConstantsKey, exact);
}

bool setExactForms(bool on)
{
    return keep(ExactFormsKey, on);
}

Precision precision()
{
    const QSettings settings = store();
    if (settings.status() != QSettings::NoError)
        return Precision::asDescribed();
    const QByteArray value = settings.value(PrecisionKey).toString().toLatin1();
    for (const auto &[word, kind] : {std::pair(DecimalsWord, Precision::Kind::Decimals),
                                     std::pair(SignificantWord, Precision::Kind::Significant)}) {
        if (!value.startsWith(word))
            continue;
        const char *first = value.constData() + qstrlen(word);
        const char *last = value.constData() + value.size();
        Precision chosen{kind, -1};
        const auto [end, error] = std::from_chars(first, last, chosen.digits);
        if (error == std::errc() && end == last && chosen.isValid())
            return chosen;
    }
    // Anything else, hand-edited or damaged, is the default.
    return Precision::asDescribed();
}

bool setPrecision(Precision precision)
{
    QByteArray value = DescribedWord;
    if (precision.kind != Precision::Kind::AsDescribed) {
        char digits[12];
        const auto written = std::to_chars(digits, digits + sizeof digits, precision.digits);
        value = (precision.kind == Precision::Kind::Decimals ? DecimalsWord : SignificantWord)
                + QByteArray(digits, written.ptr - digits);
    }
    return keep(PrecisionKey, QString::fromLatin1(value));
}

namespace {

// A whole number kept under `key`, written and read without a locale;
// none where it is missing or spoilt.
std::optional<int> keptWhole(const QString &key)
{
    const QSettings settings = store();
    const QByteArray value = settings.status() == QSettings::NoError ? settings.value(key).toByteArray() : "";
    int whole = 0;
    const auto [end, error] = std::from_chars(value.constData(), value.constData() + value.size(), whole);
    if (value.isEmpty() || error != std::errc() || end != value.constData() + value.size())
        return std::nullopt;
    return whole;
}

bool keepWhole(const QString &key, int whole)
{
    char digits[12];
    const auto written = std::to_chars(digits, digits + sizeof digits, whole);
    return keep(key, QString::fromLatin1(digits, written.ptr - digits));
}

} // namespace

int tapeDenominator()
{
    const std::optional<int> denominator = keptWhole(TapeKey);
    return denominator && std::ranges::find(TapeDenominators, *denominator) != std::end(TapeDenominators)
               ? *denominator
               : DefaultTapeDenominator;
}

bool setTapeDenominator(int denominator)
{
    return keepWhole(TapeKey, denominator);
}

UnitChoice units()
{
    const QSettings settings = store();
    if (settings.status() != QSettings::NoError)
        return {};
    UnitChoice chosen;
    for (const auto &[kind, key] : UnitKeys) {
        const QString symbol = settings.value(key).toString();
        const Unit *unit = findUnit(symbol);
        // A unit this Zyntra does not know, or of another kind, is a damaged store.
        if (!symbol.isEmpty() && (!unit || unit->kind != kind))
            return {};
        chosen = chosen.with(kind, unit);
    }
    return chosen;
}

bool setUnits(UnitChoice units)
{
    bool kept = true;
    for (const auto &[kind, key] : UnitKeys) {
        const Unit *unit = units.chosen(kind);
        kept = keep(key, unit ? QString::fromUtf8(unit->symbol) : QString()) && kept;
    }
    return kept;
}

namespace {

// Only a plain no turns a choice off that is on unless the user says otherwise.
bool unlessNo(const QString &key)
{
    const QSettings settings = store();
    return settings.status() != QSettings::NoError || settings.value(key).toString() != QLatin1String("false");
}

} // namespace

bool keepHistory()
{
    return unlessNo(KeepHistoryKey);
}

bool setKeepHistory(bool kept)
{
    return keep(KeepHistoryKey, kept);
}

Theme theme()
{
    return chosenBy<Theme>(ThemeKey, ThemeWords);
}

bool setTheme(Theme theme)
{
    return keep(ThemeKey, QString::fromLatin1(ThemeWords[size_t(theme)]));
}

double zoom()
{
    const std::optional<int> percent = keptWhole(ZoomKey);
    return percent ? validZoom(*percent / 100.0) : MinZoom;
}

bool setZoom(double zoom)
{
    return keepWhole(ZoomKey, int(std::lround(zoom * 100)));
}

bool showSplash()
{
    return unlessNo(SplashKey);
}

bool setShowSplash(bool show)
{
    return keep(SplashKey, show);
}

Language language()
{
    return chosenBy<Language>(LanguageKey, LanguageWords);
}

bool setLanguage(Language language)
{
    return keep(LanguageKey, QString::fromLatin1(LanguageWords[size_t(language)]));
}

} // namespace Zyntra::UserSettings
