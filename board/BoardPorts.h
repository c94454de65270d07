#pragma once
// What the board window offers to the code that drives it. The run logic
// writes fares and the stop name through BoardDisplay, the operation panel
// changes pictures, colours and the clock through PanelBoard, and the settings
// routines and the options dialog read and apply the board's settings through
// BoardIniPort. The board implements all three; callers and their tests see
// only these interfaces.
//
// The board's parts of the settings record (its position and the per-cell
// settings of its fare elements) are defined here, with the board that fills
// them; the settings record includes them.

#include <QString>
#include <QVariant>
#include <array>

class QImage;

namespace lumena {

namespace ini {

// The board window's position in twips.
struct FormInfo {
    qint32 FormLeft = 0;
    qint32 FormTop = 0;
    friend bool operator==(const FormInfo&, const FormInfo&) = default;
};

// Per-cell settings of Degit(1..50), in file order.
struct DegitCellInfo {
    qint16 Shift = 0;
    qint16 ZeroMode = 0;
    qint16 FillZero = 0;
    friend bool operator==(const DegitCellInfo&, const DegitCellInfo&) = default;
};

constexpr int DegitCellCount = 50;
using DegitCells = std::array<DegitCellInfo, DegitCellCount>;

} // namespace ini

// The board as the run logic drives it. Cells are Degit(1..50).
class BoardDisplay {
public:
    virtual ~BoardDisplay() = default;
    virtual void SetChimei(const QString& text) = 0;
    virtual void ResetDegit(int cell, bool lit) = 0;
    // Value is a number or a text (the route number keeps its leading zeros).
    virtual void setDegitValue(int cell, const QVariant& value) = 0;
};

// The board as the operation panel changes it.
class PanelBoard {
public:
    virtual ~PanelBoard() = default;
    // Window caption of the board ("ルメナ・ビューア - 型番:" + model).
    virtual void setBoardCaption(const QString& caption) = 0;
    // The built-in picture of one backlight state (imgRes(state)).
    virtual QImage builtInPicture(int state) const = 0;
    virtual void setBackgroundPicture(const QImage& picture) = 0;
    // Text colour of the 50 ticket-number cells, 0x00BBGGRR.
    virtual void setSeiriNumColor(quint32 color) = 0;
    // The board's one-second clock: its timer, whether the clock element is
    // shown, and blanking both clock elements.
    virtual void setClockRunning(bool running) = 0;
    virtual bool clockVisible() const = 0;
    virtual void clearClock() = 0;
    // Speed and ScrollStartWait of the stop-name element.
    virtual void setChimeiScroll(qint16 speed, qint32 startWait) = 0;
    virtual void setBoardEnabled(bool enabled) = 0;
};

// The three colours every digit element takes from the options dialog.
struct DegitColors {
    quint32 BackColor = 0;
    quint32 BaseForeColor = 0;
    quint32 DegitForeColor = 0;
};

// The board as the settings routines (LoadIni, SaveIni) and the options
// dialog's SetProp see it.
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
    virtual void SeirikenNumSet(qint16 style, qint16 zeroOption) = 0;
    // ForeColor of lblSeiriNum(1..50).
    virtual void SetSeiriNumColor(quint32 color) = 0;
    // BackColor, BaseForeColor, DegitForeColor of Degit(1..50), then of
    // TimeDegit(0) and TimeDegit(1).
    virtual void SetAllDegitColors(const DegitColors& colors) = 0;
    // ChimeiCtl: BackColor, ForeColor, FontMode (list index, -1 for none), FontBold.
    virtual void SetChimeiProps(quint32 backColor, quint32 foreColor, qint16 fontMode,
                                bool fontBold) = 0;
    // The display scale 1..4 (others brought into range): the window and all
    // it shows that many times as large, its top-left corner where it is.
    virtual void setBoardScale(int scale) = 0;
};

} // namespace lumena
