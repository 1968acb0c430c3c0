#include "layoutslot.h"

#include "answerlabel.h"
#include "figuretext.h"

#include <QAbstractButton>
#include <QLabel>
#include <QLineEdit>

namespace Zyntra {

void applyShown(QWidget *control, Shown shown)
{
    if (shown != Shown::Keep)
        control->setVisible(shown == Shown::Yes);
}

void applyOption(QAbstractButton *option, const Slot &slot)
{
    if (slot.caption)
        option->setText(figureText(QString::fromUtf8(slot.caption)));
    applyShown(option, slot.shown);
}

void applyField(QLabel *caption, QLineEdit *field, const Slot &slot)
{
    if (slot.caption)
        caption->setText(figureText(QString::fromUtf8(slot.caption)));
    if (slot.spoken)
        field->setAccessibleName(figureText(QString::fromUtf8(slot.spoken)));
    applyShown(caption, slot.shown);
    applyShown(field, slot.shown);
}

void applyRow(QLabel *caption, AnswerLabel *answer, const Slot &slot)
{
    if (slot.caption) {
        caption->setText(figureText(QString::fromUtf8(slot.caption)));
        answer->setQuantity(caption->text());
    }
    applyShown(caption, slot.shown);
    applyShown(answer, slot.shown);
}

} // namespace Zyntra
