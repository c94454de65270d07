#include "settings/IniCodec.h"

#include "reslib/ShiftJis.h"
#include "settings/IniFields.h"

#include <QtEndian>
#include <limits>

namespace lumena {

namespace {

class Writer {
public:
    QByteArray out;

    Writer() { out.reserve(1024); }

    void item(const char*, const QString& v)
    {
        QByteArray bytes = sjis::fromUnicode(v);
        constexpr qsizetype maxLen = std::numeric_limits<quint16>::max();
        if (bytes.size() > maxLen)
            bytes.truncate(maxLen);
        put<quint16>(static_cast<quint16>(bytes.size()));
        out.append(bytes);
    }
    void item(const char*, const qint16& v) { put<qint16>(v); }
    void item(const char*, const qint32& v) { put<qint32>(v); }
    void item(const char*, const quint32& v) { put<quint32>(v); }
    void custColors(const CustColors& c)
    {
        for (quint32 v : c)
            put<quint32>(v);
    }
    void cellCount(const qint16& n) { put<qint16>(n); }
    void cells(const ini::DegitCells& cells)
    {
        for (const ini::DegitCellInfo& c : cells) {
            put<qint16>(c.Shift);
            put<qint16>(c.ZeroMode);
            put<qint16>(c.FillZero);
        }
    }

private:
    template <class T> void put(T v)
    {
        char b[sizeof(T)];
        qToLittleEndian<T>(v, b);
        out.append(b, sizeof(T));
    }
};

// Stops at the first item that does not fit; later items are skipped and
// `failedAt` names the one that ran past the end.
class Reader {
public:
    explicit Reader(QByteArrayView in) : m_in(in) {}

    const char* failedAt = nullptr;
    qsizetype failedOffset = 0;

    void item(const char* name, QString& v)
    {
        quint16 len = 0;
        if (!get(name, len))
            return;
        if (!need(name, len))
            return;
        v = sjis::toUnicode(m_in.sliced(m_pos, len));
        m_pos += len;
    }
    void item(const char* name, qint16& v) { get(name, v); }
    void item(const char* name, qint32& v) { get(name, v); }
    void item(const char* name, quint32& v) { get(name, v); }
    void custColors(CustColors& c)
    {
        for (quint32& v : c)
            get("CustColors", v);
    }
    void cellCount(qint16& n) { get("DegitCells", n); }
    void cells(ini::DegitCells& cells)
    {
        for (ini::DegitCellInfo& c : cells) {
            get("DegitCells", c.Shift);
            get("DegitCells", c.ZeroMode);
            get("DegitCells", c.FillZero);
        }
    }

private:
    bool need(const char* name, qsizetype n)
    {
        if (failedAt)
            return false;
        if (m_in.size() - m_pos < n) {
            failedAt = name;
            failedOffset = m_pos;
            return false;
        }
        return true;
    }
    template <class T> bool get(const char* name, T& v)
    {
        if (!need(name, sizeof(T)))
            return false;
        v = qFromLittleEndian<T>(m_in.data() + m_pos);
        m_pos += sizeof(T);
        return true;
    }

    QByteArrayView m_in;
    qsizetype m_pos = 0;
};

} // namespace

QByteArray encodeIni(const IniData& data)
{
    Writer w;
    visitIniFields(data, w);
    return std::move(w.out);
}

bool decodeIni(QByteArrayView bytes, IniData& out, Error& error)
{
    IniData read;
    Reader r(bytes);
    visitIniFields(read, r);
    if (r.failedAt) {
        error = Error::of(ErrPastEndOfFile, errorDescription(ErrPastEndOfFile) +
                                                QStringLiteral("（%1、%2バイト目）")
                                                    .arg(QLatin1StringView(r.failedAt))
                                                    .arg(r.failedOffset + 1));
        return false;
    }
    out = std::move(read);
    return true;
}

} // namespace lumena
