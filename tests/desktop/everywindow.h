#pragma once

#include "shell/catalogue.h"
#include "shell/windowview.h"

#include <QRadioButton>
#include <QTest>

#include <functional>

// Every figure command of the Geometry menu, by its menu item.
inline QStringList everyFigureCommand()
{
    QStringList items;
    for (const Zyntra::FigureEntry *figure : Zyntra::figureCatalogue())
        items << Zyntra::menuItemName(*figure);
    return items;
}

inline void clickOption(QRadioButton *option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// Opens a figure window through its menu item and visits it as loaded and
// then after a click on each option it shows, so that every layout the
// user can reach is seen once. `where` says which layout is visited.
inline void forEachLayout(const ShellFixture &program, const QString &menuItem,
                          const std::function<void(Zyntra::FigureWindow *, const QString &where)> &visit)
{
    program.choose(menuItem);
    const auto windows = program.figureWindows();
    QVERIFY2(windows.size() == 1, qPrintable(menuItem));
    Zyntra::FigureWindow *window = windows.first();
    QVERIFY(QTest::qWaitForWindowExposed(window));
    visit(window, menuItem);
    QList<QRadioButton *> options;
    for (QRadioButton *option : window->findChildren<QRadioButton *>())
        if (option->isVisible())
            options << option;
    for (QRadioButton *option : options) {
        clickOption(option);
        visit(window, menuItem + QLatin1Char(' ') + option->objectName());
    }
}
