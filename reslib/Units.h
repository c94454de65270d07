#pragma once
// The two value forms that every window and file of the system shares:
// lengths in twips and colours as 0x00BBGGRR.

#include <QtGlobal>

namespace lumena {

// 1/1440 inch; 15 twips make one pixel on the 96-dot screens the windows were
// laid out for.
inline constexpr int TwipsPerPixel = 15;

// Twips to the nearest whole pixel. Halfway cannot happen: 15 is odd.
constexpr int twipsToPixels(qint64 twips)
{
    const qint64 half = TwipsPerPixel / 2;
    return int((twips + (twips >= 0 ? half : -half)) / TwipsPerPixel);
}

constexpr qint64 pixelsToTwips(int pixels)
{
    return qint64(pixels) * TwipsPerPixel;
}

} // namespace lumena
