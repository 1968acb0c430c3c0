#pragma once

class QWidget;

namespace Zyntra {

// The windows scale as a whole, from actual size to three times it, a
// quarter at a step. Twips::toPixels lays controls out at the zoom in
// force; fonts and windows already built follow through rescale().
constexpr double MinZoom = 1.0;
constexpr double MaxZoom = 3.0;
constexpr double ZoomStep = 0.25;

// A zoom between the bounds, on a step; anything else is actual size.
double validZoom(double zoom);
void setZoom(double zoom);

// Brings a window from one zoom to another: its fonts, and with Geometry
// also the positions and sizes of its controls placed by hand (those in a
// layout follow their fonts) and a top-level window's own size. A window
// just built at zoom z has its controls laid out already: rescale(window,
// 1, z, Fonts) brings its fonts along.
enum class Rescale { Fonts, Geometry };
void rescale(QWidget *window, double from, double to, Rescale what = Rescale::Geometry);

// The marks the style draws by its own measure, radio buttons', check
// boxes' and menus' check marks, grow with the zoom too. Once for the
// application, before any theme's palette is given.
void drawMarksAtZoom();

} // namespace Zyntra
