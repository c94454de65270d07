#include "panel/GtfsImport.h"

#include "panel/RouteFile.h"
#include "reslib/InputFile.h"
#include "reslib/ShiftJis.h"
#include "reslib/WholeFile.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <algorithm>
#include <charconv>
#include <climits>
#include <cmath>
#include <deque>
#include <unordered_map>
#include <unordered_set>

namespace lumena::gtfs {

namespace {

using namespace std::string_view_literals;
using Sv = std::string_view;

QString text(Sv v)
{
    return QString::fromUtf8(v.data(), qsizetype(v.size()));
}

QString quoted(Sv v)
{
    return u'"' + text(v) + u'"';
}

bool isAscii(Sv v)
{
    return std::all_of(v.begin(), v.end(), [](char c) { return uchar(c) < 0x80; });
}

// Ids as compared: as read (trimmed) when ASCII, else in compatibility form
// without the blanks around it. Keys that are not plain views of a table
// live in the pool.
class Ids {
public:
    static Sv key(Sv raw, std::string& scratch)
    {
        if (isAscii(raw))
            return raw;
        scratch = text(raw).normalized(QString::NormalizationForm_KC).trimmed().toStdString();
        return scratch;
    }
    Sv keep(Sv raw)
    {
        std::string scratch;
        const Sv k = key(raw, scratch);
        if (k.data() != scratch.data())
            return k;
        return m_pool.emplace_back(std::move(scratch));
    }

private:
    std::deque<std::string> m_pool;
};

using IdMap = std::unordered_map<Sv, int>;

int find(const IdMap& map, Sv raw)
{
    std::string scratch;
    const auto it = map.find(Ids::key(raw, scratch));
    return it == map.end() ? -1 : it->second;
}

bool parseWhole(Sv v, long long& out)
{
    if (v.empty())
        return false;
    const auto [p, ec] = std::from_chars(v.data(), v.data() + v.size(), out);
    return ec == std::errc() && p == v.data() + v.size();
}

// "H:MM:SS" or "HH:MM:SS" (hours may pass 24) in seconds; -1 otherwise.
int parseTime(Sv v)
{
    int parts[3] = {0, 0, 0};
    int part = 0;
    int digits = 0;
    for (char c : v) {
        if (c == ':') {
            if (digits == 0 || ++part > 2)
                return -1;
            digits = 0;
        } else if (c >= '0' && c <= '9' && digits < 3) {
            parts[part] = parts[part] * 10 + (c - '0');
            ++digits;
        } else {
            return -1;
        }
    }
    if (part != 2 || digits == 0 || parts[1] > 59 || parts[2] > 59)
        return -1;
    return parts[0] * 3600 + parts[1] * 60 + parts[2];
}

// Trip ids compared: numerically when both are digits, else byte by byte.
bool idLess(const QString& a, const QString& b)
{
    auto digitsOnly = [](const QString& s) {
        return !s.isEmpty() &&
               std::all_of(s.begin(), s.end(), [](QChar c) { return c >= u'0' && c <= u'9'; });
    };
    if (digitsOnly(a) && digitsOnly(b)) {
        auto stripped = [](const QString& s) {
            qsizetype i = 0;
            while (i + 1 < s.size() && s[i] == u'0')
                ++i;
            return s.mid(i);
        };
        const QString x = stripped(a), y = stripped(b);
        if (x.size() != y.size())
            return x.size() < y.size();
        if (x != y)
            return x < y;
    }
    return a.toUtf8() < b.toUtf8();
}

// JIS X 0208 code points whose code page 932 form is another code point:
// feeds made from JIS text carry them, and the board's Shift-JIS has the
// other one.
QString cp932Forms(QString s)
{
    static constexpr std::pair<char16_t, char16_t> forms[] = {
        {u'\u301C', u'\uFF5E'}, // WAVE DASH -> FULLWIDTH TILDE
        {u'\u2016', u'\u2225'}, // DOUBLE VERTICAL LINE -> PARALLEL TO
        {u'\u2212', u'\uFF0D'}, // MINUS SIGN -> FULLWIDTH HYPHEN-MINUS
        {u'\u00A2', u'\uFFE0'}, // CENT SIGN
        {u'\u00A3', u'\uFFE1'}, // POUND SIGN
        {u'\u00AC', u'\uFFE2'}, // NOT SIGN
        {u'\u2014', u'\u2015'}, // EM DASH -> HORIZONTAL BAR
    };
    for (auto [from, to] : forms)
        s.replace(QChar(from), QChar(to));
    return s;
}

// The text with every character Shift-JIS lacks replaced by "?"; the
// characters replaced go to `lacking`.
QString shiftJisSafe(const QString& in, QString& lacking)
{
    const QString s = cp932Forms(in);
    if (sjis::fromUnicode(s).count('?') == s.count(u'?'))
        return s;
    QString out;
    for (qsizetype i = 0; i < s.size();) {
        const qsizetype n = s[i].isHighSurrogate() && i + 1 < s.size() ? 2 : 1;
        const QString ch = s.mid(i, n);
        if (ch != QStringLiteral("?") && sjis::fromUnicode(ch) == "?") {
            out += u'?';
            if (!lacking.contains(ch))
                lacking += ch;
        } else {
            out += ch;
        }
        i += n;
    }
    return out;
}

struct Stop;

struct TripInfo {
    int route = -1; // row in routes.txt
    int direction = -1;
    int stops = 0;
    long long firstSequence = LLONG_MAX;
    qsizetype firstRow = -1; // stop_times row with the smallest stop_sequence
};

} // namespace

struct Importer::Index {
    const Feed& feed;
    Ids ids;
    IdMap stopRow, routeRow, tripRow;
    std::vector<TripInfo> trips; // by trips.txt row
    std::vector<int> tripOfStopTime;
    // ja-Hrkt readings: by "table\x1f""field\x1f""record_id", by
    // "table\x1f""field\x1f""text" (field_value), and by the Japanese text
    // itself (the older trans_id form).
    std::unordered_map<std::string, QString> byRecord, byValue, byText;

