#include "shell/frmsplash.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const auto first = Zyntra::startProgram();
    return app.exec();
}
