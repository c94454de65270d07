#pragma once
// The board's display scale (表示倍率): the whole board window shown a whole
// number of times as large, so that every dot and segment stays crisp.
//
// At scale N every position and size of the element table is multiplied by N.
// What the elements draw pixel-exact at 1x (the fare cells' segments, the
// stop-name strip and its border) is shown with each 1x pixel as an N x N
// block; texts (the ticket numbers, the panel picture's words) are drawn anew
// at N times their size. Scale 1 is the board as designed.

#include <QImage>
#include <QRect>

namespace lumena {

inline constexpr int MinBoardScale = 1;
inline constexpr int MaxBoardScale = 4;

// `scale` brought into MinBoardScale..MaxBoardScale.
constexpr int clampBoardScale(int scale)
{
    return scale < MinBoardScale ? MinBoardScale : scale > MaxBoardScale ? MaxBoardScale : scale;
}

constexpr QRect scaledRect(const QRect& r, int scale)
{
    return QRect(r.x() * scale, r.y() * scale, r.width() * scale, r.height() * scale);
}

// `image` with every pixel repeated as a `scale` x `scale` block (its device
// pixel ratio kept). A 32-bit image keeps its format; any other becomes
// RGB32, or ARGB32_Premultiplied when it has alpha. Scale 1 (or less) gives
// the image itself. `target` is reused when its size and format fit.
void pixelScale(const QImage& image, int scale, QImage& target);
QImage pixelScaled(const QImage& image, int scale);

} // namespace lumena
