#include "shell/shellfixture.h"

#include "controls/globalsubs.h"
#include "controls/systemcolours.h"
#include "shell/catalogue.h"
#include "shell/frmabout.h"

#include <QActionGroup>
#include <QClipboard>
#include <QElapsedTimer>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QMessageBox>
#include <QPushButton>
#include <QTimer>

using namespace Zyntra;

class TestShell : public QObject {
    Q_OBJECT
private slots:
    void splashComesFirstAndMainWindowAfterTheTick();
    void menuItemsHaveTheirCaptionsAndIndices_data();
    void menuItemsHaveTheirCaptionsAndIndices();
    void menuBarHasFileGeometryHelp();
    void figureCommandWritesItsMode_data();
    void figureCommandWritesItsMode();
    void figureCommandRunsTheSequence();
    void reopeningTheSameFigureGivesAFreshWindow();
    void everyWindowAndItsWarningGoWithTheNextCommand_data();
    void everyWindowAndItsWarningGoWithTheNextCommand();
    void figureWindowsPaintTheirFaceAndShareOnePalette_data();
    void figureWindowsPaintTheirFaceAndShareOnePalette();
    void figureWindowFillsClientAreaLessTheMargin_data();
    void figureWindowFillsClientAreaLessTheMargin();
    void figureWindowCannotBeClosedMovedOrResizedByTheUser();
    void aboutOpensOnceAndOutlivesFigureCommands();
    void okClosesOnlyTheAbout();
    void unloadCurrentFormIgnoresUnknownCodes();
};

