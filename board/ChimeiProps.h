#pragma once
// The stop-name element's stored property set: the values and defaults the
// element keeps between runs (see PropertySet).

#include "board/PropertySet.h"

namespace lumena {

// The stop names' colours until a setting changes them (0x00BBGGRR): orange
// dots (red 255, green 190, blue 0) on grey. The options show the same.
inline constexpr quint32 ChimeiDefaultBackColor = 0x00808080;
inline constexpr quint32 ChimeiDefaultForeColor = 0x0000BEFF;

struct ChimeiProps : PropertySet<ChimeiProps> {
    quint32 BackColor = ChimeiDefaultBackColor;
    quint32 ForeColor = ChimeiDefaultForeColor;
    qint16 Speed = 5;              // Speed / 200 pixels per scroll step
    qint32 ScrollStartWait = 1500; // ms before a long name moves and at every wrap
    qint16 Mode = 2;               // 2: narrow spacing of two-cell names, else wide
    qint16 Appearance = 1;         // nonzero: sunken border
    qint16 FontMode = 0;           // typeface rule 0..4
    bool FontBold = false;

    static const std::vector<PropertyField<ChimeiProps>>& fields();
    bool operator==(const ChimeiProps&) const = default;
};

} // namespace lumena
