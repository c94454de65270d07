// The Shift-JIS helpers on any bytes, and on any UTF-16 text: every invalid
// byte reads as one U+FFFD, the validator agrees with the decoder, what the
// encoder writes the validator accepts and the decoder reads back as the
// text, and lenB and midB measure what the encoder writes.
#include "reslib/ShiftJis.h"
#include "tests/fuzz/Fuzz.h"

#include <cstring>

using namespace lumena;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    const QByteArrayView bytes(data, qsizetype(size));
    const QString text = sjis::toUnicode(bytes);
    const bool invalid = text.contains(QChar::ReplacementCharacter);
    FUZZ_CHECK(sjis::isValid(bytes) == !invalid);
    // A character takes one or two bytes, an invalid byte one U+FFFD, which
    // writes as "?": the bytes written again are as many as were read.
    const QByteArray back = sjis::fromUnicode(text);
    FUZZ_CHECK(back.size() == bytes.size() && sjis::lenB(text) == back.size());
    FUZZ_CHECK(sjis::isValid(back));
    FUZZ_CHECK(sjis::toUnicode(back) == QString(text).replace(QChar::ReplacementCharacter, u'?'));
    const qint32 start = qint32(size % 7) + 1, length = qint32(size / 3);
    FUZZ_CHECK(sjis::midB(text, start, length) == back.mid(start - 1, length));

    // The same bytes as UTF-16, lone surrogates and all.
    QString any(qsizetype(size / 2), Qt::Uninitialized);
    std::memcpy(any.data(), data, size / 2 * 2);
    const QByteArray written = sjis::fromUnicode(any);
    FUZZ_CHECK(sjis::isValid(written) && sjis::lenB(any) == written.size());
    const QString read = sjis::toUnicode(written);
    FUZZ_CHECK(read.size() <= any.size() && sjis::fromUnicode(read) == written);
    for (const QChar c : any) {
        const QByteArray one = sjis::fromUnicode(QStringView(&c, 1));
        FUZZ_CHECK(one == "?" || sjis::toUnicode(one) == QStringView(&c, 1));
    }
    return 0;
}
