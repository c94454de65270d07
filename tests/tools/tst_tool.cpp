// lumena-data run as a process: each command on a good input, and every
// refusal in one table.

#include "board/BoardLayout.h"
#include "board/BoardScale.h"
#include "panel/RouteFile.h"
#include "reslib/Colors.h"
#include "settings/IniCodec.h"
#include "tests/common/Probes.h"
#include "tests/common/TestSupport.h"
#include "tests/common/ToolRun.h"
#include "tests/common/ZipWriter.h"
#include "tests/settings/IniSamples.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QRegularExpression>
#include <QSet>
#include <QTemporaryDir>

#include <sys/stat.h>

using namespace lumena;
using namespace lumena::test;
using namespace Qt::StringLiterals;

namespace {

QString samples(const QString& sub)
{
    return sourceDir() + u"/samples/"_s + sub;
}

RouteRecord record(const QString& name, qint16 ticket)
{
    RouteRecord r;
    r.StopName = name;
    r.TicketNo = ticket;
    for (int k = 1; k <= 150; ++k)
        r.setFare(k, static_cast<qint16>(k * 7 - 300));
    r.setFare(3, -1);
    r.setFare(150, 32767);
    return r;
}

QByteArray image(const QList<RouteRecord>& rs)
{
    QByteArray b;
    if (routefile::encode(rs, b))
        qFatal("encode failed");
    return b;
}

// The sample GTFS feed's files, but `without`.
ZipEntries sampleFeed(const QString& without = {})
{
    ZipEntries files;
    const QDir dir(samples(u"gtfs"_s));
    for (const QString& name : dir.entryList({u"*.txt"_s}, QDir::Files))
        if (name != without)
            files << qMakePair(name, readFile(dir.filePath(name)));
    return files;
}

// Quarters (0..3, left to right) of `img` holding a pixel of `rgb`.
QSet<int> quartersWith(const QImage& img, QRgb rgb)
{
    QSet<int> out;
    for (int x : litRows(img.height(), img.width(), [&](int y, int x) {
             return (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
         }))
        out << x * 4 / img.width();
    return out;
}

// 1500 x 600 twips on yellow paper, the number in red on the right half.
const QByteArray plugin = "[ticket]\nformat = 1\nname = 試験券\nwidth = 1500\nheight = 600\n"
                          "paper = #FFFF00\n[companies]\nname = 甲社\n"
                          "name = 乙社\n[text]\nbox = 750, 0, 750, 600\ntext = {ticket}\n"
                          "size = 500\ncolor = #FF0000\n";

} // namespace

class TestTool : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    QString file(const QString& name, const std::optional<QByteArray>& bytes = {})
    {
        const QString p = m_dir.filePath(name);
        if (bytes && !writeFile(p, *bytes))
            qFatal("cannot write test file");
        return p;
    }

private slots:
    void init() { failOnUnexpectedWarnings(); }