    explicit Index(const Feed& f) : feed(f)
    {
        indexStops();
        indexRoutes();
        indexTrips();
        indexStopTimes();
        indexTranslations();
    }

    const Table& table(File f) const { return feed.table(f); }

    void indexById(File f, Sv idColumn, IdMap& map)
    {
        const Table& t = table(f);
        const int c = t.column(idColumn);
        map.reserve(size_t(t.rowCount()));
        for (qsizetype r = 0; r < t.rowCount(); ++r) {
            const Sv id = t.field(r, c);
            if (!id.empty())
                map.emplace(ids.keep(id), int(r)); // the first of a repeated id wins
        }
    }

    void indexStops() { indexById(File::Stops, "stop_id"sv, stopRow); }
    void indexRoutes() { indexById(File::Routes, "route_id"sv, routeRow); }

    void indexTrips()
    {
        indexById(File::Trips, "trip_id"sv, tripRow);
        const Table& t = table(File::Trips);
        const int cRoute = t.column("route_id"), cDir = t.column("direction_id");
        trips.resize(size_t(t.rowCount()));
        for (qsizetype r = 0; r < t.rowCount(); ++r) {
            TripInfo& info = trips[size_t(r)];
            info.route = find(routeRow, t.field(r, cRoute));
            const Sv dir = t.field(r, cDir);
            info.direction = dir == "0"sv ? 0 : dir == "1"sv ? 1 : -1;
        }
    }

    void indexStopTimes()
    {
        const Table& t = table(File::StopTimes);
        const int cTrip = t.column("trip_id"), cSeq = t.column("stop_sequence");
        tripOfStopTime.assign(size_t(t.rowCount()), -1);
        // Rows of one trip usually follow each other: look the id up once.
        Sv last;
        int trip = -1;
        for (qsizetype r = 0; r < t.rowCount(); ++r) {
            const Sv id = t.field(r, cTrip);
            if (r == 0 || id != last) {
                trip = find(tripRow, id);
                last = id;
            }
            if (trip < 0)
                continue;
            tripOfStopTime[size_t(r)] = trip;
            TripInfo& info = trips[size_t(trip)];
            ++info.stops;
            long long seq = 0;
            if (parseWhole(t.field(r, cSeq), seq) && seq < info.firstSequence) {
                info.firstSequence = seq;
                info.firstRow = r;
            }
        }
    }

    static bool isReadingLanguage(Sv lang)
    {
        return lang.size() == 7 &&
               QByteArrayView(lang.data(), 7).compare("ja-Hrkt", Qt::CaseInsensitive) == 0;
    }

