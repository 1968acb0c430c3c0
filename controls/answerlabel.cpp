#include "answerlabel.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QGuiApplication>
#include <QKeyEvent>

namespace Zyntra {

namespace {

// What a screen reader says of an answer: "Area 12.00". An empty answer is
// left out of its reading, as it is left out of the Tab order.
class AccessibleAnswer : public QAccessibleWidget {
public:
    explicit AccessibleAnswer(QWidget *label)
        : QAccessibleWidget(label, QAccessible::StaticText)
    {}

    QString text(QAccessible::Text t) const override
    {
        const auto *label = static_cast<const QLabel *>(widget());
        switch (t) {
        case QAccessible::Name:
            if (label->text().isEmpty())
                return {};
            return quantity().isEmpty() ? label->text() : quantity() + u' ' + label->text();
        case QAccessible::Value:
            return label->text();
        default:
            return QAccessibleWidget::text(t);
        }
    }

    QAccessible::State state() const override
    {
        QAccessible::State s = QAccessibleWidget::state();
        if (static_cast<const QLabel *>(widget())->text().isEmpty())
            s.invisible = true;
        return s;
    }

private:
    // The row's caption without its trailing " =" or ":".
    QString quantity() const
    {
        QString caption = widget()->accessibleDescription().trimmed();
        while (caption.endsWith(u'=') || caption.endsWith(u':'))
            caption = caption.chopped(1).trimmed();
        return caption;
    }
};

QAccessibleInterface *accessibleAnswer(const QString &className, QObject *object)
{
    if (className == QLatin1String(AnswerLabel::staticMetaObject.className()) && object->isWidgetType())
        return new AccessibleAnswer(static_cast<QWidget *>(object));
    return nullptr;
}

} // namespace

AnswerLabel::AnswerLabel(const QString &text, QWidget *parent)
    : QLabel(text, parent)
{
    static const bool factoryInstalled = (QAccessible::installFactory(accessibleAnswer), true);
    Q_UNUSED(factoryInstalled);
    // What a selectable label offers, before it is one.
    setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
    setCursor(Qt::IBeamCursor);
}

void AnswerLabel::setAnswer(const QString &text)
{
    if (!selectable())
        setFocusPolicy(Qt::NoFocus);
    setText(text);
    // Tab stops at an answer that shows a value, and only there; the
    // keyboard moves on from one that is emptied.
    setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
    if (text.isEmpty() && hasFocus())
        focusNextChild();
}

void AnswerLabel::becomeSelectable()
{
    if (selectable())
        return;
    const Qt::FocusPolicy policy = focusPolicy();
    setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    // Qt gives a selectable label a focus policy of its own; ours follows the text.
    setFocusPolicy(policy);
}

void AnswerLabel::focusInEvent(QFocusEvent *event)
{
    becomeSelectable();
    QLabel::focusInEvent(event);
}

// Ctrl+C with nothing selected copies the whole value: what else would the
// user mean on a label that holds one number?
void AnswerLabel::keyPressEvent(QKeyEvent *event)
{
    if (event->matches(QKeySequence::Copy) && !hasSelectedText() && !text().isEmpty()) {
        QGuiApplication::clipboard()->setText(text());
        event->accept();
        return;
    }
    QLabel::keyPressEvent(event);
}

void AnswerLabel::mousePressEvent(QMouseEvent *event)
{
    becomeSelectable();
    QLabel::mousePressEvent(event);
}

// A double-click takes the whole value, not the digits after the full stop.
void AnswerLabel::mouseDoubleClickEvent(QMouseEvent *event)
{
    becomeSelectable();
    QLabel::mouseDoubleClickEvent(event);
    setSelection(0, int(text().size()));
}

void AnswerLabel::contextMenuEvent(QContextMenuEvent *event)
{
    becomeSelectable();
    QLabel::contextMenuEvent(event);
}

} // namespace Zyntra
