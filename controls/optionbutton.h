#pragma once

#include <QRadioButton>

namespace Zyntra {

// An option button whose caption wraps at blanks onto a further line when
// it is wider than the button, and whose font shrinks a little when one
// word alone is wider, so that a long caption in a narrow frame stays
// readable. Its text stays the caption as written. The whole box answers
// a click, as the box drawn suggests, not only the mark and the text.
class OptionButton : public QRadioButton {
    Q_OBJECT
public:
    using QRadioButton::QRadioButton;

protected:
    void paintEvent(QPaintEvent *event) override;
    bool hitButton(const QPoint &pos) const override { return rect().contains(pos); }
};

} // namespace Zyntra