    void indexTranslations()
    {
        const Table& t = table(File::Translations);
        const int cTransId = t.column("trans_id"), cLang = t.column("lang"),
                  cTable = t.column("table_name"), cField = t.column("field_name"),
                  cLanguage = t.column("language"), cText = t.column("translation"),
                  cRecord = t.column("record_id"), cValue = t.column("field_value");
        for (qsizetype r = 0; r < t.rowCount(); ++r) {
            const Sv reading = t.field(r, cText);
            if (reading.empty())
                continue;
            if (cTransId >= 0) {
                if (isReadingLanguage(t.field(r, cLang)))
                    byText.emplace(std::string(t.field(r, cTransId)), text(reading));
                continue;
            }
            if (!isReadingLanguage(t.field(r, cLanguage)))
                continue;
            std::string key =
                std::string(t.field(r, cTable)) + '\x1f' + std::string(t.field(r, cField)) + '\x1f';
            std::string scratch;
            if (const Sv record = t.field(r, cRecord); !record.empty())
                byRecord.emplace(key + std::string(Ids::key(record, scratch)), text(reading));
            else if (const Sv value = t.field(r, cValue); !value.empty())
                byValue.emplace(key + std::string(value), text(reading));
        }
    }

    // The reading of a field of a record, or empty.
    QString reading(Sv tableName, Sv field, Sv recordId, Sv value) const
    {
        const std::string key = std::string(tableName) + '\x1f' + std::string(field) + '\x1f';
        std::string scratch;
        if (!recordId.empty()) {
            if (auto it = byRecord.find(key + std::string(Ids::key(recordId, scratch)));
                it != byRecord.end())
                return it->second;
        }
        if (value.empty())
            return {};
        if (auto it = byValue.find(key + std::string(value)); it != byValue.end())
            return it->second;
        if (auto it = byText.find(std::string(value)); it != byText.end())
            return it->second;
        return {};
    }

    bool chooseTrip(const ImportOptions& o, int& trip, int& route, Problem& problem) const;
    // Zones of stops beyond ASCII are kept in `zones`.
    bool stopsOf(int trip, Ids& zones, std::vector<Stop>& path, QStringList& warnings,
                 Problem& problem) const;
    QString stopReading(const Stop& stop) const;
    QByteArray announcements(int route, int trip, const std::vector<Stop>& path,
                             QStringList& warnings) const;

    TripSummary summary(int trip) const
    {
        const Table& t = table(File::Trips);
        const TripInfo& info = trips[size_t(trip)];
        TripSummary s;
        s.id = text(t.field(trip, t.column("trip_id")));
        s.routeId = text(t.field(trip, t.column("route_id")));
        s.direction = info.direction;
        s.headsign = text(t.field(trip, t.column("trip_headsign")));
        s.stops = info.stops;
        if (info.firstRow >= 0) {
            const Table& st = table(File::StopTimes);
            s.firstDeparture = parseTime(st.field(info.firstRow, st.column("departure_time")));
            if (s.firstDeparture < 0)
                s.firstDeparture = parseTime(st.field(info.firstRow, st.column("arrival_time")));
        }
        return s;
    }
};

Importer::Importer(const Feed& feed) : m(std::make_unique<Index>(feed)) {}

Importer::~Importer() = default;

QList<RouteSummary> Importer::routes() const
{
    const Table& t = m->table(File::Routes);
    const int cId = t.column("route_id"), cShort = t.column("route_short_name"),
              cLong = t.column("route_long_name");
    QList<RouteSummary> out;
    out.reserve(t.rowCount());
    for (qsizetype r = 0; r < t.rowCount(); ++r)
        out.append(
            {text(t.field(r, cId)), text(t.field(r, cShort)), text(t.field(r, cLong)), 0, {}});
    for (const TripInfo& info : m->trips) {
        if (info.route < 0)
            continue;
        RouteSummary& s = out[info.route];
        ++s.trips;
        int& longest = s.longest[size_t(info.direction < 0 ? 2 : info.direction)];
        longest = std::max(longest, info.stops);
    }
    return out;
}

QList<TripSummary> Importer::trips(const QString& routeId) const
{
    const int route = find(m->routeRow, routeId.toStdString());
    QList<TripSummary> out;
    if (route < 0)
        return out;
    for (size_t i = 0; i < m->trips.size(); ++i) {
        if (m->trips[i].route == route)
            out.append(m->summary(int(i)));
    }
    return out;
}

namespace {

struct Stop {
    qsizetype row = -1; // in stops.txt
    QString name;
    Sv id;
    Sv zone;
    int ticket = 0;
};

// The fares of one trip's route between the trip's zones, indexed once.
class FareIndex {
public:
    bool any = false; // the feed has fares at all
    QStringList warnings;

