#pragma once

#include "controls/figurewindow.h"
#include "shell/clientarea.h"
#include "shell/frmsplash.h"
#include "shell/mdimain.h"

#include <QAction>
#include <QTest>

#include <memory>

// The program as a user meets it once the splash has done its work: the
// main window with its menus, and no figure window.
struct ShellFixture {
    std::unique_ptr<Zyntra::frmSplash> splash = std::make_unique<Zyntra::frmSplash>();

    ShellFixture()
    {
        splash->show();
        splash->Timer1_Timer();
        QVERIFY(QTest::qWaitForWindowExposed(main()));
    }

    Zyntra::MDIMain *main() const { return splash->mainWindow(); }

    QAction *menuItem(const QString &name) const { return main()->findChild<QAction *>(name); }

    // Chooses a figure command as the menu would.
    void choose(const QString &itemName) const
    {
        QAction *item = menuItem(itemName);
        QVERIFY2(item, qPrintable(itemName));
        item->trigger();
    }

    QList<Zyntra::FigureWindow *> figureWindows() const { return main()->clientArea()->figureWindows(); }

    template <typename Window>
    Window *open(const QString &itemName) const
    {
        choose(itemName);
        const auto windows = figureWindows();
        return windows.size() == 1 ? qobject_cast<Window *>(windows.first()) : nullptr;
    }
};
