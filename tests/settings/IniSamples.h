#pragma once
// Settings records for the settings tests: one with every item set to a value
// derived from its item number in the file, so a field stored at the wrong
// place or with the wrong width shows up; and the file's items written out
// independently of the codec's own field list.

#include "settings/IniData.h"

namespace lumena::test {

// The file's items 1..70 by kind: T text, s int16, c colour, i int32. After
// them come the 17 custom colours, the cell count and the 50 cell records.
constexpr const char* ItemKinds = "TTscccss"
                                  "ssssssss"
                                  "TTTccc"
                                  "ssssssssss"
                                  "ccss"
                                  "TTssssT"
                                  "sTTT"
                                  "ssss"
                                  "TTTT"
                                  "sTsssT"
                                  "siissii"
                                  "ii";

// 16- and 32-bit values whose bytes all differ, so byte order errors show.
inline qint16 s16(int n)
{
    return static_cast<qint16>(n | ((n + 100) << 8));
}
inline qint32 s32(int n)
{
    return n | ((n + 100) << 8) | (0x3C << 16) | (0x01 << 24);
}
inline quint32 c32(int n)
{
    return static_cast<quint32>(s32(n));
}
// The text of item n in numberedIni().
inline QString txt(int n)
{
    if (n == 1)
        return QStringLiteral("三角駅"); // three kanji, 6 bytes
    if (n == 45)
        return QStringLiteral("a\"b\\c\td"); // quotes and controls
    if (n == 61)
        return QStringLiteral("2025/01/05");
    return QStringLiteral("t%1").arg(n);
}

inline IniData numberedIni()
{
    IniData d;
    d.DataDirInfo.FareDataDir = txt(1);
    d.DataDirInfo.TapeDataDir = txt(2);
    auto& p = d.PanelInfo;
    p.UseSeiriNum = s16(3);
    p.SeiriNumColorOff = c32(4);
    p.SeiriNumColorOn1 = c32(5);
    p.SeiriNumColorOn2 = c32(6);
    p.SeiriNumStyle = s16(7);
    p.SeiriNumZeroPad = s16(8);
    p.PanelAuto = s16(9);
    p.PanelManual = s16(10);
    p.PanelOffBuiltIn = s16(11);
    p.PanelOffUser = s16(12);
    p.PanelOn1BuiltIn = s16(13);
    p.PanelOn1User = s16(14);
    p.PanelOn2BuiltIn = s16(15);
    p.PanelOn2User = s16(16);
    p.PanelOffFile = txt(17);
    p.PanelOn1File = txt(18);
    p.PanelOn2File = txt(19);
    auto& g = d.DegitInfo;
    g.DegitBackColor = c32(20);
    g.DegitBaseColor = c32(21);
    g.DegitLitColor = c32(22);
    g.InfoStopOrderOn = s16(23);
    g.InfoStopOrderCell = s16(24);
    g.InfoStopOrderFromZero = s16(25);
    g.InfoSeiriNumOn = s16(26);
    g.InfoSeiriNumCell = s16(27);
    g.InfoRouteNumOn = s16(28);
    g.InfoRouteNumCell = s16(29);
    g.InfoColumnOn = s16(30);
    g.InfoColumn = s16(31);
    g.InfoColumnCell = s16(32);
    auto& c = d.ChimeiInfo;
    c.ChimeiBackColor = c32(33);
    c.ChimeiForeColor = c32(34);
    c.ChimeiFontMode = s16(35);
    c.ChimeiFontBold = s16(36);
    auto& s = d.SoundInfo;
    s.RouteSetSound = txt(37);
    s.ResetSound = txt(38);
    s.StepSoundAlways = s16(39);
    s.StepSoundByColumn = s16(40);
    s.StepSoundSync = s16(41);
    s.StepSoundAsync = s16(42);
    s.StepSoundFile = txt(43);
    s.StepSoundColumn = s16(44);
    s.StepSound1 = txt(45);
    s.StepSound2 = txt(46);
    s.StepSound3 = txt(47);
    s.PreSoundAlways = s16(48);
    s.PreSoundByFlag = s16(49);
    s.PreSoundSync = s16(50);
    s.PreSoundAsync = s16(51);
    s.PreSoundFile = txt(52);
    s.PreSound1 = txt(53);
    s.PreSound2 = txt(54);
    s.PreSound3 = txt(55);
    auto& t = d.SeirikenInfo;
    t.UseSeiriPrev = s16(56);
    t.SeiriPlgFile = txt(57);
    t.DateModeEachPrint = s16(58);
    t.DateModeRouteSet = s16(59);
    t.DateModeFixed = s16(60);
    t.FixedDate = txt(61);
    auto& k = d.CtrlDataInfo;
    k.CtrlPanelMode = s16(62);
    k.ScrollSpeed = s32(63);
    k.ScrollInterval = s32(64);
    k.MidnightFare = s16(65);
    k.PreviewOpen = s16(66);
    k.CtrlLeft = s32(67);
    k.CtrlTop = s32(68);
    d.FormInfo.FormLeft = s32(69);
    d.FormInfo.FormTop = s32(70);
    for (int i = 0; i < 17; ++i)
        d.CustColors[static_cast<size_t>(i)] = c32(200 + i);
    for (int i = 0; i < ini::DegitCellCount; ++i) {
        auto& cell = d.DegitCells[static_cast<size_t>(i)];
        cell.Shift = s16(i * 3);
        cell.ZeroMode = s16(i * 3 + 1);
        cell.FillZero = s16(i * 3 + 2);
    }
    return d;
}

} // namespace lumena::test
