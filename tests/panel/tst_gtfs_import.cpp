// Routes from GTFS feeds the tests write: trip, stops, tickets, fares,
// announcements, untidy files, zips, every refusal, writing both files.

#include "panel/GtfsImport.h"
#include "panel/RouteFile.h"
#include "reslib/ShiftJis.h"
#include "tests/common/TestSupport.h"
#include "tests/common/ZipWriter.h"

#include <QDir>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::gtfs;

using Files = QMap<QString, QByteArray>;

namespace {

// "T1 ABCD 08:00:00": a stop_times row per stop letter, the time on the first.
QByteArray times(const QStringList& trips)
{
    QByteArray out = "trip_id,stop_id,stop_sequence,departure_time\n";
    for (const QString& trip : trips) {
        const QStringList p = trip.split(u' ');
        for (qsizetype i = 0; i < p[1].size(); ++i)
            out += (p[0] + u',' + p[1][i] + u',' + QString::number(i + 1) + u',' +
                    (i == 0 ? p.value(2) : QString()) + u'\n')
                       .toUtf8();
    }
    return out;
}

// Trips "trip route direction stops [departure]" as trips.txt, stop_times.txt.
Files trips(const QStringList& list)
{
    QByteArray t = "trip_id,route_id,direction_id\n";
    QStringList stops;
    for (const QString& trip : list) {
        const QStringList p = trip.split(u' ');
        t += p.first(3).join(u',').toUtf8() + '\n';
        stops << p[0] + u' ' + p.sliced(3).join(u' ');
    }
    return {{u"trips.txt"_s, t}, {u"stop_times.txt"_s, times(stops)}};
}

// Trip T1 over `n` stops alternating between zones Z1 (A) and Z2 (C).
QByteArray alternating(int n)
{
    QByteArray rows = "trip_id,stop_id,stop_sequence\n";
    for (int i = 1; i <= n; ++i)
        rows += "T1," + QByteArray(i % 2 ? "A" : "C") + "," + QByteArray::number(i) + "\n";
    return rows;
}

// Five stops in three zones; route R1 both ways, route R2 with one short
// trip; fares 170 + 40 yen per zone crossed, for R1 only; `changes` replace
// its files.
Files feed(const Files& changes = {})
{
    Files files{
        {u"stops.txt"_s, "stop_id,stop_name,zone_id\nA,駅前,Z1\nB,本町,Z1\nC,中央,Z2\nD,港,Z3\n"
                         "E,岬,Z1\n"_ba},
        {u"routes.txt"_s, "route_id,route_short_name,route_long_name\nR1,12,本線\nR2,急行,\n"_ba},
        {u"trips.txt"_s,
         "route_id,trip_id,direction_id,trip_headsign\nR1,T1,0,岬\nR1,T2,1,駅前\nR2,X1,0,\n"_ba},
        {u"stop_times.txt"_s, times({u"T1 ABCDE 08:00:00"_s, u"T2 EDCBA 09:00:00"_s, u"X1 AD"_s})},
        {u"fare_attributes.txt"_s, "fare_id,price\nF0,170\nF1,210\nF2,250\n"_ba},
        {u"fare_rules.txt"_s,
         "fare_id,route_id,origin_id,destination_id\nF0,R1,Z1,Z1\nF1,R1,Z1,Z2\n"
         "F2,R1,Z1,Z3\nF1,R1,Z2,Z1\nF0,R1,Z2,Z2\nF1,R1,Z2,Z3\nF2,R1,Z3,Z1\n"
         "F1,R1,Z3,Z2\nF0,R1,Z3,Z3\n"_ba},
    };
    files.insert(changes);
    return files;
}

// "route=R1 trip=T1 dir=0 zone"
ImportOptions options(const QString& words)
{
    QMap<QString, QString> v;
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts))
        v[word.section(u'=', 0, 0)] = word.section(u'=', 1);
    return {v.value(u"route"_s), v.value(u"trip"_s), v.value(u"dir"_s, u"-1"_s).toInt(), 0,
            v.contains(u"zone"_s)};
}

