#pragma once
// Geometry of the digit element's seven-segment cells, apart from any painting:
// the size classes, which segments a character lights, and the outline of each
// segment in a unit cell for each of the three styles.
//
// Segments are numbered a..g = 0..6 in the usual order: a top, b upper right,
// c lower right, d bottom, e lower left, f upper left, g middle.

#include "reslib/Units.h"

#include <QPointF>
#include <QSize>
#include <array>
#include <cstdint>
#include <vector>

namespace lumena {

// One size class: the nominal point size of the digits and the cell size in
// twips (15 twips make one pixel).
struct DegitSizeClass {
    int pointSize;
    int cellWidthTwips;
    int heightTwips;
    int cellWidth() const { return twipsToPixels(cellWidthTwips); } // pixels
    int height() const { return twipsToPixels(heightTwips); }       // pixels
};

// The class for a stored DegitSize; any value other than 1, 2 or 3 is class 0.
const DegitSizeClass& degitSizeClass(int degitSize);

// Segment mask (bit n = segment n) of a character. Digits, '-', '_', '=' and
// the letters usual on seven-segment displays light segments; the space and
// every other character light none. '8' lights all seven.
std::uint8_t degitSegmentMask(char16_t c);

constexpr std::uint8_t kAllSegments = 0x7f;

// The three cell styles. DegitStyle 1 selects Slanted, 2 Mitred, every other
// value Upright.
enum class DegitCellStyle { Upright, Slanted, Mitred };
DegitCellStyle degitCellStyle(int degitStyle);

using SegmentOutline = std::vector<QPointF>;

// Outlines of the seven segments in a unit cell (0..1 across the cell's width
// and height, y downwards), leaving room between neighbouring cells. `bold`
// draws thicker segments.
std::array<SegmentOutline, 7> degitSegmentOutlines(DegitCellStyle style, bool bold);

} // namespace lumena
