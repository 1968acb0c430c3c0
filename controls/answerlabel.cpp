#include "answerlabel.h"

namespace Zyntra {

AnswerLabel::AnswerLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    // What a selectable label offers, before it is one.
    setFocusPolicy(Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
}

void AnswerLabel::setAnswer(const QString &text)
{
    if (selectable()) {
        setText(text);
        return;
    }
    setFocusPolicy(Qt::NoFocus);
    setText(text);
    setFocusPolicy(Qt::StrongFocus);
}

void AnswerLabel::becomeSelectable()
{
    if (selectable())
        return;
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
}

void AnswerLabel::focusInEvent(QFocusEvent *event)
{
    becomeSelectable();
    QLabel::focusInEvent(event);
}

void AnswerLabel::mousePressEvent(QMouseEvent *event)
{
    becomeSelectable();
    QLabel::mousePressEvent(event);
}

void AnswerLabel::contextMenuEvent(QContextMenuEvent *event)
{
    becomeSelectable();
    QLabel::contextMenuEvent(event);
}

} // namespace Zyntra
