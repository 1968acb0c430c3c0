#include "shell/frmsplash.h"
#include "shell/usersettings.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Zyntra::frmSplash splash;
    // Without the splash, its tick comes at once and the main window opens.
    if (Zyntra::UserSettings::showSplash())
        splash.show();
    else
        splash.Timer1_Timer();
    return app.exec();
}