struct Result {
    bool ok = false;
    ImportedRoute route;
    Problem problem;
    QString failure() const { return problem.file + u": "_s + problem.text; }
};

Result importFrom(const Files& files, const QString& words = u"trip=T1"_s)
{
    Result r;
    Feed feed;
    r.ok = readFiles(files, feed, r.problem) &&
           Importer(feed).import(options(words), r.route, r.problem);
    return r;
}

// Each stop as "name ticket: fares below its ticket"; "!" for a fare above.
QString layout(const ImportedRoute& route)
{
    QStringList stops;
    for (const RouteRecord& r : route.records) {
        QString s = r.StopName + u' ' + QString::number(r.TicketNo) + u':';
        for (int k = 1; k <= RouteRecord::FareCount; ++k) {
            if (k < r.TicketNo)
                s += u' ' + QString::number(r.fare(k));
            else if (r.fare(k) != 0)
                s += u"!"_s;
        }
        stops << s;
    }
    return stops.join(u" | "_s);
}

} // namespace

class TestGtfsImport : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void routes_data()
    {
        QTest::addColumn<Files>("changes");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("layout");
        QTest::addColumn<QStringList>("warnings");
        const QString perStop = u"駅前 1: | 本町 2: 170 | 中央 3: 210 210 | 港 4: 250 250 210 | "
                                u"岬 5: 170 170 210 250"_s;
        QTest::newRow("a ticket per stop")
            << Files{} << u"route=R1 dir=0"_s << perStop << QStringList{};
        QTest::newRow("a platform named by its station")
            << Files{{u"stops.txt"_s, "stop_id,stop_name,zone_id,parent_station\nA,駅前,Z1,\n"
                                      "B,,Z1,S\nS,本町,,\nC,中央,Z2,\nD,港,Z3,\nE,岬,Z1,\n"_ba}}
            << u"route=R1 dir=0"_s << perStop << QStringList{};
        // Z1 Z1 Z2 Z3 Z1: the zone met again at the end gets a new number.
        QTest::newRow("a ticket per zone")
            << Files{} << u"route=R1 dir=0 zone"_s
            << u"駅前 1: | 本町 1: | 中央 2: 210 | 港 3: 250 210 | 岬 4: 170 210 250"_s
            << QStringList{};
        // stop_sequence may start anywhere, leave gaps, come in any order.
        const QString three = u"駅前 1: | 本町 2: 170 | 中央 3: 210 210"_s;
        const auto sequence = [](const QByteArray& rows) {
            return Files{{u"stop_times.txt"_s, "trip_id,stop_id,stop_sequence\n" + rows}};
        };
        QTest::newRow("stop_sequence from 0, with gaps, out of order")
            << sequence("T1,C,10\nT1,A,0\nT1,B,9\n") << u"trip=T1"_s << three << QStringList{};
        // A feed without fares gives -1 for every fare it looks up.
        const QString none = u"駅前 1: | 本町 1: | 中央 2: -1 | 港 3: -1 -1 | 岬 4: -1 -1 -1"_s;
        const QStringList noFares{
            u"fare_attributes.txt, fare_rules.txt: the feed has no fares; every fare is -1"_s};
        QTest::newRow("header-only fare files")
            << Files{{u"fare_attributes.txt"_s, "fare_id,price\n"},
                     {u"fare_rules.txt"_s, "fare_id,origin_id,destination_id\n"}}
            << u"trip=T1 zone"_s << none << noFares;
    }
    void routes()
    {
        QFETCH(Files, changes);
        QFETCH(QString, options);
        const Result r = importFrom(feed(changes), options);
        QVERIFY2(r.ok, qPrintable(r.failure()));
        QTEST(layout(r.route), "layout");
        QTEST(r.route.warnings, "warnings");
    }

    // Trip T1 (Z1 Z1 Z2 Z3 Z1) of route R1; the fares at stop D (港): from
    // Z1 (tickets 1, 2) and Z2 (ticket 3) to Z3. The rows give the prices and
    // rules to Z3; the other pairs have fares of their own.
    void fareMatching_data()
    {
        QTest::addColumn<QByteArray>("attributes");
        QTest::addColumn<QByteArray>("rules");
        QTest::addColumn<QString>("fares");
        QTest::addColumn<QString>("warning"); // part of the one warning, or empty
        const QByteArray prices = "A,300\nB,250\nC,200\nD,100\n";
        QTest::newRow("the route's and route-less rules, not another route's")
            << prices << "A,R1,Z1,Z3,\nD,R2,Z1,Z3,\nC,,Z2,Z3,\n"_ba << u"300 300 200"_s
            << QString();
        QTest::newRow("the cheapest match wins, whichever sides it names")
            << prices << "A,R1,Z1,Z3,\nB,,Z1,Z3,\nC,R1,Z2,Z3,\nD,,,Z3,\n"_ba << u"100 100 100"_s
            << QString();
        QTest::newRow("one flat fare for the route")
            << prices << "C,R1,,,\n"_ba << u"200 200 200"_s << QString();
        QTest::newRow("rules with contains_id are ignored")
            << prices << "D,R1,Z1,Z3,Z2\nA,R1,Z1,Z3,\nC,R1,Z2,Z3,\n"_ba << u"300 300 200"_s
            << QString();
        QTest::newRow("no match gives -1")
            << prices << "A,R1,Z1,Z3,\n"_ba << u"300 300 -1"_s
            << u"fare_rules.txt: no fare matches 1 zone pair(s) (origin → destination): Z2 → Z3"_s;
        QTest::newRow("prices with a decimal point")
            << "A,300.0\nC,199.50\n"_ba
            << "A,R1,Z1,Z3,\nC,R1,Z2,Z3,\n"_ba << u"300 300 200"_s << QString();
        QTest::newRow("a rule naming an unknown fare")
            << prices << "A,R1,Z1,Z3,\nC,R1,Z2,Z3,\nX,R1,Z1,Z3,\n"_ba << u"300 300 200"_s
            << u"1 rule(s) of this route name a fare_id that fare_attributes.txt lacks"_s;
        QTest::newRow("a price that is no number")
            << "A,300\nC,200\nD,yen\n"_ba
            << "A,R1,Z1,Z3,\nC,R1,Z2,Z3,\n"_ba << u"300 300 200"_s
            << u"fare \"D\" has the price \"yen\", not a number of yen"_s;
        QTest::newRow("a price above a fare cell")
            << "A,40000\nC,200\n"_ba
            << "A,R1,Z1,Z3,\nC,R1,Z2,Z3,\n"_ba << u"32767 32767 200"_s
            << u"fare \"A\" costs 40000, more than a fare cell holds; written as 32767"_s;
    }
    void fareMatching()
    {
        QFETCH(QByteArray, attributes);
        QFETCH(QByteArray, rules);
        QFETCH(QString, warning);
        const Result r = importFrom(feed(
            {{u"fare_attributes.txt"_s, "fare_id,price\nF0,170\nF1,210\nF2,250\n" + attributes},
             {u"fare_rules.txt"_s, "fare_id,route_id,origin_id,destination_id,contains_id\n"
                                   "F0,R1,Z1,Z1,\nF1,R1,Z1,Z2,\nF1,R1,Z2,Z1,\nF2,R1,Z3,Z1,\n" +
                                       rules}}));
        QVERIFY2(r.ok, qPrintable(r.failure()));
        const RouteRecord& d = r.route.records[3];
        QCOMPARE(d.TicketNo, qint16(4));
        QTEST(u"%1 %2 %3"_s.arg(d.fare(1)).arg(d.fare(2)).arg(d.fare(3)), "fares");
        QCOMPARE(r.route.warnings.size(), warning.isEmpty() ? 0 : 1);
        QVERIFY2(warning.isEmpty() || r.route.warnings[0].contains(warning),
                 qPrintable(r.route.warnings.join(u'\n')));
    }

    // Trip T9 of R1 over 駅前, 本町, 中央: the route and where it goes, then
    // a line per stop in its ja-Hrkt reading.
    void announcements_data()
    {
        QTest::addColumn<QByteArray>("route"); // short,long
        QTest::addColumn<QByteArray>("headsign");
        QTest::addColumn<QByteArray>("translations");
        QTest::addColumn<QString>("tape"); // all of the file, or its start
        const QString read = u"ほんせん、みさき行きです。,0,0\r\n次は、ほんまちです。,1,1\r\n"
                             u"次は、終点、ちゅうおうです。,1,1\r\n"_s;
        const QByteArray r = "12,本線", h = "岬";
        QTest::newRow("the older form, by the Japanese text")
            << r << h
            << "trans_id,lang,translation\n本町,ja-Hrkt,ほんまち\n本町,en,Honmachi\n"
               "中央,ja-Hrkt,ちゅうおう\n岬,ja-Hrkt,みさき\n本線,ja-Hrkt,ほんせん\n"_ba
            << read;
        // A record_id goes before a field_value; the language in any case.
        QTest::newRow("GTFS form")
            << r << h
            << "table_name,field_name,language,translation,record_id,field_value\n"
               "stops,stop_name,ja-Hrkt,ちがう,,本町\nstops,stop_name,ja-Hrkt,ほんまち,B,\n"
               "stops,stop_name,ja-hrkt,ちゅうおう,C,\ntrips,trip_headsign,ja-Hrkt,みさき,,岬\n"
               "routes,route_long_name,ja-Hrkt,ほんせん,R1,\n"_ba
            << read;
        QTest::newRow("a headsign ending in 行")
            << r << "岬行"_ba << QByteArray() << u"本線、岬行きです。,0,0\r\n"_s;
        QTest::newRow("only a number")
            << "12,"_ba
            << "岬行き"_ba << QByteArray() << u"12系統、岬行きです。,0,0\r\n"_s;
        QTest::newRow("a loop's headsign is its name")
            << r << "本線"_ba << QByteArray() << u"本線です。,0,0\r\n"_s;
        QTest::newRow("no headsign: the last stop")
            << r << ""_ba << QByteArray() << u"本線、中央行きです。,0,0\r\n"_s;
        QTest::newRow("a comma is quoted, a quote dropped")
            << "12,\"本線, \"\"北\"\"回り\""_ba << h << QByteArray()
            << u"\"本線, 北回り、岬行きです。\",0,0\r\n"_s;
    }
    void announcements()
    {
        QFETCH(QByteArray, route);
        QFETCH(QByteArray, headsign);
        QFETCH(QByteArray, translations);
        QFETCH(QString, tape);
        const Result r = importFrom(
            feed({{u"routes.txt"_s, "route_id,route_short_name,route_long_name\nR1," + route},
                  {u"trips.txt"_s, "route_id,trip_id,trip_headsign\nR1,T9," + headsign},
                  {u"stop_times.txt"_s, times({u"T9 ABC"_s})},
                  {u"translations.txt"_s, translations}}),
            u"trip=T9"_s);
        QVERIFY2(r.ok, qPrintable(r.failure()));
        const QString written = sjis::toUnicode(r.route.tapeFile);
        QVERIFY2(written.startsWith(tape), qPrintable(written));
    }

    // The same feed written untidily reads as the tidy one.
    void untidyFiles_data()
    {
        QTest::addColumn<QString>("file");
        QTest::addColumn<QByteArray>("bytes");
        const Files base = feed();
        const QString stops = u"stops.txt"_s, times = u"stop_times.txt"_s;
        const QByteArray s = base[stops];
        auto row = [&](const char* name, const QString& file, const QByteArray& bytes) {
            QTest::newRow(name) << file << bytes;
        };
        row("a byte order mark", stops, "\xEF\xBB\xBF" + s);
        row("CR line ends", stops, QByteArray(s).replace("\n", "\r"));
        row("no final line end", times, base[times].chopped(1));
        row("blank lines", stops, QByteArray(s).replace("\n", "\n\n  \n,,\n"));
        row("every field quoted, CR LF line ends", stops,
            "\"stop_id\",\"stop_name\",\"zone_id\"\r\n\"A\",\"駅前\",\"Z1\"\r\n\"B\",\"本町\","
            "\"Z1\"\r\n\"C\",\"中央\",\"Z2\"\r\n\"D\",\"港\",\"Z3\"\r\n\"E\",\"岬\",\"Z1\"\r\n");
        row("columns reordered, unknown and misspelt ones", stops,
            "zone_id,stop_lat,stop_nmae,stop_name,stop_id\nZ1,35,x,駅前,A\nZ1,35,x,本町,B\n"
            "Z2,35,x,中央,C\nZ3,35,x,港,D\nZ1,35,x,岬,E\n");
        row("header names with blanks and capitals", stops,
            QByteArray(s).replace("stop_id,stop_name,zone_id", " Stop_ID , STOP_NAME\t,zone_id "));
        row("blanks around ids and names", stops,
            "stop_id,stop_name,zone_id\nA  ,  駅前 ,Z1\n B,本町,Z1 \n\"C \",\" 中央\",Z2\nD,港,Z3\n"
            "E,岬,Z1\n");
        row("full-width ids", stops,
            "stop_id,stop_name,zone_id\nＡ,駅前,Ｚ１\nＢ,本町,Ｚ１\nＣ,中央,Ｚ２\nＤ,港,Ｚ３\n"
            "Ｅ,岬,Ｚ１\n");
        row("a bare CR inside a field", stops,
            QByteArray(s).replace("本町", "本\r町").replace("Z3", "Z\r3"));
        row("short rows", times,
            "trip_id,stop_id,stop_sequence,departure_time,pickup_type\nT1,A,1\nT1,B,2\nT1,C,3,,\n"
            "T1,D,4\nT1,E,5\n");
        row("0-byte optional files", u"translations.txt"_s, QByteArray());
        row("no route_id or contains_id column", u"fare_rules.txt"_s,
            QByteArray(base[u"fare_rules.txt"_s])
                .replace(",R1,", ",")
                .replace("fare_id,route_id,", "fare_id,"));
    }
    void untidyFiles()
    {
        QFETCH(QString, file);
        QFETCH(QByteArray, bytes);
        const Result tidy = importFrom(feed());
        const Result r = importFrom(feed({{file, bytes}}));
        QVERIFY2(r.ok, qPrintable(r.failure()));
        QCOMPARE(r.route.fareFile, tidy.route.fareFile);
        QCOMPARE(r.route.warnings, QStringList());
    }

    void namesOutsideShiftJis_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QString>("written");
        QTest::addColumn<QString>("lacking"); // empty: no warning
        QTest::newRow("JIS forms become their code page 932 forms")
            << u"緑町〜本町−２"_s << u"緑町～本町－２"_s << QString();
        QTest::newRow("code page 932 extensions stay") << u"髙﨑①"_s << u"髙﨑①"_s << QString();
        QTest::newRow("a character beyond the BMP") << u"𠮷野"_s << u"?野"_s << u"𠮷"_s;
        QTest::newRow("a question mark is no warning") << u"何?"_s << u"何?"_s << QString();
        QTest::newRow("two lacking characters, once each") << u"Ω Ω ŵ"_s << u"Ω Ω ?"_s << u"ŵ"_s;
    }
    void namesOutsideShiftJis()
    {
        QFETCH(QString, name);
        QFETCH(QString, written);
        QFETCH(QString, lacking);
        Files files = feed();
        files[u"stops.txt"_s].replace("本町", name.toUtf8());
        const Result r = importFrom(files);
        QVERIFY2(r.ok, qPrintable(r.failure()));
        QList<RouteRecord> back;
        QVERIFY(!routefile::readRecords(r.route.fareFile, back));
        QCOMPARE(back[1].StopName, written);
        // The name and its announcement are warned about.
        QCOMPARE(r.route.warnings.size(), lacking.isEmpty() ? 0 : 2);
        QVERIFY(lacking.isEmpty() || r.route.warnings[0].startsWith(
                                         u"stops.txt: the name of stop \"B\" (%1) has "
                                         u"characters Shift-JIS lacks (%2)"_s.arg(name, lacking)));
    }

    // The trip an import takes and its warnings, or the problem refusing it.
    void outcomes_data()
    {
        QTest::addColumn<Files>("changes");
        QTest::addColumn<QString>("options");
        QTest::addColumn<QString>("outcome"); // "trip\nwarning..."; or the problem's start
        const QString route = u"route=R1"_s;
        QTest::newRow("most stops")
            << trips({u"P R1 0 ABC 07:00:00"_s, u"Q R1 0 ABCD 09:00:00"_s}) << route << u"Q"_s;
        QTest::newRow("tie: earliest first departure")
            << trips({u"P R1 0 ABCD 09:00:00"_s, u"Q R1 0 ABCD 08:59:59"_s}) << route << u"Q"_s;
        QTest::newRow("tie: a known departure before an unknown one")
            << trips({u"P R1 0 ABCD"_s, u"Q R1 0 ABCD 10:00:00"_s}) << route << u"Q"_s;
        QTest::newRow("tie: smallest trip_id, digits by value")
            << trips({u"10 R1 0 ABCD 08:00:00"_s, u"9 R1 0 ABCD 08:00:00"_s}) << route << u"9"_s;
        QTest::newRow("tie: smallest trip_id, text")
            << trips({u"b R1 0 ABCD"_s, u"a R1 0 ABCD"_s}) << route << u"a"_s;
        QTest::newRow("only the asked direction")
            << trips({u"P R1 0 ABCDE 08:00:00"_s, u"Q R1 1 EDC 09:00:00"_s}) << u"route=R1 dir=1"_s
            << u"Q"_s;
        QTest::newRow("only the route's trips")
            << trips({u"P R1 0 AB"_s, u"Q R2 0 ABCDE"_s}) << route << u"P"_s;
        QTest::newRow("a named trip, however short")
            << trips({u"P R1 0 AB"_s, u"Q R1 0 ABCDE"_s}) << u"route=R1 trip=P dir=0"_s << u"P"_s;
        QTest::newRow("51 tickets are warned about")
            << Files{{u"stop_times.txt"_s, alternating(51)}} << u"trip=T1"_s
            << u"T1\nstop_times.txt: trip \"T1\" uses ticket numbers 1 to 51; the board shows 1 to "
               u"50, the fares of the others are in the file only"_s;
        const QString stops = u"stops.txt"_s, times = u"stop_times.txt"_s;
        QTest::newRow("stops.txt empty") << Files{{stops, ""}} << u"route=R1"_s
                                         << u"stops.txt: missing from the feed, or empty"_s;
        QTest::newRow("no stop_sequence column")
            << Files{{times, "trip_id,stop_id,seq\nT1,A,1\n"}} << u"route=R1"_s
            << u"stop_times.txt: has no column \"stop_sequence\""_s;
        QTest::newRow("translations.txt of neither form")
            << Files{{u"translations.txt"_s, "id,text\n1,x\n"}} << u"route=R1"_s
            << u"translations.txt: has no column \"table_name\""_s;
        QTest::newRow("no such route")
            << Files{} << u"route=R9"_s << u"routes.txt: no route \"R9\""_s;
        QTest::newRow("no such trip") << Files{} << u"trip=T9"_s << u"trips.txt: no trip \"T9\""_s;
        QTest::newRow("a trip of another route")
            << Files{} << u"route=R2 trip=T1"_s
            << u"trips.txt: trip \"T1\" is not a trip of route \"R2\""_s;
        QTest::newRow("a trip in the other direction")
            << Files{} << u"trip=T1 dir=1"_s
            << u"trips.txt: trip \"T1\" does not run in direction 1"_s;
        QTest::newRow("no trip in that direction")
            << Files{} << u"route=R2 dir=1"_s
            << u"trips.txt: route \"R2\" has no trips in direction 1"_s;
        QTest::newRow("a trip without stop_times")
            << Files{{u"trips.txt"_s, "route_id,trip_id\nR1,T1\nR1,T7\n"}} << u"trip=T7"_s
            << u"stop_times.txt: trip \"T7\" has 0 stop(s); a route needs at least 2"_s;
        QTest::newRow("a stop missing from stops.txt")
            << Files{{times, "trip_id,stop_id,stop_sequence\nT1,A,1\nT1,Q,2\n"}} << u"trip=T1"_s
            << u"stops.txt: the stop \"Q\" of trip \"T1\" is not in the file"_s;
        QTest::newRow("a stop_sequence that is no number")
            << Files{{times, "trip_id,stop_id,stop_sequence\nT1,A,1\nT1,B,2a\n"}} << u"trip=T1"_s
            << u"stop_times.txt: the stop_sequence \"2a\" of trip \"T1\" is not a whole number"_s;
        QTest::newRow("302 stops")
            << Files{{times, alternating(302)}} << u"trip=T1 zone"_s
            << u"stop_times.txt: trip \"T1\" has 302 stops, more than the 301"_s;
        QTest::newRow("151 tickets")
            << Files{{times, alternating(151)}} << u"trip=T1"_s
            << u"stop_times.txt: trip \"T1\" needs 151 ticket numbers, more than 150"_s;
        QTest::newRow("a short name without digits")
            << Files{} << u"route=R2"_s
            << u"routes.txt: the route_short_name \"急行\" of route \"R2\" gives no route"_s;
    }
    void outcomes()
    {
        QFETCH(Files, changes);
        QFETCH(QString, options);
        QFETCH(QString, outcome);
        const Result r = importFrom(feed(changes), options);
        const QString got =
            r.ok ? (QStringList{r.route.trip.id} + r.route.warnings).join(u'\n') : r.failure();
        QVERIFY2(r.ok ? got == outcome : got.startsWith(outcome), qPrintable(got));
    }

    // Digits among letters, full-width, with leading zeros; 0 and numbers
    // above 99999 give none.
    void routeNumbers()
    {
        const QList<std::pair<QString, int>> names{
            {u"急行3-1"_s, 31}, {u"１０５"_s, 105}, {u"007"_s, 7}, {u"0"_s, 0}, {u"100000"_s, 0}};
        for (const auto& [name, number] : names)
            QCOMPARE(routeNumberFromName(name), number);
    }

    void zips_data()
    {
        QTest::addColumn<QByteArray>("zip");
        QTest::addColumn<QString>("problem"); // empty: reads as the tidy feed
        // The files of `files` under `folder`, after the `first` entries.
        const auto zip = [](const Files& files, const QString& folder = {},
                            test::ZipEntries first = {}) {
            for (auto it = files.begin(); it != files.end(); ++it)
                first << qMakePair(folder + it.key(), it.value());
            return test::zipOf(first);
        };
        test::ZipEntries crowd;
        for (int i = 0; i < 30; ++i)
            crowd << qMakePair(u"extra%1.txt"_s.arg(i), QByteArray("x"));
        const QByteArray times = feed()[u"stop_times.txt"_s] + QByteArray(3 << 20, ' ');
        QTest::newRow("files at the top") << zip(feed()) << QString();
        QTest::newRow("files in a folder")
            << zip(feed(), u"feed/"_s,
                   {{u"other/deeper/stops.txt"_s, "junk"}, {u"__MACOSX/stops.txt"_s, "junk"}})
            << QString();
        QTest::newRow("not a zip") << "PK\3\4 but nothing more"_ba << u": not a zip file"_s;
        QTest::newRow("a table larger than its limit once uncompressed") // a few kB packed
            << zip(feed({{u"stop_times.txt"_s, times}}))
            << u"stop_times.txt: larger than 2 MiB uncompressed; refused"_s;
        QTest::newRow("too many entries")
            << zip(feed(), {}, crowd) << u": the zip holds 36 entries, more than 20; refused"_s;
        QTest::newRow("too many columns")
            << zip(feed({{u"routes.txt"_s, QByteArray(30, 'x').replace("x", "c,") + "route_id\n"}}))
            << u"routes.txt: the header has more than 25 columns; refused"_s;
    }
    void zips()
    {
        QFETCH(QByteArray, zip);
        QFETCH(QString, problem);
        QVERIFY(!zip.isEmpty());
        const ReadLimits limits{20, 25, qint64(2) << 20};
        Feed feed;
        Problem p;
        const bool ok = readZipData(zip, feed, p, limits);
        QCOMPARE(p.file + u": "_s + p.text, ok ? u": "_s : problem);
        if (!ok)
            return;
        const Importer importer(feed);
        ImportedRoute route;
        QVERIFY(importer.import(options(u"trip=T1"_s), route, p));
        QCOMPARE(route.fareFile, importFrom(::feed()).route.fareFile);
    }

    // A folder feed, names in any case; a folder without a feed; no zip.
    void folderFeeds()
    {
        QTemporaryDir dir, empty;
        const Files base = feed();
        for (auto it = base.begin(); it != base.end(); ++it)
            QVERIFY(test::writeFile(
                dir.filePath(it.key() == u"stops.txt"_s ? u"Stops.TXT"_s : it.key()), it.value()));
        Feed folder;
        Problem p;
        QVERIFY2(readFeed(dir.path(), folder, p), qPrintable(p.text));
        ImportedRoute route;
        QVERIFY(Importer(folder).import(options(u"trip=T1"_s), route, p));
        QCOMPARE(route.fareFile, importFrom(feed()).route.fareFile);
        QVERIFY(!readFeed(empty.path(), folder, p));
        QCOMPARE(p.file + u": "_s + p.text, u"stops.txt: missing from the feed, or empty"_s);
        const QString notAZip = dir.filePath(u"trips.txt"_s);
        QVERIFY(!readFeed(notAZip, folder, p));
        QCOMPARE(p.text, u"not a zip file or a folder"_s);
    }

    void writesBothFilesOrNeither()
    {
        QTemporaryDir dir;
        const QString fares = dir.filePath(u"fares"_s), tapes = dir.filePath(u"tapes"_s);
        QVERIFY(QDir().mkpath(fares));
        const Result r = importFrom(feed());
        QCOMPARE(r.route.number, 12);
        QString error;
        // The announcement folder is missing: the fare file goes back as it was.
        const QString hy3 = fares + u"/12.hy3"_s;
        QVERIFY(!writeRoute(r.route, fares, tapes, error));
        QVERIFY(!QFileInfo::exists(hy3));
        QVERIFY(test::writeFile(hy3, "previous"));
        QVERIFY(!writeRoute(r.route, fares, tapes, error));
        QCOMPARE(test::readFile(hy3), "previous");
        QCOMPARE(existingFiles(12, fares, tapes), QStringList{hy3});
        QVERIFY(QDir().mkpath(tapes));
        QVERIFY2(writeRoute(r.route, fares, tapes, error), qPrintable(error));
        QCOMPARE(test::readFile(hy3), r.route.fareFile);
        QCOMPARE(QDir(fares).entryList(QDir::Files), QStringList{u"12.hy3"_s}); // no temporaries
    }
};

LUMENA_TEST_GUILESS_MAIN(TestGtfsImport)
#include "tst_gtfs_import.moc"
