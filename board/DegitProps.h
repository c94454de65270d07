#pragma once
// The stored property set of a digit element: the eleven properties a window
// keeps for each placed element, with their defaults. A property whose value
// equals its default is not written; one that is missing reads as its default.
// Values are kept exactly as stored: the range rules of the element's setters
// do not apply here.

#include <QString>
#include <QStringList>
#include <QVariant>
#include <QVariantMap>

namespace lumena {

struct DegitProps {
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

    // The stored names, in the order they are written.
    static const QStringList& names();

    // One property by its stored name; an invalid QVariant for an unknown name.
    QVariant get(QStringView name) const;
    // Sets one property by its stored name. False (nothing changed) for an
    // unknown name or a value that does not convert to the property's type.
    bool set(QStringView name, const QVariant& value);

    // Writes every property that differs from its default into `bag`.
    void write(QVariantMap& bag) const;
    // Reads every property from `bag`; missing or unreadable ones take their
    // defaults.
    static DegitProps read(const QVariantMap& bag);

    bool operator==(const DegitProps& o) const;
};

// Whether a stored Value equals the default Value (the integer 0): only a
// number that is 0 does; a text never does.
bool degitValueIsDefault(const QVariant& value);

} // namespace lumena
