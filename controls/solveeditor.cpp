#include "solveeditor.h"

#include "entry/numericentry.h"
#include "figuretext.h"
#include "valuefield.h"

#include <QApplication>
#include <QComboBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>

namespace Zyntra {

SolveEditor::SolveEditor(QWidget *host, QWidget *answer, const QString &quantity, const QList<Choice> &choices,
                         int chosen)
    : QFrame(host)
    , m_target(new ValueField(this))
    , m_solveFor(new QComboBox(this))
    , m_answer(answer)
    , m_choices(choices)
{
    setObjectName(QStringLiteral("fraSolve"));
    setFrameShape(QFrame::Box);
    setAutoFillBackground(true);
    m_target->setObjectName(QStringLiteral("txtTarget"));
    m_target->setAccessibleName(figureText(u"Target for %1").arg(quantity));
    m_target->setKeyPressHandler(filterKeyCode);
    m_target->setText(static_cast<QLabel *>(answer)->text());
    m_target->selectAll();
    m_solveFor->setObjectName(QStringLiteral("cboSolveFor"));
    m_solveFor->setAccessibleName(figureText(u"Change"));
    // Where a combo box's name is its current item, a reader takes its label from the buddy.
    auto *change = new QLabel(figureText(u"Change"), this);
    change->setObjectName(QStringLiteral("lblSolveFor"));
    change->setBuddy(m_solveFor);
    for (const Choice &choice : choices)
        m_solveFor->addItem(choice.caption);
    m_solveFor->setCurrentIndex(chosen);
    // One given value leaves nothing to choose.
    m_solveFor->setVisible(choices.size() > 1);
    change->setVisible(choices.size() > 1);

    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(1, 1, 1, 1);
    layout->setSpacing(2);
    layout->addWidget(m_target, 1);
    layout->addWidget(change);
    layout->addWidget(m_solveFor);
    setTabOrder(m_target, m_solveFor);

    // Over the answer, as wide as it and its list need, inside the window.
    const QRect over(answer->mapTo(host, QPoint(0, 0)), answer->size());
    QSize size = sizeHint().expandedTo(QSize(over.width(), 0));
    size.setHeight(std::max(size.height(), over.height()));
    QPoint at(over.left(), over.top() + (over.height() - size.height()) / 2);
    at.setX(std::max(0, std::min(at.x(), parentWidget()->width() - size.width())));
    setGeometry(QRect(at, size));

    connect(m_target, &QLineEdit::returnPressed, this, [this] { emit solveRequested(m_target->text(), field()); });
    m_watch = connect(qApp, &QApplication::focusChanged, this, [this](QWidget *, QWidget *now) { focusMoved(now); });
    m_target->installEventFilter(this);
    m_solveFor->installEventFilter(this);
    show();
    raise();
    m_target->setFocus(Qt::OtherFocusReason);
}

// Its fields give up the focus as they go, after this part of the editor has gone.
SolveEditor::~SolveEditor()
{
    disconnect(m_watch);
}

int SolveEditor::field() const
{
    const int index = m_solveFor->currentIndex();
    return index >= 0 && index < m_choices.size() ? m_choices[index].field : -1;
}

bool SolveEditor::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if (key->key() == Qt::Key_Escape) {
            if (m_answer)
                m_answer->setFocus(Qt::OtherFocusReason);
            deleteLater();
            return true;
        }
        if (watched == m_solveFor && (key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter)) {
            emit solveRequested(m_target->text(), field());
            return true;
        }
    }
    return QFrame::eventFilter(watched, event);
}

// The list's popup is a window of its own, yet still part of the editor.
bool SolveEditor::holds(const QObject *object) const
{
    for (; object; object = object->parent())
        if (object == this)
            return true;
    return false;
}

void SolveEditor::focusMoved(QWidget *now)
{
    if (now && !holds(now))
        deleteLater();
}

} // namespace Zyntra
