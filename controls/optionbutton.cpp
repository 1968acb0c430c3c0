#include "optionbutton.h"

#include "theme.h"

#include <QStyleOptionButton>
#include <QStylePainter>

#include <algorithm>

namespace Zyntra {

namespace {

// The style outlines its mark in a shade of the face, lost on a dark one.
void ringMark(QPainter &painter, const QStyleOptionButton &option, const QWidget *button)
{
    if (!darkLook())
        return;
    const QRect mark = button->style()->subElementRect(QStyle::SE_RadioButtonIndicator, &option, button);
    painter.save();
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(button->palette().color(QPalette::WindowText));
    painter.drawEllipse(QRectF(mark).adjusted(0.5, 0.5, -0.5, -0.5));
    painter.restore();
}

} // namespace

void OptionButton::paintEvent(QPaintEvent *)
{
    QStylePainter painter(this);
    QStyleOptionButton option;
    initStyleOption(&option);
    const QRect label = style()->subElementRect(QStyle::SE_RadioButtonContents, &option, this);
    if (fontMetrics().horizontalAdvance(option.text) <= label.width()) {
        painter.drawControl(QStyle::CE_RadioButton, option);
        ringMark(painter, option, this);
        return;
    }
    const QStringList words = option.text.split(u' ', Qt::SkipEmptyParts);
    const auto widestWord = [&words](const QFont &font) {
        int widest = 0;
        for (const QString &word : words)
            widest = std::max(widest, QFontMetrics(font).horizontalAdvance(word));
        return widest;
    };
    QFont captionFont = font();
    while (widestWord(captionFont) > label.width() && captionFont.pointSizeF() > 6)
        captionFont.setPointSizeF(captionFont.pointSizeF() - 0.25);
    painter.setFont(captionFont);
    const QString caption = option.text;
    option.text.clear();
    painter.drawControl(QStyle::CE_RadioButton, option);
    ringMark(painter, option, this);
    painter.drawItemText(label, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextWordWrap | Qt::TextShowMnemonic, palette(),
                         isEnabled(), caption, QPalette::WindowText);
}

} // namespace Zyntra
