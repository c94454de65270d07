// lumena-data route from-gtfs / list-gtfs run as a process on the sample feed
// (as a folder and as a zip), the route it writes read back with route dump
// and drawn with render-board; refusals write nothing. And route check's
// exit code with and without --strict.

#include "panel/RouteFile.h"
#include "reslib/ShiftJis.h"
#include "tests/common/TestSupport.h"
#include "tests/common/ToolRun.h"
#include "tests/common/ZipWriter.h"

#include <QDir>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QTemporaryDir>

using namespace lumena;
using namespace Qt::StringLiterals;
using test::readFile;
using test::runTool;

namespace {

QString sampleFeed()
{
    return test::sourceDir() + u"/samples/gtfs"_s;
}

// The sample feed's files, by name.
QMap<QString, QByteArray> sampleFiles()
{
    QMap<QString, QByteArray> files;
    const QDir dir(sampleFeed());
    for (const QString& name : dir.entryList({u"*.txt"_s}, QDir::Files))
        files.insert(name, readFile(dir.filePath(name)));
    return files;
}

} // namespace

class TestToolGtfs : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // A new empty folder for one run.
    QString folder(const QString& name)
    {
        const QString path = m_dir.filePath(name);
        QDir(path).removeRecursively();
        QDir().mkpath(path);
        return path;
    }

    // The sample feed with some files replaced (or removed with "-"), written
    // as a folder.
    QString feedWith(const QString& name, const QMap<QString, QByteArray>& changes)
    {
        QMap<QString, QByteArray> files = sampleFiles();
        for (auto it = changes.begin(); it != changes.end(); ++it) {
            if (it.value() == "-")
                files.remove(it.key());
            else
                files[it.key()] = it.value();
        }
        const QString dir = folder(name);
        for (auto it = files.begin(); it != files.end(); ++it)
            test::writeFile(dir + u'/' + it.key(), it.value());
        return dir;
    }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // The sample route both ways; the same from the folder and from a zip.
    void sampleRoute_data()
    {
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<QStringList>("stops"); // "name ticket fare1 fare2 ..."
        QTest::addColumn<QString>("summary");
        QTest::newRow("route 21 outbound, a ticket per stop")
            << QStringList{u"--route"_s, u"R21"_s, u"--direction"_s, u"0"_s}
            << QStringList{u"緑町駅前 1"_s,
                           u"緑町一丁目 2 170"_s,
                           u"市民会館 3 210 210"_s,
                           u"本通り 4 210 210 170"_s,
                           u"港北小学校 5 250 250 210 210"_s,
                           u"潮見台 6 250 250 210 210 170"_s,
                           u"潮見台団地 7 290 290 250 250 210 210"_s,
                           u"灯台公園 8 330 330 290 290 250 250 210"_s}
            << u"8 stops, tickets 1 to 8 (trip T21-0700, direction 0, leaving 07:00:00, for "
               u"灯台公園)"_s;
        QTest::newRow("inbound, a ticket per zone, numbered 5")
            << QStringList{u"--route"_s,  u"R21"_s, u"--direction"_s, u"1"_s, u"--per-zone"_s,
                           u"--number"_s, u"5"_s}
            << QStringList{u"灯台公園 1"_s,
                           u"潮見台団地 2 210"_s,
                           u"潮見台 3 250 210"_s,
                           u"港北小学校 3 250 210"_s,
                           u"本通り 4 290 250 210"_s,
                           u"市民会館 4 290 250 210"_s,
                           u"緑町一丁目 5 330 290 250 210"_s,
                           u"緑町駅前 5 330 290 250 210"_s}
            << u"8 stops, tickets 1 to 5 (trip T21-0730, direction 1, leaving 07:30:00, for "
               u"緑町駅前)"_s;
    }
    void sampleRoute()
    {
        QFETCH(QStringList, options);
        QFETCH(QStringList, stops);
        QFETCH(QString, summary);
        const QString zip = m_dir.filePath(u"sample.zip"_s);
        test::ZipEntries entries;
        const QMap<QString, QByteArray> files = sampleFiles();
        for (auto it = files.begin(); it != files.end(); ++it)
            entries << qMakePair(it.key(), it.value());
        QVERIFY(test::writeZip(zip, entries));

        QByteArray fromFolder[2];
        for (const QString& feed : {sampleFeed(), zip}) {
            const QString out = folder(u"out"_s);
            const test::ToolRun r =
                runTool(QStringList{u"route"_s, u"from-gtfs"_s} + options + QStringList{feed, out});
            QVERIFY2(r.exitCode == 0, r.err.constData());
            QCOMPARE(r.err, QByteArray());
            const QString number = options.contains(u"--number"_s) ? u"5"_s : u"21"_s;
            const QString hy3 = out + u'/' + number + u".hy3"_s;
            QCOMPARE(QString::fromUtf8(r.out).section(u'\n', 0, 0), hy3 + u": "_s + summary);

            const test::ToolRun dump = runTool({u"route"_s, u"dump"_s, hy3});
            QCOMPARE(dump.exitCode, 0);
            const QJsonArray records = QJsonDocument::fromJson(dump.out)[u"records"_s].toArray();
            QStringList got;
            for (const QJsonValue& v : records) {
                QString line =
                    v[u"stop"_s].toString() + u' ' + QString::number(v[u"ticket"_s].toInt());
                const QJsonArray fares = v[u"fares"_s].toArray();
                for (int k = 1; k < v[u"ticket"_s].toInt(); ++k)
                    line += u' ' + QString::number(fares[k - 1].toInt());
                got << line;
            }
            QCOMPARE(got, stops);

            const QByteArray tape = readFile(out + u'/' + number + u"tp.csv"_s);
            const QStringList lines = sjis::toUnicode(tape).split(u"\r\n"_s, Qt::SkipEmptyParts);
            QCOMPARE(lines.size(), stops.size());
            QVERIFY2(lines[0].startsWith(u"ちゅうおうせん、"_s), qPrintable(lines[0]));
            QVERIFY(lines.last().startsWith(u"次は、終点、"_s));
            QVERIFY(lines.last().endsWith(u"です。,1,1"_s));

            const test::ToolRun check = runTool({u"route"_s, u"check"_s, u"--strict"_s, hy3});
            QVERIFY2(check.exitCode == 0, check.out.constData());
            fromFolder[feed == zip] = readFile(hy3) + tape;
        }
        QCOMPARE(fromFolder[1], fromFolder[0]);
    }

    // The imported route runs: the board shows its first stop.
    void importedRouteRenders()
    {
        const QString out = folder(u"render"_s);
        QCOMPARE(runTool({u"route"_s, u"from-gtfs"_s, u"--route"_s, u"R21"_s, sampleFeed(), out})
                     .exitCode,
                 0);
        const QString png = m_dir.filePath(u"board.png"_s);
        const test::ToolRun r = runTool({u"render-board"_s, u"--data"_s, out, u"--route"_s, u"21"_s,
                                         u"--section"_s, u"1"_s, u"--step"_s, u"2"_s, png});
        QVERIFY2(r.exitCode == 0, r.err.constData());
        QVERIFY2(QString::fromUtf8(r.out).contains(u"市民会館"_s), r.out.constData());
    }

    void listOfRoutes()
    {
        const test::ToolRun r = runTool({u"route"_s, u"list-gtfs"_s, sampleFeed()});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(r.out),
                 u"route_id\troute_short_name\troute_long_name\ttrips\tstops_direction_0\t"
                 u"stops_direction_1\tstops_no_direction\nR21\t21\t中央線\t5\t8\t8\t-\n"_s);
    }

    // Warnings go to standard error; the route is written and the exit is 0.
    void warnings()
    {
        const QString feed = feedWith(u"nofares"_s, {{u"fare_rules.txt"_s, "-"}});
        const QString out = folder(u"warned"_s);
        const test::ToolRun r =
            runTool({u"route"_s, u"from-gtfs"_s, u"--route"_s, u"R21"_s, feed, out});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(r.err, QByteArray("lumena-data: warning: fare_attributes.txt, fare_rules.txt: the "
                                   "feed has no fares; every fare is -1\n"));
        QCOMPARE(QDir(out).entryList(QDir::Files), (QStringList{u"21.hy3"_s, u"21tp.csv"_s}));
    }

    void refusalsWriteNothing_data()
    {
        QTest::addColumn<QString>("feed"); // "@sample", "@nostops", "@none" or a path
        QTest::addColumn<QStringList>("options");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("problem");
        const QStringList route{u"--route"_s, u"R21"_s};
        QTest::newRow("no such feed")
            << u"@none"_s << route << 1 << u"none: no such file or folder"_s;
        QTest::newRow("not a zip")
            << u"@text"_s << route << 1 << u"notes.txt: not a zip file or a folder"_s;
        QTest::newRow("stops.txt missing")
            << u"@nostops"_s << route << 1 << u"stops.txt: missing from the feed, or empty"_s;
        QTest::newRow("no such route") << u"@sample"_s << QStringList{u"--route"_s, u"R9"_s} << 1
                                       << u"gtfs: routes.txt: no route \"R9\""_s;
        QTest::newRow("no such output folder")
            << u"@sample"_s << route + QStringList{u"--out=missing"_s} << 1
            << u"missing: no such folder"_s;
        QTest::newRow("neither route nor trip")
            << u"@sample"_s << QStringList() << 2 << u"name the route (--route) or the trip"_s;
        QTest::newRow("direction 2")
            << u"@sample"_s << route + QStringList{u"--direction"_s, u"2"_s} << 2
            << u"--direction must be 0 or 1"_s;
        QTest::newRow("number 0") << u"@sample"_s << route + QStringList{u"--number"_s, u"0"_s} << 2
                                  << u"--number must be from 1 to 99999"_s;
    }
    void refusalsWriteNothing()
    {
        QFETCH(QString, feed);
        QFETCH(QStringList, options);
        QFETCH(int, exitCode);
        QFETCH(QString, problem);
        if (feed == u"@sample"_s)
            feed = sampleFeed();
        else if (feed == u"@nostops"_s)
            feed = feedWith(u"nostops"_s, {{u"stops.txt"_s, "-"}});
        else if (feed == u"@text"_s)
            test::writeFile(feed = m_dir.filePath(u"notes.txt"_s), "route list");
        else
            feed = m_dir.filePath(u"none"_s);
        QString out = folder(u"refused"_s);
        if (options.removeAll(u"--out=missing"_s))
            out = m_dir.filePath(u"missing"_s);
        const test::ToolRun r =
            runTool(QStringList{u"route"_s, u"from-gtfs"_s} + options + QStringList{feed, out});
        QCOMPARE(r.exitCode, exitCode);
        if (exitCode == 1)
            QVERIFY(test::isOneLineRefusal(r, problem));
        else
            QVERIFY2(QString::fromUtf8(r.err).contains(problem), r.err.constData());
        QCOMPARE(QDir(m_dir.filePath(u"refused"_s)).entryList(QDir::Files), QStringList());
    }

    // route check: 1 only for a file the simulator refuses, or with --strict
    // for any warning too.
    void checkExitCodes_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("plain");
        QTest::addColumn<int>("strict");
        RouteRecord a;
        a.StopName = u"A"_s;
        QByteArray sound;
        QVERIFY(!routefile::encode({a, a}, sound));
        QByteArray one;
        QVERIFY(!routefile::encode({a}, one));
        QTest::newRow("sound") << sound << 0 << 0;
        QTest::newRow("accepted with a warning") << sound + "xyz" << 0 << 1;
        QTest::newRow("refused") << one << 1 << 1;
    }
    void checkExitCodes()
    {
        QFETCH(QByteArray, bytes);
        const QString path = m_dir.filePath(u"check.hy3"_s);
        QVERIFY(test::writeFile(path, bytes));
        QTEST(runTool({u"route"_s, u"check"_s, path}).exitCode, "plain");
        QTEST(runTool({u"route"_s, u"check"_s, u"--strict"_s, path}).exitCode, "strict");
    }
};

LUMENA_TEST_GUILESS_MAIN(TestToolGtfs)
#include "tst_tool_gtfs.moc"
