#include "shell/frmsplash.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    Zyntra::frmSplash splash;
    splash.show();
    return app.exec();
}
