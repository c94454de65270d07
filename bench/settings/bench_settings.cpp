// SaveIni and LoadIni, once against windows that do nothing (the file and the
// record alone) and once against the real options dialog (offscreen).

#include "settings/IniCodec.h"
#include "settings/frmOption.h"
#include "settings/mdlIniIo.h"

#include <QApplication>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lumena;

namespace {

class QuietHost final : public Host {
public:
    QDateTime now() const override { return QDateTime(QDate(2026, 12, 6), QTime(9, 0)); }
    std::chrono::nanoseconds elapsed() const override { return {}; }
    void wait(int) override {}
    void processEvents() override {}
    void message(const QString& text) override
    {
        qFatal("unexpected message: %s", qPrintable(text));
    }
};

class NoResLib final : public ResLib {
public:
    qint32 Call_dlg100(QObject*, qint16, qint16&, qint16&, qint16&) override { return 0; }
    qint32 Call_dlg110(QObject*, qint32, const QString&) override { return 0; }
    qint32 Call_dlg111(QObject*, DialogDate&) override { return 0; }
    QString Vk3FileDlg(QObject*, qint32, const QString&, const QString&, const QString&) override
    {
        return {};
    }
    QString Vk3FolderDlg(QObject*, const QString&) override { return {}; }
    qint32 Vk3ChooseColor(QObject*, quint32&, CustColors&) override { return 0; }
    QString GetOsInfo() override { return {}; }
    qint32 LenB_ASCII(const QString&) override { return 0; }
    QByteArray MidB_ASCII(const QString&, qint32, qint32) override { return {}; }
    qint32 Vk4_GetPlgInfo(const QString&, PlgInfo&) override { return 0; }
    qint32 Vk4_SetPlgComment(const QString&, const std::function<void(const QString&)>&) override
    {
        return 0;
    }
    qint32 Vk4_SetCorpAddList(const QString&, const std::function<void(const QString&)>&) override
    {
        return 0;
    }
    qint32 Vk4_DrawSeiriken(const QString&, QImage*, QString&, QString&, const QString&, qint32,
                            qint16, qint16, qint16) override
    {
        return 0;
    }
};

// Board and panel that take the values and do nothing with them.
class NullWindows final : public BoardIniPort, public PanelIniPort, public OptionIniPort {
public:
    IniData held;
    void GetFormInfo(ini::FormInfo& o) const override { o = held.FormInfo; }
    void SetFormInfo(const ini::FormInfo& i) override { held.FormInfo = i; }
    ini::DegitCellInfo GetDegitCell(int c) const override { return held.DegitCells[size_t(c - 1)]; }
    void SetDegitCell(int c, const ini::DegitCellInfo& i, const DegitColors&) override
    {
        held.DegitCells[size_t(c - 1)] = i;
    }
    void SetTimeDegitColors(int, const DegitColors&) override {}
    void SetChimeiColors(quint32, quint32) override {}
    void SetSeiriNumVisible(bool) override {}
    void SeirikenNumSet(qint16&, qint16&) override {}
    void SetSeiriNumColor(quint32) override {}
    void SetAllDegitColors(const DegitColors&) override {}
    void SetChimeiProps(quint32, quint32, qint16, bool) override {}
    void GetCtrlDataInfo(ini::CtrlDataInfo& o) const override { o = held.CtrlDataInfo; }
    void SetCtrlDataInfo(const ini::CtrlDataInfo& i) override { held.CtrlDataInfo = i; }
    int BacklightIndex() const override { return 0; }
    void Option4_Click(int) override {}
    void SetPreviewSize(int, int) override {}
    void ClearCompanyList() override {}
    void AddCompany(const QString&) override {}
    void GetOptionInfo(IniData& o) const override
    {
        const ini::CtrlDataInfo c = o.CtrlDataInfo;
        o = held;
        o.CtrlDataInfo = c;
    }
    void SetOptionInfo(const IniData& i) override { held = i; }
    void SetProp() override {}
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
    QuietHost host;
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
    NoResLib res;
    frmOption dlg(res, f.host);
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
    NoResLib res;
    frmOption dlg(res, f.host);
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
