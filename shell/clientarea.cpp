#include "clientarea.h"

#include "controls/figurewindow.h"

#include <QPaintEvent>
#include <QPainter>

namespace Zyntra {

ClientArea::ClientArea(QWidget *parent)
    : FigureHost(parent)
{
    setObjectName(QStringLiteral("MDIMainClient"));
    setAttribute(Qt::WA_OpaquePaintEvent);
}

// Painted, not set as a palette, for the reason FigureWindow::paintEvent gives.
void ClientArea::setBackground(const QColor &colour)
{
    if (colour == m_background)
        return;
    m_background = colour;
    update();
}

QColor ClientArea::background() const
{
    return m_background;
}

void ClientArea::paintEvent(QPaintEvent *event)
{
    QPainter(this).fillRect(event->rect(), m_background);
}

void ClientArea::addFigureWindow(FigureWindow *window, const QRect &placement)
{
    window->setParent(this);
    window->setGeometry(placement);
    window->show();
    window->focusFirstField();
}

} // namespace Zyntra
