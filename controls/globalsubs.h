#pragma once

#include <QtGlobal>

namespace Zyntra {

class FigureHost;

// The only state shared between windows: which figure window was loaded
// last, and the mode the next workbench or circle window opens in.
inline qint16 intCurrentForm = 0;
inline qint16 intSquareMode = 0;
inline qint16 intCircleMode = 0;

// Window codes written into intCurrentForm.
namespace FormCode {
constexpr qint16 MainLoaded = 1;
constexpr qint16 Circle = 2;
constexpr qint16 Geometry = 6;
constexpr qint16 Sphere = 8;
constexpr qint16 Square = 9;
constexpr qint16 Polygon = 18;
constexpr qint16 AnyTriangle = 19;
constexpr qint16 Tank = 20;
} // namespace FormCode

namespace GlobalSubs {

// Where figure windows live: the main window hands over its client area.
void setClientArea(FigureHost *area);

// Closes the figure window that intCurrentForm names, if it is open.
void UnloadCurrentForm();

} // namespace GlobalSubs
} // namespace Zyntra
