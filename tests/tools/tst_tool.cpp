// lumena-data run as a separate process: the route commands on good and bad
// files, render-board on the sample routes, render-name, render-digits, and
// ticket info and render on a plug-in written here. Every refusal is one line
// on standard error and a non-zero exit, and leaves the output as it was.

#include "board/BoardLayout.h"
#include "panel/RouteFile.h"
#include "reslib/Colors.h"
#include "settings/IniCodec.h"
#include "tests/common/Probes.h"
#include "tests/common/TestSupport.h"
#include "tests/common/ToolRun.h"

#include <QDir>
#include <QImage>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSet>
#include <QTemporaryDir>
#include <optional>

using namespace lumena;
using namespace Qt::StringLiterals;
using test::readFile;
using test::runTool;

namespace {

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

// Quarters (0..3, left to right) of `img` holding a pixel of `rgb`.
QSet<int> quartersWith(const QImage& img, QRgb rgb)
{
    QSet<int> out;
    for (int x : test::litRows(img.height(), img.width(), [&](int y, int x) {
             return (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF);
         }))
        out << x * 4 / img.width();
    return out;
}

// A 1500 x 600 twips plug-in on yellow paper, its ticket number in red on
// the right half, with two companies.
const QByteArray plugin = "[ticket]\nformat = 1\nname = 試験券\nwidth = 1500\nheight = 600\n"
                          "paper = #FFFF00\n[companies]\nname = 甲社\n"
                          "name = 乙社\n[text]\nbox = 750, 0, 750, 600\ntext = {ticket}\n"
                          "size = 500\ncolor = #FF0000\n";

} // namespace

