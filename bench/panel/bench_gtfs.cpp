// Importing one route from a large GTFS-JP feed: 15 MB of stop_times.txt and
// 10 MB of fare_rules.txt (a fare for every stop pair of every route, as
// operators publish them), made at run time, read from a folder and from a
// zip. Target: <= 1.5 s and <= 300 MB peak memory for one import.
//
// The counter peak_MB is the process's peak resident memory while the
// benchmark ran (the peak is reset before it starts). With
// LUMENA_BENCH_GTFS_DIR set, the feed is written there and kept, so the
// command-line tool can be timed on it as well.

#include "panel/GtfsImport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <benchmark/benchmark.h>
#include <zip.h>

using namespace lumena;

namespace {

constexpr int Routes = 160;
constexpr int StopsPerRoute = 50;
constexpr int LongRouteStops = 140; // route R0, the one imported
constexpr qint64 StopTimesBytes = 15'000'000;
constexpr qint64 FareRulesBytes = 10'000'000;

class Writer {
public:
    explicit Writer(const QString& path) : m_file(path)
    {
        if (!m_file.open(QIODevice::WriteOnly))
            std::abort();
    }
    void line(const QByteArray& text)
    {
        m_buffer += text;
        m_buffer += "\r\n";
        m_bytes += text.size() + 2;
        if (m_buffer.size() > (1 << 16)) {
            m_file.write(m_buffer);
            m_buffer.clear();
        }
    }
    qint64 bytes() const { return m_bytes; }
    ~Writer() { m_file.write(m_buffer); }

private:
    QFile m_file;
    QByteArray m_buffer;
    qint64 m_bytes = 0;
};

QByteArray num(qint64 n)
{
    return QByteArray::number(n);
}

QByteArray clock(int minutes)
{
    return QByteArray::number(minutes / 60).rightJustified(2, '0') + ':' +
           QByteArray::number(minutes % 60).rightJustified(2, '0') + ":00";
}

// The stops of route r: R0 runs through 140 stops, the others 50 each,
// overlapping their neighbours. Every stop is its own fare zone (as in most
// GTFS-JP feeds).
QList<int> routeStops(int r)
{
    QList<int> s;
    const int n = r == 0 ? LongRouteStops : StopsPerRoute;
    for (int i = 0; i < n; ++i)
        s << (r * 37 + i) % 6000;
    return s;
}

void writeFeed(const QString& dir)
{
    {
        Writer w(dir + QStringLiteral("/stops.txt"));
        w.line("stop_id,stop_name,stop_lat,stop_lon,zone_id,location_type,parent_station");
        for (int s = 0; s < 6000; ++s)
            w.line("S" + num(s) + ",\"" + QStringLiteral("みなと%1丁目北").arg(s).toUtf8() +
                   "\",35.1,139.6,S" + num(s) + ",0,");
    }
    {
        Writer w(dir + QStringLiteral("/routes.txt"));
        w.line("route_id,agency_id,route_short_name,route_long_name,route_type");
        for (int r = 0; r < Routes; ++r)
            w.line("R" + num(r) + ",A," + num(r + 1) + "," +
                   QStringLiteral("みなと%1号線").arg(r).toUtf8() + ",3");
    }
    {
        Writer w(dir + QStringLiteral("/translations.txt"));
        w.line("table_name,field_name,language,translation,record_id,record_sub_id,field_value");
        for (int s = 0; s < 6000; ++s)
            w.line("stops,stop_name,ja-Hrkt," +
                   QStringLiteral("みなと%1ちょうめきた").arg(s).toUtf8() + ",S" + num(s) + ",,");
    }
    {
        // Trips round-robin over the routes, both ways, until 15 MB.
        Writer trips(dir + QStringLiteral("/trips.txt"));
        Writer times(dir + QStringLiteral("/stop_times.txt"));
        trips.line("route_id,service_id,trip_id,trip_headsign,direction_id,shape_id");
        times.line("trip_id,arrival_time,departure_time,stop_id,stop_sequence,stop_headsign,"
                   "pickup_type,drop_off_type,shape_dist_traveled");
        for (int t = 0; times.bytes() < StopTimesBytes; ++t) {
            const int r = t % Routes;
            const int dir = (t / Routes) % 2;
            QList<int> stops = routeStops(r);
            if (dir)
                std::reverse(stops.begin(), stops.end());
            const QByteArray id = "T" + num(t);
            trips.line("R" + num(r) + ",WD," + id + ",終点," + num(dir) + ",SH" + num(r));
            const int start = 300 + (t / Routes / 2) * 7 % 1000;
            for (int i = 0; i < stops.size(); ++i) {
                const QByteArray at = clock(start + 2 * i);
                times.line(id + "," + at + "," + at + ",S" + num(stops[i]) + "," + num(i + 1) +
                           ",,0,0,");
            }
        }
    }
    {
        Writer attrs(dir + QStringLiteral("/fare_attributes.txt"));
        attrs.line("fare_id,price,currency_type,payment_method,transfers,transfer_duration");
        for (int p = 150; p <= 2000; p += 10)
            attrs.line("F" + num(p) + "," + num(p) + ".0,JPY,0,0,");
        // Every stop pair of every route, until 10 MB (the long route first).
        Writer rules(dir + QStringLiteral("/fare_rules.txt"));
        rules.line("fare_id,route_id,origin_id,destination_id,contains_id");
        for (int r = 0; rules.bytes() < FareRulesBytes; r = (r + 1) % Routes) {
            const QList<int> stops = routeStops(r);
            for (int a = 0; a < stops.size() && rules.bytes() < FareRulesBytes; ++a)
                for (int b = 0; b < stops.size(); ++b)
                    rules.line("F" + num(150 + 10 * std::min(185, std::abs(a - b))) + ",R" +
                               num(r) + ",S" + num(stops[a]) + ",S" + num(stops[b]) + ",");
        }
    }
}

// The folder's files zipped beside it.
QString zipFeed(const QString& dir)
{
    const QString path = dir + QStringLiteral(".zip");
    int error = 0;
    zip_t* z = zip_open(QFile::encodeName(path).constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!z)
        std::abort();
    for (const QString& name : QDir(dir).entryList(QDir::Files)) {
        zip_source_t* s =
            zip_source_file(z, QFile::encodeName(dir + u'/' + name).constData(), 0, -1);
        if (!s || zip_file_add(z, name.toUtf8().constData(), s, 0) < 0)
            std::abort();
    }
    if (zip_close(z) != 0)
        std::abort();
    return path;
}

struct Feeds {
    QTemporaryDir temp;
    QString folder, zip;
    Feeds()
    {
        const QByteArray keep = qgetenv("LUMENA_BENCH_GTFS_DIR");
        folder =
            keep.isEmpty() ? temp.filePath(QStringLiteral("feed")) : QString::fromLocal8Bit(keep);
        QDir().mkpath(folder);
        writeFeed(folder);
        zip = zipFeed(folder);
    }
};

const Feeds& feeds()
{
    static Feeds f;
    return f;
}

qint64 statusKb(const char* field)
{
    QFile status(QStringLiteral("/proc/self/status"));
    if (!status.open(QIODevice::ReadOnly))
        return -1;
    for (const QByteArray& line : status.readAll().split('\n')) {
        if (line.startsWith(field))
            return line.mid(qstrlen(field)).trimmed().split(' ').value(0).toLongLong();
    }
    return -1;
}

// Lets the next peak of resident memory be measured from here.
void resetPeakMemory()
{
    QFile f(QStringLiteral("/proc/self/clear_refs"));
    if (f.open(QIODevice::WriteOnly))
        f.write("5");
}

void importOnce(const QString& path, benchmark::State& state)
{
    gtfs::Feed feed;
    gtfs::Problem problem;
    if (!gtfs::readFeed(path, feed, problem)) {
        state.SkipWithError(problem.text.toUtf8().constData());
        return;
    }
    const gtfs::Importer importer(feed);
    gtfs::ImportOptions o;
    o.routeId = QStringLiteral("R0");
    gtfs::ImportedRoute route;
    if (!importer.import(o, route, problem) || route.records.size() != LongRouteStops) {
        state.SkipWithError("import failed");
        return;
    }
    benchmark::DoNotOptimize(route.fareFile.data());
}

void run(benchmark::State& state, const QString& path)
{
    resetPeakMemory();
    for (auto _ : state)
        importOnce(path, state);
    state.counters["peak_MB"] = double(statusKb("VmHWM:")) / 1024;
}

void BM_ImportRouteFromFolder(benchmark::State& state)
{
    run(state, feeds().folder);
}
BENCHMARK(BM_ImportRouteFromFolder)->Unit(benchmark::kMillisecond)->Iterations(3);

void BM_ImportRouteFromZip(benchmark::State& state)
{
    run(state, feeds().zip);
}
BENCHMARK(BM_ImportRouteFromZip)->Unit(benchmark::kMillisecond)->Iterations(3);

} // namespace
