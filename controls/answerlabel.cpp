#include "answerlabel.h"

#include "entry/term.h"

#include <QAccessibleWidget>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QToolTip>

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
    QString quantity() const { return static_cast<const AnswerLabel *>(widget())->quantity(); }
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

QString quantityOf(const QString &caption)
{
    QString quantity = caption.trimmed();
    while (quantity.endsWith(u'=') || quantity.endsWith(u':'))
        quantity = quantity.chopped(1).trimmed();
    return quantity;
}

void AnswerLabel::setQuantity(const QString &caption)
{
    m_quantity = quantityOf(caption);
    describe();
}

QString AnswerLabel::workingText() const
{
    if (text().isEmpty() || m_working.isEmpty())
        return {};
    return Zyntra::workingText(m_quantity, m_working, text());
}

void AnswerLabel::setWorking(const Working &working)
{
    m_working = working;
    describe();
}

// The working is the tooltip and, after the quantity it begins with, what
// a screen reader gives as the description.
void AnswerLabel::describe()
{
    const QString working = workingText();
    setToolTip(working);
    setAccessibleDescription(working.isEmpty() ? m_quantity : working);
}

void AnswerLabel::showWorking()
{
    if (!text().isEmpty())
        QToolTip::showText(mapToGlobal(QPoint(0, height())), workingText(), this);
}

void AnswerLabel::setAnswer(const QString &text, const Working &working)
{
    if (!selectable())
        setFocusPolicy(Qt::NoFocus);
    setText(text);
    // Tab stops at an answer that shows a value, and only there; the
    // keyboard moves on from one that is emptied.
    setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
    if (text.isEmpty() && hasFocus())
        focusNextChild();
    m_working = text.isEmpty() ? Working{} : working;
    describe();
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
    // Shift+F1 asks "what is this?" of the focused control: here, how it came about.
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::ShiftModifier) {
        showWorking();
        event->accept();
        return;
    }
    // F2 edits, as in a spreadsheet's cell: here, the value the answer should have.
    if (event->key() == Qt::Key_F2 && event->modifiers() == Qt::NoModifier && !text().isEmpty()) {
        emit solveRequested();
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
    QMenu menu(this);
    menu.setObjectName(QStringLiteral("answerMenu"));
    const bool shown = !text().isEmpty();
    menu.addAction(QStringLiteral("Copy"), this,
                   [this] { QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text()); })
        ->setEnabled(shown);
    menu.addAction(QStringLiteral("Copy with working"), this,
                   [this] { QGuiApplication::clipboard()->setText(workingText()); })
        ->setEnabled(shown);
    menu.addAction(QStringLiteral("Show working"), this,
                   [this] {
                       showWorking();
                       emit workingRequested();
                   })
        ->setEnabled(shown);
    menu.addAction(QStringLiteral("Solve From This Answer…"), this, &AnswerLabel::solveRequested)->setEnabled(shown);
    menu.addSeparator();
    menu.addAction(QStringLiteral("Copy calculation"), this, &AnswerLabel::calculationCopyRequested);
    menu.exec(event->globalPos());
    event->accept();
}

} // namespace Zyntra
