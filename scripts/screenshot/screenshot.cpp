// Pictures Zyntra as a user sees it: the main window with a figure worked
// out and, beside it, the calculation sheet, drawn by the program itself
// (offscreen, no display needed). scripts/screenshot.sh makes the README's.
//
//   zyntra_screenshot OUT.png [--figure MENUITEM] [--values 3,4] [--theme 0-3]
//                             [--zoom 2] [--no-sheet]

#include "controls/figurewindow.h"
#include "controls/valuefield.h"
#include "shell/frmsplash.h"
#include "shell/mdimain.h"
#include "shell/sheetwindow.h"
#include "shell/usersettings.h"

#include <QAction>
#include <QApplication>
#include <QCommandLineParser>
#include <QPainter>
#include <QPushButton>
#include <QTest>

#include <algorithm>

using namespace Zyntra;

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addPositionalArgument(QStringLiteral("out"), QStringLiteral("the PNG to write"));
    const QCommandLineOption figureOption(QStringLiteral("figure"), QStringLiteral("menu item"), QStringLiteral("name"),
                                          QStringLiteral("mnu3dGeometryItem(2)"));
    const QCommandLineOption valuesOption(QStringLiteral("values"), QStringLiteral("given values"),
                                          QStringLiteral("list"), QStringLiteral("3,4"));
    const QCommandLineOption themeOption(QStringLiteral("theme"), QStringLiteral("0-3"), QStringLiteral("n"),
                                         QStringLiteral("1"));
    const QCommandLineOption zoomOption(QStringLiteral("zoom"), QStringLiteral("1 to 3"), QStringLiteral("z"),
                                        QStringLiteral("1"));
    const QCommandLineOption noSheetOption(QStringLiteral("no-sheet"), QStringLiteral("the main window alone"));
    parser.addOptions({figureOption, valuesOption, themeOption, zoomOption, noSheetOption});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    // Chosen as the last run left them.
    UserSettings::setTheme(Theme(std::clamp(parser.value(themeOption).toInt(), 0, 3)));
    UserSettings::setZoom(parser.value(zoomOption).toDouble());
    frmSplash splash;
    splash.Timer1_Timer();
    MDIMain *main = splash.mainWindow();
    QAction *item = main->findChild<QAction *>(parser.value(figureOption));
    if (!item) {
        qWarning("no menu item %s", qPrintable(parser.value(figureOption)));
        return 1;
    }
    item->trigger();
    FigureWindow *window = main->findChild<FigureWindow *>();
    const QStringList values = parser.value(valuesOption).split(u',', Qt::SkipEmptyParts);
    const auto fields = window->findChildren<ValueField *>();
    for (int i = 0, typed = 0; i < fields.size() && typed < values.size(); ++i)
        if (fields[i]->isVisibleTo(window) && fields[i]->isEnabled())
            QTest::keyClicks(fields[i], values[typed++]);
    if (auto *calculate = window->findChild<QPushButton *>(QStringLiteral("cmdCalculate")))
        calculate->click();

    // A new palette reaches the windows through the event loop.
    QApplication::processEvents();
    QList<QPixmap> shots{main->grab()};
    if (!parser.isSet(noSheetOption)) {
        main->mnuCalculationSheet_Click();
        QApplication::processEvents();
        shots << main->sheetWindow()->grab();
    }
    constexpr int Gap = 16;
    QSize size(-Gap, 0);
    for (const QPixmap &shot : shots)
        size = QSize(size.width() + Gap + shot.width(), std::max(size.height(), shot.height()));
    QImage image(size * shots.first().devicePixelRatio(), QImage::Format_ARGB32);
    image.setDevicePixelRatio(shots.first().devicePixelRatio());
    image.fill(Qt::transparent);
    QPainter painter(&image);
    int x = 0;
    for (const QPixmap &shot : shots) {
        painter.drawPixmap(x, 0, shot);
        x += shot.width() + Gap;
    }
    painter.end();
    return image.save(parser.positionalArguments().first()) ? 0 : 1;
}
