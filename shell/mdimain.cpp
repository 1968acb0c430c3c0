#include "mdimain.h"

#include "circle/frmcircle.h"
#include "clientarea.h"
#include "controls/globalsubs.h"
#include "controls/systemcolours.h"
#include "controls/twips.h"
#include "entry/term.h"
#include "frmabout.h"
#include "polygon/frmpolygon.h"
#include "sheetwindow.h"
#include "solids/frmsphere.h"
#include "triangle/frmgeometry.h"
#include "usersettings.h"
#include "workbench/frmsquare.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QMenuBar>

namespace Zyntra {

namespace {

constexpr int PlacementMarginTwips = 1050;

FigureWindow *createFigureWindow(FigureTarget target)
{
    switch (target) {
    case FigureTarget::Polygon:
        return new frmPolygon;
    case FigureTarget::Square:
        return new frmSquare;
    case FigureTarget::Geometry:
        return new frmGeometry;
    case FigureTarget::Sphere:
        return new frmSphere;
    case FigureTarget::Circle:
        return new frmCircle;
    }
    return nullptr;
}

// The drawing of the calculation sheet for a figure command.
SheetFigureKind sheetFigureKind(const FigureCommand &command)
{
    switch (command.target) {
    case FigureTarget::Square:
        return SheetFigureKind(command.mode); // the workbench's modes come first, in order
    case FigureTarget::Circle:
        return std::array{SheetFigureKind::Circle, SheetFigureKind::CircleSection,
                          SheetFigureKind::Ellipse}[size_t(std::clamp<int>(command.mode, 0, 2))];
    case FigureTarget::Sphere:
        return SheetFigureKind::Sphere;
    case FigureTarget::Geometry:
        return SheetFigureKind::RightTriangle;
    case FigureTarget::Polygon:
        return SheetFigureKind::Polygon;
    }
    return SheetFigureKind::Rectangle;
}

} // namespace

QRect figurePlacement(QSize mainOuterSize)
{
    const int width = twipsToPixels(pixelsToTwips(mainOuterSize.width()) - PlacementMarginTwips);
    const int height = twipsToPixels(pixelsToTwips(mainOuterSize.height()) - PlacementMarginTwips);
    return QRect(0, 0, std::max(width, 1), std::max(height, 1));
}

MDIMain::MDIMain(QWidget *splash)
    : m_splash(splash)
    , m_client(new ClientArea)
{
    setObjectName(QStringLiteral("MDIMain"));
    setWindowIcon(QIcon(QStringLiteral(":/pictures/icon.svg")));
    m_client->setBackground(SystemColour::activeBorder());
    setCentralWidget(m_client);
    GlobalSubs::setClientArea(m_client);
    setExactConstants(UserSettings::exactConstants());
    createMenus();
    setGeometry(Twips{810, 720, 10185, 10740}.toPixels());
    MDIForm_Load();
}

void MDIMain::MDIForm_Load()
{
    setWindowTitle(QStringLiteral("Zyntra v1.0"));
    intCurrentForm = FormCode::MainLoaded;
    if (m_splash)
        m_splash->hide();
}

void MDIMain::createMenus()
{
    QMenu *file = menuBar()->addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("mnuFile"));
    QAction *exit = file->addAction(QStringLiteral("&Exit"), this, [this] { mnuFileItem_Click(1); });
    exit->setObjectName(arrayName(QStringLiteral("mnuFileItem"), 1));