    FareIndex(const Feed& feed, Sv route, const std::unordered_set<Sv>& zones)
    {
        const Table& attrs = feed.table(File::FareAttributes);
        const Table& rules = feed.table(File::FareRules);
        if (attrs.rowCount() == 0 || rules.rowCount() == 0)
            return;
        any = true;
        std::unordered_map<Sv, int> price;
        const int cFare = attrs.column("fare_id"), cPrice = attrs.column("price");
        std::string scratch;
        for (qsizetype r = 0; r < attrs.rowCount(); ++r) {
            const Sv id = attrs.field(r, cFare);
            const Sv p = attrs.field(r, cPrice);
            double value = 0;
            const auto [end, ec] = std::from_chars(p.data(), p.data() + p.size(), value);
            if (p.empty() || ec != std::errc() || end != p.data() + p.size() || value < 0) {
                warnings << QStringLiteral("fare_attributes.txt: fare %1 has the price %2, not a "
                                           "number of yen; it is not used")
                                .arg(quoted(id), quoted(p));
                continue;
            }
            int yen = int(std::min(std::lround(value), 32767L));
            if (value > 32767)
                warnings << QStringLiteral(
                                "fare_attributes.txt: fare %1 costs %2, more than a fare "
                                "cell holds; written as 32767")
                                .arg(quoted(id), text(p));
            const Sv key = m_ids.keep(id);
            auto [it, added] = price.emplace(key, yen);
            if (!added)
                it->second = std::min(it->second, yen);
        }
        const int cRuleFare = rules.column("fare_id"), cRoute = rules.column("route_id"),
                  cOrigin = rules.column("origin_id"), cDest = rules.column("destination_id"),
                  cContains = rules.column("contains_id");
        int unknownFares = 0;
        for (qsizetype r = 0; r < rules.rowCount(); ++r) {
            if (!rules.field(r, cContains).empty())
                continue;
            const Sv ruleRoute = Ids::key(rules.field(r, cRoute), scratch);
            if (!ruleRoute.empty() && ruleRoute != route)
                continue;
            std::string originScratch, destScratch;
            const Sv origin = Ids::key(rules.field(r, cOrigin), originScratch);
            const Sv dest = Ids::key(rules.field(r, cDest), destScratch);
            if ((!origin.empty() && !zones.count(origin)) || (!dest.empty() && !zones.count(dest)))
                continue;
            const auto p = price.find(Ids::key(rules.field(r, cRuleFare), scratch));
            if (p == price.end()) {
                ++unknownFares;
                continue;
            }
            auto [it, added] = m_cheapest.emplace(pairKey(origin, dest), p->second);
            if (!added)
                it->second = std::min(it->second, p->second);
        }
        if (unknownFares > 0)
            warnings << QStringLiteral(
                            "fare_rules.txt: %1 rule(s) of this route name a fare_id that "
                            "fare_attributes.txt lacks; they are not used")
                            .arg(unknownFares);
    }

