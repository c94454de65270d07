#pragma once
// The view file: what the settings file's fixed layout has no room for, in a
// small text file of its own beside it ("lumena-view.ini" beside
// "lumena.in4"). It holds the board's display scale (表示倍率).
//
// The file is ASCII lines "Name=value"; lines starting with ";" or "#",
// section lines "[...]", names this program does not know and values it
// cannot use are passed over. Reading never fails: a file that is missing,
// unreadable, longer than ViewFileMaximumSize or not understood gives the
// defaults for whatever it does not say, and nothing is reported.

#include "settings/SettingsFile.h"

#include <QByteArray>
#include <QByteArrayView>
#include <QString>

namespace lumena {

struct ViewSettings {
    int boardScale = 1; // 1..4
    friend bool operator==(const ViewSettings&, const ViewSettings&) = default;
};

// Longer than any file this program writes by far; a longer file is not one
// of ours and is not read at all.
constexpr qsizetype ViewFileMaximumSize = 4096;

QByteArray encodeViewSettings(const ViewSettings& view);
ViewSettings decodeViewSettings(QByteArrayView bytes);

// The view file beside the settings file `iniPath`: "<dir>/<base>-view.ini".
QString viewFilePath(const QString& iniPath);

// Read from beside the settings file LoadIni reads, or, while there is none,
// from where SaveIni would write one.
ViewSettings LoadViewSettings(const IniLocation& where);
// Written beside the settings file SaveIni writes, whole or not at all;
// false when it could not be written (the previous file stays as it was).
bool SaveViewSettings(const IniLocation& where, const ViewSettings& view);

} // namespace lumena
