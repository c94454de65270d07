#pragma once
// The settings file: read once at start (LoadIni), written once at quit
// (SaveIni). See IniPorts.h for what they reach in the windows.

#include "reslib/Host.h"
#include "settings/IniData.h"
#include "settings/IniPorts.h"

#include <QString>

namespace lumena {

// Where the settings file lives. A save writes it to one place, its home,
// and a load reads it from there, so that what was saved is what the next
// start reads:
// - beside the executable, named after it with ".in4", when the program's
//   folder is its own (see isOwnProgramFolder): a portable copy or a build;
// - otherwise in the user's configuration folder under the same name (an
//   installed program: ~/.config/Lumena/lumena.in4).
// A load that finds no file at home reads the one beside the executable, if
// there is one (settings that come with an installed or read-only copy); the
// next save then writes home.
class IniLocation {
public:
    // `exeDirIsOwn`: whether `exeDir` may be the home (it still must be a
    // writable folder to be one).
    IniLocation(QString exeDir, QString baseName, QString configDir, bool exeDirIsOwn = true);
    // The program in `exeDir`, whose folder is its own by isOwnProgramFolder.
    static IniLocation forProgramIn(const QString& exeDir, const QString& baseName,
                                    const QString& configDir);
    // The running executable and QStandardPaths::AppConfigLocation.
    static IniLocation forApplication();

    // Whether the folder `dir` of a program may keep its settings: it belongs
    // to the user who runs the program, who may write it, and that user is
    // not root. Never a folder of the system (/usr/bin, /usr/local/bin and
    // the like belong to root), not even when root runs the program.
    static bool isOwnProgramFolder(const QString& dir);

    QString besideExecutable() const;
    QString inConfigFolder() const;
    // The file a load reads: the home's file if it exists, else the one
    // beside the executable if that exists, else empty (no settings file).
    QString readPath() const;
    // The home: beside the executable when its folder is the program's own
    // and writable, else the configuration folder's file (beside the
    // executable when there is no configuration folder either).
    QString writePath() const;

private:
    QString m_exeDir;
    QString m_baseName;
    QString m_configDir;
    bool m_exeDirIsOwn;
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
