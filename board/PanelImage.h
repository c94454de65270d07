#pragma once
// The board's built-in panel picture (imgRes(0)): a black board with rounded
// corners on a light grey surround, 運賃は and まで around the stop-name strip,
// the 10 x 5 ticket cells with their black number bands and unlit
// seven-segment fields, the 整理券 tag and the red half-fare notice.
//
// It is drawn from the same element table as the board window, so each band
// lies exactly under its lblSeiriNum and each field under its Degit.

#include <QColor>
#include <QImage>
#include <QRect>

namespace lumena::panel_image {

inline constexpr QRect BoardRect(3, 3, 672, 228); // the black board inside the surround
inline constexpr int BoardRadius = 8;

inline constexpr QRgb SurroundColor = 0xFFD4D4D4; // light grey
inline constexpr QRgb BoardColor = 0xFF141414;    // the board face, just off black
inline constexpr QRgb CellFrameColor = 0xFF505050;
inline constexpr QRgb BandColor = 0xFF000000;  // behind the ticket number
inline constexpr QRgb FieldColor = 0xFF808080; // a fare element's default background
inline constexpr QRgb UnlitColor = 0xFF969696; // a fare element's default unlit segments
inline constexpr QRgb NoticeColor = 0xFFFF3C3C;

// Where the texts go (for tests and for anyone restyling the picture).
inline constexpr QRect UnchinWaRect(22, 4, 47, 15); // 運賃は, over the strip
inline constexpr QRect MadeRect(22, 213, 47, 16);   // まで, under the strip
inline constexpr QRect TagRect(83, 7, 42, 16);      // 整理券, over cell 1
inline constexpr QRect NoticeRect(83, 212, 572, 18);

// 678 x 234 times the board scale, opaque, drawn anew at that size (the
// fills and dots as exact blocks, the rounded board and the words smooth).
// Needs a QGuiApplication (it draws text).
QImage builtInPanelImage(int scale = 1);

} // namespace lumena::panel_image
