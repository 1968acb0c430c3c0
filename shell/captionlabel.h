#pragma once

#include <QLabel>

namespace Zyntra {

// A caption label whose text, when it is wider than the label, is drawn in
// a font just small enough to fit, so that a long caption in a narrow box
// stays whole. Its text stays the caption as written.
class CaptionLabel : public QLabel {
    Q_OBJECT
public:
    using QLabel::QLabel;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Zyntra
