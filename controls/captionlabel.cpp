#include "captionlabel.h"

#include <QHash>
#include <QPainter>
#include <QStyle>

namespace Zyntra {

namespace {

struct CacheKey {
    QString text;
    QFont font;
    int width;
    bool operator==(const CacheKey &) const = default;
};

size_t qHash(const CacheKey &key, size_t seed = 0)
{
    return qHashMulti(seed, key.text, key.font, key.width);
}

} // namespace

const CaptionLabel::LaidOut &CaptionLabel::laidOut(int width) const
{
    static QHash<CacheKey, LaidOut> cache;
    const CacheKey key{text(), font(), width};
    if (const auto found = cache.constFind(key); found != cache.cend())
        return *found;
    if (cache.size() > 4000) // captions are few; anything else is a stream of new texts
        cache.clear();

    QFont shown = font();
    // Some platforms size the font in pixels rather than points.
    const bool inPoints = shown.pointSizeF() > 0;
    qreal size = inPoints ? shown.pointSizeF() : shown.pixelSize();
    const qreal smallest = size * 0.66;
    while (QFontMetricsF(shown).horizontalAdvance(text()) > width && size > smallest) {
        size -= inPoints ? 0.25 : 1;
        inPoints ? shown.setPointSizeF(size) : shown.setPixelSize(int(size));
    }
    QStaticText laid(QFontMetricsF(shown).elidedText(text(), Qt::ElideRight, width));
    laid.setTextFormat(Qt::PlainText);
    laid.prepare(QTransform(), shown);
    return *cache.insert(key, {shown, laid});
}

void CaptionLabel::drawBox(QPainter &painter)
{
    if (frameShape() != QFrame::Box || frameShadow() != QFrame::Plain) {
        drawFrame(&painter);
        return;
    }
    // The style strokes a plain box as a path; four thin fills put the same
    // pixels on screen for a fraction of the work, which tells in a table
    // of thirty cells.
    const QRect box = frameRect();
    const int line = lineWidth();
    const QColor colour = palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, QPalette::WindowText);
    painter.fillRect(box.left(), box.top(), box.width(), line, colour);
    painter.fillRect(box.left(), box.bottom() - line + 1, box.width(), line, colour);
    painter.fillRect(box.left(), box.top() + line, line, box.height() - 2 * line, colour);
    painter.fillRect(box.right() - line + 1, box.top() + line, line, box.height() - 2 * line, colour);
}

void CaptionLabel::paintEvent(QPaintEvent *event)
{
    // Rich text and wrapped text keep the label's own painting.
    if (wordWrap() || textFormat() == Qt::RichText || text().isEmpty()) {
        QLabel::paintEvent(event);
        return;
    }
    const QRect room = contentsRect();
    const LaidOut &laid = laidOut(room.width());
    const QSizeF size = laid.text.size();
    const Qt::Alignment align = QStyle::visualAlignment(layoutDirection(), alignment());
    qreal x = room.left();
    if (align & Qt::AlignRight)
        x = room.right() + 1 - size.width();
    else if (align & Qt::AlignHCenter)
        x = room.left() + (room.width() - size.width()) / 2;
    qreal y = room.top() + (room.height() - size.height()) / 2;
    if (align & Qt::AlignTop)
        y = room.top();
    else if (align & Qt::AlignBottom)
        y = room.bottom() + 1 - size.height();

    QPainter painter(this);
    drawBox(painter);
    painter.setFont(laid.font);
    painter.setPen(palette().color(isEnabled() ? QPalette::Active : QPalette::Disabled, foregroundRole()));
    painter.drawStaticText(QPointF(x, y), laid.text);
}

} // namespace Zyntra
