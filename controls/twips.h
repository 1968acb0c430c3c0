#pragma once

#include <QRect>

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

struct Twips {
    int left, top, width, height;
    QRect toPixels() const
    {
        return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width), twipsToPixels(height));
    }
};

} // namespace Zyntra
