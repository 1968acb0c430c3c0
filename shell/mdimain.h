#pragma once

#include "figurecommands.h"
#include "frmabout.h"
#include "sheetwindow.h"

#include <QMainWindow>
#include <QPointer>

namespace Zyntra {

class ClientArea;
class FigureWindow;

// The main window: the menu bar and the client area that holds one
// figure window at a time.
class MDIMain : public QMainWindow {
    Q_OBJECT
public:
    explicit MDIMain(QWidget *splash);

    void mnuFileItem_Click(qint16 index);
    void mnuGeometryItem_Click(qint16 index);
    void mnu3dGeometryItem_Click(qint16 index);
    void mnuHelpItem_Click(qint16 index);
    // Described constants or exact ones; kept for the next run, and the
    // open figure's answers follow at once.
    void mnuExactConstants_Click(bool exact);
    // Opens the calculation sheet beside the main window, following the open figure.
    void mnuCalculationSheet_Click();

    ClientArea *clientArea() const { return m_client; }
    frmAbout *aboutWindow() const { return m_about; }
    SheetWindow *sheetWindow() const { return m_sheet; }

protected:
    void closeEvent(QCloseEvent *event) override;

private:
    void MDIForm_Load();
    void createMenus();
    void runFigureCommand(const FigureCommand &command);
    void placeAndShow(FigureWindow *window);

    QWidget *m_splash;
    ClientArea *m_client;
    QPointer<frmAbout> m_about;
    QPointer<SheetWindow> m_sheet;
    SheetFigureKind m_figureKind = SheetFigureKind::Rectangle; // of the open figure window
    QString m_figureCaption;                                   // and its menu command
};

// Where a figure window of the given main window size goes, in pixels:
// the client area's top-left corner, 1050 twips smaller than the main
// window's outer size (at least one pixel).
QRect figurePlacement(QSize mainOuterSize);

} // namespace Zyntra
