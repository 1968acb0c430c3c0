#include "valuefield.h"

#include "controls/figuretext.h"
#include "controls/systemcolours.h"
#include "entry/measurement.h"
#include "entry/numericentry.h"

#include <QAccessible>
#include <QGuiApplication>
#include <QInputMethodEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMimeData>
#include <QPainter>

#include <utility>

namespace Zyntra {

ValueField::ValueField(QWidget *parent)
    : QLineEdit(parent)
    , m_keyPress(filterKeyCode)
{
    // Typing stops at the limit. Qt would cut a longer paste to fit; every
    // way of pasting checks first and refuses such a text whole.
    setMaxLength(int(MaxValueLength));
    setFrame(false);
    // Room for the border, as much as the style's frame leaves.
    setTextMargins(BorderWidth, BorderWidth, BorderWidth, BorderWidth);
    // A value with a unit of its own is heard in words, as its marks do not say it.
    connect(this, &QLineEdit::textChanged, this, [this](const QString &now) {
        const QString spoken = unitChoice().length ? spokenValue(spokenMeasurement(now)) : QString();
        if (spoken == accessibleDescription() || (spoken.isEmpty() && !m_spokenShown))
            return;
        m_spokenShown = !spoken.isEmpty();
        setAccessibleDescription(spoken);
        QAccessibleEvent described(this, QAccessible::DescriptionChanged);
        QAccessible::updateAccessibility(&described);
    });
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

bool ValueField::admits(qsizetype incoming, bool overSelection)
{
    const qsizetype kept = text().size() - (overSelection ? selectedText().size() : 0);
    if (incoming <= MaxValueLength - kept)
        return true;
    emit pasteRefused(incoming);
    return false;
}

bool ValueField::admitsClipboard(QClipboard::Mode mode, bool overSelection)
{
    return admits(QGuiApplication::clipboard()->text(mode).size(), overSelection);
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
        // The code may stand for another character than the key's text
        // (the keypad's comma); the field types what the code says.
        const QChar typed{char16_t(keyAscii)};
        if (keyAscii > 26 && event->text() != QString(typed)) {
            insert(QString(typed));
            event->accept();
            return;
        }
    }
    if (event->matches(QKeySequence::Paste)) {
        // Where Qt binds Ctrl+Shift+Insert to paste (X11), it pastes the selection.
        const bool selection =
            event->key() == Qt::Key_Insert && event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier);
        if (!admitsClipboard(selection ? QClipboard::Selection : QClipboard::Clipboard, true)) {
            event->accept();
            return;
        }
    }
    QLineEdit::keyPressEvent(event);
}

// Qt pastes the selection clipboard where the middle button is released, on
// platforms that have one.
bool ValueField::middleButtonPastes(const QMouseEvent *event) const
{
    return event->button() == Qt::MiddleButton && !isReadOnly() && QGuiApplication::clipboard()->supportsSelection();
}

// The cursor goes to the click only once the paste is known to fit.
void ValueField::mousePressEvent(QMouseEvent *event)
{
    if (middleButtonPastes(event)) {
        event->accept();
        return;
    }
    QLineEdit::mousePressEvent(event);
}

void ValueField::mouseReleaseEvent(QMouseEvent *event)
{
    if (middleButtonPastes(event)) {
        if (!admitsClipboard(QClipboard::Selection, false)) {
            event->accept();
            return;
        }
        setCursorPosition(cursorPositionAt(event->position().toPoint()));
    }
    QLineEdit::mouseReleaseEvent(event);
}

void ValueField::dragEnterEvent(QDragEnterEvent *event)
{
    const int start = selectionStart();
    m_beforeDrag = Place{cursorPosition(), start, start < 0 ? 0 : int(selectedText().size())};
    QLineEdit::dragEnterEvent(event);
}

// Qt puts a drop in at the drop point, beside any selection.
void ValueField::dropEvent(QDropEvent *event)
{
    const std::optional<Place> before = std::exchange(m_beforeDrag, std::nullopt);
    const QString dropped = event->mimeData()->text();
    if (dropped.isNull() || admits(dropped.size(), false)) {
        QLineEdit::dropEvent(event);
        return;
    }
    // Ignored, the drop leaves the drag's source its text too.
    event->ignore();
    QDragLeaveEvent leave;
    QLineEdit::dragLeaveEvent(&leave); // hides the drop cursor
    if (!before)
        return;
    if (before->selectionLength == 0) {
        setCursorPosition(before->cursor);
    } else {
        const int end = before->selectionStart + before->selectionLength;
        const int anchor = before->cursor == before->selectionStart ? end : before->selectionStart;
        setSelection(anchor, before->cursor - anchor);
    }
}

// Qt's menu pastes without the check; its Paste is given the checked one.
void ValueField::contextMenuEvent(QContextMenuEvent *event)
{
    QMenu *menu = createStandardContextMenu();
    const QString pasteCaption = QLineEdit::tr("&Paste");
    for (QAction *action : menu->actions()) {
        if (action->text().section(u'\t', 0, 0) != pasteCaption)
            continue;
        disconnect(action, &QAction::triggered, this, nullptr);
        connect(action, &QAction::triggered, this, [this] {
            if (admitsClipboard(QClipboard::Clipboard, true))
                paste();
        });
    }
    menu->setAttribute(Qt::WA_DeleteOnClose);
    menu->popup(event->globalPos());
}

// Characters composed through an input method are typed too.
void ValueField::inputMethodEvent(QInputMethodEvent *event)
{
    QString kept;
    // Some input methods paste by committing the clipboard's text.
    if (admits(event->commitString().size(), true)) {
        for (QChar c : event->commitString()) {
            qint16 keyAscii = qint16(c.unicode());
            m_keyPress(keyAscii);
            if (keyAscii != 0)
                kept.append(QChar(char16_t(keyAscii))); // the comma may have become the full stop
        }
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
