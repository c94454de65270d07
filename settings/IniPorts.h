#pragma once
// What the settings routines (LoadIni, SaveIni) and the options dialog's
// SetProp reach in the three windows. Each window implements its interface;
// the settings logic never sees a widget, so it runs and is tested with fakes.
//
//   Form1     implements BoardIniPort   (position, digit and stop-name elements)
//   frmCtl    implements PanelIniPort   (panel values, backlight)
//   frmOption implements OptionIniPort  (the option pages)
//
// Everything runs on the UI thread. Values go in and out as parts of IniData.

#include "settings/IniData.h"

namespace lumena {

// The three colours every digit element takes from the options dialog.
struct DegitColors {
    quint32 BackColor = 0;
    quint32 BaseForeColor = 0;
    quint32 DegitForeColor = 0;
};

// The board window Form1.
class BoardIniPort {
public:
    virtual ~BoardIniPort() = default;

    // The window's left and top edge in twips, rounded to whole twips.
    virtual void GetFormInfo(ini::FormInfo& out) const = 0;
    // Moves the window there.
    virtual void SetFormInfo(const ini::FormInfo& in) = 0;

    // Shift, ZeroMode and FillZero of fare cell Degit(cell), cell 1..50.
    virtual ini::DegitCellInfo GetDegitCell(int cell) const = 0;
    // Sets on Degit(cell), in this order: ZeroMode, Shift, FillZero, BackColor,
    // BaseForeColor, DegitForeColor, then Value = " " (redraws it empty).
    virtual void SetDegitCell(int cell, const ini::DegitCellInfo& info,
                              const DegitColors& colors) = 0;
    // The three colours of clock element TimeDegit(index), index 0 or 1; no Value.
    virtual void SetTimeDegitColors(int index, const DegitColors& colors) = 0;
    // BackColor and ForeColor of the stop-name element ChimeiCtl.
    virtual void SetChimeiColors(quint32 backColor, quint32 foreColor) = 0;

    // --- What the options dialog's SetProp applies to the board ---

    // lblSeiriNum(1..50) shown or hidden.
    virtual void SetSeiriNumVisible(bool visible) = 0;
    // The ticket-number labelling routine with the chosen style (list index,
    // -1 for none) and zero option (0/1).
    virtual void SeirikenNumSet(qint16& style, qint16& zeroPad) = 0;
    // ForeColor of lblSeiriNum(1..50).
    virtual void SetSeiriNumColor(quint32 color) = 0;
    // BackColor, BaseForeColor, DegitForeColor of Degit(1..50), then of
    // TimeDegit(0) and TimeDegit(1).
    virtual void SetAllDegitColors(const DegitColors& colors) = 0;
    // ChimeiCtl: BackColor, ForeColor, FontMode (list index, -1 for none), FontBold.
    virtual void SetChimeiProps(quint32 backColor, quint32 foreColor, qint16 fontMode,
                                bool fontBold) = 0;
};

// The operation panel frmCtl.
class PanelIniPort {
public:
    virtual ~PanelIniPort() = default;

    virtual void GetCtrlDataInfo(ini::CtrlDataInfo& out) const = 0;
    // Applies the values in the panel's own order (position, scroll bars,
    // input group, preview, late night, group double-click).
    virtual void SetCtrlDataInfo(const ini::CtrlDataInfo& in) = 0;

    // Which of the panel's backlight buttons Option4(0..2) is chosen; -1 for none.
    virtual int BacklightIndex() const = 0;
    // Applies backlight state 0 (OFF), 1 (ON1) or 2 (ON2).
    virtual void Option4_Click(int index) = 0;

    // --- What the options dialog's plug-in check (SetPlgin) sets on the panel ---

    // Size of the ticket preview picSeirikenPrev, in twips.
    virtual void SetPreviewSize(int widthTwips, int heightTwips) = 0;
    // The company list Combo1 below the preview: emptied, then filled.
    virtual void ClearCompanyList() = 0;
    virtual void AddCompany(const QString& name) = 0;
};

// The options dialog frmOption.
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
