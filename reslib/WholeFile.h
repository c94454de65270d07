#pragma once
// Writing a file so that it is either wholly replaced or left as it was.

#include "reslib/ErrorCodes.h"

#include <QByteArray>
#include <QString>

namespace lumena {

// Writes `bytes` to a new file beside `path` and renames it over `path` only
// once it is complete on disk, so a failure at any point leaves the previous
// file as it was. Completeness is checked on the written file itself: Qt's
// unbuffered write (and QSaveFile with it) can report a short write, at a file
// size limit or on a full disk, as complete. False with `error` set otherwise.
bool writeFileWhole(const QString& path, const QByteArray& bytes, Error& error);

} // namespace lumena
