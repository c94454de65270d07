#include "reslib/ShiftJis.h"

#include <QStringDecoder>
#include <QStringEncoder>

#include <array>
#include <limits>
#include <memory>

namespace lumena::sjis {

namespace {

constexpr const char* kCodec = "windows-31j";
constexpr char16_t kNone = QChar::ReplacementCharacter;
constexpr int kLeadCount = (0x9F - 0x81 + 1) + (0xFC - 0xE0 + 1);

int leadIndex(uchar lead)
{
    return lead <= 0x9F ? lead - 0x81 : lead - 0xE0 + (0x9F - 0x81 + 1);
}

constexpr bool isTrailByte(uchar b)
{
    return b >= 0x40 && b <= 0xFC && b != 0x7F;
}

// The character of a byte that is no lead byte; kNone for 0x80, 0xA0, 0xFD-0xFF.
constexpr char16_t singleByte(uchar b)
{
    if (b < 0x80)
        return b;
    if (b >= 0xA1 && b <= 0xDF)
        return char16_t(0xFF61 + (b - 0xA1));
    return kNone;
}

// The double-byte half of code page 932, both ways, read once from the
// system's converter and then used by every call.
struct Tables {
    // The character of lead/trail, by lead index * 256 + trail; kNone for none.
    std::array<char16_t, kLeadCount * 256> pairs;
    // The two bytes the converter writes for a character (lead * 256 +
    // trail); 0 when it writes none.
    std::array<quint16, 0x10000> codes;

    char16_t pair(uchar lead, uchar trail) const
    {
        return pairs[size_t(leadIndex(lead) * 256 + trail)];
    }
};

void readPairs(Tables& t)
{
    // Every lead/trail pair, each followed by a line feed, in one call: the
    // line feeds keep the pieces apart whatever the converter makes of a pair.
    QByteArray in;
    in.reserve(kLeadCount * 188 * 3);
    for (int lead = 0x81; lead <= 0xFC; ++lead) {
        if (!isLeadByte(uchar(lead)))
            continue;
        for (int trail = 0x40; trail <= 0xFC; ++trail) {
            if (!isTrailByte(uchar(trail)))
                continue;
            in.append(char(lead)).append(char(trail)).append('\n');
        }
    }
    // Made in place and never moved: Qt's ICU-backed converter keeps the
    // address of its own state.
    QStringDecoder decoder(kCodec, QStringConverter::Flag::Stateless);
    if (!decoder.isValid())
        return;
    const QString out = decoder.decode(in);
    qsizetype pos = 0;
    for (qsizetype k = 0; k + 2 < in.size(); k += 3) {
        const qsizetype end = out.indexOf(u'\n', pos);
        if (end < 0)
            return;
        const QStringView piece = QStringView(out).sliced(pos, end - pos);
        pos = end + 1;
        // One character, and not the converter's filler for a bad pair.
        if (piece.size() != 1 || piece[0] == QChar(kNone) || piece[0].unicode() < 0x80)
            continue;
        t.pairs[size_t(leadIndex(uchar(in[k])) * 256 + uchar(in[k + 1]))] = piece[0].unicode();
    }
}

void readCodes(Tables& t)
{
    std::array<bool, 0x10000> seen{};
    QString in;
    for (const char16_t c : t.pairs) {
        if (c == kNone || seen[c])
            continue;
        seen[c] = true;
        in.append(QChar(c)).append(u'\n');
    }
    QStringEncoder encoder(kCodec, QStringConverter::Flag::Stateless); // in place, as above
    if (!encoder.isValid())
        return;
    const QByteArray out = encoder.encode(in);
    qsizetype pos = 0;
    for (qsizetype k = 0; k + 1 < in.size(); k += 2) {
        const qsizetype end = out.indexOf('\n', pos);
        if (end < 0)
            return;
        const QByteArrayView piece = QByteArrayView(out).sliced(pos, end - pos);
        pos = end + 1;
        const char16_t c = in[k].unicode();
        // Only a form that reads back as the same character.
        if (piece.size() == 2 && isLeadByte(uchar(piece[0])) &&
            t.pair(uchar(piece[0]), uchar(piece[1])) == c)
            t.codes[c] = quint16(uchar(piece[0]) << 8 | uchar(piece[1]));
    }
}

const Tables& tables()
{
    static const std::unique_ptr<const Tables> t = [] {
        auto built = std::make_unique<Tables>();
        built->pairs.fill(kNone);
        built->codes.fill(0);
        readPairs(*built);
        readCodes(*built);
        return built;
    }();
    return *t;
}

// Runs `put` with each character of the bytes (kNone for an invalid byte);
// stops early when `put` returns false.
template <typename Put> void decodeEach(QByteArrayView bytes, Put put)
{
    const auto* p = reinterpret_cast<const uchar*>(bytes.data());
    const qsizetype n = bytes.size();
    const Tables* t = nullptr;
    for (qsizetype i = 0; i < n;) {
        const uchar b = p[i];
        if (!isLeadByte(b)) {
            if (!put(singleByte(b)))
                return;
            ++i;
            continue;
        }
        if (!t)
            t = &tables();
        const char16_t c = i + 1 < n ? t->pair(b, p[i + 1]) : kNone;
        if (!put(c))
            return;
        i += c == kNone ? 1 : 2;
    }
}

qsizetype asciiPrefix(QByteArrayView bytes)
{
    qsizetype i = 0;
    while (i < bytes.size() && uchar(bytes[i]) < 0x80)
        ++i;
    return i;
}

// Runs `put` with the Shift-JIS form of each character: one byte (< 0x100)
// or two (lead * 256 + trail).
template <typename Put> void encodeEach(QStringView text, Put put)
{
    const Tables* t = nullptr;
    const qsizetype n = text.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char16_t c = text[i].unicode();
        if (c < 0x80) {
            put(c);
        } else if (c >= 0xFF61 && c <= 0xFF9F) {
            put(char16_t(c - 0xFF61 + 0xA1));
        } else if (QChar::isHighSurrogate(c) && i + 1 < n && text[i + 1].isLowSurrogate()) {
            put(u'?');
            ++i;
        } else {
            if (!t)
                t = &tables();
            const quint16 code = t->codes[c];
            put(code ? code : u'?');
        }
    }
}

} // namespace

