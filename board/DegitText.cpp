#include "board/DegitText.h"

#include <QLocale>
#include <cmath>
#include <optional>

namespace lumena {

namespace {

// A number held as either an exact integer or a floating value.
struct Number {
    bool integral = true;
    qlonglong i = 0;
    double d = 0;
    double asDouble() const { return integral ? static_cast<double>(i) : d; }
};

std::optional<Number> numberOf(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
        return Number{true, v.toBool() ? -1 : 0, 0};
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::SChar:
        return Number{true, v.toLongLong(), 0};
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::ULong:
    case QMetaType::UChar:
        return Number{true, v.toLongLong(), 0};
    case QMetaType::ULongLong: {
        const qulonglong u = v.toULongLong();
        if (u <= static_cast<qulonglong>(std::numeric_limits<qlonglong>::max()))
            return Number{true, static_cast<qlonglong>(u), 0};
        return Number{false, 0, static_cast<double>(u)};
    }
    case QMetaType::Double:
    case QMetaType::Float:
        return Number{false, 0, v.toDouble()};
    default:
        return std::nullopt;
    }
}

bool isEmptyText(const QVariant& v)
{
    if (!v.isValid())
        return true;
    return !degitIsNumber(v) && v.typeId() == QMetaType::QString && v.toString().isEmpty();
}

bool equalsNumber(const QVariant& v, int n)
{
    const auto num = numberOf(v);
    return num && num->asDouble() == n;
}

// A text reads as a number when it is a finite decimal number, spaces around
// allowed (" 5 ", "-12", "3.5", "1e3").
std::optional<Number> readsAsNumber(const QVariant& v)
{
    if (auto n = numberOf(v))
        return n;
    const QString t = degitValueText(v).trimmed();
    if (t.isEmpty())
        return std::nullopt;
    bool ok = false;
    const qlonglong i = t.toLongLong(&ok);
    if (ok)
        return Number{true, i, 0};
    const double d = QLocale::c().toDouble(t, &ok);
    if (ok && std::isfinite(d))
        return Number{false, 0, d};
    return std::nullopt;
}

// The number with at least `digits` digits, zero-filled on the left, rounded
// to a whole number half away from zero (the fill pattern has no fraction).
QString zeroFilled(const Number& n, int digits)
{
    QString magnitude;
    bool negative = false;
    if (n.integral) {
        negative = n.i < 0;
        // Through unsigned so that the most negative value has a magnitude.
        const qulonglong m =
            negative ? 0 - static_cast<qulonglong>(n.i) : static_cast<qulonglong>(n.i);
        magnitude = QString::number(m);
    } else {
        const double r = std::round(n.d);
        negative = r < 0;
        magnitude = QString::number(std::fabs(r), 'f', 0);
    }
    if (magnitude == u"0")
        negative = false;
    if (magnitude.size() < digits)
        magnitude.prepend(QString(digits - magnitude.size(), u'0'));
    return negative ? u'-' + magnitude : magnitude;
}

} // namespace

bool degitIsNumber(const QVariant& v)
{
    return numberOf(v).has_value();
}

QVariant degitApplyZeroMode(const QVariant& v, qint16 zeroMode)
{
    const bool zero = equalsNumber(v, 0);
    const bool minusOne = equalsNumber(v, -1);
    const bool empty = isEmptyText(v);
    switch (zeroMode) {
    case 0:
        return (zero || empty) ? QVariant(QString()) : v;
    case 1:
        return (zero || empty) ? QVariant(0) : v;
    case 2:
        if (minusOne)
            return QVariant(0);
        return zero ? QVariant(QString()) : v;
    case 3:
        return (minusOne || zero || empty) ? QVariant(0) : v;
    default:
        return v;
    }
}

QString degitValueText(const QVariant& v)
{
    if (!v.isValid())
        return {};
    if (const auto n = numberOf(v)) {
        if (n->integral)
            return QString::number(n->i);
        if (std::isfinite(n->d) && n->d == std::trunc(n->d) && std::fabs(n->d) < 1e15)
            return QString::number(n->d, 'f', 0);
        return QString::number(n->d, 'g', 15);
    }
    return v.toString();
}

QString degitLitText(const QVariant& value, qint16 zeroMode, qint16 fillZero, qint16 shift,
                     qint16 keta)
{
    const QVariant v = degitApplyZeroMode(value, zeroMode);
    QString text;
    const auto number = fillZero > 0 ? readsAsNumber(v) : std::nullopt;
    text = number ? zeroFilled(*number, fillZero) : degitValueText(v);
    if (shift >= 1)
        text.append(QString(shift, u' '));
    if (keta <= 0)
        return {};
    return text.right(keta);
}

} // namespace lumena
