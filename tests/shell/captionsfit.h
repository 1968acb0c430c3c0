#pragma once

#include <QAbstractButton>
#include <QFile>
#include <QGroupBox>
#include <QLabel>
#include <QList>
#include <QRegularExpression>
#include <QSet>
#include <QStringList>
#include <QXmlStreamReader>

#include <algorithm>

// The captions of a window whose text does not fit its box: too wide, or
// running into what lies below it. A caption label draws a text a little
// too wide in a smaller font: `shrinking` is how much smaller it may be
// (0.05 for a twentieth) and still count as whole.
inline QStringList cutCaptions(QWidget *window, double shrinking = 0)
{
    QStringList cut;
    for (QLabel *label : window->findChildren<QLabel *>()) {
        if (!label->isVisible() || label->text().isEmpty() || label->wordWrap())
            continue;
        const QFontMetrics metrics(label->font());
        // A caption with a buddy draws its "&" as the underline of the key after it.
        const QString text = label->buddy()
                                 ? QString(label->text()).remove(QRegularExpression(QStringLiteral("&(?!&)")))
                                 : label->text();
        const bool shrinks = label->inherits("Zyntra::CaptionLabel");
        const int needed = int(metrics.horizontalAdvance(text) * (shrinks ? 1 - shrinking : 1));
        // Descenders too: a heading must not run into what lies below it.
        const QRect ink = metrics.boundingRect(label->contentsRect(), int(label->alignment()), text);
        QRect room = label->contentsRect().translated(label->mapTo(window, QPoint()));
        for (QWidget *other : window->findChildren<QWidget *>())
            if (other->isVisible() && other != label && !other->isAncestorOf(label) && !label->isAncestorOf(other)
                && other->parentWidget() == label->parentWidget() && other->y() > label->y())
                room.setBottom(std::min(room.bottom(), other->mapTo(window, QPoint()).y() - 1));
        if (needed > label->contentsRect().width()
            || ink.translated(label->mapTo(window, QPoint())).bottom() > room.bottom())
            cut << QStringLiteral("%1 \"%2\" needs %3 of %4")
                       .arg(label->objectName(), label->text())
                       .arg(needed)
                       .arg(label->width());
    }
    return cut;
}

// The words of a text, three letters or more: a letter or a unit is no word.
inline QSet<QString> wordsOf(const QString &text)
{
    static const QRegularExpression Word(QStringLiteral("\\p{L}{3,}"));
    QSet<QString> words;
    for (const QRegularExpressionMatch &match : Word.globalMatch(text))
        words << match.captured();
    return words;
}

// A message of a German catalogue: its source, its translation, and
// whether it is finished (lupdate marks a new or changed one unfinished).
struct GermanMessage {
    QString catalogue;
    QString source;
    QString translation;
    bool finished = false;
};

// The messages of every room's German catalogue; empty where one cannot be read.
inline QList<GermanMessage> germanMessages()
{
    QList<GermanMessage> messages;
    for (const QString &path : QStringLiteral(ZYNTRA_GERMAN_CATALOGUES).split(u'|')) {
        QFile file(path);
        if (!file.open(QIODevice::ReadOnly))
            return {};
        QXmlStreamReader xml(&file);
        QString source;
        while (!xml.atEnd()) {
            if (xml.readNext() != QXmlStreamReader::StartElement)
                continue;
            if (xml.name() == QLatin1String("source")) {
                source = xml.readElementText();
            } else if (xml.name() == QLatin1String("translation")) {
                const bool finished = xml.attributes().value(QLatin1String("type")).isEmpty();
                messages.append({path, source, xml.readElementText(), finished});
            }
        }
        if (xml.hasError())
            return {};
    }
    return messages;
}

// The words of the German catalogues' translations.
inline const QSet<QString> &germanWords()
{
    static const QSet<QString> words = [] {
        QSet<QString> all;
        for (const GermanMessage &message : germanMessages())
            all |= wordsOf(message.translation);
        return all;
    }();
    return words;
}

// A text with a word the German catalogue does not hold: English left
// untranslated. `where` names it. A formula's names and functions
// ("Area ÷ a", "sin") are its letters, and stay in every language: `symbols`.
inline QStringList englishIn(const QString &text, const QString &where, const QSet<QString> &symbols = {})
{
    if (germanWords().contains(wordsOf(text) - symbols))
        return {};
    return {QStringLiteral("%1 \"%2\" is English").arg(where, text)};
}

// The texts a window shows or speaks that hold English.
inline QStringList englishLeft(QWidget *window, const QSet<QString> &symbols = {})
{
    QStringList left;
    for (QWidget *control : window->findChildren<QWidget *>()) {
        if (!control->isVisible())
            continue;
        QString shown;
        if (auto *label = qobject_cast<QLabel *>(control))
            shown = label->text();
        else if (auto *button = qobject_cast<QAbstractButton *>(control))
            shown = button->text();
        else if (auto *frame = qobject_cast<QGroupBox *>(control))
            shown = frame->title();
        for (const QString &text : {shown, control->accessibleName(), control->accessibleDescription()})
            left << englishIn(text, control->objectName(), symbols);
    }
    return left;
}
