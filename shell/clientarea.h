#pragma once

#include "controls/figurehost.h"

namespace Zyntra {

// The main window's multiple-document area: it holds the open figure
// window, placed from its top-left corner, on the active-border colour.
class ClientArea : public FigureHost {
    Q_OBJECT
public:
    explicit ClientArea(QWidget *parent = nullptr);

    void setBackground(const QColor &colour) override;
    QColor background() const;
    void addFigureWindow(FigureWindow *window, const QRect &placement);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    QColor m_background = Qt::white;
};

} // namespace Zyntra
