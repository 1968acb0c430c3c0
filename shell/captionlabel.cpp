#include "captionlabel.h"

#include <QPainter>
#include <QStyle>

namespace Zyntra {

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    const QRect room = contentsRect();
    if (wordWrap() || fontMetrics().horizontalAdvance(text()) <= room.width()) {
        QLabel::paintEvent(event);
        return;
    }
    // Some platforms size the font in pixels rather than points.
    QFont smaller = font();
    const bool inPoints = smaller.pointSizeF() > 0;
    qreal size = inPoints ? smaller.pointSizeF() : smaller.pixelSize();
    const qreal smallest = size * 0.66;
    while (QFontMetricsF(smaller).horizontalAdvance(text()) > room.width() && size > smallest) {
        size -= inPoints ? 0.25 : 1;
        inPoints ? smaller.setPointSizeF(size) : smaller.setPixelSize(int(size));
    }
    QPainter painter(this);
    drawFrame(&painter);
    painter.setFont(smaller);
    const QString shown = QFontMetrics(smaller).elidedText(text(), Qt::ElideRight, room.width());
    style()->drawItemText(&painter, room, int(alignment()), palette(), isEnabled(), shown, foregroundRole());
}

} // namespace Zyntra
