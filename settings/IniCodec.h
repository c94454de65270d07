#pragma once
// The settings file's byte layout: the items of IniData in record order, no
// header and no padding, integers little-endian, each text a 16-bit byte
// count followed by its Shift-JIS bytes. With every text empty the file is
// IniMinimumSize bytes long.

#include "reslib/ErrorCodes.h"
#include "settings/IniData.h"

#include <QByteArray>
#include <QByteArrayView>

namespace lumena {

constexpr qsizetype IniMinimumSize = 538;

// The longest file whose every item can still matter: the fixed items plus
// 17 texts of the largest length (1,114,633 bytes). Readers read no more, so
// a huge file cannot make start-up allocate without bound.
constexpr qint64 IniMaximumUsefulSize = (IniMinimumSize - 17 * 2) + 17 * (2 + 65535);

// The whole file for `data`. A text longer than 65,535 bytes in Shift-JIS is
// cut at that length (the count cannot hold more).
QByteArray encodeIni(const IniData& data);

// Reads a whole file. On success fills `out` and returns true; on a file that
// ends before the layout does (or a text that runs past the end) leaves `out`
// untouched, sets `error` and returns false. The cell count is read and not
// used; bytes after the last cell record are ignored.
bool decodeIni(QByteArrayView bytes, IniData& out, Error& error);

} // namespace lumena
