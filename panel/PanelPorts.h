#pragma once
// The operation panel's interfaces: the option values that only the panel
// reads (PanelOptions, implemented by the options dialog), and what the
// settings routines and the options dialog reach in the panel (PanelIniPort,
// implemented by the panel window), with the panel's part of the settings
// record.

#include <QString>

class QImage;

namespace lumena {

namespace ini {

// The operation panel's part of the settings record.
struct CtrlDataInfo {
    qint16 CtrlPanelMode = 0;  // Frame1(0)/Frame1(1) last double-clicked
    qint32 ScrollSpeed = 0;    // HScroll1(0)
    qint32 ScrollInterval = 0; // HScroll1(1)
    qint16 MidnightFare = 0;   // Check2
    qint16 PreviewOpen = 0;    // Check4
    qint32 CtrlLeft = 0;       // twips
    qint32 CtrlTop = 0;        // twips
    friend bool operator==(const CtrlDataInfo&, const CtrlDataInfo&) = default;
};

} // namespace ini

// Backlight states, as the panel's Option4 buttons number them.
enum BacklightState { BacklightOff = 0, BacklightOn1 = 1, BacklightOn2 = 2 };

class PanelOptions {
public:
    virtual ~PanelOptions() = default;
    // Ticket-number text colour for a backlight state, 0x00BBGGRR.
    virtual quint32 seiriNumColor(int state) const = 0;
    // Built-in pictures assigned automatically, or chosen per state.
    virtual bool panelAuto() const = 0;
    virtual bool panelUser(int state) const = 0;
    virtual QString panelFile(int state) const = 0;
    virtual QString resetSound() const = 0;    // "リセット時のサウンド："
    virtual QString routeSetSound() const = 0; // "系統設定時のサウンド："
    // Shows the options dialog modally; returns when it is closed.
    virtual void showOptions() = 0;
};

// The operation panel as the settings routines and the options dialog see it.
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

} // namespace lumena
