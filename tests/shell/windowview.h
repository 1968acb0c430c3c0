#pragma once

#include "shell/shellfixture.h"

#include "controls/figurewindow.h"
#include "controls/globalsubs.h"

#include <QPushButton>
#include <QTest>

#include <memory>

// A figure window as its tests see it: the program around it, the window
// opened through its menu item, and its controls found by their names.
// Closing the program puts the program-wide values back as a fresh start
// has them, so that no test hands its mode or window code to the next.
template <typename Window>
struct WindowView {
    std::unique_ptr<ShellFixture> m_program;
    Window *m_window = nullptr;

    void startProgram() { m_program = std::make_unique<ShellFixture>(); }
    // The program with its main window active, as the keyboard needs it;
    // also brings the activation back after a popup took it.
    void activateProgram() const
    {
        m_program->main()->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(m_program->main()));
    }
    void startActiveProgram()
    {
        startProgram();
        activateProgram();
    }
    void closeProgram()
    {
        m_program.reset();
        m_window = nullptr;
        Zyntra::intCurrentForm = 0;
        Zyntra::intSquareMode = 0;
        Zyntra::intCircleMode = 0;
        Zyntra::setUnitChoice({});
    }

    // The window the menu item opens, once it is on screen; nullptr otherwise.
    Window *open(const QString &menuItem)
    {
        m_window = m_program->open<Window>(menuItem);
        return m_window && QTest::qWaitForWindowExposed(m_window) ? m_window : nullptr;
    }

    template <typename T>
    T *control(const QString &name) const
    {
        T *found = m_window->template findChild<T *>(name);
        if (!found)
            qWarning("no control %s", qPrintable(name));
        return found;
    }
    // One of a control array: "lblAnswer" and 2 give lblAnswer(2).
    template <typename T>
    T *control(const QString &array, int index) const
    {
        return control<T>(Zyntra::arrayName(array, index));
    }
    QPushButton *button(const char *name) const { return control<QPushButton>(QString::fromLatin1(name)); }
    void calculate() const { QTest::mouseClick(button("cmdCalculate"), Qt::LeftButton); }
};
