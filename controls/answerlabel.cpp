#include "answerlabel.h"

#include "entry/measurement.h"
#include "entry/term.h"
#include "figuretext.h"
#include "theme.h"

#include <QAccessibleWidget>
#include <QActionGroup>
#include <QClipboard>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMenu>
#include <QPainter>
#include <QStyle>
#include <QStyleOptionFrame>
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
        case QAccessible::Name: {
            if (label->text().isEmpty())
                return {};
            const auto *answer = static_cast<const AnswerLabel *>(widget());
            QString value = label->text();
            // A tape reading is heard in words: "5 feet 3 and a half inches".
            const auto tape =
                answer->unit() == tapeUnit() ? readMeasurement(value, QuantityKind::Length).measurement : std::nullopt;
            if (tape)
                value = spokenValue(spokenTapeReading(tape->amount, TapeDenominators[std::size(TapeDenominators) - 1]));
            QString name = quantity().isEmpty() ? value : quantity() + u' ' + value;
            if (const Unit *unit = answer->unit(); unit && !tape)
                name += u' ' + figureText(spokenUnit(*unit, label->text()));
            // An angle is heard with its unit, as it is read with its degree sign.
            else if (answer->kind() == QuantityKind::Angle
                     && !quantity().contains(QLatin1String("degree"), Qt::CaseInsensitive))
                name += u' ' + figureText(textToNumber(label->text()) == 1.0 ? u"degree" : u"degrees");
            // The exact form after the value, in words: "Area 78.50, 25 pi".
            if (!answer->exactShown().isEmpty())
                name += QStringLiteral(", ") + spokenValue(answer->working().exactSpoken);
            return name;
        }
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
    return Zyntra::workingText(m_quantity, m_working, text(), figureText);
}

