#pragma once

#include <QAction>
#include <QKeySequence>
#include <QPushButton>
#include <QString>

#include <initializer_list>

class QMessageBox;
class QTableView;
class QWidget;

namespace Zyntra {

// The pieces of the windows beside the main window that list rows (the
// history, the composite figure), made alike.

// Whole rows are chosen, Tab leaves the table, and the last column takes the room left.
void setUpRowTable(QTableView *table, const QString &name, const QString &spoken);
// A command on the table's rows, in its context menu and on its keys while it has the focus.
QAction *addRowAction(QTableView *table, const char *name, const QString &text, const QKeySequence &keys);
template <typename Window, typename Handler>
QAction *addRowAction(QTableView *table, Window *window, const char *name, const QString &text,
                      const QKeySequence &keys, Handler handler)
{
    QAction *action = addRowAction(table, name, text, keys);
    QObject::connect(action, &QAction::triggered, window, handler);
    return action;
}
// A button that Enter in a field of the window does not click.
QPushButton *addWindowButton(QWidget *window, const char *name, const QString &text, const QString &spoken);
template <typename Window, typename Handler>
QPushButton *addWindowButton(Window *window, const char *name, const QString &text, const QString &spoken,
                             Handler handler)
{
    QPushButton *button = addWindowButton(window, name, text, spoken);
    QObject::connect(button, &QPushButton::clicked, window, handler);
    return button;
}
// A control of the window by its name, its caption and what a screen reader
// calls it, each in English or none.
struct ControlTexts {
    const char *name;
    const char *text;
    const char *spoken;
};
// Says each control's texts in the language in force, as the catalogue's
// `context` has them.
void sayControlTexts(QWidget *window, const char *context, std::initializer_list<ControlTexts> texts);
// Tells the user without stopping them; the box goes when closed.
QMessageBox *tellWithoutStopping(QWidget *parent, const QString &name, const QString &title, const QString &text,
                                 bool warning = false);

} // namespace Zyntra
