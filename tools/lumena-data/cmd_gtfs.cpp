// lumena-data route from-gtfs / list-gtfs: a route (fare file and
// announcement file) from one trip of a GTFS or GTFS-JP feed, and the list of
// a feed's routes to choose from. How trips, tickets and fares are chosen is
// described in docs/gtfs-import.md.

#include "panel/GtfsImport.h"
#include "tools/lumena-data/Command.h"

#include <QDir>
#include <QFileInfo>
#include <cstdio>

namespace lumena::tool {

namespace {

void print(FILE* to, const QString& text)
{
    const QByteArray bytes = text.toUtf8();
    std::fwrite(bytes.constData(), 1, size_t(bytes.size()), to);
}

int feedFailure(const QString& feed, const gtfs::Problem& p)
{
    return fail(p.file.isEmpty() ? feed : feed + QStringLiteral(": ") + p.file, p.text);
}

bool loadFeed(const QString& path, gtfs::Feed& feed, int& exitCode)
{
    gtfs::Problem problem;
    if (gtfs::readFeed(path, feed, problem))
        return true;
    exitCode = feedFailure(path, problem);
    return false;
}

const QString kFromGtfsUsage =
    QStringLiteral("route from-gtfs [--route ROUTE_ID] [--trip TRIP_ID] [--direction 0|1] "
                   "[--number N] [--per-zone] FEED OUTDIR");

// Arguments the command cannot work with: the problem and the usage, exit 2.
int usageError(const QString& problem)
{
    fail(QString(), problem);
    std::fprintf(stderr, "usage: lumena-data %s\n", kFromGtfsUsage.toUtf8().constData());
    return 2;
}

int fromGtfs(const Args& a)
{
    const QString feedPath = a.positional.value(0);
    const QString outDir = a.positional.value(1);
    gtfs::ImportOptions o;
    o.routeId = a.value(QStringLiteral("--route"));
    o.tripId = a.value(QStringLiteral("--trip"));
    o.perZone = a.has(QStringLiteral("--per-zone"));
    QString error;
    if (!a.intValue(QStringLiteral("--number"), o.number, error) ||
        !a.intValue(QStringLiteral("--direction"), o.direction, error))
        return usageError(error);
    if (a.has(QStringLiteral("--number")) && (o.number < 1 || o.number > gtfs::MaxRouteNumber))
        return usageError(
            QStringLiteral("--number must be from 1 to %1").arg(gtfs::MaxRouteNumber));
    if (a.has(QStringLiteral("--direction")) && o.direction != 0 && o.direction != 1)
        return usageError(QStringLiteral("--direction must be 0 or 1"));
    if (o.routeId.isEmpty() && o.tripId.isEmpty())
        return usageError(QStringLiteral("name the route (--route) or the trip (--trip); "
                                         "route list-gtfs shows a feed's routes"));
    if (!QFileInfo(outDir).isDir())
        return fail(outDir, QStringLiteral("no such folder"));

    gtfs::Feed feed;
    int exitCode = 1;
    if (!loadFeed(feedPath, feed, exitCode))
        return exitCode;
    const gtfs::Importer importer(feed);
    gtfs::ImportedRoute route;
    gtfs::Problem problem;
    if (!importer.import(o, route, problem))
        return feedFailure(feedPath, problem);
    for (const QString& w : route.warnings)
        print(stderr, QStringLiteral("lumena-data: warning: %1\n").arg(w));
    if (!gtfs::writeRoute(route, outDir, outDir, error))
        return fail(outDir, QStringLiteral("cannot write: ") + error);

    const gtfs::TripSummary& t = route.trip;
    QString trip = QStringLiteral("trip %1").arg(t.id);
    if (t.direction >= 0)
        trip += QStringLiteral(", direction %1").arg(t.direction);
    if (t.firstDeparture >= 0)
        trip += QStringLiteral(", leaving %1").arg(gtfs::timeText(t.firstDeparture));
    if (!t.headsign.isEmpty())
        trip += QStringLiteral(", for %1").arg(t.headsign);
    print(stdout, QStringLiteral("%1: %2 stops, tickets 1 to %3 (%4)\n%5: %6 announcements\n")
                      .arg(QDir(outDir).filePath(gtfs::fareFileName(route.number)))
                      .arg(route.records.size())
                      .arg(route.tickets)
                      .arg(trip)
                      .arg(QDir(outDir).filePath(gtfs::tapeFileName(route.number)))
                      .arg(route.records.size()));
    return 0;
}

int listGtfs(const Args& a)
{
    const QString feedPath = a.positional.value(0);
    gtfs::Feed feed;
    int exitCode = 1;
    if (!loadFeed(feedPath, feed, exitCode))
        return exitCode;
    const gtfs::Importer importer(feed);
    // Tab-separated, one route a line; "-" where a route has no trip.
    QString out = QStringLiteral("route_id\troute_short_name\troute_long_name\ttrips\t"
                                 "stops_direction_0\tstops_direction_1\tstops_no_direction\n");
    auto count = [](int n) { return n > 0 ? QString::number(n) : QStringLiteral("-"); };
    for (const gtfs::RouteSummary& r : importer.routes()) {
        out += QStringList{r.id,
                           r.shortName,
                           r.longName,
                           QString::number(r.trips),
                           count(r.longest[0]),
                           count(r.longest[1]),
                           count(r.longest[2])}
                   .join(u'\t') +
               u'\n';
    }
    print(stdout, out);
    return 0;
}

Command fromGtfsCommand()
{
    const QString& usage = kFromGtfsUsage;
    return Command{{QStringLiteral("route"), QStringLiteral("from-gtfs")},
                   usage,
                   {QStringLiteral("--route"), QStringLiteral("--trip"),
                    QStringLiteral("--direction"), QStringLiteral("--number")},
                   {QStringLiteral("--per-zone")},
                   withArgs(2, usage, fromGtfs)};
}

Command listGtfsCommand()
{
    const QString usage = QStringLiteral("route list-gtfs FEED");
    return Command{{QStringLiteral("route"), QStringLiteral("list-gtfs")},
                   usage,
                   {},
                   {},
                   withArgs(1, usage, listGtfs)};
}

const Register kFromGtfs{fromGtfsCommand()};
const Register kListGtfs{listGtfsCommand()};

} // namespace

} // namespace lumena::tool
