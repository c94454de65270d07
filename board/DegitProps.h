#pragma once
// The stored property set of a digit element: the eleven properties a window
// keeps for each placed element, with their defaults (see PropertySet).

#include "board/PropertySet.h"

namespace lumena {

struct DegitProps : PropertySet<DegitProps> {
    quint32 BaseForeColor = 0x00969696;
    quint32 DegitForeColor = 0x0072D2F8;
    qint16 FillZero = 0;
    qint16 ZeroMode = 0;
    qint16 Shift = 0;
    qint16 Keta = 4;
    qint16 DegitSize = 0;
    qint16 DegitStyle = 0;
    QVariant Value = QVariant(0);
    bool UserSet = true;
    quint32 BackColor = 0x00808080;

    static const std::vector<PropertyField<DegitProps>>& fields();
    bool operator==(const DegitProps&) const = default;
};

// Whether a stored Value equals the default Value (the integer 0): only a
// number that is 0 does; a text never does.
bool degitValueIsDefault(const QVariant& value);

} // namespace lumena
