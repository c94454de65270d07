#include "board/DegitProps.h"

#include "board/DegitText.h"

#include <limits>

namespace lumena {

namespace {

bool toInt16(const QVariant& v, qint16& out)
{
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok || n < std::numeric_limits<qint16>::min() || n > std::numeric_limits<qint16>::max())
        return false;
    out = static_cast<qint16>(n);
    return true;
}

bool toColor(const QVariant& v, quint32& out)
{
    bool ok = false;
    const qlonglong n = v.toLongLong(&ok);
    if (!ok || n < std::numeric_limits<qint32>::min() || n > std::numeric_limits<quint32>::max())
        return false;
    out = static_cast<quint32>(n);
    return true;
}

} // namespace

const QStringList& DegitProps::names()
{
    static const QStringList n = {
        QStringLiteral("BaseForeColor"), QStringLiteral("DegitForeColor"),
        QStringLiteral("FillZero"),      QStringLiteral("ZeroMode"),
        QStringLiteral("Shift"),         QStringLiteral("Keta"),
        QStringLiteral("DegitSize"),     QStringLiteral("DegitStyle"),
        QStringLiteral("Value"),         QStringLiteral("UserSet"),
        QStringLiteral("BackColor"),
    };
    return n;
}

QVariant DegitProps::get(QStringView name) const
{
    if (name == u"BaseForeColor")
        return BaseForeColor;
    if (name == u"DegitForeColor")
        return DegitForeColor;
    if (name == u"FillZero")
        return FillZero;
    if (name == u"ZeroMode")
        return ZeroMode;
    if (name == u"Shift")
        return Shift;
    if (name == u"Keta")
        return Keta;
    if (name == u"DegitSize")
        return DegitSize;
    if (name == u"DegitStyle")
        return DegitStyle;
    if (name == u"Value")
        return Value;
    if (name == u"UserSet")
        return UserSet;
    if (name == u"BackColor")
        return BackColor;
    return {};
}

bool DegitProps::set(QStringView name, const QVariant& value)
{
    if (name == u"BaseForeColor")
        return toColor(value, BaseForeColor);
    if (name == u"DegitForeColor")
        return toColor(value, DegitForeColor);
    if (name == u"BackColor")
        return toColor(value, BackColor);
    if (name == u"FillZero")
        return toInt16(value, FillZero);
    if (name == u"ZeroMode")
        return toInt16(value, ZeroMode);
    if (name == u"Shift")
        return toInt16(value, Shift);
    if (name == u"Keta")
        return toInt16(value, Keta);
    if (name == u"DegitSize")
        return toInt16(value, DegitSize);
    if (name == u"DegitStyle")
        return toInt16(value, DegitStyle);
    if (name == u"Value") {
        Value = value;
        return true;
    }
    if (name == u"UserSet") {
        if (!value.canConvert<bool>())
            return false;
        UserSet = value.toBool();
        return true;
    }
    return false;
}

void DegitProps::write(QVariantMap& bag) const
{
    const DegitProps defaults;
    for (const QString& n : names()) {
        const bool isDefault =
            n == u"Value" ? degitValueIsDefault(Value) : get(n) == defaults.get(n);
        if (!isDefault)
            bag.insert(n, get(n));
    }
}

DegitProps DegitProps::read(const QVariantMap& bag)
{
    DegitProps p;
    for (const QString& n : names()) {
        const auto it = bag.constFind(n);
        if (it != bag.constEnd())
            p.set(n, *it);
    }
    return p;
}

bool DegitProps::operator==(const DegitProps& o) const
{
    for (const QString& n : names()) {
        if (get(n) != o.get(n))
            return false;
    }
    return true;
}

bool degitValueIsDefault(const QVariant& value)
{
    return degitIsNumber(value) && degitValueText(value) == u"0";
}

} // namespace lumena
