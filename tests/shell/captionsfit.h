#pragma once

#include <QLabel>
#include <QStringList>

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
        const bool shrinks = label->inherits("Zyntra::CaptionLabel");
        const int needed = int(metrics.horizontalAdvance(label->text()) * (shrinks ? 1 - shrinking : 1));
        // Descenders too: a heading must not run into what lies below it.
        const QRect ink = metrics.boundingRect(label->contentsRect(), int(label->alignment()), label->text());
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
