#pragma once
// What the settings routines (LoadIni, SaveIni) reach in the three windows.
// Each window implements its interface; the settings logic never sees a
// widget, so it runs and is tested with fakes.
//
//   BoardWindow   implements BoardIniPort  (board/BoardPorts.h)
//   PanelWindow   implements PanelIniPort  (panel/PanelPorts.h)
//   OptionsDialog implements OptionIniPort (below)
//
// Everything runs on the UI thread. Values go in and out as parts of IniData.

#include "board/BoardPorts.h"
#include "panel/PanelPorts.h"
#include "settings/IniData.h"

namespace lumena {

// The options dialog.
class OptionIniPort {
public:
    virtual ~OptionIniPort() = default;

    // Copies the dialog's controls into DataDirInfo, PanelInfo, DegitInfo,
    // ChimeiInfo, SoundInfo and SeirikenInfo, and its custom colours into
    // CustColors. Changes nothing on screen.
    virtual void GetOptionInfo(IniData& out) const = 0;
    // The reverse copy (with the dependent-control reactions, the panel's
    // backlight and the plug-in check), and CustColors back into the dialog.
    virtual void SetOptionInfo(const IniData& in) = 0;
    // Applies the dialog's current settings to the board and the panel.
    virtual void SetProp() = 0;
};

// The three windows as the settings routines see them.
struct IniWindows {
    OptionIniPort& options;
    PanelIniPort& panel;
    BoardIniPort& board;
};

} // namespace lumena
