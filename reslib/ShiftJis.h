#pragma once
// Conversions between the program's text and the Shift-JIS (code page 932)
// bytes that every file of the system and every resource-library call use.

#include <QByteArray>
#include <QString>

namespace lumena::sjis {

// Text to Shift-JIS. A character that code page 932 lacks becomes "?".
QByteArray fromUnicode(QStringView text);

// Shift-JIS to text. An invalid or truncated sequence becomes U+FFFD; nothing
// is dropped silently.
QString toUnicode(QByteArrayView bytes);

// True when the bytes are a complete, valid Shift-JIS sequence.
bool isValid(QByteArrayView bytes);

// True for a byte that starts a double-byte character (0x81-0x9F, 0xE0-0xFC).
constexpr bool isLeadByte(unsigned char b)
{
    return (b >= 0x81 && b <= 0x9F) || (b >= 0xE0 && b <= 0xFC);
}

// Length of the text's Shift-JIS form in bytes (a double-byte character counts 2).
qint32 lenB(QStringView text);

// `length` bytes of the text's Shift-JIS form from the 1-based byte `start`;
// empty when `start` lies beyond the end, shorter when the end is reached.
// The piece may cut a double-byte character: it is returned as bytes.
QByteArray midB(QStringView text, qint32 start, qint32 length);

} // namespace lumena::sjis
