#pragma once

#include <QColor>
#include <QWidget>

namespace Zyntra {

class FigureWindow;

// The widget figure windows live in. The main window's client area is one;
// the control kit reaches it only through here, so that nothing below the
// shell depends on the shell.
class FigureHost : public QWidget {
    Q_OBJECT
public:
    using QWidget::QWidget;

    QList<FigureWindow *> figureWindows() const;
    virtual void setBackground(const QColor &colour) = 0;
};

} // namespace Zyntra