void AnswerLabel::setWorking(const Working &working)
{
    m_working = working;
    fitUnit();
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

void AnswerLabel::setAnswer(const QString &text, const Working &working, const Unit *unit)
{
    if (!selectable())
        setFocusPolicy(Qt::NoFocus);
    m_unit = text.isEmpty() ? nullptr : unit;
    m_working = text.isEmpty() ? Working{} : working;
    setText(text);
    fitUnit();
    // Tab stops at an answer that shows a value, and only there; the
    // keyboard moves on from one that is emptied.
    setFocusPolicy(text.isEmpty() ? Qt::NoFocus : Qt::StrongFocus);
    if (text.isEmpty() && hasFocus())
        focusNextChild();
    describe();
}

QString AnswerLabel::unitSuffix() const
{
    return Zyntra::unitSuffix(m_unit);
}

QString AnswerLabel::drawnAfter() const
{
    if (text().isEmpty())
        return {};
    // Two spaces keep the exact form apart from the value and its unit: "78.50  25π".
    const QString exact = exactShown();
    return exact.isEmpty() || !m_formFits ? unitSuffix() : unitSuffix() + QStringLiteral("  ") + exact;
}

QString AnswerLabel::exactShown() const
{
    // "5.00  5" says nothing twice over: a form that is the number shown is left to the working.
    const std::optional<double> plain = textToNumber(m_working.exact);
    return plain && plain == textToNumber(text()) ? QString() : m_working.exact;
}

void AnswerLabel::fitUnit()
{
    // A form too long for the room there is stays in the working and the reading.
    m_formFits = true;
    // A cell of a table, framed, keeps its width for a form.
    const bool cell = frameShape() != QFrame::NoFrame;
    if (!fitAfter(drawnAfter()) || (cell && m_widened > 0 && !exactShown().isEmpty())) {
        m_formFits = false;
        fitAfter(drawnAfter());
    }
}

bool AnswerLabel::fitAfter(const QString &after)
{
    const QFontMetrics metrics(font());
    // The gap and what follows it, as unitRect() lays them out.
    const int room = after.isEmpty() ? 0 : metrics.horizontalAdvance(u' ') + metrics.horizontalAdvance(after.mid(1));
    if (room != m_unitRoom) {
        const QMargins margins = contentsMargins();
        setContentsMargins(margins.left(), margins.top(), margins.right() - m_unitRoom + room, margins.bottom());
        m_unitRoom = room;
    }
    const int designed = width() - m_widened;
    const int wanted = room ? std::max(0, sizeHint().width() - designed) : 0;
    const int free = parentWidget() ? std::max(0, parentWidget()->width() - (x() + designed)) : wanted;
    m_widened = std::min(wanted, free);
    if (width() != designed + m_widened)
        resize(designed + m_widened, height());
    return wanted <= free;
}

QRect AnswerLabel::unitRect() const
{
    if (drawnAfter().isEmpty())
        return {};
    const QFontMetrics metrics(font());
    const QRect content = contentsRect();
    const QRect number = QStyle::alignedRect(layoutDirection(), QStyle::visualAlignment(layoutDirection(), alignment()),
                                             QSize(metrics.horizontalAdvance(text()), content.height()), content);
    const int gap = metrics.horizontalAdvance(u' ');
    return QRect(number.right() + 1 + gap, content.top(), m_unitRoom - gap, content.height());
}

void AnswerLabel::paintEvent(QPaintEvent *event)
{
    QLabel::paintEvent(event);
    const QRect where = unitRect();
    if (where.isEmpty())
        return;
    QPainter painter(this);
    if (frameShape() != QFrame::NoFrame) {
        // The margin kept for what follows the value shrinks Qt's frame with
        // the text: the frame goes round the whole label instead.
        const QRect shrunk = frameRect();
        painter.fillRect(QRect(shrunk.right() - lineWidth() + 1, 0, lineWidth(), height()),
                         palette().color(backgroundRole()));
        QStyleOptionFrame frame;
        initStyleOption(&frame);
        frame.rect = rect();
        style()->drawControl(QStyle::CE_ShapedFrame, &frame, &painter, this);
    }
    painter.setFont(font());
    painter.setPen(palette().color(foregroundRole()));
    painter.drawText(where, int(Qt::AlignLeft | (alignment() & Qt::AlignVertical_Mask)), drawnAfter().mid(1));
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

void AnswerLabel::changeEvent(QEvent *event)
{
    // A new theme's palette arrives as a change of this label's palette; the
    // ink it sets ends the round, being the same the next time.
    if (event->type() == QEvent::PaletteChange && autoFillBackground()
        && palette().color(QPalette::WindowText) != answerInk()) {
        QPalette ink = palette();
        ink.setColor(QPalette::WindowText, answerInk());
        setPalette(ink);
    }
    QLabel::changeEvent(event);
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
    if (event->modifiers() == (Qt::ControlModifier | Qt::ShiftModifier)
        && (event->key() == Qt::Key_A || event->key() == Qt::Key_X) && !text().isEmpty()) {
        emit compositeRequested(event->key() == Qt::Key_A ? 1 : -1);
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
    menu.addAction(figureText(u"Copy"), this,
                   [this] { QGuiApplication::clipboard()->setText(hasSelectedText() ? selectedText() : text()); })
        ->setEnabled(shown);
    menu.addAction(figureText(u"Copy with working"), this,
                   [this] { QGuiApplication::clipboard()->setText(workingText()); })
        ->setEnabled(shown);
    menu.addAction(figureText(u"Show working"), this,
                   [this] {
                       showWorking();
                       emit workingRequested();
                   })
        ->setEnabled(shown);
    menu.addAction(figureText(u"Solve From This Answer…"), this, &AnswerLabel::solveRequested)->setEnabled(shown);
    QAction *add = menu.addAction(figureText(u"Add to Composite"), this, [this] { emit compositeRequested(1); });
    add->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_A));
    add->setEnabled(shown);
    QAction *cut = menu.addAction(figureText(u"Cut Out of Composite"), this, [this] { emit compositeRequested(-1); });
    cut->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_X));
    cut->setEnabled(shown);
    // Areas and volumes follow the lengths, so they have units to be shown in only beside a length unit.
    QMenu *units = menu.addMenu(figureText(u"Show In"));
    units->setObjectName(QStringLiteral("mnuShowIn"));
    const Unit *chosen = nullptr;
    auto *oneOf = new QActionGroup(units);
    for (const Unit *unit : unitsOf(m_kind)) {
        QAction *item = units->addAction(QString::fromUtf8(unit->symbol), this, [&chosen, unit] { chosen = unit; });
        item->setCheckable(true);
        oneOf->addAction(item);
        item->setChecked(unit == m_unit);
    }
    units->menuAction()->setEnabled(shown && !units->isEmpty() && (m_kind == QuantityKind::Length || m_unit));
    menu.addSeparator();
    menu.addAction(figureText(u"Copy calculation"), this, &AnswerLabel::calculationCopyRequested);
    menu.exec(event->globalPos());
    event->accept();
    // Once the menu is gone, as the choice redoes the answer beneath it.
    if (chosen)
        emit unitChosen(m_kind, chosen);
}

} // namespace Zyntra
