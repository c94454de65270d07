#pragma once
// Lengths in twips, the unit of every position and size in the windows'
// layout and the settings file. (Colours: reslib/Colors.h.)
//
// Both conversions are defined for every value they take: nothing overflows,
// and a result beyond its type is held at the type's end, never wrapped (a
// settings file may hold any 32-bit position).

#include <QtGlobal>

#include <algorithm>
#include <limits>

namespace lumena {

// 1/1440 inch; 15 twips make one pixel on the 96-dot screens the windows were
// laid out for.
inline constexpr int TwipsPerPixel = 15;

// Twips to the nearest whole pixel. Halfway cannot happen: 15 is odd.
constexpr int twipsToPixels(qint64 twips)
{
    qint64 pixels = twips / TwipsPerPixel;
    const qint64 rest = twips % TwipsPerPixel; // takes the sign of twips
    if (rest > TwipsPerPixel / 2)
        ++pixels;
    else if (rest < -(TwipsPerPixel / 2))
        --pixels;
    return int(std::clamp<qint64>(pixels, std::numeric_limits<int>::min(),
                                  std::numeric_limits<int>::max()));
}

// Pixels to twips as the settings file stores them: 32-bit, so a position
// beyond ±143,165,576 pixels is stored as the nearest 32-bit value.
constexpr qint32 pixelsToTwips(int pixels)
{
    return qint32(std::clamp<qint64>(qint64(pixels) * TwipsPerPixel,
                                     std::numeric_limits<qint32>::min(),
                                     std::numeric_limits<qint32>::max()));
}

} // namespace lumena
