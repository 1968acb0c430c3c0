#include "framebox.h"

#include "systemcolours.h"

#include <QPainter>

namespace Zyntra {

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QString caption = title();
    // The line runs through the middle of the title.
    const int top = caption.isEmpty() ? 0 : metrics.height() / 2;
    if (!caption.isEmpty()) {
        const QRect titleBox(8, 0, metrics.horizontalAdvance(caption) + 6, metrics.height());
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(titleBox, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
        painter.setClipRegion(QRegion(rect()).subtracted(titleBox));
    }
    const QRect shadow = rect().adjusted(0, top, -2, -2);
    painter.setPen(SystemColour::buttonShadow());
    painter.drawRect(shadow);
    painter.setPen(SystemColour::buttonHighlight());
    painter.drawRect(shadow.translated(1, 1));
}

} // namespace Zyntra
