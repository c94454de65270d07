// Reading a full route file, setting a full route, and working out the 50
// fare cells of a refresh. Targets: reading a 301-record file <= 200 us,
// setting a 301-stop route (read, store, first refresh) <= 1 ms, the cell
// computation <= 5 us.

#include "panel/RouteFile.h"
#include "panel/RunController.h"
#include "panel/RunRules.h"
#include "sound/SoundPorts.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"
#include "tests/common/FakeRunPorts.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lumena;

namespace {

class SilentPlayer final : public SoundPlayer {
public:
    void PlaySnd(const QString&, const QString&, bool, qint16) override {}
    void CloseAllSnd() override {}
};

QList<RouteRecord> fullRoute()
{
    QList<RouteRecord> rs;
    for (int i = 1; i <= RouteState::RouteRows; ++i) {
        RouteRecord r;
        r.StopName = QStringLiteral("ひばりヶ丘ニュータウン（北口）%1").arg(i);
        r.TicketNo = static_cast<qint16>(i);
        for (int k = 1; k <= RouteRecord::FareCount; ++k)
            r.setFare(k, static_cast<qint16>(170 + 10 * (i % 40) + k));
        rs << r;
    }
    return rs;
}

QByteArray fullImage()
{
    QByteArray b;
    if (routefile::encode(fullRoute(), b))
        std::abort();
    return b;
}

void BM_ScanRouteImage301(benchmark::State& state)
{
    const QByteArray image = fullImage();
    for (auto _ : state) {
        routefile::Scan s = routefile::scan(image);
        benchmark::DoNotOptimize(s.records.data());
    }
}
BENCHMARK(BM_ScanRouteImage301)->Unit(benchmark::kMicrosecond);

void BM_ReadRouteFile301(benchmark::State& state)
{
    QTemporaryDir dir;
    const QString path = dir.filePath(QStringLiteral("12.hy3"));
    {
        QFile f(path);
        if (!f.open(QIODevice::WriteOnly))
            std::abort();
        f.write(fullImage());
    }
    for (auto _ : state) {
        QFile f(path);
        if (!f.open(QIODevice::ReadOnly))
            std::abort();
        QList<RouteRecord> records;
        const Error e = routefile::readRecords(f.readAll(), records);
        benchmark::DoNotOptimize(e.code);
        benchmark::DoNotOptimize(records.data());
    }
}
BENCHMARK(BM_ReadRouteFile301)->Unit(benchmark::kMicrosecond);

struct NullBoard final : BoardDisplay {
    void SetChimei(const QString&) override {}
    void ResetDegit(int, bool) override {}
    void setDegitValue(int, const QVariant&) override {}
};

struct NullPanel final : PanelControls {
    QImage image;
    bool lateNight() const override { return false; }
    int companyIndex() const override { return -1; }
    void enableStepping() override {}
    void clearPreview() override {}
    QImage* previewImage() override { return &image; }
    void repaintPreview() override {}
};

// Sets route 12 from a fare file of `bytes` as the panel's button does it,
// minus the 3 s lamp test (the fake host does not sleep), once per iteration.
void setRouteFromFile(benchmark::State& state, const QByteArray& bytes)
{
    QTemporaryDir dir;
    {
        QFile f(dir.filePath(QStringLiteral("12.hy3")));
        if (!f.open(QIODevice::WriteOnly))
            std::abort();
        f.write(bytes);
    }
    RouteState data;
    test::FakeOptions options;
    options.fareDir = dir.path();
    NullBoard board;
    NullPanel panel;
    SilentPlayer sound;
    test::FakeTape tape;
    test::FakeResLib resLib;
    test::FakeHost host;
    RunController run(data, options, board, panel, sound, tape, resLib, host);
    for (auto _ : state) {
        if (!run.SetRoute(QStringLiteral("12"), QStringLiteral("1")))
            std::abort();
        host.waits.clear();
    }
}

// File read, checks, storing 301 rows, first refresh.
void BM_SetRoute301(benchmark::State& state)
{
    setRouteFromFile(state, fullImage());
}
BENCHMARK(BM_SetRoute301)->Unit(benchmark::kMicrosecond);

// Route setting when all 301 stop names are 4,096 bytes of invalid Shift-JIS
// (0x80, each read as U+FFFD): reading, storing and the first refresh.
void BM_SetRoute301InvalidNames(benchmark::State& state)
{
    QList<RouteRecord> records = fullRoute();
    QByteArray image;
    if (routefile::encode(records, image))
        std::abort();
    // Rebuilt by hand: the encoder writes only names it can read back.
    QByteArray bad = image.left(routefile::HeaderSize);
    const QByteArray name(4096, '\x80');
    for (const RouteRecord& r : records) {
        const char len[2] = {char(name.size() & 0xFF), char(name.size() >> 8)};
        bad.append(len, 2).append(name);
        const char ticket[2] = {char(r.TicketNo & 0xFF), char(quint16(r.TicketNo) >> 8)};
        bad.append(ticket, 2);
        for (qint16 f : r.Fares) {
            const char b[2] = {char(f & 0xFF), char(quint16(f) >> 8)};
            bad.append(b, 2);
        }
    }
    setRouteFromFile(state, bad);
}
BENCHMARK(BM_SetRoute301InvalidNames)->Unit(benchmark::kMillisecond);

void BM_DispCells50(benchmark::State& state)
{
    const RouteRecord row = fullRoute()[150];
    DispInputs in;
    in.lateNight = true;
    in.stopOrderOn = in.seiriNumOn = in.routeNumOn = in.columnOn = true;
    in.stopOrderCell = 1;
    in.seiriNumCell = 2;
    in.routeNumCell = 3;
    in.column = 120;
    in.columnCell = 4;
    for (auto _ : state) {
        DegitWrites w = planDegitWrites(row, 151, in);
        benchmark::DoNotOptimize(w);
    }
}
BENCHMARK(BM_DispCells50);

} // namespace
