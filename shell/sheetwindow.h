#pragma once

#include "composite/frmcomposite.h"
#include "controls/figureentry.h"
#include "sheet/sheetfigure.h"
#include "sheet/sheetpainter.h"

#include <QPointer>
#include <QWidget>

#include <QMessageBox>

class QAction;
class QComboBox;
class QPushButton;
class QImage;
class QLabel;
class QPainter;
class QTextBrowser;

namespace Zyntra {

class FigureWindow;

// One row of the sheet's table: a quantity, how it was worked out, its value.
struct SheetRow {
    QString quantity;
    QString formula;   // in letters; empty for a given value
    QStringList steps; // the formula with the numbers put in, and on; a value typed with its unit and what it came to
    QString value;     // as the window shows it
    bool given = false;
    QString note;             // "solved from a and b"
    QString exact = {};       // "25π", where the answer has an exact form
    QString exactSpoken = {}; // "25 pi"
};

// One figure of the drawing, with the sign a composite's part stands under
// ("+", "− 2 ×"); empty for a figure alone.
struct SheetPart {
    QString sign;
    SheetFigure figure;
};

// The drawing of the user's figure to scale (`picSheet`), or of a
// composite's parts side by side, each to its own scale.
class SheetPicture : public QWidget {
    Q_OBJECT
public:
    explicit SheetPicture(QWidget *parent = nullptr);
    // Nothing to draw while the figure is empty; `message` says why.
    void setFigure(const std::optional<SheetFigure> &figure, const QString &message);
    void setParts(const QList<SheetPart> &parts, const QString &message);
    // The figure alone; none for a composite's parts.
    const std::optional<SheetFigure> &figure() const { return m_figure; }
    bool isEmpty() const { return m_parts.isEmpty(); }
    void paintParts(QPainter &painter, const QRectF &area, const SheetPaper &colours) const;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QList<SheetPart> m_parts;
    std::optional<SheetFigure> m_figure;
    QString m_message;
};

// The calculation sheet: the open figure drawn to scale from the values of
// its last CALCULATE, its given values and its answers with their working.
// It follows whichever figure window is open, and copies, saves as PDF, SVG
// or PNG, and prints.
class SheetWindow : public QWidget {
    Q_OBJECT
public:
    explicit SheetWindow(QWidget *parent = nullptr);

    // The figure window to follow, the figure it shows and the caption of
    // the menu command that opened it; nullptr for none.
    void follow(FigureWindow *window, const FigureEntry *figure);
    // The composite figure to follow instead: its parts and its total.
    void follow(frmComposite *composite);
    void refresh();

    // The title, the option given and the table, a tab between columns;
    // while exact forms are on, the table ends with the column "Exact".
    QString sheetText() const;
    // The whole sheet as a page, on white.
    QImage sheetImage() const;
    // Writes the sheet by the file's extension: .pdf the whole sheet, .svg
    // the drawing, .png the whole sheet as a picture, .csv the figure's own
    // table (a tank's dip chart) alone. An existing file is
    // replaced only once the new one is complete; false with the reason
    // otherwise.
    bool saveTo(const QString &path, QString *error);
    // Lays the whole sheet out on a page: black on white, the drawing
    // centred, the text made to fit.
    void renderSheet(QPainter &painter, const QRectF &page) const;

    void copy();
    void save();
    void print();

    QMessageBox *warning() const { return m_warning; }

protected:
    void changeEvent(QEvent *event) override;

private:
    // The window's fixed texts, in the language the program speaks.
    void sayTexts();
    // The table as the window, the page and the picture show it.
    QString tableHtml() const;
    void showComposite();
    // What a screen reader hears of the table, a row at a time.
    void describeRows();
    // The steps a figure's own table may go by, in the length unit in force.
    void offerTableSteps();

    QPointer<FigureWindow> m_window;
    QPointer<frmComposite> m_composite;
    const FigureEntry *m_figure = nullptr;
    QLabel *m_title;
    QLabel *m_option;
    SheetPicture *m_picture;
    QTextBrowser *m_text;
    QLabel *m_stepCaption;
    QComboBox *m_step; // cboSheetStep: the steps of the figure's own table, where it has one
    QList<SheetRow> m_rows;
    bool m_exactColumn = false;
    QPointer<QMessageBox> m_warning;
    // Copy, Save and Print: each a shortcut and a button, captioned alike.
    struct Command {
        QAction *action;
        QPushButton *button;
        const char *english;
    };
    QList<Command> m_commands;
};

} // namespace Zyntra
