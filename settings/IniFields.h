#pragma once
// The items of the settings file in file order, with their names. The codec
// and the dump tool walk this one list, so the order lives in one place.
//
// A visitor provides:
//   void item(const char* name, QString&)   text
//   void item(const char* name, qint16&)    check, choice, index, int16
//   void item(const char* name, qint32&)    int32 (positions, scroll values)
//   void item(const char* name, quint32&)   colour
//   void custColors(CustColors&)            the 17 colours
//   void cellCount(qint16&)                 the count before the cells (written as 50)
//   void cells(ini::DegitCells&)            the 50 cell records
// `Data` is IniData or const IniData; a visitor over const data takes const&.

#include "settings/IniData.h"

namespace lumena {

template <class Data, class Visitor> void visitIniFields(Data& d, Visitor& v)
{
    auto& dd = d.DataDirInfo;
    v.item("FareDataDir", dd.FareDataDir);
    v.item("TapeDataDir", dd.TapeDataDir);

    auto& p = d.PanelInfo;
    v.item("UseSeiriNum", p.UseSeiriNum);
    v.item("SeiriNumColorOff", p.SeiriNumColorOff);
    v.item("SeiriNumColorOn1", p.SeiriNumColorOn1);
    v.item("SeiriNumColorOn2", p.SeiriNumColorOn2);
    v.item("SeiriNumStyle", p.SeiriNumStyle);
    v.item("SeiriNumZeroPad", p.SeiriNumZeroPad);
    v.item("PanelAuto", p.PanelAuto);
    v.item("PanelManual", p.PanelManual);
    v.item("PanelOffBuiltIn", p.PanelOffBuiltIn);
    v.item("PanelOffUser", p.PanelOffUser);
    v.item("PanelOn1BuiltIn", p.PanelOn1BuiltIn);
    v.item("PanelOn1User", p.PanelOn1User);
    v.item("PanelOn2BuiltIn", p.PanelOn2BuiltIn);
    v.item("PanelOn2User", p.PanelOn2User);
    v.item("PanelOffFile", p.PanelOffFile);
    v.item("PanelOn1File", p.PanelOn1File);
    v.item("PanelOn2File", p.PanelOn2File);

    auto& g = d.DegitInfo;
    v.item("DegitBackColor", g.DegitBackColor);
    v.item("DegitBaseColor", g.DegitBaseColor);
    v.item("DegitLitColor", g.DegitLitColor);
    v.item("InfoStopOrderOn", g.InfoStopOrderOn);
    v.item("InfoStopOrderCell", g.InfoStopOrderCell);
    v.item("InfoStopOrderFromZero", g.InfoStopOrderFromZero);
    v.item("InfoSeiriNumOn", g.InfoSeiriNumOn);
    v.item("InfoSeiriNumCell", g.InfoSeiriNumCell);
    v.item("InfoRouteNumOn", g.InfoRouteNumOn);
    v.item("InfoRouteNumCell", g.InfoRouteNumCell);
    v.item("InfoColumnOn", g.InfoColumnOn);
    v.item("InfoColumn", g.InfoColumn);
    v.item("InfoColumnCell", g.InfoColumnCell);

    auto& c = d.ChimeiInfo;
    v.item("ChimeiBackColor", c.ChimeiBackColor);
    v.item("ChimeiForeColor", c.ChimeiForeColor);
    v.item("ChimeiFontMode", c.ChimeiFontMode);
    v.item("ChimeiFontBold", c.ChimeiFontBold);

    auto& s = d.SoundInfo;
    v.item("RouteSetSound", s.RouteSetSound);
    v.item("ResetSound", s.ResetSound);
    v.item("StepSoundAlways", s.StepSoundAlways);
    v.item("StepSoundByColumn", s.StepSoundByColumn);
    v.item("StepSoundSync", s.StepSoundSync);
    v.item("StepSoundAsync", s.StepSoundAsync);
    v.item("StepSoundFile", s.StepSoundFile);
    v.item("StepSoundColumn", s.StepSoundColumn);
    v.item("StepSound1", s.StepSound1);
    v.item("StepSound2", s.StepSound2);
    v.item("StepSound3", s.StepSound3);
    v.item("PreSoundAlways", s.PreSoundAlways);
    v.item("PreSoundByFlag", s.PreSoundByFlag);
    v.item("PreSoundSync", s.PreSoundSync);
    v.item("PreSoundAsync", s.PreSoundAsync);
    v.item("PreSoundFile", s.PreSoundFile);
    v.item("PreSound1", s.PreSound1);
    v.item("PreSound2", s.PreSound2);
    v.item("PreSound3", s.PreSound3);

    auto& t = d.SeirikenInfo;
    v.item("UseSeiriPrev", t.UseSeiriPrev);
    v.item("SeiriPlgFile", t.SeiriPlgFile);
    v.item("DateModeEachPrint", t.DateModeEachPrint);
    v.item("DateModeRouteSet", t.DateModeRouteSet);
    v.item("DateModeFixed", t.DateModeFixed);
    v.item("FixedDate", t.FixedDate);

    auto& k = d.CtrlDataInfo;
    v.item("CtrlPanelMode", k.CtrlPanelMode);
    v.item("ScrollSpeed", k.ScrollSpeed);
    v.item("ScrollInterval", k.ScrollInterval);
    v.item("MidnightFare", k.MidnightFare);
    v.item("PreviewOpen", k.PreviewOpen);
    v.item("CtrlLeft", k.CtrlLeft);
    v.item("CtrlTop", k.CtrlTop);

    v.item("FormLeft", d.FormInfo.FormLeft);
    v.item("FormTop", d.FormInfo.FormTop);

    v.custColors(d.CustColors);
    qint16 count = ini::DegitCellCount;
    v.cellCount(count);
    v.cells(d.DegitCells);
}

} // namespace lumena
