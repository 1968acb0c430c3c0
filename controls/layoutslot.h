#pragma once

#include "slot.h"

class QAbstractButton;
class QLabel;
class QLineEdit;
class QWidget;

namespace Zyntra {

class AnswerLabel;

// Each applies one slot of a layout to the controls it names.
void applyShown(QWidget *control, Shown shown);
void applyOption(QAbstractButton *option, const Slot &slot);
// A value field with the label captioning it.
void applyField(QLabel *caption, QLineEdit *field, const Slot &slot);
// A result row: its caption, and the answer it describes.
void applyRow(QLabel *caption, AnswerLabel *answer, const Slot &slot);

} // namespace Zyntra