    // The cheapest fare from zone `origin` to zone `dest`, or -1. An empty
    // zone is matched only by rules that leave that side empty.
    int fare(Sv origin, Sv dest) const
    {
        int best = -1;
        for (Sv o : {origin, Sv()}) {
            for (Sv d : {dest, Sv()}) {
                const auto it = m_cheapest.find(pairKey(o, d));
                if (it != m_cheapest.end() && (best < 0 || it->second < best))
                    best = it->second;
            }
        }
        return best;
    }

private:
    static std::string pairKey(Sv origin, Sv dest)
    {
        std::string k(origin);
        k += '\x1f';
        k += dest;
        return k;
    }
    Ids m_ids;
    std::unordered_map<std::string, int> m_cheapest; // "origin\x1f""dest", empty for any
};

// One announcement line: the text (quoted when it holds a comma; the file's
// quotes cannot hold a quote or a line break), the step and sound flags.
QByteArray tapeLine(QString text, int step, int sound, QStringList& warnings, const QString& what)
{
    text.remove(u'"');
    text.remove(u'\r');
    text.remove(u'\n');
    text = text.trimmed();
    QString lacking;
    text = shiftJisSafe(text, lacking);
    if (!lacking.isEmpty())
        warnings << QStringLiteral("translations.txt: the announcement of %1 has characters "
                                   "Shift-JIS lacks (%2); written as ?")
                        .arg(what, lacking);
    QByteArray bytes = sjis::fromUnicode(text);
    if (text.contains(u','))
        bytes = '"' + bytes + '"';
    return bytes + ',' + QByteArray::number(step) + ',' + QByteArray::number(sound) + "\r\n";
}

} // namespace

namespace {

// Ticket numbers along the path: one per stop, or one per run of stops in
// one zone. False with `problem` past 150.
bool numberTickets(std::vector<Stop>& path, bool perZone, const QString& tripId, int& tickets,
                   QStringList& warnings, Problem& problem)
{
    tickets = 0;
    for (size_t i = 0; i < path.size(); ++i) {
        if (!perZone || i == 0 || path[i].zone != path[i - 1].zone)
            ++tickets;
        path[i].ticket = tickets;
    }
    if (tickets > MaxTickets) {
        problem = {fileName(File::StopTimes),
                   QStringLiteral("trip \"%1\" needs %2 ticket numbers, more than %3; number "
                                  "them per zone (--per-zone) or choose another trip")
                       .arg(tripId)
                       .arg(tickets)
                       .arg(MaxTickets)};
        return false;
    }
    if (tickets > BoardTickets)
        warnings << QStringLiteral("stop_times.txt: trip \"%1\" uses ticket numbers 1 to %2; the "
                                   "board shows 1 to %3, the fares of the others are in the file "
                                   "only")
                        .arg(tripId)
                        .arg(tickets)
                        .arg(BoardTickets);
    return true;
}

// The records of the path: names in Shift-JIS, tickets, and the fare of
// every ticket below the stop's own from the zone of the first stop issuing
// it.
QList<RouteRecord> records(const Feed& feed, Sv route, const std::vector<Stop>& path, int tickets,
                           QStringList& warnings)
{
    std::unordered_set<Sv> zones;
    for (const Stop& s : path) {
        if (!s.zone.empty())
            zones.insert(s.zone);
    }
    const FareIndex fares(feed, route, zones);
    warnings += fares.warnings;
    if (!fares.any)
        warnings << QStringLiteral("fare_attributes.txt, fare_rules.txt: the feed has no fares; "
                                   "every fare is -1");
    std::vector<Sv> origin(size_t(tickets) + 1);
    for (auto it = path.rbegin(); it != path.rend(); ++it)
        origin[size_t(it->ticket)] = it->zone;
    QStringList missing;
    QList<RouteRecord> out;
    for (const Stop& s : path) {
        RouteRecord r;
        QString lacking;
        r.StopName = shiftJisSafe(s.name, lacking);
        if (!lacking.isEmpty())
            warnings << QStringLiteral("stops.txt: the name of stop %1 (%2) has characters "
                                       "Shift-JIS lacks (%3); written as ?")
                            .arg(quoted(s.id), s.name, lacking);
        r.TicketNo = qint16(s.ticket);
        for (int k = 1; k < s.ticket; ++k) {
            int fare = -1;
            if (fares.any) {
                fare = fares.fare(origin[size_t(k)], s.zone);
                if (fare < 0) {
                    auto zone = [](Sv z) { return z.empty() ? QStringLiteral("(none)") : text(z); };
                    const QString pair =
                        zone(origin[size_t(k)]) + QStringLiteral(" → ") + zone(s.zone);
                    if (!missing.contains(pair))
                        missing << pair;
                }
            }
            r.setFare(k, qint16(fare));
        }
        out << r;
    }
    if (!missing.isEmpty()) {
        constexpr qsizetype Shown = 5;
        QString list = missing.mid(0, Shown).join(QStringLiteral(", "));
        if (missing.size() > Shown)
            list += QStringLiteral(" and %1 more").arg(missing.size() - Shown);
        warnings << QStringLiteral("fare_rules.txt: no fare matches %1 zone pair(s) (origin → "
                                   "destination): %2; those fares are -1")
                        .arg(missing.size())
                        .arg(list);
    }
    return out;
}

} // namespace

bool Importer::Index::chooseTrip(const ImportOptions& o, int& trip, int& route,
                                 Problem& problem) const
{
    trip = route = -1;
    if (!o.routeId.isEmpty()) {
        route = find(routeRow, o.routeId.toStdString());
        if (route < 0) {
            problem = {fileName(File::Routes), QStringLiteral("no route \"%1\"").arg(o.routeId)};
            return false;
        }
    }
    if (!o.tripId.isEmpty()) {
        trip = find(tripRow, o.tripId.toStdString());
        if (trip < 0) {
            problem = {fileName(File::Trips), QStringLiteral("no trip \"%1\"").arg(o.tripId)};
            return false;
        }
        const TripInfo& info = trips[size_t(trip)];
        if (route >= 0 && info.route != route) {
            problem = {fileName(File::Trips),
                       QStringLiteral("trip \"%1\" is not a trip of route \"%2\"")
                           .arg(o.tripId, o.routeId)};
            return false;
        }
        if (o.direction >= 0 && info.direction != o.direction) {
            problem = {fileName(File::Trips),
                       QStringLiteral("trip \"%1\" does not run in direction %2")
                           .arg(o.tripId)
                           .arg(o.direction)};
            return false;
        }
        route = info.route;
        if (route < 0) {
            const Table& t = table(File::Trips);
            problem = {fileName(File::Routes),
                       QStringLiteral("the route %1 of trip \"%2\" is not in the file")
                           .arg(quoted(t.field(trip, t.column("route_id"))), o.tripId)};
            return false;
        }
        return true;
    }
    if (route < 0) {
        problem = {QString(), QStringLiteral("name a route or a trip")};
        return false;
    }
    // The most stops; then the earliest first departure; then the smallest id.
    int candidates = 0;
    TripSummary best;
    const auto departs = [](int t) { return t < 0 ? INT_MAX : t; };
    for (size_t i = 0; i < trips.size(); ++i) {
        const TripInfo& info = trips[i];
        if (info.route != route || (o.direction >= 0 && info.direction != o.direction))
            continue;
        ++candidates;
        if (info.stops == 0)
            continue;
        const TripSummary s = summary(int(i));
        const bool better = trip < 0 || s.stops > best.stops ||
                            (s.stops == best.stops &&
                             (departs(s.firstDeparture) < departs(best.firstDeparture) ||
                              (s.firstDeparture == best.firstDeparture && idLess(s.id, best.id))));
        if (better) {
            trip = int(i);
            best = s;
        }
    }
    if (trip >= 0)
        return true;
    const QString which =
        o.direction >= 0 ? QStringLiteral(" in direction %1").arg(o.direction) : QString();
    problem =
        candidates == 0
            ? Problem{fileName(File::Trips),
                      QStringLiteral("route \"%1\" has no trips%2").arg(o.routeId, which)}
            : Problem{fileName(File::StopTimes),
                      QStringLiteral("no trip of route \"%1\"%2 has stops").arg(o.routeId, which)};
    return false;
}

// The stop_sequence values need not start at 1 nor run without gaps, and
// the rows may come in any order.
bool Importer::Index::stopsOf(int trip, Ids& zones, std::vector<Stop>& path, QStringList& warnings,
                              Problem& problem) const
{
    const QString tripId =
        text(table(File::Trips).field(trip, table(File::Trips).column("trip_id")));
    const Table& times = table(File::StopTimes);
    const int cSeq = times.column("stop_sequence"), cStop = times.column("stop_id");
    std::vector<std::pair<long long, qsizetype>> rows;
    for (qsizetype r = 0; r < times.rowCount(); ++r) {
        if (tripOfStopTime[size_t(r)] != trip)
            continue;
        long long seq = 0;
        if (!parseWhole(times.field(r, cSeq), seq)) {
            problem = {fileName(File::StopTimes),
                       QStringLiteral("the stop_sequence %1 of trip \"%2\" is not a whole number")
                           .arg(quoted(times.field(r, cSeq)), tripId)};
            return false;
        }
        rows.emplace_back(seq, r);
    }
    std::stable_sort(rows.begin(), rows.end(),
                     [](const auto& a, const auto& b) { return a.first < b.first; });
    for (size_t i = 1; i < rows.size(); ++i) {
        if (rows[i].first == rows[i - 1].first) {
            warnings << QStringLiteral("stop_times.txt: trip \"%1\" has stop_sequence %2 more than "
                                       "once; those stops are taken in file order")
                            .arg(tripId)
                            .arg(rows[i].first);
            break;
        }
    }
    if (rows.size() < 2) {
        problem = {fileName(File::StopTimes),
                   QStringLiteral("trip \"%1\" has %2 stop(s); a route needs at least 2")
                       .arg(tripId)
                       .arg(rows.size())};
        return false;
    }
    if (rows.size() > size_t(MaxStops)) {
        problem = {fileName(File::StopTimes),
                   QStringLiteral("trip \"%1\" has %2 stops, more than the %3 a route holds; "
                                  "choose another trip")
                       .arg(tripId)
                       .arg(rows.size())
                       .arg(MaxStops)};
        return false;
    }
    const Table& stops = table(File::Stops);
    const int cName = stops.column("stop_name"), cZone = stops.column("zone_id"),
              cParent = stops.column("parent_station"), cStopId = stops.column("stop_id");
    path.clear();
    path.reserve(rows.size());
    for (const auto& [seq, r] : rows) {
        const Sv id = times.field(r, cStop);
        const int s = find(stopRow, id);
        if (s < 0) {
            problem = {fileName(File::Stops),
                       QStringLiteral("the stop %1 of trip \"%2\" is not in the file")
                           .arg(quoted(id), tripId)};
            return false;
        }
        Stop stop;
        stop.row = s;
        stop.id = stops.field(s, cStopId);
        stop.zone = zones.keep(stops.field(s, cZone));
        Sv name = stops.field(s, cName);
        // A platform may leave its name to its station.
        if (name.empty()) {
            const int parent = find(stopRow, stops.field(s, cParent));
            if (parent >= 0)
                name = stops.field(parent, cName);
        }
        stop.name = text(name);
        path.push_back(stop);
    }
    return true;
}

QString Importer::Index::stopReading(const Stop& stop) const
{
    const Table& stops = table(File::Stops);
    QString r = reading("stops"sv, "stop_name"sv, stop.id, stop.name.toStdString());
    if (r.isEmpty()) {
        const int parent = find(stopRow, stops.field(stop.row, stops.column("parent_station")));
        if (parent >= 0)
            r = reading("stops"sv, "stop_name"sv, stops.field(parent, stops.column("stop_id")),
                        stops.field(parent, stops.column("stop_name")));
    }
    return r.isEmpty() ? stop.name : r;
}

// Line 1: the route's name and the headsign; then "次は、…です。" for each
// following stop.
QByteArray Importer::Index::announcements(int route, int trip, const std::vector<Stop>& path,
                                          QStringList& warnings) const
{
    const Table& routes = table(File::Routes);
    const Table& trips = table(File::Trips);
    const Sv routeId = routes.field(route, routes.column("route_id"));
    const QString shortName = text(routes.field(route, routes.column("route_short_name")));
    const QString longName = text(routes.field(route, routes.column("route_long_name")));
    const QString headsignText = text(trips.field(trip, trips.column("trip_headsign")));
    auto readingOf = [&](Sv table, Sv field, Sv record, const QString& value) {
        const QString r = reading(table, field, record, value.toStdString());
        return r.isEmpty() ? value : r;
    };
    QString routeName;
    if (!longName.isEmpty()) {
        routeName = readingOf("routes"sv, "route_long_name"sv, routeId, longName);
    } else if (!shortName.isEmpty()) {
        routeName = readingOf("routes"sv, "route_short_name"sv, routeId, shortName);
        if (std::all_of(shortName.begin(), shortName.end(), [](QChar c) { return c.isDigit(); }))
            routeName += QStringLiteral("系統");
    }
    QString headsign = headsignText.isEmpty()
                           ? stopReading(path.back())
                           : readingOf("trips"sv, "trip_headsign"sv,
                                       trips.field(trip, trips.column("trip_id")), headsignText);
    if (headsign.endsWith(QStringLiteral("行")))
        headsign += QStringLiteral("き");
    else if (!headsign.endsWith(QStringLiteral("行き")))
        headsign += QStringLiteral("行き");
    // A loop's headsign is often the route's own name: then the name alone.
    const bool headsignIsName =
        !headsignText.isEmpty() && (headsignText == longName || headsignText == shortName);
    const QString first = routeName.isEmpty() ? headsign
                          : headsignIsName    ? routeName
                                              : routeName + u'、' + headsign;
    QByteArray tape =
        tapeLine(first + QStringLiteral("です。"), 0, 0, warnings, QStringLiteral("the route"));
    for (size_t i = 1; i < path.size(); ++i) {
        const bool last = i + 1 == path.size();
        const QString said = QStringLiteral("次は、") +
                             (last ? QStringLiteral("終点、") : QString()) + stopReading(path[i]) +
                             QStringLiteral("です。");
        tape += tapeLine(said, 1, 1, warnings, QStringLiteral("stop %1").arg(quoted(path[i].id)));
    }
    return tape;
}

bool Importer::import(const ImportOptions& o, ImportedRoute& out, Problem& problem) const
{
    const Index& x = *m;
    int trip = -1, route = -1;
    if (!x.chooseTrip(o, trip, route, problem))
        return false;
    ImportedRoute r;
    r.trip = x.summary(trip);

    const Table& routes = x.table(File::Routes);
    const Sv routeId = routes.field(route, routes.column("route_id"));
    const QString shortName = text(routes.field(route, routes.column("route_short_name")));
    r.number = o.number != 0 ? o.number : routeNumberFromName(shortName);
    if (r.number == 0) {
        problem = {fileName(File::Routes),
                   QStringLiteral("the route_short_name \"%1\" of route \"%2\" gives no route "
                                  "number from 1 to %3; give one (--number)")
                       .arg(shortName, text(routeId))
                       .arg(MaxRouteNumber)};
        return false;
    }
    if (r.number < 1 || r.number > MaxRouteNumber) {
        problem = {QString(), QStringLiteral("the route number %1 is outside 1 to %2")
                                  .arg(r.number)
                                  .arg(MaxRouteNumber)};
        return false;
    }

    Ids zones;
    std::vector<Stop> path;
    QStringList warnings;
    if (!x.stopsOf(trip, zones, path, warnings, problem) ||
        !numberTickets(path, o.perZone, r.trip.id, r.tickets, warnings, problem))
        return false;
    std::string scratch;
    r.records = records(x.feed, Ids::key(routeId, scratch), path, r.tickets, warnings);
    if (const Error e = routefile::encode(r.records, r.fareFile)) {
        problem = {fileName(File::Stops), e.description};
        return false;
    }
    r.tapeFile = x.announcements(route, trip, path, warnings);
    r.warnings = warnings;
    out = std::move(r);
    return true;
}

int routeNumberFromName(const QString& shortName)
{
    QString digits;
    for (QChar c : shortName.normalized(QString::NormalizationForm_KC)) {
        if (c >= u'0' && c <= u'9')
            digits += c;
    }
    bool ok = false;
    const qlonglong n = digits.size() <= 9 ? digits.toLongLong(&ok) : 0;
    return ok && n >= 1 && n <= MaxRouteNumber ? int(n) : 0;
}

QString timeText(int seconds)
{
    if (seconds < 0)
        return {};
    return QStringLiteral("%1:%2:%3")
        .arg(seconds / 3600, 2, 10, QLatin1Char('0'))
        .arg(seconds / 60 % 60, 2, 10, QLatin1Char('0'))
        .arg(seconds % 60, 2, 10, QLatin1Char('0'));
}

QString fareFileName(int number)
{
    return QString::number(number) + QStringLiteral(".hy3");
}

QString tapeFileName(int number)
{
    return QString::number(number) + QStringLiteral("tp.csv");
}

QStringList existingFiles(int number, const QString& fareDir, const QString& tapeDir)
{
    QStringList out;
    for (const QString& path : {QDir(fareDir).filePath(fareFileName(number)),
                                QDir(tapeDir).filePath(tapeFileName(number))}) {
        if (QFileInfo::exists(path))
            out << path;
    }
    return out;
}

bool writeRoute(const ImportedRoute& route, const QString& fareDir, const QString& tapeDir,
                QString& error)
{
    const QString farePath = QDir(fareDir).filePath(fareFileName(route.number));
    const QString tapePath = QDir(tapeDir).filePath(tapeFileName(route.number));
    QByteArray previous;
    const bool hadFareFile = QFileInfo(farePath).isFile();
    if (hadFareFile) {
        // Kept to be put back should the announcement file fail.
        const InputCheck c = readInputFile(farePath, routefile::MaxWholeFileBytes, previous);
        if (c != InputCheck::Ok) {
            error =
                farePath + QStringLiteral(": ") +
                (c == InputCheck::TooLarge ? QStringLiteral("larger than %1 bytes, not replaced")
                                                 .arg(routefile::MaxWholeFileBytes)
                                           : QStringLiteral("cannot be read, not replaced"));
            return false;
        }
    }
    Error e;
    if (!writeFileWhole(farePath, route.fareFile, e)) {
        error = e.description;
        return false;
    }
    if (!writeFileWhole(tapePath, route.tapeFile, e)) {
        error = e.description;
        Error ignored;
        if (hadFareFile)
            writeFileWhole(farePath, previous, ignored);
        else
            QFile::remove(farePath);
        return false;
    }
    return true;
}

} // namespace lumena::gtfs
