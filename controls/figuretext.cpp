#include "figuretext.h"

#include <QCoreApplication>
#include <QRegularExpression>

#include <algorithm>
#include <vector>

namespace Zyntra {

namespace {

// The sentences the arithmetic puts together in English, with the places
// its names, letters and numbers fill.
// clang-format off
constexpr const char *Sentences[] = {
    // values that make no figure
    QT_TRANSLATE_NOOP("Figures", "%1 must be %2."),
    QT_TRANSLATE_NOOP("Figures", "%1 must not be larger than the %2."),
    QT_TRANSLATE_NOOP("Figures", "Side %1 must be shorter than the hypotenuse c."),
    QT_TRANSLATE_NOOP("Figures", "Depth d must not be more than the tank's height, %1."),
    QT_TRANSLATE_NOOP("Figures", "%1 is shorter than %2 × sin %3, so it cannot close the triangle: no triangle fits these values. %1 = %4 would, with %5 a right angle."),
    QT_TRANSLATE_NOOP("Figures", "%1 must be longer than %2, as %3 is 90° or more: no triangle fits these values."),
    QT_TRANSLATE_NOOP("Figures", "%1 does not agree with the other values given: they make it %2%3, and a given %4 may differ by %5 at most."),
    QT_TRANSLATE_NOOP("Figures", "%1 is as long as the other two sides together, or longer: no triangle has such sides."),
    QT_TRANSLATE_NOOP("Figures", "%1 and %2 add up to 180° or more: no triangle has such angles."),
    // typed measurements
    QT_TRANSLATE_NOOP("Figures", "\"%1\" is not a number."),
    QT_TRANSLATE_NOOP("Figures", "\"%1\" divides by zero in %2/%3."),
    QT_TRANSLATE_NOOP("Figures", "\"%1\" is not a unit Zyntra knows. For %2 it knows %3."),
    QT_TRANSLATE_NOOP("Figures", "%1, ' and \" for feet and inches"),
    QT_TRANSLATE_NOOP("Figures", "%1 measures %2; this value is %3."),
    QT_TRANSLATE_NOOP("Figures", "\"%1\" has more than one value; give one."),
    QT_TRANSLATE_NOOP("Figures", "\"%1\" mixes metric and imperial units; give it in one of them."),
    QT_TRANSLATE_NOOP("Figures", "\"%1\" gives its units out of order; write the larger first, as 5 ft 3 in."),
    QT_TRANSLATE_NOOP("Figures", "\"%1\" is too large."),
    // the notes of a working
    QT_TRANSLATE_NOOP("Figures", "solved from %1 and %2"),
    QT_TRANSLATE_NOOP("Figures", "solved so that %1 = %2"),
    QT_TRANSLATE_NOOP("Figures", "found so that %1 = %2"),
    QT_TRANSLATE_NOOP("Figures", "exact: %1 = %2"),
    QT_TRANSLATE_NOOP("Figures", "exact: %1"),
    QT_TRANSLATE_NOOP("Figures", "%1 = %2 gives it too"),
    QT_TRANSLATE_NOOP("Figures", "given as %1"),
    QT_TRANSLATE_NOOP("Figures", "shown to %1 significant digits, as far as the rounding of the steps allows"),
    QT_TRANSLATE_NOOP("Figures", "%1 = %2 × sin %3: the side just reaches, at a right angle"),
    QT_TRANSLATE_NOOP("Figures", "R_G(%1, %2, %3) = %4, Carlson's symmetric elliptic integral"),
    QT_TRANSLATE_NOOP("Figures", "s = %1, the ellipse's rim below the liquid, by Carlson's symmetric elliptic integrals"),
    QT_TRANSLATE_NOOP("Figures", "%1 = %2 = %3, %4"),
    // the calculation sheet and the history
    QT_TRANSLATE_NOOP("Figures", "%1 with %2, drawn to scale"),
    QT_TRANSLATE_NOOP("Figures", "%1 with %2, not to scale"),
    QT_TRANSLATE_NOOP("Figures", "Dip chart, %1"),
    QT_TRANSLATE_NOOP("Figures", "Depth d (%1)"),
    QT_TRANSLATE_NOOP("Figures", "Filled Volume (%1)"),
    QT_TRANSLATE_NOOP("Figures", "every %1%2"),
    QT_TRANSLATE_NOOP("Figures", "Zyntra cannot keep its history in %1 (%2), so the history is off until Zyntra starts again."),
    QT_TRANSLATE_NOOP("Figures", "Zyntra could not use its history file, as %1. The file is kept as %2, and a new history starts now."),
};
// clang-format on

// A sentence and the pattern that reads its filled places back: each
// place a group, a place named twice the same text twice.
struct Sentence {
    const char *english;
    QRegularExpression pattern;
    QList<int> places;    // the number of each group's place, %1 as 1
    QList<bool> verbatim; // a place in quotes holds what the user typed
    qsizetype fixed = 0;  // characters outside the places: the longer, the surer a match
};

const std::vector<Sentence> &sentences()
{
    static const std::vector<Sentence> all = [] {
        static const QRegularExpression Place(QStringLiteral("%(\\d)"));
        std::vector<Sentence> made;
        for (const char *english : Sentences) {
            const QString text = QString::fromUtf8(english);
            Sentence sentence{english, {}, {}, {}, 0};
            QString pattern;
            qsizetype from = 0;
            for (const QRegularExpressionMatch &place : Place.globalMatch(text)) {
                const QString before = text.mid(from, place.capturedStart() - from);
                pattern += QRegularExpression::escape(before);
                sentence.fixed += before.size();
                const int number = place.captured(1).toInt();
                const qsizetype group = sentence.places.indexOf(number);
                if (group >= 0) {
                    pattern += QStringLiteral("\\%1").arg(group + 1);
                } else {
                    pattern += QStringLiteral("(.*?)");
                    sentence.places << number;
                    sentence.verbatim << (before.endsWith(u'"') && text.mid(place.capturedEnd()).startsWith(u'"'));
                }
                from = place.capturedEnd();
            }
            pattern += QRegularExpression::escape(text.mid(from));
            sentence.fixed += text.size() - from;
            sentence.pattern.setPattern(QRegularExpression::anchoredPattern(pattern));
            made.push_back(std::move(sentence));
        }
        std::ranges::stable_sort(made, std::greater{}, &Sentence::fixed);
        return made;
    }();
    return all;
}

QString translated(const char *english)
{
    // One context for every figure window, so that a word is translated once.
    return QCoreApplication::translate("Figures", english);
}

// Whether a catalogue speaks for the figure windows: without one, as in
// English, every text stands as written and no sentence is read back.
bool catalogueInForce()
{
    return translated(Sentences[0]) != QLatin1String(Sentences[0]);
}

// The sentence with its places filled, each filling in the same language
// (the text the user typed as typed), in one pass, so that a filling that
// holds a "%2" stays as it is.
QString filled(const Sentence &sentence, const QRegularExpressionMatch &match)
{
    const QString into = translated(sentence.english);
    QString text;
    for (qsizetype i = 0; i < into.size(); ++i) {
        const qsizetype group = i + 1 < into.size() && into[i] == u'%' && into[i + 1].isDigit()
                                    ? sentence.places.indexOf(into[i + 1].digitValue())
                                    : -1;
        if (group < 0) {
            text += into[i];
            continue;
        }
        const QString filling = match.captured(int(group) + 1);
        text += sentence.verbatim[group] ? filling : figureText(filling);
        ++i;
    }
    return text;
}

} // namespace

QString spokenValue(const QString &english)
{
    if (!catalogueInForce())
        return english;
    // The words a value is heard in, for the catalogue.
    [[maybe_unused]] static const char *const Words[] = {
        QT_TRANSLATE_NOOP("Figures", "of an inch"),
        QT_TRANSLATE_NOOP("Figures", "to the power"),
        QT_TRANSLATE_NOOP("Figures", "a half"),
        QT_TRANSLATE_NOOP("Figures", "a quarter"),
        QT_TRANSLATE_NOOP("Figures", "an eighth"),
        QT_TRANSLATE_NOOP("Figures", "a sixteenth"),
        QT_TRANSLATE_NOOP("Figures", "a thirty-second"),
        QT_TRANSLATE_NOOP("Figures", "a sixty-fourth"),
        QT_TRANSLATE_NOOP("Figures", "pi"),
        QT_TRANSLATE_NOOP("Figures", "squared"),
        QT_TRANSLATE_NOOP("Figures", "root"),
        QT_TRANSLATE_NOOP("Figures", "over"),
        QT_TRANSLATE_NOOP("Figures", "times"),
        QT_TRANSLATE_NOOP("Figures", "plus"),
        QT_TRANSLATE_NOOP("Figures", "minus"),
        QT_TRANSLATE_NOOP("Figures", "and"),
        QT_TRANSLATE_NOOP("Figures", "foot"),
        QT_TRANSLATE_NOOP("Figures", "feet"),
        QT_TRANSLATE_NOOP("Figures", "inch"),
        QT_TRANSLATE_NOOP("Figures", "inches"),
        QT_TRANSLATE_NOOP("Figures", "quarter"),
        QT_TRANSLATE_NOOP("Figures", "quarters"),
        QT_TRANSLATE_NOOP("Figures", "eighth"),
        QT_TRANSLATE_NOOP("Figures", "eighths"),
        QT_TRANSLATE_NOOP("Figures", "sixteenth"),
        QT_TRANSLATE_NOOP("Figures", "sixteenths"),
        QT_TRANSLATE_NOOP("Figures", "thirty-second"),
        QT_TRANSLATE_NOOP("Figures", "thirty-seconds"),
        QT_TRANSLATE_NOOP("Figures", "sixty-fourth"),
        QT_TRANSLATE_NOOP("Figures", "sixty-fourths"),
    };
    // The longest phrase the catalogue says that starts at each word (a
    // unit's "square metres" as well as these words), then on after it.
    // Brackets around a part stay where they are.
    const QStringList words = english.split(u' ');
    QStringList said;
    for (qsizetype at = 0; at < words.size();) {
        qsizetype taken = 1;
        QString say = words[at];
        for (qsizetype length = words.size() - at; length > 0; --length) {
            QString phrase = words.mid(at, length).join(u' ');
            const qsizetype opened = phrase.startsWith(u'(') ? 1 : 0;
            const qsizetype closed = phrase.endsWith(u')') ? 1 : 0;
            phrase = phrase.mid(opened, phrase.size() - opened - closed);
            const QString german = translated(phrase.toUtf8().constData());
            if (german != phrase) {
                taken = length;
                say = QString(opened, u'(') + german + QString(closed, u')');
                break;
            }
        }
        said << say;
        at += taken;
    }
    return said.join(u' ');
}

QString figureText(QStringView english)
{
    const QByteArray source = english.toUtf8();
    QString text = translated(source.constData());
    // Worded sentences only: a word, a letter or a number stands as it is.
    if (text != english || !english.contains(u' ') || !catalogueInForce())
        return text;
    for (const Sentence &sentence : sentences())
        if (const QRegularExpressionMatch match = sentence.pattern.match(english); match.hasMatch())
            return filled(sentence, match);
    // Notes joined into one, a list, the sides of "Diagonal = 5": each part on its own.
    for (const QStringView joint : {u"; ", u", ", u" = "}) {
        if (!english.contains(joint))
            continue;
        QStringList parts;
        for (const QStringView part : english.split(joint))
            parts << figureText(part);
        return parts.join(joint);
    }
    return text;
}

} // namespace Zyntra
