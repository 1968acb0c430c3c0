#pragma once

#include <QWidget>

#include <memory>
#include <thread>

class QLabel;
class QTimer;

namespace Zyntra {

class MDIMain;

// The first window: the product's pictures for three seconds, then the
// main window takes over.
class frmSplash : public QWidget {
    Q_OBJECT
public:
    static constexpr int DelayMilliseconds = 3000;

    frmSplash();
    ~frmSplash() override;

    MDIMain *mainWindow() const { return m_main.get(); }
    QTimer *timer() const { return m_timer; }

    void Timer1_Timer();

private:
    void Form_Load();

    QLabel *m_label1;
    QLabel *m_label2;
    QTimer *m_timer;
    std::unique_ptr<MDIMain> m_main;
};

// Reads the desktop's font configuration on a thread of its own, begun
// before the application is made: reading it takes longer than making the
// main window, and the window's first text would otherwise wait for it.
// Keep the thread until the program ends.
std::jthread readFontConfigurationAhead();

// Starts the program as the user chose: the splash for its three seconds,
// or without it the main window at once, with nothing built that it does
// not show. Returns the window it opened.
std::unique_ptr<QWidget> startProgram(std::jthread fontsRead = {});

// The maker's words, shared by the splash and the About window.
namespace Maker {
inline constexpr char Name[] = "Zyntra Works";
inline constexpr char WebAddress[] = "www.zyntra.example";
inline constexpr char Product[] = "Zyntra v1.0";
inline constexpr char Logo[] = "Zyntra logo: a cube, a cone, a cylinder and a sphere before a blue globe";
} // namespace Maker

} // namespace Zyntra
