#pragma once

#include "sheet/sheetfigure.h"

#include <QPointer>
#include <QWidget>

class QLabel;
#include <QMessageBox>
class QPainter;

namespace Zyntra {

class FigureWindow;

// The drawing of the user's figure to scale (`picSheet`).
class SheetPicture : public QWidget {
    Q_OBJECT
public:
    explicit SheetPicture(QWidget *parent = nullptr);
    // Nothing to draw while the figure is empty; `message` says why.
    void setFigure(const std::optional<SheetFigure> &figure, const QString &message);
    const std::optional<SheetFigure> &figure() const { return m_figure; }

protected:
    void paintEvent(QPaintEvent *event) override;

private:
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

    // The figure window to follow and the figure it shows; nullptr for none.
    void follow(FigureWindow *window, SheetFigureKind kind);
    void refresh();

    QString sheetText() const;
    // Writes the sheet by the file's extension: .pdf the whole sheet, .svg
    // the drawing, .png the whole sheet as a picture. An existing file is
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

private:
    QPointer<FigureWindow> m_window;
    SheetFigureKind m_kind = SheetFigureKind::Rectangle;
    QLabel *m_title;
    QLabel *m_option;
    SheetPicture *m_picture;
    QLabel *m_text;
    QStringList m_lines; // given values and answers with their working
    QPointer<QMessageBox> m_warning;
};

} // namespace Zyntra
