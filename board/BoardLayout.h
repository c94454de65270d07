#pragma once
// Where every element of the board window sits. The board window places its
// widgets from this table and the built-in panel image paints its cells from
// it, so the picture and the elements can never drift apart.
//
// Positions are kept in twips as the board was designed and turned into
// pixels at 15 twips per pixel (every value here divides exactly).

#include <QColor>
#include <QRect>
#include <QSize>

namespace lumena::layout {

inline constexpr int TwipsPerPixel = 15;

constexpr QRect fromTwips(int left, int top, int width, int height)
{
    return QRect(left / TwipsPerPixel, top / TwipsPerPixel, width / TwipsPerPixel,
                 height / TwipsPerPixel);
}

// Client area of the board window.
inline constexpr QSize BoardSize(10170 / TwipsPerPixel, 3510 / TwipsPerPixel); // 678 x 234

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

// A colour of the system's files and settings (0x00BBGGRR, red in the low byte).
inline QColor colorFromBgr(quint32 bgr)
{
    return QColor(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}
inline quint32 bgrFromColor(const QColor& c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

} // namespace lumena::layout
