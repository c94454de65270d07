// Reading a full route file and working out the 50 fare cells of a refresh.
// Targets: reading a 301-record file <= 200 us, the cell computation <= 5 us.

#include "panel/RouteFile.h"
#include "panel/RunRules.h"

#include <QCoreApplication>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>

using namespace lumena;

namespace {

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