    // to-csv and back gives every byte again; route dump shows every field.
    void csvRoundTripAndDump()
    {
        const QString hy3 = file(u"a.hy3"_s, image({record(QString(), 0), record(u"市役所,前"_s, 1),
                                                    record(u"\"引用\" と、改行"_s, -2),
                                                    record(u"ｱｲｳ（北口）ー。"_s, 3)}));
        QCOMPARE(runTool({u"route"_s, u"to-csv"_s, hy3, file(u"a.csv"_s)}).exitCode, 0);
        QVERIFY(readFile(file(u"a.csv"_s)).startsWith("stop,ticket,fare1,fare2,"));
        QCOMPARE(runTool({u"route"_s, u"from-csv"_s, file(u"a.csv"_s), file(u"b.hy3"_s)}).exitCode,
                 0);
        QCOMPARE(readFile(file(u"b.hy3"_s)), readFile(hy3));

        const ToolRun r = runTool({u"route"_s, u"dump"_s, hy3});
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o.value(u"count"_s).toInt(), 4);
        const QJsonObject quoted = o.value(u"records"_s)[2].toObject();
        QCOMPARE(quoted.value(u"stop"_s).toString(), u"\"引用\" と、改行"_s);
        QCOMPARE(quoted.value(u"ticket"_s).toInt(), -2);
        const QJsonArray fares = quoted.value(u"fares"_s).toArray();
        QCOMPARE(
            (QList<int>{int(fares.size()), fares[0].toInt(), fares[2].toInt(), fares[149].toInt()}),
            (QList<int>{150, -293, -1, 32767}));
    }

    void shortCsvRowsReadAsZero()
    {
        const QString csv =
            file(u"s.csv"_s,
                 "\xEF\xBB\xBFstop,ticket,fare1,fare2,fare3\r\nA,1,170\r\n\"B\",2,190,,170\r\n");
        QCOMPARE(runTool({u"route"_s, u"from-csv"_s, csv, file(u"s.hy3"_s)}).exitCode, 0);
        QList<RouteRecord> b;
        QVERIFY(!routefile::readRecords(readFile(file(u"s.hy3"_s)), b) && b.size() == 2);
        QCOMPARE((QList<qint16>{b[0].fare(1), b[0].fare(2), b[1].fare(3), b[1].fare(150)}),
                 (QList<qint16>{170, 0, 170, 0}));
    }

    // Every finding; exit 1 for a file the simulator refuses, with --strict
    // for a warning too.
    void check_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("plain");
        QTest::addColumn<int>("strict");
        QTest::addColumn<QStringList>("lines"); // after "FILE: "
        RouteRecord a;
        a.StopName = u"A"_s;
        for (int k = 1; k <= 150; ++k)
            a.setFare(k, static_cast<qint16>(100 + k));
        a.setFare(9, -1);
        RouteRecord odd = a;
        odd.setFare(1, -1);
        odd.setFare(2, -2);
        odd.setFare(3, 0);
        RouteRecord control = a, unreadable = a;
        control.StopName = u"b\x1C"_s;
        unreadable.StopName = u"XX"_s; // its bytes become EC E4, no Shift-JIS
        const QString accepted = u"accepted: 2 stops, sections 1 to 1"_s;
        QTest::newRow("sound") << image({a, a}) << 0 << 0 << QStringList{accepted};
        QTest::newRow("one record") << image({a}) << 1 << 1
                                    << QStringList{u"only 1 record: no section can be set "
                                                   u"(sections run 1 to count - 1)"_s};
        QTest::newRow("count 302")
            << image(QList<RouteRecord>(302, odd)) << 1 << 1
            << QStringList{u"302 records: more than the 301 the route table holds"_s};
        QTest::newRow("odd fares and trailing bytes")
            << image({a, odd}) + "xyz" << 0 << 1
            << QStringList{u"record 2: negative fares other than the -1 marker: fare2 = -2"_s,
                           u"3 byte(s) after the last record are ignored"_s, accepted};
        QTest::newRow("names no CSV carries")
            << image({a, control, unreadable}).replace("XX", "\xEC\xE4") << 0 << 1
            << QStringList{u"record 2: the stop name has the control character U+001C"_s,
                           u"record 3: the stop name is not valid Shift-JIS"_s};
    }
    void check()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        const QString hy3 = file(u"c.hy3"_s, bytes);
        const ToolRun r = runTool({u"route"_s, u"check"_s, hy3});
        QTEST(r.exitCode, "plain");
        QTEST(runTool({u"route"_s, u"check"_s, u"--strict"_s, hy3}).exitCode, "strict");
        for (const QString& l : lines)
            QVERIFY2(QString::fromUtf8(r.out).contains(hy3 + u": "_s + l + u'\n'),
                     r.out.constData());
    }

    // The committed .hy3 samples are what the tool builds from their CSVs.
    void samplesAreBuiltFromTheirSources()
    {
        const QDir routes(samples(u"routes"_s));
        const QStringList csvs = routes.entryList({u"*.csv"_s}, QDir::Files);
        QVERIFY(csvs.size() >= 2);
        for (const QString& csv : csvs) {
            const QString hy3 = csv.chopped(4) + u".hy3"_s;
            QCOMPARE(runTool({u"route"_s, u"from-csv"_s, routes.filePath(csv), file(hy3)}).exitCode,
                     0);
            QCOMPARE(readFile(file(hy3)), readFile(samples(u"data/"_s + hy3)));
            const ToolRun r = runTool({u"route"_s, u"check"_s, file(hy3)});
            QVERIFY2(r.exitCode == 0, r.out.constData());
        }
    }

    // The summary, both files, a route that passes check --strict, and the
    // importer's warnings.
    void routeFromGtfs_data()
    {
        QTest::addColumn<QStringList>("args"); // @zip: the sample feed without fare_rules.txt
        QTest::addColumn<QString>("summary");
        QTest::addColumn<QByteArray>("warnings");
        const QStringList r21{u"--route"_s, u"R21"_s};
        const QString outbound = u"21.hy3: 8 stops, tickets 1 to 8 (trip T21-0700, direction 0, "
                                 u"leaving 07:00:00, for 灯台公園)"_s;
        QTest::newRow("outbound, a ticket per stop")
            << r21 + QStringList{u"--direction"_s, u"0"_s, samples(u"gtfs"_s)} << outbound
            << QByteArray();
        QTest::newRow("inbound, a ticket per zone, numbered 5")
            << r21 + QStringList{u"--direction"_s, u"1"_s, u"--per-zone"_s,
                                 u"--number"_s,    u"5"_s, samples(u"gtfs"_s)}
            << u"5.hy3: 8 stops, tickets 1 to 5 (trip T21-0730, direction 1, leaving 07:30:00, "
               u"for 緑町駅前)"_s
            << QByteArray();
        QTest::newRow("a zip without fares") << r21 + QStringList{u"@zip"_s} << outbound
                                             << QByteArray("lumena-data: warning: "
                                                           "fare_attributes.txt, fare_rules.txt: "
                                                           "the feed has no fares; every fare is "
                                                           "-1\n");
    }
    void routeFromGtfs()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, summary);
        const QTemporaryDir outDir;
        const QString out = outDir.path();
        args.replaceInStrings(u"@zip"_s,
                              file(u"nofares.zip"_s, zipOf(sampleFeed(u"fare_rules.txt"_s))));
        const ToolRun r =
            runTool(QStringList{u"route"_s, u"from-gtfs"_s} + args + QStringList{out});
        QCOMPARE(r.exitCode, 0);
        QTEST(r.err, "warnings");
        QCOMPARE(QString::fromUtf8(r.out).section(u'\n', 0, 0), out + u'/' + summary);
        const QString number = summary.section(u'.', 0, 0);
        QCOMPARE(QDir(out).entryList(QDir::Files),
                 (QStringList{number + u".hy3"_s, number + u"tp.csv"_s}));
        const ToolRun check =
            runTool({u"route"_s, u"check"_s, u"--strict"_s, out + u'/' + number + u".hy3"_s});
        QVERIFY2(check.exitCode == 0, check.out.constData());
    }

    void listGtfs()
    {
        const ToolRun r = runTool({u"route"_s, u"list-gtfs"_s, samples(u"gtfs"_s)});
        QCOMPARE(r.exitCode, 0);
        QCOMPARE(QString::fromUtf8(r.out),
                 u"route_id\troute_short_name\troute_long_name\ttrips\tstops_direction_0\t"
                 u"stops_direction_1\tstops_no_direction\nR21\t21\t中央線\t5\t8\t8\t-\n"_s);
    }

    // Route 12 set and stepped: the cells lit up to the stop, in the settings
    // file's colour, at the scale asked.
    void renderBoard_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QRgb>("lit");
        QTest::addColumn<int>("cells"); // cells 1..cells lit, the next one not
        QTest::addColumn<int>("scale");
        QTest::addColumn<QString>("says");
        const QStringList fourth{u"--step"_s, u"3"_s};
        const QRgb yellow = rgbFromBgr(0x0072D2F8);
        QTest::newRow("fourth stop, default colours")
            << fourth << yellow << 4 << 1 << u"中央公園"_s;
        QTest::newRow("first stop, settings file colours")
            << QStringList{u"--settings"_s, u"@ini"_s} << qRgb(0, 255, 0) << 1 << 1 << QString();
        QTest::newRow("fourth stop at 2x")
            << fourth + QStringList{u"--scale"_s, u"2"_s} << yellow << 4 << 2 << u"中央公園"_s;
    }
    void renderBoard()
    {
        QFETCH(QStringList, args);
        QFETCH(QRgb, lit);
        QFETCH(int, cells);
        QFETCH(int, scale);
        IniData green;
        green.DegitInfo.DegitLitColor = 0x0000FF00;
        args.replaceInStrings(u"@ini"_s, file(u"green.in4"_s, encodeIni(green)));
        const QString out = file(u"board.png"_s);
        const ToolRun r = runTool(QStringList{u"render-board"_s, u"--data"_s, samples(u"data"_s),
                                              u"--route"_s, u"12"_s, u"--section"_s, u"1"_s} +
                                  args + QStringList{out});
        QCOMPARE(r.exitCode, 0);
        QFETCH(QString, says);
        QVERIFY(QString::fromUtf8(r.out).contains(says));
        const QImage img(out);
        QCOMPARE(img.size(), layout::BoardSize * scale);
        for (int cell = 1; cell <= cells + 1; ++cell) // Degit(cell) lit or not
            QVERIFY2(
                quartersWith(img.copy(scaledRect(layout::degitRect(cell), scale)), lit).isEmpty() ==
                    (cell > cells),
                qPrintable(QString::number(cell)));
    }

    void renderName()
    {
        const QString out = file(u"name.png"_s);
        QCOMPARE(runTool({u"render-name"_s, u"--mode"_s, u"0"_s, u"駅前"_s, out}).exitCode, 0);
        const QImage img(out);
        QCOMPARE(img.size(), QSize(37, 192));
        QCOMPARE(img.pixel(0, 0), qRgb(128, 128, 128));
        const QList<int> rows = litRows(img.width(), img.height(), [&](int x, int y) {
            return img.pixel(x, y) == qRgb(255, 190, 0);
        });
        QVERIFY2(!rows.isEmpty() && rows[0] >= 32 && rows[0] < 40,
                 qPrintable(QString::number(rows.value(0))));
    }

    // A number lights the right-hand cell; a blank text stays a text.
    void renderDigits()
    {
        const QString out = file(u"digits.png"_s);
        for (const auto& [value, lit] :
             {std::pair(u"7"_s, QSet<int>{3}), std::pair(u" "_s, QSet<int>{})}) {
            QCOMPARE(runTool({u"render-digits"_s, u"--"_s, value, out}).exitCode, 0);
            const QImage img(out);
            QCOMPARE(img.pixel(0, 0), qRgb(128, 128, 128));
            QCOMPARE(quartersWith(img, rgbFromBgr(0x0072D2F8)), lit);
        }
    }

    void ticketInfoAndRender()
    {
        const QString plug = file(u"t.4SP"_s, plugin);
        const ToolRun r = runTool({u"ticket"_s, u"info"_s, plug});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o.value(u"name"_s).toString(), u"試験券"_s);
        QCOMPARE(o.value(u"PlgInfo"_s)[u"heightTwips"_s].toInt(), 600);
        const QJsonArray words = o.value(u"words"_s).toArray();
        QCOMPARE(words.size(), 14);
        QCOMPARE(words[1].toInt(), 1500); // in the order the program receives them
        QCOMPARE(o.value(u"companies"_s).toArray(), (QJsonArray{u"甲社"_s, u"乙社"_s}));

        const QString out = file(u"ticket.png"_s);
        QCOMPARE(runTool({u"ticket"_s, u"render"_s, plug, out, u"--ticket"_s, u"7"_s}).exitCode, 0);
        const QImage ticket(out);
        QCOMPARE(ticket.size(), QSize(100, 40));
        QCOMPARE(ticket.pixel(10, 20), qRgb(255, 255, 0)); // the paper
        const QSet<int> red = quartersWith(ticket, qRgb(255, 0, 0));
        QVERIFY(!red.isEmpty() && !red.intersects({0, 1})); // the number's box
    }

    // Item n of the file is the n-th key, with numberedIni()'s value for n.
    void settingsDumpHasEveryItemInFileOrder()
    {
        const QString path = file(u"LM-50.in4"_s, encodeIni(numberedIni()));
        const ToolRun r = runTool({u"settings"_s, u"dump"_s, path});
        QCOMPARE(r.exitCode, 0);
        QJsonParseError pe;
        const QJsonObject o = QJsonDocument::fromJson(r.out, &pe).object();
        QCOMPARE(pe.error, QJsonParseError::NoError);
        QVERIFY(r.out.contains(R"("StepSound1": "a\"b\\c\u0009d")")); // strict JSON escapes
        static const QRegularExpression key(u"^  \"(\\w+)\":"_s,
                                            QRegularExpression::MultilineOption);
        QStringList keys;
        for (auto it = key.globalMatch(QString::fromUtf8(r.out)); it.hasNext();)
            keys << it.next().captured(1);
        QCOMPARE(keys.size(), 72);
        for (int n = 1; ItemKinds[n - 1]; ++n) {
            const QJsonValue v = o.value(keys[n - 1]);
            const char kind = ItemKinds[n - 1];
            const qint64 number = kind == 's'   ? qint64(s16(n))
                                  : kind == 'c' ? qint64(c32(n))
                                                : s32(n);
            QCOMPARE(v.isString() ? v.toString() : QString::number(v.toInteger()),
                     kind == 'T' ? txt(n) : QString::number(number));
        }
        QCOMPARE(keys.mid(70), (QStringList{u"CustColors"_s, u"DegitCells"_s}));
        const QJsonArray cust = o.value(u"CustColors"_s).toArray();
        QCOMPARE(cust.size(), 17);
        QCOMPARE(cust.at(16).toInteger(), qint64(c32(216)));
        const QJsonArray cells = o.value(u"DegitCells"_s).toArray();
        QCOMPARE(cells.size(), 50);
        QCOMPARE(cells.at(49).toArray(), (QJsonArray{s16(147), s16(148), s16(149)}));
    }

    // The message and exit code (1: one line; 2: the command line); the old
    // output untouched, the output folder empty, no temporary left.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("args"); // @in: the input below, @out: an output file,
        QTest::addColumn<QByteArray>("input"); // @dir: an output folder, @gtfs: the sample feed
                                               // input @big: sparse, 32 MiB + 1; @fifo: a FIFO
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QString>("problem"); // @in: the input's path
        QByteArray cut = image({record(u"A"_s, 1), record(u"B"_s, 2)});
        cut.chop(1);
        QByteArray negative = image({record(u"A"_s, 1)});
        negative[0] = '\xFE';
        negative[1] = '\xFF';
        const QByteArray header = "stop,ticket,fare1\n";
        const QStringList dump{u"route"_s, u"dump"_s, u"@in"_s},
            toCsv{u"route"_s, u"to-csv"_s, u"@in"_s, u"@out"_s},
            fromCsv{u"route"_s, u"from-csv"_s, u"@in"_s, u"@out"_s},
            gtfs{u"route"_s, u"from-gtfs"_s, u"--route"_s, u"R21"_s};
        auto row = [](const char* tag, const QStringList& args, const QByteArray& in,
                      const char* problem, int exitCode = 1) {
            QTest::newRow(tag) << args << in << exitCode << QString::fromUtf8(problem);
        };
        row("dump: truncated", dump, cut, "@in: truncated");
        row("to-csv: negative count", toCsv, negative, "@in: negative");
        row("to-csv: bad Shift-JIS name", toCsv,
            QByteArray("\x01\x00\x02\x00\x81\x20", 6) + QByteArray(302, '\0'),
            "@in: the stop name of record 1 is not valid Shift-JIS");
        row("to-csv: a control character in a name", toCsv,
            image({record(u"a"_s, 1), record(u"b\x1C"_s, 2)}),
            "the stop name of record 2 has the control character U+001C");
        row("from-csv: wrong header", fromCsv, "stop,fare1\n", "@in: line 1: the header");
        row("from-csv: fare out of range", fromCsv, header + "A,1,32768\n", "fare1");
        row("from-csv: open quote", fromCsv, header + "\"A,1,2\n", "never closed");
        row("from-csv: no Shift-JIS form", fromCsv, header + "한,1,2\n", "Shift-JIS");
        row("from-csv: NUL in a name", fromCsv, header + "a,1,0\nb\0c,2,0\n"_ba,
            "@in: line 3 (stop 2): the stop name has the control character U+0000");
        row("from-csv: line feed in a quoted name", fromCsv, header + "a,1,0\n\"b\nc\",2,0\n"_ba,
            "line 3 (stop 2): the stop name has the control character U+000A");
        row("from-gtfs: no such route",
            {u"route"_s, u"from-gtfs"_s, u"--route"_s, u"R9"_s, u"@gtfs"_s, u"@dir"_s}, {},
            "gtfs: routes.txt: no route \"R9\"");
        row("from-gtfs: no such output folder", gtfs + QStringList{u"@gtfs"_s, u"@dir/none"_s}, {},
            "none: no such folder");
        row("from-gtfs: neither route nor trip",
            {u"route"_s, u"from-gtfs"_s, u"@gtfs"_s, u"@dir"_s}, {},
            "name the route (--route) or the trip", 2);
        row("from-gtfs: direction 2",
            gtfs + QStringList{u"--direction"_s, u"2"_s, u"@gtfs"_s, u"@dir"_s}, {},
            "--direction must be 0 or 1", 2);
        row("from-gtfs: number 0", gtfs + QStringList{u"--number"_s, u"0"_s, u"@gtfs"_s, u"@dir"_s},
            {}, "--number must be from 1 to 99999", 2);
        row("render-board: no such route",
            {u"render-board"_s, u"--data"_s, samples(u"data"_s), u"--section"_s, u"1"_s,
             u"--route"_s, u"999"_s, u"@out"_s},
            {}, "route not set");
        row("render-board: scale 5",
            {u"render-board"_s, u"--data"_s, samples(u"data"_s), u"--section"_s, u"1"_s,
             u"--route"_s, u"12"_s, u"--scale"_s, u"5"_s, u"@out"_s},
            {}, "--scale is 1, 2, 3 or 4");
        row("render-name: unwritable output",
            {u"render-name"_s, u"駅"_s, u"/nonexistent/dir/o.png"_s}, {}, "/nonexistent/dir");
        row("render-digits: size out of range",
            {u"render-digits"_s, u"--size"_s, u"70000"_s, u"7"_s, u"@out"_s}, {}, "--size");
        row("ticket render: no plug-in", {u"ticket"_s, u"render"_s, u"@in"_s, u"@out"_s},
            "[ticket]\n", "@in: not accepted as a ticket plug-in");
        // Refused before reading: a FIFO would block for ever.
        row("check: too large", {u"route"_s, u"check"_s, u"@in"_s}, "@big",
            "@in: larger than 33554432 bytes");
        row("from-csv: a FIFO", fromCsv, "@fifo", "not a regular file");
        row("settings dump: no such file", {u"settings"_s, u"dump"_s, u"@in.none"_s}, {},
            "@in.none");
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(int, exitCode);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"bad.in"_s), out = dir.filePath(u"bad.out"_s),
                      outDir = dir.filePath(u"out"_s);
        QVERIFY(writeFile(in, input) && writeFile(out, "previous") && QDir().mkpath(outDir));
        if (input == "@big")
            QVERIFY(QFile::resize(in, (qint64(32) << 20) + 1));
        if (input == "@fifo")
            QVERIFY(QFile::remove(in) && ::mkfifo(QFile::encodeName(in).constData(), 0600) == 0);
        args.replaceInStrings(u"@in"_s, in)
            .replaceInStrings(u"@out"_s, out)
            .replaceInStrings(u"@dir"_s, outDir)
            .replaceInStrings(u"@gtfs"_s, samples(u"gtfs"_s));
        const ToolRun r = runTool(args);
        problem.replace(u"@in"_s, in);
        if (exitCode == 1)
            QVERIFY(isOneLineRefusal(r, problem));
        else
            QVERIFY2(r.exitCode == exitCode && QString::fromUtf8(r.err).contains(problem),
                     r.err.constData());
        QCOMPARE(readFile(out), QByteArray("previous"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files | QDir::System).size(), 2);
        QVERIFY(QDir(outDir).isEmpty());
    }
};

LUMENA_TEST_GUILESS_MAIN(TestTool)
#include "tst_tool.moc"
