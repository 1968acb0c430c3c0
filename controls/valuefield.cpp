#include "valuefield.h"

#include "entry/numericentry.h"
#include "controls/systemcolours.h"

#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QPainter>

#include <limits>

namespace Zyntra {

ValueField::ValueField(QWidget *parent)
    : QLineEdit(parent)
    , m_keyPress(filterKeyCode)
{
    // A value field takes whatever is pasted into it, however long.
    setMaxLength(std::numeric_limits<int>::max());
    setFrame(false);
    // Room for the border, as much as the style's frame leaves.
    setTextMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
}

void ValueField::paintEvent(QPaintEvent *event)
{
    QLineEdit::paintEvent(event);
    QPainter painter(this);
    const int right = width() - 1;
    const int bottom = height() - 1;
    // Outer line: shadow above and left, highlight below and right.
    painter.fillRect(0, 0, right, 1, SystemColour::buttonShadow());
    painter.fillRect(0, 0, 1, bottom, SystemColour::buttonShadow());
    painter.fillRect(0, bottom, right + 1, 1, SystemColour::buttonHighlight());
    painter.fillRect(right, 0, 1, bottom, SystemColour::buttonHighlight());
    // Inner line: dark above and left, the face colour below and right; all
    // highlight colour while the field is being typed in.
    const QColor dark = hasFocus() ? palette().color(QPalette::Highlight) : SystemColour::buttonDarkShadow();
    const QColor light = hasFocus() ? dark : SystemColour::activeBorder();
    painter.fillRect(1, 1, right - 2, 1, dark);
    painter.fillRect(1, 1, 1, bottom - 2, dark);
    painter.fillRect(1, bottom - 1, right - 1, 1, light);
    painter.fillRect(right - 1, 1, 1, bottom - 1, light);
}

void ValueField::keyPressEvent(QKeyEvent *event)
{
    if (const auto code = keyCodeOf(event->key(), event->modifiers(), event->text())) {
        qint16 keyAscii = *code;
        m_keyPress(keyAscii);
        if (keyAscii == 0) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// Characters composed through an input method are typed too.
void ValueField::inputMethodEvent(QInputMethodEvent *event)
{
    QString kept;
    for (QChar c : event->commitString()) {
        qint16 keyAscii = qint16(c.unicode());
        m_keyPress(keyAscii);
        if (keyAscii != 0)
            kept.append(c);
    }
    if (kept == event->commitString()) {
        QLineEdit::inputMethodEvent(event);
        return;
    }
    QInputMethodEvent filtered(event->preeditString(), event->attributes());
    filtered.setCommitString(kept, event->replacementStart(), event->replacementLength());
    QLineEdit::inputMethodEvent(&filtered);
}

} // namespace Zyntra
