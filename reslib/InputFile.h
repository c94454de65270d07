#pragma once
// Opening the files the program is handed: routes, announcements, readings,
// settings, route CSVs, pictures, sounds and ticket plug-ins. Their paths come
// from settings files and dialogs and may name anything: a FIFO or a device
// would block the open or the read for ever, a folder cannot be read, and a
// huge file would take memory in proportion. These helpers open only a
// regular file (checked before the open, and again on the opened handle, so a
// path swapped meanwhile is caught too) and read one only up to a stated
// size, refused from the size the file system reports before anything is
// read. The limits themselves are set by each reader and listed in
// docs/limits.md.

#include "reslib/ErrorCodes.h"

#include <QByteArray>
#include <QString>

class QFile;

namespace lumena {

enum class InputCheck {
    Ok,
    Missing,    // nothing at the path (or an empty path)
    NotAFile,   // a folder, FIFO, device or socket
    TooLarge,   // more bytes than the reader takes
    Unreadable, // could not be opened or read
};

// What a reader does with a file larger than its limit.
enum class Beyond {
    Refuse, // TooLarge, nothing read
    Ignore, // the first `maxBytes` bytes are read, the rest never
};

// What is at `path`, without opening it: Ok for a regular file of at most
// `maxBytes` bytes (no limit when `maxBytes` is negative).
InputCheck checkInputFile(const QString& path, qint64 maxBytes = -1);

// Opens `file` (already named) for reading when it is a regular file of at
// most `maxBytes` bytes (no limit when negative). On anything but Ok the file
// is left closed.
InputCheck openInputFile(QFile& file, qint64 maxBytes = -1);

// Reads `path` into `bytes`: a regular file of at most `maxBytes` bytes,
// whole; with Beyond::Ignore a larger one too, but only its first `maxBytes`
// bytes. `bytes` is changed only on Ok.
InputCheck readInputFile(const QString& path, qint64 maxBytes, QByteArray& bytes,
                         Beyond beyond = Beyond::Refuse);

// The error a check stands for, in the program's messages: the code shown
// after "エラー Code:" and a Japanese description naming the file (and, for
// TooLarge, the limit). No error for Ok.
Error inputError(InputCheck check, const QString& path, qint64 maxBytes);

// A size for people: "4,194,304バイト".
QString byteCountText(qint64 bytes);

} // namespace lumena
