#include "panel/RouteFile.h"

#include "reslib/ShiftJis.h"

#include <QtEndian>

namespace lumena::routefile {

namespace {

qint16 readI16(const char* p)
{
    return qFromLittleEndian<qint16>(p);
}

quint16 readU16(const char* p)
{
    return qFromLittleEndian<quint16>(p);
}

// A stop name as text, and whether its bytes are valid Shift-JIS: no valid
// character reads as U+FFFD.
QString decodeName(QByteArrayView name, bool& valid)
{
    QString text = sjis::toUnicode(name);
    valid = !text.contains(QChar::ReplacementCharacter);
    return text;
}

} // namespace

Scan scan(QByteArrayView bytes, int maxRecords)
{
    Scan s;
    s.size = bytes.size();
    if (bytes.size() < HeaderSize) {
        s.cut = Cut::Header;
        return s;
    }
    const char* const data = bytes.data();
    s.count = readI16(data);
    s.used = HeaderSize;
    const int want = qMin<int>(s.count, maxRecords);
    if (want > 0)
        s.records.reserve(want);
    qsizetype pos = HeaderSize;
    for (int i = 1; i <= want; ++i) {
        if (s.size - pos < 2) {
            s.cut = Cut::NameLength;
            s.cutRecord = i;
            return s;
        }
        const quint16 len = readU16(data + pos);
        if (s.size - pos - 2 < len) {
            s.cut = Cut::Name;
            s.cutRecord = i;
            s.cutNameBytes = len;
            return s;
        }
        if (s.size - pos < RecordFixedSize + len) {
            s.cut = Cut::Body;
            s.cutRecord = i;
            return s;
        }
        RouteRecord& r = s.records.emplace_back();
        bool valid = true;
        r.StopName = decodeName(QByteArrayView(data + pos + 2, len), valid);
        if (!valid)
            s.badNames << i;
        const char* p = data + pos + 2 + len;
        r.TicketNo = readI16(p);
        p += 2;
        for (qint16& f : r.Fares) {
            f = readI16(p);
            p += 2;
        }
        pos += RecordFixedSize + len;
        s.used = pos;
    }
    return s;
}

Error cutError(const Scan& s)
{
    switch (s.cut) {
    case Cut::None:
        return {};
    case Cut::Header:
        return Error::of(
            ErrPastEndOfFile,
            QStringLiteral("運賃データのファイルが短すぎて、データの数を読めません。"));
    case Cut::Name:
        return Error::of(
            ErrPastEndOfFile,
            QStringLiteral(
                "運賃データの%1件目の停留所名（%2バイト）がファイルの終わりを越えています。")
                .arg(s.cutRecord)
                .arg(s.cutNameBytes));
    case Cut::NameLength:
    case Cut::Body:
        break;
    }
    return Error::of(
        ErrPastEndOfFile,
        QStringLiteral(
            "運賃データのファイルが%1件目の途中で終わっています（データの数は%2件です）。")
            .arg(s.cutRecord)
            .arg(s.count));
}

Error tooManyRecordsError(int count)
{
    return Error::of(ErrSubscript,
                     QStringLiteral("運賃データの数（%1件）が上限の%2件を超えています。")
                         .arg(count)
                         .arg(RouteState::RouteRows));
}

Error negativeCountError(int count)
{
    return Error::of(ErrInvalidCall,
                     QStringLiteral("運賃データの数（%1）が負の値です。").arg(count));
}

Error readRecords(QByteArrayView bytes, QList<RouteRecord>& out)
{
    Scan s = scan(bytes);
    if (Error e = cutError(s))
        return e;
    if (s.count < 0)
        return negativeCountError(s.count);
    out = std::move(s.records);
    return {};
}

Error encode(const QList<RouteRecord>& records, QByteArray& out)
{
    if (records.size() > 0x7FFF)
        return Error::of(ErrOverflow,
                         QStringLiteral("停留所の数（%1）が多すぎます。").arg(records.size()));
    QByteArray image;
    image.reserve(HeaderSize + records.size() * (RecordFixedSize + 24));
    auto put16 = [&image](quint16 v) {
        const char b[2] = {static_cast<char>(v & 0xFF), static_cast<char>(v >> 8)};
        image.append(b, 2);
    };
    put16(static_cast<quint16>(records.size()));
    for (qsizetype i = 0; i < records.size(); ++i) {
        const RouteRecord& r = records[i];
        const QByteArray name = sjis::fromUnicode(r.StopName);
        if (name.count('?') != r.StopName.count(u'?'))
            return Error::of(
                ErrInvalidCall,
                QStringLiteral("%1件目の停留所名「%2」にShift-JISで表せない文字があります。")
                    .arg(i + 1)
                    .arg(r.StopName));
        if (name.size() > MaxNameBytes)
            return Error::of(ErrOverflow,
                             QStringLiteral("%1件目の停留所名が長すぎます（%2バイト）。")
                                 .arg(i + 1)
                                 .arg(name.size()));
        put16(static_cast<quint16>(name.size()));
        image.append(name);
        put16(static_cast<quint16>(r.TicketNo));
        for (qint16 f : r.Fares)
            put16(static_cast<quint16>(f));
    }
    out = std::move(image);
    return {};
}

} // namespace lumena::routefile
