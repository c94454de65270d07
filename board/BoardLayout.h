#pragma once
// Where every element of the board window sits. The board window places its
// widgets from this table and the built-in panel image paints its cells from
// it, so the picture and the elements can never drift apart.
//
// Positions are kept in twips as the board was designed and turned into
// pixels (every value here divides exactly).

#include "reslib/Units.h"

#include <QRect>
#include <QSize>

namespace lumena::layout {

constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(twipsToPixels(left), twipsToPixels(top), twipsToPixels(width),
                 twipsToPixels(height));
}

// Client area of the board window.
inline constexpr QSize BoardSize(twipsToPixels(10170), twipsToPixels(3510)); // 678 x 234

inline constexpr int CellCount = 50;
inline constexpr int GridColumns = 10;
inline constexpr int GridRows = 5;

// Ticket-number cell lblSeiriNum(i): 1..50 form the grid, 0 is the spare one.
QRect seiriNumRect(int i);
// Fare element Degit(i): 1..50 under the cells, 0 is the spare one.
QRect degitRect(int i);
// Clock element TimeDegit(i): 0 hours, 1 minutes.
QRect timeDegitRect(int i);
// The stop-name strip ChimeiCtl.
QRect chimeiRect();

} // namespace lumena::layout
