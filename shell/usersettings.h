#pragma once

#include "entry/numericentry.h"

namespace Zyntra {

// The user's choices kept between runs. A store that is missing,
// unreadable, corrupt or read-only gives the defaults and is otherwise
// left alone: a setting is never worth stopping the program for.
namespace UserSettings {

bool exactConstants();
// Returns false when the choice could not be kept for the next run.
bool setExactConstants(bool exact);

Precision precision();
bool setPrecision(Precision precision);

// Whether calculations are recorded in the history; yes unless turned off.
bool keepHistory();
bool setKeepHistory(bool keep);

} // namespace UserSettings
} // namespace Zyntra