void TestShell::splashComesFirstAndMainWindowAfterTheTick()
{
    intCurrentForm = 0;
    QElapsedTimer clock;
    clock.start();
    frmSplash splash;
    splash.show();
    QVERIFY(QTest::qWaitForWindowExposed(&splash));
    QCOMPARE(splash.findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Zyntra v1.0"));
    QVERIFY(!splash.findChild<QLabel *>(QStringLiteral("Label2"))->text().isEmpty());
    QCOMPARE(splash.timer()->interval(), 3000);
    QVERIFY(splash.timer()->isActive());
    QVERIFY(!splash.mainWindow());

    QTRY_VERIFY_WITH_TIMEOUT(splash.mainWindow() && splash.mainWindow()->isVisible(), 5000);
    QVERIFY(clock.elapsed() >= 2900);
    QVERIFY(!splash.isVisible());
    QVERIFY(!splash.timer()->isActive());
    QCOMPARE(splash.mainWindow()->windowTitle(), QStringLiteral("Zyntra v1.0"));
    QCOMPARE(intCurrentForm, FormCode::MainLoaded);
    QVERIFY(splash.mainWindow()->clientArea()->figureWindows().isEmpty());
    QCOMPARE(splash.mainWindow()->clientArea()->background(), SystemColour::activeBorder());
    QVERIFY(!splash.mainWindow()->windowIcon().isNull());
}

void TestShell::menuItemsHaveTheirCaptionsAndIndices_data()
{
    QTest::addColumn<QString>("name");
    QTest::addColumn<QString>("menu");
    QTest::addColumn<QString>("caption");
    const char *plane[] = {"Circle",          "Triangle (Right)", "Rectangle",
                           "Parallelogram",   "Trapezoid",        "Quadrilateral",
                           "Annulus",         "Trapezium",        "Triangle (Equilateral)",
                           "Regular Polygon", "Circle Sections",  "Ellipse"};
    for (int i = 0; i < 12; ++i)
        QTest::newRow(plane[i]) << arrayName(QStringLiteral("mnuGeometryItem"), i) << "mnuDim(0)" << plane[i];
    const char *solid[] = {"Sphere",     "Cube",          "Right Prism",  "Right Cylinder",
                           "Right Cone", "Right Pyramid", "Circular Ring"};
    for (int i = 0; i < 7; ++i)
        QTest::newRow(solid[i]) << arrayName(QStringLiteral("mnu3dGeometryItem"), i) << "mnuDim(1)" << solid[i];
    QTest::newRow("Exit") << "mnuFileItem(1)"
                          << "mnuFile"
                          << "&Exit";
    QTest::newRow("About") << "mnuHelpItem(1)"
                           << "mnuHelp"
                           << "About";
}

void TestShell::menuItemsHaveTheirCaptionsAndIndices()
{
    QFETCH(QString, name);
    QFETCH(QString, menu);
    QFETCH(QString, caption);
    ShellFixture program;
    QAction *item = program.menuItem(name);
    QVERIFY(item);
    QCOMPARE(item->text(), caption);
    QVERIFY(item->shortcut().isEmpty());
    QVERIFY(!item->isCheckable());
    QVERIFY(item->isEnabled());
    auto *owner = program.main()->findChild<QMenu *>(menu);
    QVERIFY(owner);
    QVERIFY(owner->actions().contains(item));
}

void TestShell::menuBarHasFileGeometryHelp()
{
    ShellFixture program;
    QStringList titles;
    for (QAction *action : program.main()->menuBar()->actions())
        titles << action->text();
    QCOMPARE(titles, (QStringList{"&File", "&Geometry", "&View", "&Help"}));
    auto *geometry = program.main()->findChild<QMenu *>(QStringLiteral("mnuGeometry"));
    QStringList submenus;
    for (QAction *action : geometry->actions())
        submenus << action->text();
    QCOMPARE(submenus,
             (QStringList{"2D Objects", "3D Objects", "", "Exact Constants", "Exact Form", "Calculation Sheet",
                          "Precision", "History", "Keep History", "Composite", "Units"}));
    // One choice of precision at a time, the described one first.
    QStringList precisions;
    for (QAction *action : geometry->findChild<QMenu *>(QStringLiteral("mnuPrecision"))->actions())
        if (!action->isSeparator() && action->isCheckable() && action->actionGroup()->isExclusive()
            && action->isVisible()) // the fractions of an inch show only under "ft and in"
            precisions << (action->isChecked() ? u'*' + action->text() : action->text());
    QCOMPARE(precisions.size(), 1 + 11 + 13);
    QCOMPARE(precisions.filter(QStringLiteral("*")), QStringList{"*As Described"});
    QCOMPARE(precisions.mid(1, 3), (QStringList{"0 Decimal Places", "1 Decimal Place", "2 Decimal Places"}));
    QCOMPARE(precisions.last(), QStringLiteral("15 Significant Digits"));
}

void TestShell::figureCommandWritesItsMode_data()
{
    QTest::addColumn<QString>("item");
    QTest::addColumn<int>("squareMode"); // -1: left as it was
    QTest::addColumn<int>("circleMode");
    QTest::newRow("Circle") << "mnuGeometryItem(0)" << -1 << 0;
    QTest::newRow("Triangle (Right)") << "mnuGeometryItem(1)" << -1 << -1;
    for (int index = 2; index <= 8; ++index)
        QTest::addRow("%s", figureCommand(FigureMenu::Plane, qint16(index))->caption)
            << arrayName(QStringLiteral("mnuGeometryItem"), index) << index - 2 << -1;
    QTest::newRow("Regular Polygon") << "mnuGeometryItem(9)" << -1 << -1;
    QTest::newRow("Circle Sections") << "mnuGeometryItem(10)" << -1 << 1;
    QTest::newRow("Ellipse") << "mnuGeometryItem(11)" << -1 << 2;
    QTest::newRow("Sphere") << "mnu3dGeometryItem(0)" << -1 << -1;
    for (int index = 1; index <= 6; ++index)
        QTest::addRow("%s", figureCommand(FigureMenu::Solid, qint16(index))->caption)
            << arrayName(QStringLiteral("mnu3dGeometryItem"), index) << index + 6 << -1;
}

void TestShell::figureCommandWritesItsMode()
{
    QFETCH(QString, item);
    QFETCH(int, squareMode);
    QFETCH(int, circleMode);
    ShellFixture program;
    intSquareMode = 99;
    intCircleMode = 99;
    program.choose(item);
    QCOMPARE(int(intSquareMode), squareMode < 0 ? 99 : squareMode);
    QCOMPARE(int(intCircleMode), circleMode < 0 ? 99 : circleMode);
    QVERIFY(program.figureWindows().size() <= 1);
}

void TestShell::figureCommandRunsTheSequence()
{
    ShellFixture program;
    QCOMPARE(intCurrentForm, FormCode::MainLoaded);
    auto *first = program.open<FigureWindow>(QStringLiteral("mnuGeometryItem(9)"));
    QVERIFY(first);
    QCOMPARE(first->objectName(), QStringLiteral("frmPolygon"));
    QCOMPARE(intCurrentForm, FormCode::Polygon);
    QVERIFY(first->isVisible());
    QVERIFY(!first->isWindow()); // no frame, title or system menu of its own
    QCOMPARE(first->parentWidget(), program.main()->clientArea());
    QCOMPARE(first->pos(), QPoint(0, 0));
}

void TestShell::reopeningTheSameFigureGivesAFreshWindow()
{
    ShellFixture program;
    QPointer<FigureWindow> first = program.open<FigureWindow>(QStringLiteral("mnuGeometryItem(9)"));
    first->findChild<QLineEdit *>(QStringLiteral("txtGivenValue"))->setText(QStringLiteral("5"));
    auto *second = program.open<FigureWindow>(QStringLiteral("mnuGeometryItem(9)"));
    QVERIFY(!first); // destroyed, not just hidden
    QVERIFY(second);
    QCOMPARE(program.figureWindows().size(), 1);
    QVERIFY(second->findChild<QLineEdit *>(QStringLiteral("txtGivenValue"))->text().isEmpty());
}

// One row per figure command, named by its caption.
static void addEveryFigureCommand()
{
    QTest::addColumn<QString>("item");
    for (const FigureEntry *figure : figureCatalogue())
        QTest::newRow(figure->caption) << menuItemName(*figure);
}

void TestShell::everyWindowAndItsWarningGoWithTheNextCommand_data()
{
    addEveryFigureCommand();
}

void TestShell::everyWindowAndItsWarningGoWithTheNextCommand()
{
    QFETCH(QString, item);
    ShellFixture program;
    QPointer<FigureWindow> window = program.open<FigureWindow>(item);
    QVERIFY(window);
    QGuiApplication::clipboard()->setText(QStringLiteral("abc"));
    for (QLineEdit *field : window->findChildren<QLineEdit *>())
        if (field->isVisibleTo(window) && field->isEnabled())
            QTest::keyClick(field, Qt::Key_V, Qt::ControlModifier);
    QTest::mouseClick(window->findChild<QPushButton *>(QStringLiteral("cmdCalculate")), Qt::LeftButton);
    QPointer<QMessageBox> warning = window->warning();
    QVERIFY(warning && warning->isVisible());

    program.choose(item);
    QVERIFY(!window); // destroyed, not just hidden
    QVERIFY(!warning);
    QCOMPARE(program.figureWindows().size(), 1);
}

void TestShell::figureWindowsPaintTheirFaceAndShareOnePalette_data()
{
    addEveryFigureCommand();
}

// Each window shows the active-border colour, and the buttons of the next
// window are drawn with the very palette of the last one, so that the
// style's cached drawings of them are found again instead of piling up.
void TestShell::figureWindowsPaintTheirFaceAndShareOnePalette()
{
    QFETCH(QString, item);
    ShellFixture program;
    auto *first = program.open<FigureWindow>(item);
    QVERIFY(first);
    const QImage face = first->grab().toImage();
    QCOMPARE(face.pixelColor(face.width() - 2, face.height() - 2), SystemColour::activeBorder());
    const qint64 firstKey = first->findChild<QPushButton *>(QStringLiteral("cmdCalculate"))->palette().cacheKey();

    auto *second = program.open<FigureWindow>(item);
    QVERIFY(second);
    for (const QPushButton *button : second->findChildren<QPushButton *>())
        QCOMPARE(button->palette().cacheKey(), firstKey);
}

void TestShell::figureWindowFillsClientAreaLessTheMargin_data()
{
    QTest::addColumn<QSize>("mainOuter");
    QTest::addColumn<QRect>("figure");
    QTest::newRow("12000 x 9000 twips") << QSize(800, 600) << QRect(0, 0, 730, 530);
    QTest::newRow("design size") << QSize(679, 716) << QRect(0, 0, 609, 646);
    QTest::newRow("smaller than the margin") << QSize(50, 60) << QRect(0, 0, 1, 1);
}

void TestShell::figureWindowFillsClientAreaLessTheMargin()
{
    QFETCH(QSize, mainOuter);
    QFETCH(QRect, figure);
    QCOMPARE(figurePlacement(mainOuter), figure);
    QCOMPARE(twipsToPixels(12000 - 1050), 730);
    QCOMPARE(twipsToPixels(9000 - 1050), 530);
}

void TestShell::figureWindowCannotBeClosedMovedOrResizedByTheUser()
{
    ShellFixture program;
    program.main()->resize(800, 600);
    auto *figure = program.open<FigureWindow>(QStringLiteral("mnuGeometryItem(9)"));
    QCOMPARE(figure->geometry(), figurePlacement(program.main()->frameGeometry().size()));
    const QRect placed = figure->geometry();

    QVERIFY(!figure->close());
    QTest::keyClick(figure, Qt::Key_F4, Qt::ControlModifier);
    QTest::keyClick(figure, Qt::Key_W, Qt::ControlModifier);
    QCOMPARE(program.figureWindows().size(), 1);
    QVERIFY(figure->isVisible());

    // A drag from the corner or the top edge neither resizes nor moves it.
    const QPoint corner(placed.width() - 1, placed.height() - 1);
    QTest::mousePress(figure, Qt::LeftButton, {}, corner);
    QTest::mouseMove(figure, corner + QPoint(40, 40));
    QTest::mouseRelease(figure, Qt::LeftButton, {}, corner + QPoint(40, 40));
    QTest::mousePress(figure, Qt::LeftButton, {}, QPoint(placed.width() / 2, 1));
    QTest::mouseMove(figure, QPoint(placed.width() / 2 + 50, 60));
    QTest::mouseRelease(figure, Qt::LeftButton, {}, QPoint(placed.width() / 2 + 50, 60));
    QCOMPARE(figure->geometry(), placed);

    // Resizing the main window later leaves the figure window as placed.
    program.main()->resize(900, 700);
    QCOMPARE(figure->geometry(), placed);
}

void TestShell::aboutOpensOnceAndOutlivesFigureCommands()
{
    ShellFixture program;
    program.choose(QStringLiteral("mnuHelpItem(1)"));
    program.choose(QStringLiteral("mnuHelpItem(1)"));
    const QWidgetList windows = QApplication::topLevelWidgets();
    QCOMPARE(std::count_if(windows.begin(), windows.end(),
                           [](QWidget *w) { return w->objectName() == QStringLiteral("frmAbout") && w->isVisible(); }),
             1);
    frmAbout *about = program.main()->aboutWindow();
    QVERIFY(about && about->isVisible());
    QCOMPARE(about->windowTitle(), QStringLiteral("About Zyntra"));
    QVERIFY(about->isWindow());
    QCOMPARE(about->size(), QSize(420, 262));
    const QPoint where = about->pos();

    program.choose(QStringLiteral("mnuGeometryItem(9)"));
    program.choose(QStringLiteral("mnuGeometryItem(9)"));
    QVERIFY(about->isVisible());
    QCOMPARE(about->pos(), where);
    QCOMPARE(about->findChild<QLabel *>(QStringLiteral("Label1"))->text(), QStringLiteral("Zyntra v1.0"));
    for (const char *label : {"Label2", "Label3", "Label4", "Label5"})
        QVERIFY(!about->findChild<QLabel *>(QString::fromLatin1(label))->text().isEmpty());
    QVERIFY(about->findChild<QLabel *>(QStringLiteral("Label3"))->text().contains(QStringLiteral("2002")));
}

void TestShell::okClosesOnlyTheAbout()
{
    ShellFixture program;
    program.choose(QStringLiteral("mnuGeometryItem(9)"));
    program.choose(QStringLiteral("mnuHelpItem(1)"));
    QPointer<frmAbout> about = program.main()->aboutWindow();
    QTest::mouseClick(about->findChild<QPushButton *>(QStringLiteral("cmdOK")), Qt::LeftButton);
    QTRY_VERIFY(!about);
    QVERIFY(program.main()->isVisible());
    QCOMPARE(program.figureWindows().size(), 1);
    program.choose(QStringLiteral("mnuHelpItem(1)"));
    QVERIFY(program.main()->aboutWindow()->isVisible());
}

void TestShell::unloadCurrentFormIgnoresUnknownCodes()
{
    ShellFixture program;
    program.choose(QStringLiteral("mnuGeometryItem(9)"));
    for (qint16 code : {qint16(1), qint16(2), qint16(6), qint16(8), qint16(9), qint16(-7), qint16(300)}) {
        intCurrentForm = code;
        GlobalSubs::UnloadCurrentForm();
        QCOMPARE(program.figureWindows().size(), 1);
    }
    intCurrentForm = FormCode::Polygon;
    GlobalSubs::UnloadCurrentForm();
    QVERIFY(program.figureWindows().isEmpty());
    QCOMPARE(intCurrentForm, FormCode::Polygon); // only the next load writes it
}

QTEST_MAIN(TestShell)
#include "tst_shell.moc"
