#pragma once

#include "controls/valuefield.h"
#include "shell/catalogue.h"
#include "shell/windowview.h"
#include "working/typedvalues.h"

#include <QRadioButton>
#include <QTest>

#include <algorithm>
#include <functional>

// Every figure command of the Geometry menu, by its menu item.
inline QStringList everyFigureCommand()
{
    QStringList items;
    for (const Zyntra::FigureEntry *figure : Zyntra::figureCatalogue())
        items << Zyntra::menuItemName(*figure);
    return items;
}

// A control array in the order of its indexes ("txtInput(3)"); a window's
// controls without an index keep the order they were made in.
template <typename Control>
QList<Control *> byIndex(const QWidget *window)
{
    QList<Control *> controls = window->findChildren<Control *>();
    std::ranges::stable_sort(controls, {}, [](const QObject *control) {
        const QString name = control->objectName();
        const qsizetype open = name.indexOf(u'(');
        return open < 0 ? 0 : name.mid(open + 1).chopped(1).toInt();
    });
    return controls;
}

inline void clickOption(QRadioButton *option)
{
    QTest::mouseClick(option, Qt::LeftButton, {}, QPoint(8, option->height() / 2));
}

// A row for each figure of the catalogue, named by its caption, its id in "id".
inline void addFigureRows()
{
    QTest::addColumn<QString>("id");
    for (const Zyntra::FigureEntry *figure : Zyntra::figureCatalogue())
        QTest::newRow(figure->caption) << QString::fromLatin1(figure->id);
}

// Chooses an option of an open figure window by its index, where the window
// shows options, types values that option takes as a user does, and
// presses CALCULATE.
inline void calculateOption(Zyntra::FigureWindow *window, const Zyntra::FigureEntry &figure, int option,
                            QRandomGenerator &random)
{
    if (const auto options = byIndex<QRadioButton>(window); option < options.size() && options[option]->isVisible())
        clickOption(options[option]);
    const QList<Zyntra::ValueField *> fields = byIndex<Zyntra::ValueField>(window);
    const QStringList typed = randomFields(random, figure, option);
    for (qsizetype i = 0; i < typed.size(); ++i)
        QTest::keyClicks(fields[i], typed[i]);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
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
