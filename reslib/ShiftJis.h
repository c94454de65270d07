#pragma once
// Conversions between the program's text and the Shift-JIS (code page 932)
// bytes that every file of the system and every resource-library call use.
//
// One reading of the bytes, shared by the decoder, the encoder and the
// validator:
// - 0x00-0x7F are single characters, each its own code point U+0000-U+007F,
//   control bytes included (0x1A, 0x1C and 0x7F too, which the system's ICU
//   converter would exchange among themselves).
// - 0xA1-0xDF are the half-width katakana U+FF61-U+FF9F.
// - 0x80, 0xA0 and 0xFD-0xFF are no characters.
// - A lead byte (0x81-0x9F, 0xE0-0xFC) and the byte after it are one
//   character when code page 932 assigns the pair one (the table is taken
//   once from the system's converter). Otherwise the lead byte alone is
//   invalid and the next byte is read afresh.
// So every byte string decodes, every invalid byte becomes one U+FFFD, and
// whatever the encoder writes the validator accepts and the decoder reads
// back as the same text. The encoder writes a character that code page 932
// holds twice (an NEC or IBM extension also found elsewhere) in the one form
// the system's converter prefers, so such bytes do not come back unchanged
// from text.
//
// Each call works in time linear in its input, with no converter per call.

#include <QByteArray>
#include <QString>

namespace lumena::sjis {

// Text to Shift-JIS. A character that code page 932 lacks (also a lone
// surrogate, and a pair of surrogates taken as one character) becomes "?".
QByteArray fromUnicode(QStringView text);

// Shift-JIS to text. An invalid or truncated sequence becomes U+FFFD; nothing
// is dropped silently.
QString toUnicode(QByteArrayView bytes);

// True when the bytes are a complete, valid Shift-JIS sequence: toUnicode
// gives no U+FFFD for them.
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
