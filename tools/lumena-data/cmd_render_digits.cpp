// lumena-data render-digits: draws one digit element with its default colours
// into a PNG file, so that anyone can see how a value will stand on the board.

#include "board/DegitElement.h"
#include "reslib/WidgetResLib.h"
#include "tools/lumena-data/Command.h"

#include <QBuffer>
#include <QImage>
#include <limits>

namespace lumena::tool {

namespace {

// A number when the word reads as one (so "-1" and "150" are numbers), a text
// otherwise (so " " and "" stay texts).
QVariant valueOf(const QString& word)
{
    bool ok = false;
    const qlonglong i = word.toLongLong(&ok);
    if (ok)
        return i;
    const double d = word.toDouble(&ok);
    if (ok && word.trimmed() == word && !word.isEmpty())
        return d;
    return word;
}

bool int16Option(const Args& args, const QString& name, int fallback, qint16& out, QString& error)
{
    int v = fallback;
    if (!args.intValue(name, v, error))
        return false;
    if (v < std::numeric_limits<qint16>::min() || v > std::numeric_limits<qint16>::max()) {
        error = QStringLiteral("option %1 is out of range: %2").arg(name).arg(v);
        return false;
    }
    out = static_cast<qint16>(v);
    return true;
}

int renderDigits(const Args& args)
{
    if (args.positional.size() != 2)
        return fail(QString(), QStringLiteral("render-digits needs VALUE and OUT.png"));
    qint16 keta = 4, zeroMode = 0, fillZero = 0, shift = 0, style = 0, size = 0;
    QString error;
    if (!int16Option(args, QStringLiteral("--keta"), 4, keta, error) ||
        !int16Option(args, QStringLiteral("--zero-mode"), 0, zeroMode, error) ||
        !int16Option(args, QStringLiteral("--fill-zero"), 0, fillZero, error) ||
        !int16Option(args, QStringLiteral("--shift"), 0, shift, error) ||
        !int16Option(args, QStringLiteral("--style"), 0, style, error) ||
        !int16Option(args, QStringLiteral("--size"), 0, size, error))
        return fail(QString(), error);

    WidgetResLib res;
    DegitElement degit(res);
    // Keta first: it bounds the zero fill and the shift.
    degit.setKeta(keta);
    degit.setDegitSize(size);
    degit.setDegitStyle(style);
    degit.setZeroMode(zeroMode);
    degit.setFillZero(fillZero);
    degit.setShift(shift);
    degit.setValue(valueOf(args.positional[0]));

    const QString out = args.positional[1];
    QByteArray png;
    QBuffer buffer(&png);
    buffer.open(QIODevice::WriteOnly);
    if (!degit.image().save(&buffer, "PNG"))
        return fail(out, QStringLiteral("the image could not be encoded"));
    if (!writeFileAtomically(out, png, error))
        return fail(out, error);
    return 0;
}

const Register reg({
    {QStringLiteral("render-digits")},
    QStringLiteral("render-digits VALUE OUT.png [--keta K] [--zero-mode Z] [--fill-zero F] "
                   "[--shift S] [--style S] [--size C]"),
    {QStringLiteral("--keta"), QStringLiteral("--zero-mode"), QStringLiteral("--fill-zero"),
     QStringLiteral("--shift"), QStringLiteral("--style"), QStringLiteral("--size")},
    {},
    renderDigits,
});

} // namespace

} // namespace lumena::tool
