#include "board/ChimeiProps.h"

#include <limits>

namespace lumena {

QStringList ChimeiProps::names()
{
    return {QStringLiteral("BackColor"), QStringLiteral("ForeColor"),
            QStringLiteral("Speed"),     QStringLiteral("ScrollStartWait"),
            QStringLiteral("Mode"),      QStringLiteral("Appearance"),
            QStringLiteral("FontMode"),  QStringLiteral("FontBold")};
}

QVariant ChimeiProps::value(const QString& name) const
{
    if (name == u"BackColor")
        return BackColor;
    if (name == u"ForeColor")
        return ForeColor;
    if (name == u"Speed")
        return Speed;
    if (name == u"ScrollStartWait")
        return ScrollStartWait;
    if (name == u"Mode")
        return Mode;
    if (name == u"Appearance")
        return Appearance;
    if (name == u"FontMode")
        return FontMode;
    if (name == u"FontBold")
        return FontBold;
    return {};
}

namespace {

template <typename T> bool toInt(const QVariant& v, T& out)
{
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok || n < qlonglong(std::numeric_limits<T>::min()) ||
        n > qlonglong(std::numeric_limits<T>::max()))
        return false;
    out = T(n);
    return true;
}

} // namespace

bool ChimeiProps::setValue(const QString& name, const QVariant& v)
{
    if (name == u"BackColor")
        return toInt(v, BackColor);
    if (name == u"ForeColor")
        return toInt(v, ForeColor);
    if (name == u"Speed")
        return toInt(v, Speed);
    if (name == u"ScrollStartWait")
        return toInt(v, ScrollStartWait);
    if (name == u"Mode")
        return toInt(v, Mode);
    if (name == u"Appearance")
        return toInt(v, Appearance);
    if (name == u"FontMode")
        return toInt(v, FontMode);
    if (name == u"FontBold") {
        if (v.typeId() != QMetaType::Bool && !v.canConvert<qlonglong>())
            return false;
        FontBold = v.toBool();
        return true;
    }
    return false;
}

QVariantMap ChimeiProps::write() const
{
    const ChimeiProps defaults;
    QVariantMap bag;
    for (const QString& n : names())
        if (value(n) != defaults.value(n))
            bag.insert(n, value(n));
    return bag;
}

ChimeiProps ChimeiProps::read(const QVariantMap& bag)
{
    ChimeiProps p;
    for (const QString& n : names()) {
        const auto it = bag.constFind(n);
        if (it != bag.constEnd())
            p.setValue(n, *it); // an unreadable value leaves the default
    }
    return p;
}

} // namespace lumena
