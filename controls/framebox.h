#pragma once

#include <QGroupBox>

namespace Zyntra {

// A frame grouping a window's controls: an etched line round the box,
// broken at the top left by its title when it has one. It draws the line
// itself because the style paints a frame by stretching a picture over the
// whole box, which costs more than the rest of a window's painting.
class FrameBox : public QGroupBox {
    Q_OBJECT
public:
    using QGroupBox::QGroupBox;

protected:
    void paintEvent(QPaintEvent *event) override;
};

} // namespace Zyntra
