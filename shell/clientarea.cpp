#include "clientarea.h"

#include "figurewindow.h"

namespace Zyntra {

ClientArea::ClientArea(QWidget *parent)
    : QWidget(parent)
{
    setObjectName(QStringLiteral("MDIMainClient"));
    setAutoFillBackground(true);
}

void ClientArea::setBackground(const QColor &colour)
{
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, colour);
    setPalette(palette);
}

QColor ClientArea::background() const
{
    return palette().color(QPalette::Window);
}

QList<FigureWindow *> ClientArea::figureWindows() const
{
    return findChildren<FigureWindow *>(Qt::FindDirectChildrenOnly);
}

void ClientArea::addFigureWindow(FigureWindow *window, const QRect &placement)
{
    window->setParent(this);
    window->setGeometry(placement);
    window->show();
    // Like a freshly opened window, the figure takes the keyboard at its first field.
    for (QWidget *next = window->nextInFocusChain(); next != window && window->isAncestorOf(next);
         next = next->nextInFocusChain()) {
        if (next->focusPolicy() & Qt::TabFocus && next->isVisible() && next->isEnabled()) {
            next->setFocus(Qt::OtherFocusReason);
            break;
        }
    }
}

} // namespace Zyntra