    QMenu *geometry = menuBar()->addMenu(QStringLiteral("&Geometry"));
    geometry->setObjectName(QStringLiteral("mnuGeometry"));
    const auto addItems = [this](QMenu *menu, const QString &arrayBase, const auto &commands,
                                 void (MDIMain::*handler)(qint16)) {
        for (qint16 index = 0; index < qint16(commands.size()); ++index) {
            QAction *item = menu->addAction(QString::fromLatin1(commands[size_t(index)].caption), this,
                                            [this, handler, index] { (this->*handler)(index); });
            item->setObjectName(arrayName(arrayBase, index));
        }
    };
    QMenu *plane = geometry->addMenu(QStringLiteral("2D Objects"));
    plane->setObjectName(arrayName(QStringLiteral("mnuDim"), 0));
    addItems(plane, QStringLiteral("mnuGeometryItem"), Geometry2dCommands, &MDIMain::mnuGeometryItem_Click);
    QMenu *solid = geometry->addMenu(QStringLiteral("3D Objects"));
    solid->setObjectName(arrayName(QStringLiteral("mnuDim"), 1));
    addItems(solid, QStringLiteral("mnu3dGeometryItem"), Geometry3dCommands, &MDIMain::mnu3dGeometryItem_Click);
    geometry->addSeparator();
    QAction *exact = geometry->addAction(QStringLiteral("Exact Constants"));
    exact->setObjectName(QStringLiteral("mnuExactConstants"));
    exact->setCheckable(true);
    exact->setChecked(exactConstants());
    connect(exact, &QAction::toggled, this, &MDIMain::mnuExactConstants_Click);
    QAction *sheet =
        geometry->addAction(QStringLiteral("Calculation Sheet"), this, &MDIMain::mnuCalculationSheet_Click);
    sheet->setObjectName(QStringLiteral("mnuCalculationSheet"));
    // Ctrl+Shift+K is free in the common desktops and programs.
    sheet->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_K));

    QMenu *help = menuBar()->addMenu(QStringLiteral("&Help"));
    help->setObjectName(QStringLiteral("mnuHelp"));
    QAction *about = help->addAction(QStringLiteral("About"), this, [this] { mnuHelpItem_Click(1); });
    about->setObjectName(arrayName(QStringLiteral("mnuHelpItem"), 1));
}

void MDIMain::mnuExactConstants_Click(bool exact)
{
    setExactConstants(exact);
    UserSettings::setExactConstants(exact);
    for (FigureWindow *window : m_client->figureWindows())
        window->recalculate();
}

void MDIMain::mnuCalculationSheet_Click()
{
    if (!m_sheet) {
        m_sheet = new SheetWindow(this);
        m_sheet->setAttribute(Qt::WA_DeleteOnClose);
        const auto windows = m_client->figureWindows();
        m_sheet->follow(windows.isEmpty() ? nullptr : windows.first(), m_figureKind, m_figureCaption);
        m_sheet->move(frameGeometry().topRight() + QPoint(8, 0));
    }
    m_sheet->show();
    m_sheet->raise();
    m_sheet->activateWindow();
}

void MDIMain::mnuFileItem_Click(qint16 index)
{
    if (index == 1)
        close();
}

void MDIMain::mnuHelpItem_Click(qint16 index)
{
    if (index != 1)
        return;
    if (!m_about)
        m_about = new frmAbout(this);
    m_about->show();
    m_about->raise();
    m_about->activateWindow();
}

void MDIMain::mnuGeometryItem_Click(qint16 index)
{
    if (index >= 0 && index < qint16(Geometry2dCommands.size()))
        runFigureCommand(Geometry2dCommands[size_t(index)]);
}

void MDIMain::mnu3dGeometryItem_Click(qint16 index)
{
    if (index >= 0 && index < qint16(Geometry3dCommands.size()))
        runFigureCommand(Geometry3dCommands[size_t(index)]);
}

void MDIMain::runFigureCommand(const FigureCommand &command)
{
    GlobalSubs::UnloadCurrentForm();
    if (command.target == FigureTarget::Square)
        intSquareMode = command.mode;
    else if (command.target == FigureTarget::Circle)
        intCircleMode = command.mode;
    FigureWindow *window = createFigureWindow(command.target);
    if (!window)
        return;
    placeAndShow(window);
    m_figureKind = sheetFigureKind(command);
    m_figureCaption = QString::fromLatin1(command.caption);
    connect(window, &FigureWindow::workingRequested, this, &MDIMain::mnuCalculationSheet_Click);
    if (m_sheet)
        m_sheet->follow(window, m_figureKind, m_figureCaption);
}

void MDIMain::placeAndShow(FigureWindow *window)
{
    m_client->addFigureWindow(window, figurePlacement(frameGeometry().size()));
}

// Ending the main window ends the program, with every other window.
void MDIMain::closeEvent(QCloseEvent *event)
{
    event->accept();
    if (m_about)
        m_about->close();
    if (m_sheet)
        m_sheet->close();
    if (m_splash)
        m_splash->hide();
    QCoreApplication::quit();
}

} // namespace Zyntra
