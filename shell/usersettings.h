#pragma once

#include "controls/theme.h"
#include "entry/measurement.h"
#include "entry/numericentry.h"
#include "entry/units.h"
#include "language.h"

namespace Zyntra {

// The user's choices kept between runs. A store that is missing,
// unreadable, corrupt or read-only gives the defaults and is otherwise
// left alone: a setting is never worth stopping the program for.
namespace UserSettings {

bool exactConstants();
// Returns false when the choice could not be kept for the next run.
bool setExactConstants(bool exact);

// Whether answers show their exact forms; no unless chosen.
bool exactForms();
bool setExactForms(bool on);

Precision precision();
bool setPrecision(Precision precision);

// The finest fraction of an inch answers under "ft and in" show: 16 unless
// chosen, and for anything but one of TapeDenominators.
int tapeDenominator();
bool setTapeDenominator(int denominator);

// The units answers are shown in; "No Units" for a store that names a
// unit of no such kind.
UnitChoice units();
bool setUnits(UnitChoice units);

// Whether calculations are recorded in the history; yes unless turned off.
bool keepHistory();
bool setKeepHistory(bool keep);

// The View menu's choices: the theme (Follow Desktop unless chosen), the
// zoom (actual size unless chosen, on a step between the bounds) and
// whether the splash shows at start-up (yes unless turned off).
Theme theme();
bool setTheme(Theme theme);
double zoom();
bool setZoom(double zoom);
bool showSplash();
bool setShowSplash(bool show);
// The language the program speaks: the desktop's unless chosen.
Language language();
bool setLanguage(Language language);

} // namespace UserSettings
} // namespace Zyntra
