#include "reslib/ShiftJis.h"

#include <QStringDecoder>
#include <QStringEncoder>

namespace lumena::sjis {

namespace {
constexpr const char* kCodec = "windows-31j";
}

QByteArray fromUnicode(QStringView text)
{
    QStringEncoder enc(kCodec, QStringConverter::Flag::Stateless);
    QByteArray out = enc.encode(text);
    if (!enc.hasError())
        return out;
    // The converter marks an unmappable character with its own filler bytes;
    // redo it character by character so such a character becomes "?".
    out.clear();
    for (qsizetype i = 0; i < text.size();) {
        const qsizetype n = (text[i].isHighSurrogate() && i + 1 < text.size()) ? 2 : 1;
        QStringEncoder one(kCodec, QStringConverter::Flag::Stateless);
        const QByteArray b = one.encode(text.mid(i, n));
        out += one.hasError() ? QByteArray("?") : b;
        i += n;
    }
    return out;
}

namespace {

// Length of the character that starts at bytes[i] (a lone lead byte at the end counts 1).
qsizetype charLength(QByteArrayView bytes, qsizetype i)
{
    return (isLeadByte(static_cast<unsigned char>(bytes[i])) && i + 1 < bytes.size()) ? 2 : 1;
}

} // namespace

QString toUnicode(QByteArrayView bytes)
{
    QStringDecoder dec(kCodec, QStringConverter::Flag::Stateless);
    QString out = dec.decode(bytes);
    if (!dec.hasError())
        return out;
    // The converter drops or replaces bad bytes with SUB; redo it character
    // by character so every bad sequence shows as U+FFFD.
    out.clear();
    for (qsizetype i = 0; i < bytes.size();) {
        const qsizetype n = charLength(bytes, i);
        const QByteArrayView piece = bytes.sliced(i, n);
        QStringDecoder one(kCodec, QStringConverter::Flag::Stateless);
        const QString s = one.decode(piece);
        const bool bad =
            one.hasError() || s.isEmpty() || (s.contains(QChar(0x1A)) && !piece.contains('\x1a'));
        if (bad && n == 2) {
            // A lead byte with a byte that cannot follow it: the lead byte is
            // bad, the next byte starts afresh.
            out += QChar::ReplacementCharacter;
            i += 1;
            continue;
        } else {
            out += bad ? QString(QChar::ReplacementCharacter) : s;
        }
        i += n;
    }
    return out;
}

bool isValid(QByteArrayView bytes)
{
    QStringDecoder dec(kCodec, QStringConverter::Flag::Stateless);
    const QString decoded = dec.decode(bytes);
    if (dec.hasError() || decoded.contains(QChar(0x1A)) != bytes.contains('\x1a'))
        return false;
    // A lone lead byte at the very end is dropped without an error.
    qsizetype i = 0;
    while (i < bytes.size())
        i += isLeadByte(static_cast<unsigned char>(bytes[i])) ? 2 : 1;
    return i == bytes.size();
}

qint32 lenB(QStringView text)
{
    return static_cast<qint32>(fromUnicode(text).size());
}

QByteArray midB(QStringView text, qint32 start, qint32 length)
{
    const QByteArray bytes = fromUnicode(text);
    if (start < 1 || length <= 0 || start > bytes.size())
        return {};
    return bytes.mid(start - 1, length);
}

} // namespace lumena::sjis
