#pragma once

#include <QColor>

// The classic desktop system colours the windows are designed with, as the
// theme in force gives them (controls/theme.h).
namespace Zyntra::SystemColour {

QColor activeBorder();
QColor inactiveBorder();
QColor windowBackground();
QColor windowText();
QColor buttonShadow();
QColor buttonHighlight();
QColor buttonDarkShadow();

} // namespace Zyntra::SystemColour
