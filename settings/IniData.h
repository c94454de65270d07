#pragma once
// The settings record: the transfer buffer between the windows' controls and
// the settings file. It is filled from the file once at start and from the
// windows once at quit; while the program runs, the controls are the live
// store and nothing reads this record.
//
// Field names are the record's own names. Types follow the file: colours are
// 0x00BBGGRR, a check is 0/1, a choice is -1 (chosen) / 0, an index is a
// 0-based list position with -1 for none. The initial values are the ones the
// windows show when there is no settings file.

#include "board/BoardPorts.h"  // FormInfo, DegitCells
#include "board/ChimeiProps.h" // the stop names' default colours
#include "panel/PanelPorts.h"  // CtrlDataInfo
#include "reslib/ResLib.h"     // CustColors

#include <QString>
#include <array>

namespace lumena {

namespace ini {

// Options page "運賃データと放送用データ".
struct DataDirInfo {
    QString FareDataDir; // Text2(0)
    QString TapeDataDir; // Text2(1)
    friend bool operator==(const DataDirInfo&, const DataDirInfo&) = default;
};

// Options page "パネルと整理券番号表示".
struct PanelInfo {
    qint16 UseSeiriNum = 1;                // Check1
    quint32 SeiriNumColorOff = 0x00FFFFFF; // Command5(0)
    quint32 SeiriNumColorOn1 = 0x00C0FFC0; // Command5(1)
    quint32 SeiriNumColorOn2 = 0x0080C0FF; // Command5(2)
    qint16 SeiriNumStyle = 0;              // Combo2
    qint16 SeiriNumZeroPad = 0;            // Check2
    qint16 PanelAuto = -1;                 // Option3(0)
    qint16 PanelManual = 0;                // Option3(1)
    qint16 PanelOffBuiltIn = -1;           // Option3(7)
    qint16 PanelOffUser = 0;               // Option3(6)
    qint16 PanelOn1BuiltIn = -1;           // Option3(3)
    qint16 PanelOn1User = 0;               // Option3(2)
    qint16 PanelOn2BuiltIn = -1;           // Option3(4)
    qint16 PanelOn2User = 0;               // Option3(5)
    QString PanelOffFile;                  // txtSelectPanel(0)
    QString PanelOn1File;                  // txtSelectPanel(1)
    QString PanelOn2File;                  // txtSelectPanel(2)
    friend bool operator==(const PanelInfo&, const PanelInfo&) = default;
};

// Options page "デジタル部品と情報用数字". Cells are list indexes 0..49 for
// Degit(1..50), the column a list index 0..149 for fare columns 1..150.
struct DegitInfo {
    quint32 DegitBackColor = 0x00808080; // Command8(0)
    quint32 DegitBaseColor = 0x00969696; // Command8(1)
    quint32 DegitLitColor = 0x0072D2F8;  // Command8(2)
    qint16 InfoStopOrderOn = 0;          // Check3(0)
    qint16 InfoStopOrderCell = 0;        // Combo4(0)
    qint16 InfoStopOrderFromZero = 0;    // Check3(4)
    qint16 InfoSeiriNumOn = 0;           // Check3(1)
    qint16 InfoSeiriNumCell = 0;         // Combo4(1)
    qint16 InfoRouteNumOn = 0;           // Check3(2)
    qint16 InfoRouteNumCell = 0;         // Combo4(2)
    qint16 InfoColumnOn = 0;             // Check3(3)
    qint16 InfoColumn = 0;               // Combo4(4)
    qint16 InfoColumnCell = 0;           // Combo4(3)
    friend bool operator==(const DegitInfo&, const DegitInfo&) = default;
};

// Options page "停名の設定".
struct ChimeiInfo {
    quint32 ChimeiBackColor = ChimeiDefaultBackColor; // Command9(0)
    quint32 ChimeiForeColor = ChimeiDefaultForeColor; // Command9(1), the board's orange
    qint16 ChimeiFontMode = -1;                       // Combo3
    qint16 ChimeiFontBold = 0;                        // Check4
    friend bool operator==(const ChimeiInfo&, const ChimeiInfo&) = default;
};

// Options page "サウンド".
struct SoundInfo {
    QString RouteSetSound;        // txtSelectSound(0)
    QString ResetSound;           // txtSelectSound(1)
    qint16 StepSoundAlways = -1;  // Option2(0)
    qint16 StepSoundByColumn = 0; // Option2(1)
    qint16 StepSoundSync = 0;     // Option6(0)
    qint16 StepSoundAsync = -1;   // Option6(1)
    QString StepSoundFile;        // txtSelectSound(7)
    qint16 StepSoundColumn = 0;   // Combo1
    QString StepSound1;           // txtSelectSound(8)
    QString StepSound2;           // txtSelectSound(9)
    QString StepSound3;           // txtSelectSound(10)
    qint16 PreSoundAlways = -1;   // Option2(2)
    qint16 PreSoundByFlag = 0;    // Option2(3)
    qint16 PreSoundSync = -1;     // Option7(0)
    qint16 PreSoundAsync = 0;     // Option7(1)
    QString PreSoundFile;         // txtSelectSound(3)
    QString PreSound1;            // txtSelectSound(4)
    QString PreSound2;            // txtSelectSound(5)
    QString PreSound3;            // txtSelectSound(6)
    friend bool operator==(const SoundInfo&, const SoundInfo&) = default;
};

// Options page "整理券プレビュー".
struct SeirikenInfo {
    qint16 UseSeiriPrev = 0;       // chkUseSeiriPrev
    QString SeiriPlgFile;          // txtSeiriPlgDir
    qint16 DateModeEachPrint = -1; // Option4(0) of the dialog
    qint16 DateModeRouteSet = 0;   // Option4(1)
    qint16 DateModeFixed = 0;      // Option4(2)
    QString FixedDate;             // caption of Label10, "yyyy/mm/dd"
    friend bool operator==(const SeirikenInfo&, const SeirikenInfo&) = default;
};

} // namespace ini

struct IniData {
    ini::DataDirInfo DataDirInfo;
    ini::PanelInfo PanelInfo;
    ini::DegitInfo DegitInfo;
    ini::ChimeiInfo ChimeiInfo;
    ini::SoundInfo SoundInfo;
    ini::SeirikenInfo SeirikenInfo;
    ini::CtrlDataInfo CtrlDataInfo;
    ini::FormInfo FormInfo;
    lumena::CustColors CustColors{};
    ini::DegitCells DegitCells{}; // index 0 is Degit(1)
    friend bool operator==(const IniData&, const IniData&) = default;
};

} // namespace lumena
