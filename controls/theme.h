#pragma once

#include <QColor>

namespace Zyntra {

// How every window is coloured. Under Light, and under Follow Desktop on a
// light desktop, the windows keep their designed look; the figure drawings
// and the answer boxes keep their black ground under every theme.
enum class Theme { FollowDesktop, Light, Dark, HighContrast };

Theme theme();
// Gives the application the theme's palette; widgets repaint, and the
// custom-painted ones take the system colours of the theme.
void setTheme(Theme theme);
// Whether the windows now show light text on a dark ground.
bool darkLook();

// The red answers are written in on their black ground; under High
// Contrast a lighter red, so that they too read at 7:1.
QColor answerInk();
// A warning written on the window's ground: the designed dark red, and a
// light red on a dark ground that reads at 7:1 on black.
QColor warningInk();

// What the screen view of the calculation sheet is drawn with.
struct SheetColours {
    QColor paper;
    QColor ink;
};
SheetColours sheetColours();

} // namespace Zyntra
