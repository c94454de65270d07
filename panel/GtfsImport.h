#pragma once
// Turns one trip of a GTFS (GTFS-JP) feed into a route the simulator runs:
// the fare file (<n>.hy3) and the announcement file (<n>tp.csv).
//
// - The trip: named, or among a route's trips (of one direction when asked)
//   the one with the most stops; ties go to the earliest first departure,
//   then to the smallest trip_id (numerically when both are digits).
// - One record per stop in stop_sequence order. The i-th stop issues ticket
//   i; per zone, consecutive stops of one zone_id share a ticket and the
//   number goes up whenever the zone changes.
// - Fare k at stop j (k below j's ticket) is the fare from the zone of the
//   first stop issuing k to the zone of stop j under GTFS fares v1: a
//   fare_rules row matches when each of its non-empty route_id, origin_id and
//   destination_id equals the trip's route and the two zones; rows with a
//   contains_id are ignored; the cheapest matching fare_attributes price
//   wins; no match gives -1. Fares at or above j's ticket are 0.
// - Announcements: the route's name and the headsign, then "次は、…です。"
//   for every following stop, read from the ja-Hrkt translations (either
//   translations.txt form) where the feed has them.
//
// Ids are compared trimmed and, when they hold anything beyond ASCII, in
// compatibility form (NFKC), so a full-width "１２" is the id "12".

#include "panel/GtfsFeed.h"
#include "panel/RouteState.h" // RouteRecord

#include <QList>
#include <QStringList>
#include <array>
#include <memory>

namespace lumena::gtfs {

constexpr int MaxRouteNumber = 99999;
constexpr int MaxStops = 301;                      // the records a route may have
constexpr int MaxTickets = RouteRecord::FareCount; // 150
constexpr int BoardTickets = 50;                   // ticket cells on the board

struct RouteSummary {
    QString id, shortName, longName;
    int trips = 0;
    // Stops of the longest trip in direction 0, in direction 1, and without
    // a direction; 0 where there is no such trip.
    std::array<int, 3> longest{};
};

struct TripSummary {
    QString id;
    QString routeId;
    int direction = -1; // 0 or 1; -1 when trips.txt gives none
    QString headsign;
    int stops = 0;
    int firstDeparture = -1; // seconds after midnight of the service day; -1 unknown
};

struct ImportOptions {
    QString routeId;    // --route
    QString tripId;     // --trip; one of the two is needed
    int direction = -1; // --direction 0 or 1; -1 for any
    int number = 0;     // --number 1..99999; 0: the digits of route_short_name
    bool perZone = false;
};

struct ImportedRoute {
    int number = 0;
    TripSummary trip;
    QList<RouteRecord> records;
    int tickets = 0;
    QByteArray fareFile; // the .hy3 image
    QByteArray tapeFile; // Shift-JIS, lines ended by CR LF
    // Things a user should know, each "file: what" on one line; the route is
    // usable all the same.
    QStringList warnings;
};

// The indexes built once over a feed; each import and listing reads them.
class Importer {
public:
    // `feed` must outlive the importer.
    explicit Importer(const Feed& feed);
    ~Importer();
    Importer(const Importer&) = delete;
    Importer& operator=(const Importer&) = delete;

    // In routes.txt order.
    QList<RouteSummary> routes() const;
    // The route's trips in trips.txt order.
    QList<TripSummary> trips(const QString& routeId) const;

    // False with `problem` when the options name nothing usable or the trip
    // cannot be a route (fewer than 2 or more than 301 stops, more than 150
    // tickets, a stop missing from stops.txt ...).
    bool import(const ImportOptions& options, ImportedRoute& route, Problem& problem) const;

private:
    struct Index;
    std::unique_ptr<Index> m;
};

// The route number a route_short_name gives: its digits (full-width ones
// too), or 0 when it has none or they lie outside 1..99999.
int routeNumberFromName(const QString& shortName);

// "08:05:00" for a number of seconds; empty for -1.
QString timeText(int seconds);

QString fareFileName(int number); // "12.hy3"
QString tapeFileName(int number); // "12tp.csv"

// The paths writeRoute would replace.
QStringList existingFiles(int number, const QString& fareDir, const QString& tapeDir);

// Writes the fare file into `fareDir` and the announcement file into
// `tapeDir`, each whole. When the second cannot be written the first is put
// back as it was, so either both files change or neither does.
bool writeRoute(const ImportedRoute& route, const QString& fareDir, const QString& tapeDir,
                QString& error);

} // namespace lumena::gtfs
