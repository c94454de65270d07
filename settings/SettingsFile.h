#pragma once
// The settings file: read once at start (LoadIni), written once at quit
// (SaveIni). See IniPorts.h for what they reach in the windows.

#include "reslib/Host.h"
#include "settings/IniData.h"
#include "settings/IniPorts.h"

#include <QString>

namespace lumena {

// Where the settings file lives: beside the executable, named after it with
// ".in4"; where that folder cannot be written (an installed program), in the
// user's configuration folder under the same name.
class IniLocation {
public:
    IniLocation(QString exeDir, QString baseName, QString configDir);
    // The running executable and QStandardPaths::AppConfigLocation.
    static IniLocation forApplication();

    QString besideExecutable() const;
    QString inConfigFolder() const;
    // The file beside the executable if it exists, else the one in the
    // configuration folder if that exists, else empty (no settings file).
    QString readPath() const;
    // Beside the executable when its folder is writable, else the
    // configuration folder's file.
    QString writePath() const;

private:
    QString m_exeDir;
    QString m_baseName;
    QString m_configDir;
};

// Reads the file into `data` and applies it to the windows, in order: digit
// cells, clock and stop-name colours, the dialog's SetOptionInfo, the panel's
// SetCtrlDataInfo, the board's SetFormInfo, the dialog's SetProp. No file:
// nothing happens and nothing is said. A file that cannot be read or is cut
// short: the three-line message, nothing applied, `data` unchanged.
void LoadIni(IniData& data, const IniLocation& where, const IniWindows& windows, Host& host);

// Collects the windows' values into `data` and writes the file. The previous
// file is replaced only by a completely written one; on failure it stays as
// it was and the two-line message is shown. Returns true when written.
bool SaveIni(IniData& data, const IniLocation& where, const IniWindows& windows, Host& host);

} // namespace lumena
