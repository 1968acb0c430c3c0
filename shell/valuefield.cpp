#include "valuefield.h"

#include "entry/numericentry.h"

#include <QInputMethodEvent>
#include <QKeyEvent>

#include <limits>

namespace Zyntra {

ValueField::ValueField(QWidget *parent)
    : QLineEdit(parent)
    , m_keyPress(filterKeyCode)
{
    // A value field takes whatever is pasted into it, however long.
    setMaxLength(std::numeric_limits<int>::max());
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