class TestTool : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // The path of `name` in the test folder, written with `bytes` first if given.
    QString file(const QString& name, const std::optional<QByteArray>& bytes = {})
    {
        const QString p = m_dir.filePath(name);
        if (bytes && !test::writeFile(p, *bytes))
            qFatal("cannot write test file");
        return p;
    }

    // render-board on the sample data with `args`, writing `out`; `@ini` stands
    // for a settings file with green lit segments.
    test::ToolRun render(QStringList args, const QString& out)
    {
        IniData green;
        green.DegitInfo.DegitLitColor = 0x0000FF00;
        args.replaceInStrings(u"@ini"_s, file(u"green.in4"_s, encodeIni(green)));
        return runTool(
            QStringList{u"render-board"_s, u"--data"_s, test::sourceDir() + u"/samples/data"_s} +
            args + QStringList{out});
    }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // --- route ---
    void csvRoundTripKeepsEveryByte()
    {
        const QString hy3 = file(u"a.hy3"_s, image({record(QString(), 0), record(u"市役所,前"_s, 1),
                                                    record(u"\"引用\" と\n改行"_s, -2),
                                                    record(u"ｱｲｳ（北口）ー。"_s, 3)}));
        QCOMPARE(runTool({u"route"_s, u"to-csv"_s, hy3, file(u"a.csv"_s)}).exitCode, 0);
        QVERIFY(readFile(file(u"a.csv"_s)).startsWith("stop,ticket,fare1,fare2,"));
        QCOMPARE(runTool({u"route"_s, u"from-csv"_s, file(u"a.csv"_s), file(u"b.hy3"_s)}).exitCode,
                 0);
        QCOMPARE(readFile(file(u"b.hy3"_s)), readFile(hy3));
    }

    void dumpIsJsonOfEveryField()
    {
        const QString hy3 = file(u"d.hy3"_s, image({record(u"駅前\\"_s, 5), record(QString(), 6)}));
        const test::ToolRun r = runTool({u"route"_s, u"dump"_s, hy3});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o.value(u"count"_s).toInt(), 2);
        const QJsonObject first = o.value(u"records"_s).toArray()[0].toObject();
        QCOMPARE(first.value(u"stop"_s).toString(), u"駅前\\"_s);
        QCOMPARE(first.value(u"ticket"_s).toInt(), 5);
        const QJsonArray fares = first.value(u"fares"_s).toArray();
        QCOMPARE(fares.size(), 150);
        QCOMPARE(fares[2].toInt(), -1);
        QCOMPARE(fares[149].toInt(), 32767);
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

    void check_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("exitCode");
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
        const QString accepted = u"accepted: 2 stops, sections 1 to 1"_s;
        QTest::newRow("sound") << image({a, a}) << 0 << QStringList{accepted};
        QTest::newRow("count 302")
            << image(QList<RouteRecord>(302, odd)) << 1
            << QStringList{u"302 records: more than the 301 the route table holds"_s};
        QTest::newRow("odd fares and trailing bytes")
            << image({a, odd}) + "xyz" << 0
            << QStringList{u"record 2: negative fares other than the -1 marker: fare2 = -2"_s,
                           u"3 byte(s) after the last record are ignored"_s, accepted};
    }
    void check()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, lines);
        const QString hy3 = file(u"c.hy3"_s, bytes);
        const test::ToolRun r = runTool({u"route"_s, u"check"_s, hy3});
        QTEST(r.exitCode, "exitCode");
        QStringList got = QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts);
        for (QString& l : got) {
            QVERIFY(l.startsWith(hy3 + u": "_s));
            l = l.mid(hy3.size() + 2);
        }
        for (const QString& l : lines)
            QVERIFY2(got.contains(l), qPrintable(got.join(u'|')));
    }

    // The committed .hy3 samples are what the tool builds from their CSV sources.
    void samplesAreBuiltFromTheirSources()
    {
        const QDir routes(test::sourceDir() + u"/samples/routes"_s);
        const QStringList csvs = routes.entryList({u"*.csv"_s}, QDir::Files);
        QVERIFY(csvs.size() >= 2);
        for (const QString& csv : csvs) {
            const QString hy3 = csv.chopped(4) + u".hy3"_s;
            QCOMPARE(runTool({u"route"_s, u"from-csv"_s, routes.filePath(csv), file(hy3)}).exitCode,
                     0);
            const QByteArray committed = readFile(test::sourceDir() + u"/samples/data/"_s + hy3);
            QCOMPARE(readFile(file(hy3)), committed);
            const test::ToolRun r = runTool({u"route"_s, u"check"_s, file(hy3)});
            QVERIFY2(r.exitCode == 0, r.out.constData());
        }
    }

    // --- render-board ---
    void renderBoardLitCells_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QRgb>("lit");
        QTest::addColumn<int>("cells"); // cells 1..cells lit, the next one not
        QTest::addColumn<QString>("says");
        const QStringList route{u"--route"_s, u"12"_s, u"--section"_s, u"1"_s};
        QTest::newRow("fourth stop, default colours")
            << route + QStringList{u"--step"_s, u"3"_s} << rgbFromBgr(0x0072D2F8) << 4
            << u"中央公園"_s;
        QTest::newRow("first stop, settings file colours")
            << route + QStringList{u"--settings"_s, u"@ini"_s} << qRgb(0, 255, 0) << 1 << QString();
    }
    void renderBoardLitCells()
    {
        QFETCH(QStringList, args);
        QFETCH(QRgb, lit);
        QFETCH(int, cells);
        QFETCH(QString, says);
        const QString out = m_dir.filePath(u"board.png"_s);
        const test::ToolRun r = render(args, out);
        QCOMPARE(r.exitCode, 0);
        QVERIFY(QString::fromUtf8(r.out).contains(says));
        const QImage img(out);
        QCOMPARE(img.size(), QSize(678, 234));
        for (int cell = 1; cell <= cells + 1; ++cell) // Degit(cell) lit or not
            QVERIFY2(quartersWith(img.copy(layout::degitRect(cell)), lit).isEmpty() ==
                         (cell > cells),
                     qPrintable(QString::number(cell)));
    }

    // --- render-name ---
    void renderNameStrip_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("firstCellTop");
        QTest::newRow("one character, centred") << QStringList{u"駅"_s} << 80;
        QTest::newRow("two, wide spacing") << QStringList{u"--mode"_s, u"0"_s, u"駅前"_s} << 32;
    }
    void renderNameStrip()
    {
        QFETCH(QStringList, args);
        QFETCH(int, firstCellTop);
        const QString out = m_dir.filePath(u"name.png"_s);
        QCOMPARE(runTool(QStringList{u"render-name"_s} + args + QStringList{out}).exitCode, 0);
        const QImage img(out);
        QCOMPARE(img.size(), QSize(37, 192));
        QCOMPARE(img.pixel(0, 0), qRgb(128, 128, 128));
        const QList<int> rows = test::litRows(img.width(), img.height(), [&](int x, int y) {
            return img.pixel(x, y) == qRgb(255, 190, 0);
        });
        QVERIFY2(!rows.isEmpty() && rows[0] >= firstCellTop && rows[0] < firstCellTop + 8,
                 qPrintable(QString::number(rows.value(0))));
    }

    // --- render-digits ---
    void renderDigitsLightsItsValue_data()
    {
        QTest::addColumn<QString>("value");
        QTest::addColumn<QSet<int>>("quarters"); // of the picture, holding lit segments
        QTest::newRow("one digit, right-aligned") << u"7"_s << QSet<int>{3};
        QTest::newRow("three digits") << u"170"_s << QSet<int>{1, 2, 3};
        QTest::newRow("four digits") << u"8888"_s << QSet<int>{0, 1, 2, 3};
        QTest::newRow("a blank text") << u" "_s << QSet<int>{};
    }
    void renderDigitsLightsItsValue()
    {
        QFETCH(QString, value);
        const QString out = m_dir.filePath(u"digits.png"_s);
        QCOMPARE(runTool({u"render-digits"_s, u"--"_s, value, out}).exitCode, 0);
        const QImage img(out);
        QCOMPARE(img.pixel(0, 0), qRgb(128, 128, 128));
        QTEST(quartersWith(img, rgbFromBgr(0x0072D2F8)), "quarters");
    }

    // --- ticket ---
    void ticketInfoDescribesThePlugin()
    {
        const test::ToolRun r = runTool({u"ticket"_s, u"info"_s, file(u"t.4SP"_s, plugin)});
        QCOMPARE(r.exitCode, 0);
        const QJsonObject o = QJsonDocument::fromJson(r.out).object();
        QCOMPARE(o.value(u"name"_s).toString(), u"試験券"_s);
        const QJsonObject info = o.value(u"PlgInfo"_s).toObject();
        QCOMPARE(info.value(u"widthTwips"_s).toInt(), 1500);
        QCOMPARE(info.value(u"heightTwips"_s).toInt(), 600);
        const QJsonArray words = o.value(u"words"_s).toArray();
        QCOMPARE(words.size(), 14);
        QCOMPARE(words[1].toInt(), 1500); // in the order the program receives them
        QCOMPARE(o.value(u"companies"_s).toArray(), (QJsonArray{u"甲社"_s, u"乙社"_s}));
    }

    void ticketRenderDrawsTheNumber()
    {
        const QString plug = file(u"t.4SP"_s, plugin);
        QImage tickets[2];
        for (int i = 0; i < 2; ++i) {
            const QString out = m_dir.filePath(u"ticket%1.png"_s.arg(i));
            const QStringList ticket{u"--ticket"_s, QString::number(7 + i)};
            QCOMPARE(runTool(QStringList{u"ticket"_s, u"render"_s, plug, out} + ticket).exitCode,
                     0);
            tickets[i] = QImage(out);
            QCOMPARE(tickets[i].size(), QSize(100, 40));
            QCOMPARE(tickets[i].pixel(10, 20), qRgb(255, 255, 0)); // the paper
            const QSet<int> red = quartersWith(tickets[i], qRgb(255, 0, 0));
            QVERIFY(!red.isEmpty() && !red.intersects({0, 1})); // the number's box
        }
        QVERIFY(tickets[0] != tickets[1]);
    }

    // --- refusals ---
    // One line naming the problem, exit 1, the previous output untouched and
    // no temporary file left behind.
    void refusals_data()
    {
        QTest::addColumn<QStringList>("args"); // @in: the input below, @out: the output
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("problem"); // @in: the input's path
        QByteArray cut = image({record(u"A"_s, 1), record(u"B"_s, 2)});
        cut.chop(1);
        QByteArray negative = image({record(u"A"_s, 1)});
        negative[0] = '\xFE';
        negative[1] = '\xFF';
        const QByteArray header = "stop,ticket,fare1\n";
        const QStringList dump{u"route"_s, u"dump"_s, u"@in"_s},
            toCsv{u"route"_s, u"to-csv"_s, u"@in"_s, u"@out"_s},
            fromCsv{u"route"_s, u"from-csv"_s, u"@in"_s, u"@out"_s};
        auto row = [](const char* tag, const QStringList& args, const QByteArray& in,
                      const char* problem) {
            QTest::newRow(tag) << args << in << QString::fromUtf8(problem);
        };
        row("dump: truncated", dump, cut, "@in: truncated");
        row("to-csv: negative count", toCsv, negative, "@in: negative");
        row("to-csv: bad Shift-JIS name", toCsv,
            QByteArray("\x01\x00\x02\x00\x81\x20", 6) + QByteArray(302, '\0'), "Shift-JIS");
        row("from-csv: wrong header", fromCsv, "stop,fare1\n", "@in: line 1: the header");
        row("from-csv: fare out of range", fromCsv, header + "A,1,32768\n", "fare1");
        row("from-csv: open quote", fromCsv, header + "\"A,1,2\n", "never closed");
        row("from-csv: no Shift-JIS form", fromCsv, header + "한,1,2\n", "Shift-JIS");
        const QStringList board{
            u"render-board"_s, u"--data"_s, test::sourceDir() + u"/samples/data"_s,
            u"--section"_s,    u"1"_s,      u"--route"_s};
        row("render-board: no such route", board + QStringList{u"999"_s, u"@out"_s}, {},
            "route not set");
        row("render-board: truncated settings",
            board + QStringList{u"12"_s, u"--settings"_s, u"@in"_s, u"@out"_s},
            encodeIni(IniData{}).left(100), "@in: ");
        row("render-name: unwritable output",
            {u"render-name"_s, u"駅"_s, u"/nonexistent/dir/o.png"_s}, {}, "/nonexistent/dir");
        row("render-digits: size out of range",
            {u"render-digits"_s, u"--size"_s, u"70000"_s, u"7"_s, u"@out"_s}, {}, "--size");
        row("ticket render: no plug-in", {u"ticket"_s, u"render"_s, u"@in"_s, u"@out"_s},
            "[ticket]\n", "@in: not accepted as a ticket plug-in");
    }
    void refusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QByteArray, input);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"bad.in"_s), out = dir.filePath(u"bad.out"_s);
        QVERIFY(test::writeFile(in, input) && test::writeFile(out, "previous"));
        args.replaceInStrings(u"@in"_s, in).replaceInStrings(u"@out"_s, out);
        QVERIFY(test::isOneLineRefusal(runTool(args), problem.replace(u"@in"_s, in)));
        QCOMPARE(readFile(out), QByteArray("previous"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2);
    }
};

LUMENA_TEST_GUILESS_MAIN(TestTool)
#include "tst_tool.moc"
