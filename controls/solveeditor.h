#pragma once

#include <QFrame>
#include <QList>
#include <QPointer>
#include <QString>

class QComboBox;

namespace Zyntra {

class ValueField;

// Opens over an answer to work backwards from it: the value the answer
// should show, and, where there are several, which given value may change.
// Enter asks for the solve; Escape, or the keyboard leaving it, closes it
// with nothing changed, Escape handing the focus back to the answer.
class SolveEditor : public QFrame {
    Q_OBJECT
public:
    struct Choice {
        QString caption; // as the window shows the field, without " ="
        int field;
    };
    // Shown in `host` over `answer`.
    SolveEditor(QWidget *host, QWidget *answer, const QString &quantity, const QList<Choice> &choices, int chosen);
    ~SolveEditor() override;

    ValueField *target() const { return m_target; }
    QComboBox *solveFor() const { return m_solveFor; }
    int field() const;

signals:
    void solveRequested(const QString &target, int field);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void focusMoved(QWidget *now);
    bool holds(const QObject *object) const;

    ValueField *m_target;
    QComboBox *m_solveFor;
    QPointer<QWidget> m_answer;
    QList<Choice> m_choices;
    QMetaObject::Connection m_watch; // on the application's focus
};

} // namespace Zyntra
