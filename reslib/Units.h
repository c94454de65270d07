#pragma once
// Lengths in twips, the unit of every position and size in the windows'
// layout and the settings file. (Colours: reslib/Colors.h.)

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
