#pragma once
// The stop-name element's stored property set: the values and defaults the
// element keeps between runs, read and written by name. A value equal to its
// default is not written.

#include <QStringList>
#include <QVariantMap>

namespace lumena {

struct ChimeiProps {
    quint32 BackColor = 0x00808080; // 0x00BBGGRR
    quint32 ForeColor = 0x0000BEFF; // orange: red 255, green 190, blue 0
    qint16 Speed = 5;               // Speed / 200 pixels per scroll step
    qint32 ScrollStartWait = 1500;  // ms before a long name moves and at every wrap
    qint16 Mode = 2;                // 2: narrow spacing of two-cell names, else wide
    qint16 Appearance = 1;          // nonzero: sunken border
    qint16 FontMode = 0;            // typeface rule 0..4
    bool FontBold = false;

    static QStringList names();
    QVariant value(const QString& name) const;
    // False for an unknown name or a value of the wrong kind (nothing changes).
    bool setValue(const QString& name, const QVariant& v);

    // Writes the values that differ from their defaults.
    QVariantMap write() const;
    // Reads by name; a missing or unreadable entry takes its default.
    static ChimeiProps read(const QVariantMap& bag);

    bool operator==(const ChimeiProps&) const = default;
};

} // namespace lumena
