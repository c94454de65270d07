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

struct TapeEntry {
    QString TapeText;
    qint16 TapeStepFlag = 0;
    qint16 TapeSndFlag = 0;
    bool operator==(const TapeEntry&) const = default;
};

// The lines of a file: ended by CR LF, LF or CR; a break after the last line
// is allowed and adds no line.
QList<QByteArrayView> tapeLines(QByteArrayView data);

// Parses one line. None for a line that does not hold exactly the three
// fields: an empty line, a missing field, a flag that is not a whole number
// or lies outside -32768..32767, an unterminated quote.
std::optional<TapeEntry> parseTapeLine(QByteArrayView line);

// The announcement file of a route in `folder` (which ends with "/" or is
// empty): the decimal value of the route number followed by "tp.csv", so
// "0012" and "12" name the same file. The name is matched without regard to
// case ("12Tp.csv" is found); an exact match wins. Returns the path to open,
// which may not exist.
QString tapeFilePath(const QString& folder, const QString& route);

} // namespace lumena
