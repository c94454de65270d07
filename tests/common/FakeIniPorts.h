#pragma once
// Settings ports that take and give nothing; a test derives from them and
// overrides only the calls it records.

#include "settings/IniPorts.h"

namespace lumena::test {

class IdleOptionPort : public OptionIniPort {
public:
    void GetOptionInfo(IniData&) const override {}
    void SetOptionInfo(const IniData&) override {}
    void SetProp() override {}
};

class IdlePanelPort : public PanelIniPort {
public:
    void GetCtrlDataInfo(ini::CtrlDataInfo&) const override {}
    void SetCtrlDataInfo(const ini::CtrlDataInfo&) override {}
    int BacklightIndex() const override { return 0; }
    void Option4_Click(int) override {}
    void SetPreviewSize(int, int) override {}
    void ClearCompanyList() override {}
    void AddCompany(const QString&) override {}
};

class IdleBoardPort : public BoardIniPort {
public:
    void GetFormInfo(ini::FormInfo&) const override {}
    void SetFormInfo(const ini::FormInfo&) override {}
    ini::DegitCellInfo GetDegitCell(int) const override { return {}; }
    void SetDegitCell(int, const ini::DegitCellInfo&, const DegitColors&) override {}
    void SetTimeDegitColors(int, const DegitColors&) override {}
    void SetChimeiColors(quint32, quint32) override {}
    void SetSeiriNumVisible(bool) override {}
    void SeirikenNumSet(qint16, qint16) override {}
    void SetSeiriNumColor(quint32) override {}
    void SetAllDegitColors(const DegitColors&) override {}
    void SetChimeiProps(quint32, quint32, qint16, bool) override {}
    void setBoardScale(int) override {}
};

} // namespace lumena::test
