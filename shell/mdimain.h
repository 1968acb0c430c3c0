#pragma once

#include "composite/frmcomposite.h"
#include "controls/figureentry.h"
#include "controls/theme.h"
#include "entry/numericentry.h"
#include "entry/units.h"
#include "frmabout.h"
#include "historywindow.h"
#include "language.h"
#include "sheetwindow.h"

#include <QMainWindow>
#include <QPointer>

#include <memory>

class QMenu;

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
    // Answers with their exact forms ("25π") beside the decimals, or without;
    // kept and followed the same way.
    void mnuExactForm_Click(bool on);
    // How many digits answers show; kept and followed the same way.
    void mnuPrecision_Click(Precision precision);
    void mnuPrecisionTape_Click(int denominator);
    // The units lengths, areas and volumes are shown in; kept, the Units
    // menu's marks follow, and so do the open figure's answers.
    void chooseUnits(UnitChoice units);
    // Opens the calculation sheet beside the main window, following the open figure.
    void mnuCalculationSheet_Click();
    // Opens the history of calculations beside the main window.
    void mnuHistory_Click();
    // Opens the composite figure beside the main window.
    void mnuComposite_Click();
    // Opens a kept composite under the choices it was kept with.
    void openComposite(const CompositeRecord &record);
    // Whether calculations are recorded; kept for the next run.
    void mnuKeepHistory_Click(bool keep);
    // Opens the recorded figure under the choices it was made with, gives
    // its option and given values and calculates; false when the figure is
    // not one this Zyntra has.
    bool reopen(const HistoryRecord &record);
    // The View menu's commands: every window follows at once, and the
    // choice is kept for the next run.
    void chooseTheme(Theme theme);
    // Clamped to the zoom's bounds.
    void zoomTo(double zoom);
    void mnuShowSplash_Click(bool show);
    void chooseLanguage(Language language);

    ClientArea *clientArea() const { return m_client; }
    frmAbout *aboutWindow() const { return m_about; }
    SheetWindow *sheetWindow() const { return m_sheet; }
    HistoryWindow *historyWindow() const { return m_historyWindow; }
    frmComposite *compositeWindow() const { return m_composite; }
    // Opened at its first use, so that start-up never waits for it.
    HistoryStore &history();

protected:
    void closeEvent(QCloseEvent *event) override;
    void changeEvent(QEvent *event) override;
    // Ctrl with the wheel zooms, over any window of the program.
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void MDIForm_Load();
    void createMenus();
    void createPrecisionMenu(QMenu *geometry);
    void createUnitsMenu(QMenu *geometry);
    void createViewMenu();
    void markViewMenu();
    void rescaleMenus(double from, double to);
    // The menus' captions in the language in force.
    void translateMenus();
    // The open figure window again, in the language now spoken.
    void openFigureAgain();
    void markUnitsMenu();
    void recalculateFigures();
    void runFigureCommand(const FigureEntry *figure);
    void placeAndShow(FigureWindow *window);
    QRect placementOf(const FigureWindow *window) const;
    // The calculation a figure window shows, as the history keeps it; none
    // while it shows no answers or one of its given values was never read.
    std::optional<HistoryRecord> calculationRecord(const FigureWindow *window) const;
    void recordCalculation(const FigureWindow *window);
    // The answer of the window's calculation, added to the composite or cut out of it.
    void addToComposite(const FigureWindow *window, int answer, int sign);
    void applyChoices(const HistoryRecord &record);
    void applyChoices(const QString &constants, bool exactForms, const UnitChoice &units, const QString &precision);

    QWidget *m_splash;
    ClientArea *m_client;
    QPointer<frmAbout> m_about;
    QPointer<SheetWindow> m_sheet;
    std::unique_ptr<HistoryStore> m_history;
    QPointer<HistoryWindow> m_historyWindow;
    QPointer<frmComposite> m_composite;
    bool m_keepHistory = true;
    int m_wheelTurned = 0;                 // eighths of a degree towards the next zoom step
    const FigureEntry *m_figure = nullptr; // of the open figure window
};

// Where a figure window of the given main window size goes, in pixels:
// the client area's top-left corner, 1050 twips smaller than the main
// window's outer size (at least one pixel).
QRect figurePlacement(QSize mainOuterSize);

} // namespace Zyntra
