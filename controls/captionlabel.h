#pragma once

#include <QLabel>
#include <QStaticText>

namespace Zyntra {

// A caption label. Its text is laid out once for the whole program and
// drawn from that layout, which keeps opening a window quick; and
// when the text is wider than the label it is drawn in a font just small
// enough to fit, so that a long caption in a narrow box stays whole. Its
// text stays the caption as written.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void drawBox(QPainter &painter);
    struct LaidOut {
        QFont font; // the caption's own font, or a smaller one that fits
        QStaticText text;
    };
    // Captions repeat from window to window: each is laid out once per font and width.
    const LaidOut &laidOut(int width) const;
};

} // namespace Zyntra
