#pragma once
// Reading of the announcement data files ("<route>tp.csv"): Shift-JIS text,
// one entry per line, three comma-separated fields — the text to read out
// (optionally in double quotes, then it may hold commas), the step flag and
// the sound flag (signed 16-bit integers; an empty field reads as 0).

#include <QByteArray>
#include <QList>
#include <QString>
#include <optional>

namespace lumena {

// The largest announcement file read: no route comes near either limit. A
// larger file is refused from its size before it is read, one with more
// lines once it is read.
namespace tape_limits {
inline constexpr qint64 MaxFileBytes = qint64(4) << 20; // 4,194,304
inline constexpr qsizetype MaxLines = 32767;
} // namespace tape_limits

struct TapeEntry {
    QString TapeText;
    qint16 TapeStepFlag = 0;
    qint16 TapeSndFlag = 0;
    bool operator==(const TapeEntry&) const = default;
};

// The lines of a file: ended by CR LF, LF or CR; a break after the last line
// is allowed and adds no line. With `maxLines` (not negative) at most
// maxLines + 1 lines are returned: enough to tell a file with too many.
QList<QByteArrayView> tapeLines(QByteArrayView data, qsizetype maxLines = -1);

// Parses one line. None for a line that does not hold exactly the three
// fields: an empty line, a missing field, a flag that is not a whole number
// (an optional sign, "+" or "-", then digits) or lies outside -32768..32767,
// an unterminated quote.
std::optional<TapeEntry> parseTapeLine(QByteArrayView line);

// The announcement file of a route in `folder` (which ends with "/" or is
// empty): the decimal value of the route number followed by "tp.csv", so
// "0012" and "12" name the same file. The name is matched without regard to
// case ("12Tp.csv" is found); an exact match wins. Returns the path to open,
// which may not exist.
QString tapeFilePath(const QString& folder, const QString& route);

} // namespace lumena
