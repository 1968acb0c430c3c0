#include "listwindow.h"

#include <QAction>
#include <QCoreApplication>
#include <QHeaderView>
#include <QLabel>
#include <QMessageBox>
#include <QPushButton>
#include <QTableView>

namespace Zyntra {

void setUpRowTable(QTableView *table, const QString &name, const QString &spoken)
{
    table->setObjectName(name);
    table->setAccessibleName(spoken);
    table->setSelectionBehavior(QAbstractItemView::SelectRows);
    table->setTabKeyNavigation(false);
    table->setWordWrap(false);
    table->verticalHeader()->hide();
    table->horizontalHeader()->setStretchLastSection(true);
    table->setContextMenuPolicy(Qt::ActionsContextMenu);
}

QAction *addRowAction(QTableView *table, const char *name, const QString &text, const QKeySequence &keys)
{
    auto *action = new QAction(text, table);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(keys);
    action->setShortcutContext(Qt::WidgetShortcut);
    table->addAction(action);
    return action;
}

QPushButton *addWindowButton(QWidget *window, const char *name, const QString &text, const QString &spoken)
{
    auto *button = new QPushButton(text, window);
    button->setObjectName(QString::fromLatin1(name));
    button->setAccessibleName(spoken);
    button->setAutoDefault(false);
    return button;
}

void sayControlTexts(QWidget *window, const char *context, std::initializer_list<ControlTexts> texts)
{
    const auto said = [context](const char *english) { return QCoreApplication::translate(context, english); };
    for (const auto &[name, text, spoken] : texts) {
        QObject *control = window->findChild<QObject *>(QString::fromLatin1(name));
        if (auto *label = qobject_cast<QLabel *>(control); label && text)
            label->setText(said(text));
        else if (auto *button = qobject_cast<QAbstractButton *>(control); button && text)
            button->setText(said(text));
        else if (auto *action = qobject_cast<QAction *>(control); action && text)
            action->setText(said(text));
        if (auto *widget = qobject_cast<QWidget *>(control); widget && spoken)
            widget->setAccessibleName(said(spoken));
    }
}

QMessageBox *tellWithoutStopping(QWidget *parent, const QString &name, const QString &title, const QString &text,
                                 bool warning)
{
    auto *box = new QMessageBox(warning ? QMessageBox::Warning : QMessageBox::Information, title, text, QMessageBox::Ok,
                                parent);
    box->setObjectName(name);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setModal(false);
    box->show();
    return box;
}

} // namespace Zyntra