QByteArray fromUnicode(QStringView text)
{
    QByteArray out(2 * text.size(), Qt::Uninitialized);
    char* o = out.data();
    encodeEach(text, [&o](quint16 code) {
        if (code > 0xFF)
            *o++ = char(code >> 8);
        *o++ = char(code & 0xFF);
    });
    out.truncate(o - out.constData());
    return out;
}

QString toUnicode(QByteArrayView bytes)
{
    const qsizetype ascii = asciiPrefix(bytes);
    if (ascii == bytes.size())
        return QString::fromLatin1(bytes);
    // Never more characters than bytes.
    QString out(bytes.size(), Qt::Uninitialized);
    QChar* o = out.data();
    for (qsizetype i = 0; i < ascii; ++i)
        *o++ = QLatin1Char(bytes[i]);
    decodeEach(bytes.sliced(ascii), [&o](char16_t c) {
        *o++ = QChar(c);
        return true;
    });
    out.truncate(o - out.constData());
    return out;
}

bool isValid(QByteArrayView bytes)
{
    bool valid = true;
    decodeEach(bytes.sliced(asciiPrefix(bytes)), [&valid](char16_t c) {
        valid = c != kNone;
        return valid;
    });
    return valid;
}

qint32 lenB(QStringView text)
{
    qint64 n = 0;
    encodeEach(text, [&n](quint16 code) { n += code > 0xFF ? 2 : 1; });
    return qint32(qMin<qint64>(n, std::numeric_limits<qint32>::max()));
}

QByteArray midB(QStringView text, qint32 start, qint32 length)
{
    const QByteArray bytes = fromUnicode(text);
    if (start < 1 || length <= 0 || start > bytes.size())
        return {};
    return bytes.mid(start - 1, length);
}

} // namespace lumena::sjis
