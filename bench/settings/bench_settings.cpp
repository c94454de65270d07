// SaveIni and LoadIni, once against windows that do nothing (the file and the
// record alone) and once against the real options dialog (offscreen).

#include "settings/IniCodec.h"
#include "settings/OptionsDialog.h"
#include "settings/SettingsFile.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeIniPorts.h"
#include "tests/common/FakeResLib.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lumena;

namespace {

// Board and panel that take the values and do nothing with them.
class NullWindows final : public test::IdleBoardPort,
                          public test::IdlePanelPort,
                          public test::IdleOptionPort {
public:
    IniData held;
    void GetFormInfo(ini::FormInfo& o) const override { o = held.FormInfo; }
    void SetFormInfo(const ini::FormInfo& i) override { held.FormInfo = i; }
    ini::DegitCellInfo GetDegitCell(int c) const override { return held.DegitCells[size_t(c - 1)]; }
    void SetDegitCell(int c, const ini::DegitCellInfo& i, const DegitColors&) override
    {
        held.DegitCells[size_t(c - 1)] = i;
    }
    void GetCtrlDataInfo(ini::CtrlDataInfo& o) const override { o = held.CtrlDataInfo; }
    void SetCtrlDataInfo(const ini::CtrlDataInfo& i) override { held.CtrlDataInfo = i; }
    void GetOptionInfo(IniData& o) const override
    {
        const ini::CtrlDataInfo c = o.CtrlDataInfo;
        o = held;
        o.CtrlDataInfo = c;
    }
    void SetOptionInfo(const IniData& i) override { held = i; }
};

IniData typical()
{
    IniData d;
    d.DataDirInfo.FareDataDir = QStringLiteral("/home/運転士/運賃データ");
    d.DataDirInfo.TapeDataDir = QStringLiteral("/home/運転士/放送データ");
    d.SoundInfo.StepSoundFile = QStringLiteral("/home/運転士/音/ピンポン.wav");
    d.SeirikenInfo.FixedDate = QStringLiteral("2025/01/05");
    return d;
}

struct Fixture {
    QTemporaryDir dir;
    IniLocation where{dir.path(), QStringLiteral("LM-50"), dir.filePath(QStringLiteral("cfg"))};
    test::FakeHost host;
};

void BM_SaveIni_core(benchmark::State& state)
{
    Fixture f;
    NullWindows w;
    w.held = typical();
    IniData data;
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveIni(data, f.where, IniWindows{w, w, w}, f.host));
}

void BM_LoadIni_core(benchmark::State& state)
{
    Fixture f;
    NullWindows w;
    w.held = typical();
    IniData data;
    SaveIni(data, f.where, IniWindows{w, w, w}, f.host);
    for (auto _ : state) {
        LoadIni(data, f.where, IniWindows{w, w, w}, f.host);
        benchmark::DoNotOptimize(data);
    }
}

void BM_SaveIni_dialog(benchmark::State& state)
{
    Fixture f;
    test::FakeResLib res;
    OptionsDialog dlg(res, f.host);
    NullWindows w;
    dlg.setTargets(&w, &w);
    dlg.SetOptionInfo(typical());
    IniData data;
    for (auto _ : state)
        benchmark::DoNotOptimize(SaveIni(data, f.where, IniWindows{dlg, w, w}, f.host));
}

void BM_LoadIni_dialog(benchmark::State& state)
{
    Fixture f;
    test::FakeResLib res;
    OptionsDialog dlg(res, f.host);
    NullWindows w;
    dlg.setTargets(&w, &w);
    dlg.SetOptionInfo(typical());
    IniData data;
    SaveIni(data, f.where, IniWindows{dlg, w, w}, f.host);
    for (auto _ : state) {
        LoadIni(data, f.where, IniWindows{dlg, w, w}, f.host);
        benchmark::DoNotOptimize(data);
    }
}

void BM_encodeIni(benchmark::State& state)
{
    const IniData d = typical();
    for (auto _ : state)
        benchmark::DoNotOptimize(encodeIni(d));
}

void BM_decodeIni(benchmark::State& state)
{
    const QByteArray bytes = encodeIni(typical());
    IniData d;
    Error e;
    for (auto _ : state)
        benchmark::DoNotOptimize(decodeIni(bytes, d, e));
}

} // namespace

BENCHMARK(BM_SaveIni_core)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadIni_core)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_SaveIni_dialog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_LoadIni_dialog)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_encodeIni)->Unit(benchmark::kMicrosecond);
BENCHMARK(BM_decodeIni)->Unit(benchmark::kMicrosecond);
