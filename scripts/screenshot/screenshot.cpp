// Pictures Zyntra as a user sees it: the main window with a figure worked
// out and, beside it, the calculation sheet, drawn by the program itself
// (offscreen, no display needed). scripts/screenshot.sh makes the README's.
//
//   zyntra_screenshot OUT.png [--figure MENUITEM] [--values 3,4] [--theme 0-3]
//                             [--zoom 2] [--no-sheet]
//
// or a composite figure and its sheet: menu items chosen first (the units
// the parts are worked in, say), each part a figure worked out and one of
// its answers added (+) or cut out (-), then menu items chosen (the units
// the total is shown in) and the total solved for by changing one given value:
//
//   zyntra_screenshot OUT.png [--first MENUITEM ...]
//                             --part 'mnuGeometryItem(2);5,4;lblAnswer(2);+' ...
//                             [--choose MENUITEM ...] [--solve 'ROW;LETTER;TOTAL']

#include "composite/frmcomposite.h"
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
    const QCommandLineOption partOption(QStringLiteral("part"), QStringLiteral("a composite's part"),
                                        QStringLiteral("item;values;answer;sign"));
    const QCommandLineOption firstOption(QStringLiteral("first"), QStringLiteral("a menu item chosen before the parts"),
                                         QStringLiteral("item"));
    const QCommandLineOption chooseOption(QStringLiteral("choose"),
                                          QStringLiteral("a menu item chosen after the parts"), QStringLiteral("item"));
    const QCommandLineOption solveOption(QStringLiteral("solve"), QStringLiteral("the composite's total solved for"),
                                         QStringLiteral("row;letter;total"));
    parser.addOptions({figureOption, valuesOption, themeOption, zoomOption, noSheetOption, firstOption, partOption,
                       chooseOption, solveOption});
    parser.process(app);
    if (parser.positionalArguments().size() != 1)
        parser.showHelp(2);

    // Chosen as the last run left them.
    UserSettings::setTheme(Theme(std::clamp(parser.value(themeOption).toInt(), 0, 3)));
    UserSettings::setZoom(parser.value(zoomOption).toDouble());
    frmSplash splash;
    splash.Timer1_Timer();
    MDIMain *main = splash.mainWindow();
    const auto choose = [main](const QString &name) {
        QAction *item = main->findChild<QAction *>(name);
        if (item)
            item->trigger();
        else
            qWarning("no menu item %s", qPrintable(name));
        return item != nullptr;
    };
    const auto calculate = [main, &choose](const QString &menuItem, const QString &typed) -> FigureWindow * {
        if (!choose(menuItem))
            return nullptr;
        FigureWindow *window = main->findChild<FigureWindow *>();
        const QStringList values = typed.split(u',', Qt::SkipEmptyParts);
        const auto fields = window->findChildren<ValueField *>();
        for (int i = 0, next = 0; i < fields.size() && next < values.size(); ++i)
            if (fields[i]->isVisibleTo(window) && fields[i]->isEnabled())
                QTest::keyClicks(fields[i], values[next++]);
        if (auto *button = window->findChild<QPushButton *>(QStringLiteral("cmdCalculate")))
            button->click();
        return window;
    };
    for (const QString &name : parser.values(firstOption))
        if (!choose(name))
            return 1;
    // Each part through the keys a user presses on its answer.
    for (const QString &part : parser.values(partOption)) {
        const QStringList given = part.split(u';');
        FigureWindow *window = calculate(given.value(0), given.value(1));
        QWidget *answer = window ? window->findChild<QWidget *>(given.value(2)) : nullptr;
        if (!answer) {
            qWarning("no answer %s", qPrintable(part));
            return 1;
        }
        answer->setFocus();
        QTest::keyClick(answer, given.value(3) == u'-' ? Qt::Key_X : Qt::Key_A,
                        Qt::ControlModifier | Qt::ShiftModifier);
    }
    for (const QString &name : parser.values(chooseOption))
        if (!choose(name))
            return 1;
    auto *composite = main->findChild<frmComposite *>();
    if (parser.isSet(solveOption) && composite) {
        const QStringList solve = parser.value(solveOption).split(u';');
        if (!composite->solveTotal(solve.value(0).toInt(), solve.value(1), solve.value(2)))
            return 1;
    }
    if (!composite && !calculate(parser.value(figureOption), parser.value(valuesOption)))
        return 1;

    // A new palette reaches the windows through the event loop.
    QApplication::processEvents();
    QList<QPixmap> shots{main->grab()};
    if (composite)
        shots << composite->grab();
    if (!parser.isSet(noSheetOption)) {
        main->mnuCalculationSheet_Click();
        if (composite)
            main->sheetWindow()->follow(composite);
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
