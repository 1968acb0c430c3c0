#include "shell/frmsplash.h"

#include <QApplication>

int main(int argc, char *argv[])
{
    std::jthread fontsRead = Zyntra::readFontConfigurationAhead();
    QApplication app(argc, argv);
    const auto first = Zyntra::startProgram(std::move(fontsRead));
    return app.exec();
}
