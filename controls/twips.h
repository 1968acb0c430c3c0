#pragma once

#include <QRect>

#include <cmath>

namespace Zyntra {

// Sizes are designed in twips: 15 to a pixel at 96 dots per inch. Qt
// scales these device-independent pixels on high-density screens.
constexpr int TwipsPerPixel = 15;

constexpr int twipsToPixels(int twips)
{
    return twips >= 0 ? (twips + TwipsPerPixel / 2) / TwipsPerPixel : -((-twips + TwipsPerPixel / 2) / TwipsPerPixel);
}

constexpr int pixelsToTwips(int pixels)
{
    return pixels * TwipsPerPixel;
}

// The zoom the windows are laid out at: 1 is their designed size
// (controls/zoom.h changes it).
double zoom();

// Twips to pixels at the zoom in force: at actual size exactly twipsToPixels.
inline int zoomedPixels(int twips)
{
    return twipsToPixels(int(std::lround(twips * zoom())));
}

struct Twips {
    int left, top, width, height;
    QRect toPixels() const
    {
        return QRect(zoomedPixels(left), zoomedPixels(top), zoomedPixels(width), zoomedPixels(height));
    }
};

} // namespace Zyntra
