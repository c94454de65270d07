#include "sound/TapeFile.h"

#include "reslib/ShiftJis.h"

#include <QDir>
#include <QFileInfo>
#include <charconv>

namespace lumena {

QList<QByteArrayView> tapeLines(QByteArrayView data, qsizetype maxLines)
{
    QList<QByteArrayView> lines;
    qsizetype start = 0;
    const qsizetype n = data.size();
    for (qsizetype i = 0; i < n; ++i) {
        const char c = data[i];
        if (c != '\r' && c != '\n')
            continue;
        lines.append(data.sliced(start, i - start));
        if (maxLines >= 0 && lines.size() > maxLines)
            return lines;
        if (c == '\r' && i + 1 < n && data[i + 1] == '\n')
            ++i;
        start = i + 1;
    }
    if (start < n)
        lines.append(data.sliced(start));
    return lines;
}

namespace {

bool isBlank(char c)
{
    return c == ' ' || c == '\t';
}

QByteArrayView trimmed(QByteArrayView v)
{
    while (!v.isEmpty() && isBlank(v.front()))
        v = v.sliced(1);
    while (!v.isEmpty() && isBlank(v.back()))
        v.chop(1);
    return v;
}

// A signed 16-bit flag; an empty field reads as 0.
std::optional<qint16> parseFlag(QByteArrayView field)
{
    field = trimmed(field);
    if (field.isEmpty())
        return qint16(0);
    const char* first = field.data();
    const char* last = first + field.size();
    // from_chars takes a minus sign only; a plus sign is taken here, and
    // only before a digit ("+-5" is no number).
    if (*first == '+') {
        ++first;
        if (first == last || *first < '0' || *first > '9')
            return std::nullopt;
    }
    long long v = 0;
    const auto [ptr, ec] = std::from_chars(first, last, v);
    if (ec != std::errc() || ptr != last || v < -32768 || v > 32767)
        return std::nullopt;
    return static_cast<qint16>(v);
}

} // namespace

std::optional<TapeEntry> parseTapeLine(QByteArrayView line)
{
    // Shift-JIS trail bytes never take the values of '"' or ',', so the
    // fields can be split on bytes before the text is decoded.
    qsizetype i = 0;
    const qsizetype n = line.size();
    while (i < n && isBlank(line[i]))
        ++i;
    QByteArrayView text;
    if (i < n && line[i] == '"') {
        const qsizetype close = line.indexOf('"', i + 1);
        if (close < 0)
            return std::nullopt;
        text = line.sliced(i + 1, close - i - 1);
        i = close + 1;
        while (i < n && isBlank(line[i]))
            ++i;
        if (i >= n || line[i] != ',')
            return std::nullopt;
    } else {
        const qsizetype comma = line.indexOf(',', i);
        if (comma < 0)
            return std::nullopt;
        text = trimmed(line.sliced(i, comma - i));
        i = comma;
    }
    const QByteArrayView rest = line.sliced(i + 1);
    const qsizetype comma = rest.indexOf(',');
    if (comma < 0)
        return std::nullopt;
    const QByteArrayView third = rest.sliced(comma + 1);
    if (third.contains(','))
        return std::nullopt;
    const std::optional<qint16> step = parseFlag(rest.first(comma));
    const std::optional<qint16> sound = parseFlag(third);
    if (!step || !sound)
        return std::nullopt;
    return TapeEntry{sjis::toUnicode(text), *step, *sound};
}

QString tapeFilePath(const QString& folder, const QString& route)
{
    bool ok = false;
    const qlonglong number = route.trimmed().toLongLong(&ok);
    const QString name = QString::number(ok ? number : 0) + QStringLiteral("tp.csv");
    const QString exact = folder + name;
    if (QFileInfo(exact).isFile())
        return exact;
    const QDir dir(folder.isEmpty() ? QStringLiteral(".") : folder);
    const QStringList files = dir.entryList(QDir::Files);
    for (const QString& f : files) {
        if (f.compare(name, Qt::CaseInsensitive) == 0)
            return folder + f;
    }
    return exact;
}

} // namespace lumena
