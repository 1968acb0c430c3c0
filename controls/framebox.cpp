#include "framebox.h"

#include "systemcolours.h"

#include <QPainter>

namespace Zyntra {

void FrameBox::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    const QFontMetrics metrics(font());
    const QString caption = title();
    // The line runs through the middle of the title, and stops either side of it.
    const int top = caption.isEmpty() ? 0 : metrics.height() / 2;
    const QRect titleBox(8, 0, caption.isEmpty() ? 0 : metrics.horizontalAdvance(caption) + 6, metrics.height());
    const int right = width() - 2;
    const int bottom = height() - 2;
    // Thin filled rectangles rather than stroked lines: the same pixels, a
    // fraction of the work.
    const auto outline = [&](int offset, const QColor &colour) {
        const int x = offset;
        const int y = top + offset;
        painter.fillRect(x, y, titleBox.left() - x, 1, colour);
        painter.fillRect(titleBox.right() + 1, y, right + offset - titleBox.right(), 1, colour);
        painter.fillRect(x, bottom + offset, right - x + offset + 1, 1, colour);
        painter.fillRect(x, y, 1, bottom + offset - y, colour);
        painter.fillRect(right + offset, y, 1, bottom + offset - y, colour);
    };
    outline(0, SystemColour::buttonShadow());
    outline(1, SystemColour::buttonHighlight());
    if (!caption.isEmpty()) {
        painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText));
        painter.drawText(titleBox, Qt::AlignCenter | Qt::TextShowMnemonic, caption);
    }
}

} // namespace Zyntra
