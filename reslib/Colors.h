#pragma once
// Colours as the system's files and settings store them: 32-bit values laid
// out 0x00BBGGRR (red in the low byte). Header-only, for code that paints.

#include <QColor>
#include <QRgb>

namespace lumena {

constexpr QRgb rgbFromBgr(quint32 bgr)
{
    return qRgb(int(bgr & 0xFF), int((bgr >> 8) & 0xFF), int((bgr >> 16) & 0xFF));
}

inline QColor colorFromBgr(quint32 bgr)
{
    return QColor::fromRgb(rgbFromBgr(bgr));
}

inline quint32 bgrFromColor(const QColor& c)
{
    return quint32(c.red()) | (quint32(c.green()) << 8) | (quint32(c.blue()) << 16);
}

} // namespace lumena
