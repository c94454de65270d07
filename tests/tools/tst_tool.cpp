// lumena-data run as a separate process: the route commands on good and bad
// files, render-board on the sample routes, render-name. Every refusal is one
// line on standard error, a non-zero exit and no output file.

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

// Pixels of `rgb` inside fare element Degit(cell).
int pixelsOf(const QImage& img, int cell, QRgb rgb)
{
    const QRect r = layout::degitRect(cell);
    int n = 0;
    for (int y = r.top(); y <= r.bottom(); ++y)
        for (int x = r.left(); x <= r.right(); ++x)
            n += (img.pixel(x, y) & 0xFFFFFF) == (rgb & 0xFFFFFF) ? 1 : 0;
    return n;
}

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
    // for a settings file with green lit segments, `@short` for one cut short.
    test::ToolRun render(QStringList args, const QString& out)
    {
        IniData green;
        green.DegitInfo.DegitLitColor = 0x0000FF00;
        args.replaceInStrings(u"@ini"_s, file(u"green.in4"_s, encodeIni(green)))
            .replaceInStrings(u"@short"_s, file(u"short.in4"_s, encodeIni(IniData{}).left(100)));
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
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(r.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(o.value(u"count"_s).toInt(), 2);
        const QJsonArray records = o.value(u"records"_s).toArray();
        QCOMPARE(records.size(), 2);
        const QJsonObject first = records[0].toObject();
        QCOMPARE(first.value(u"stop"_s).toString(), u"駅前\\"_s);
        QCOMPARE(first.value(u"ticket"_s).toInt(), 5);
        const QJsonArray fares = first.value(u"fares"_s).toArray();
        QCOMPARE(fares.size(), 150);
        QCOMPARE(fares[2].toInt(), -1);
        QCOMPARE(fares[149].toInt(), 32767);
        QCOMPARE(records[1].toObject().value(u"stop"_s).toString(), QString());
    }

    void shortCsvRowsReadAsZero()
    {
        const QString csv =
            file(u"s.csv"_s,
                 "\xEF\xBB\xBFstop,ticket,fare1,fare2,fare3\r\nA,1,170\r\n\"B\",2,190,,170\r\n");
        QCOMPARE(runTool({u"route"_s, u"from-csv"_s, csv, file(u"s.hy3"_s)}).exitCode, 0);
        QList<RouteRecord> back;
        QVERIFY(!routefile::readRecords(readFile(file(u"s.hy3"_s)), back));
        QCOMPARE(back.size(), 2);
        QCOMPARE(back[0].fare(1), qint16(170));
        QCOMPARE(back[0].fare(2), qint16(0));
        QCOMPARE(back[1].fare(3), qint16(170));
        QCOMPARE(back[1].fare(150), qint16(0));
    }

    // One line naming the input, exit 1, and the previous output untouched.
    void badInputFailsWithoutOutput_data()
    {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("problem");
        QByteArray cut = image({record(u"A"_s, 1), record(u"B"_s, 2)});
        cut.chop(1);
        QByteArray negative = image({record(u"A"_s, 1)});
        negative[0] = '\xFE';
        negative[1] = '\xFF';
        const QByteArray header = "stop,ticket,fare1\n";
        auto row = [](const char* tag, const char* verb, const QByteArray& in,
                      const char* problem) {
            QTest::newRow(tag) << QString::fromLatin1(verb) << in << QString::fromUtf8(problem);
        };
        row("dump: truncated", "dump", cut, "truncated");
        row("dump: one byte", "dump", QByteArray("\x01", 1), "truncated");
        row("to-csv: truncated", "to-csv", cut, "record 2");
        row("to-csv: negative count", "to-csv", negative, "negative");
        row("to-csv: bad Shift-JIS name", "to-csv",
            QByteArray("\x01\x00\x02\x00\x81\x20", 6) + QByteArray(302, '\0'), "Shift-JIS");
        row("from-csv: empty", "from-csv", QByteArray(), "header");
        row("from-csv: wrong header", "from-csv", "stop,fare1\n", "header");
        row("from-csv: ticket missing", "from-csv", header + "A\n", "line 2");
        row("from-csv: ticket not a number", "from-csv", header + "A,x,1\n", "ticket");
        row("from-csv: fare out of range", "from-csv", header + "A,1,32768\n", "fare1");
        row("from-csv: too many fields", "from-csv", header + "A,1,2,3\n", "more than");
        row("from-csv: open quote", "from-csv", header + "\"A,1,2\n", "never closed");
        row("from-csv: not UTF-8", "from-csv", header + "\x89\x77,1,2\n", "UTF-8");
        row("from-csv: no Shift-JIS form", "from-csv", header + "한,1,2\n", "Shift-JIS");
    }
    void badInputFailsWithoutOutput()
    {
        QFETCH(QString, verb);
        QFETCH(QByteArray, input);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"bad.in"_s), out = dir.filePath(u"bad.out"_s);
        QVERIFY(test::writeFile(in, input) && test::writeFile(out, "previous"));
        QStringList args{u"route"_s, verb, in};
        if (verb != u"dump"_s)
            args << out;
        const test::ToolRun r = runTool(args);
        QVERIFY(test::isOneLineRefusal(r, problem));
        QVERIFY2(r.err.startsWith("lumena-data: " + in.toUtf8() + ": "), r.err.constData());
        QCOMPARE(readFile(out), QByteArray("previous"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary left behind
    }

    void missingFileNamesIt()
    {
        const QString missing = file(u"none.hy3"_s);
        QVERIFY(test::isOneLineRefusal(runTool({u"route"_s, u"check"_s, missing}), missing));
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
        QByteArray cut = image({a, a});
        cut.truncate(2 + 2 + 1 + 10);
        RouteRecord odd = a;
        odd.setFare(1, -1);
        odd.setFare(2, -2);
        odd.setFare(3, 0);
        const QString accepted = u"accepted: 2 stops, sections 1 to 1"_s, refused = u"refused"_s;
        QTest::newRow("sound") << image({a, a}) << 0 << QStringList{accepted};
        QTest::newRow("count 0") << QByteArray("\0\0", 2) << 1
                                 << QStringList{
                                        u"record count is 0: refused as a route with no data"_s,
                                        refused};
        QTest::newRow("count 1")
            << image({a}) << 1
            << QStringList{u"only 1 record: no section can be set (sections run 1 to count - 1)"_s,
                           refused};
        QTest::newRow("count 302")
            << image(QList<RouteRecord>(302, odd)) << 1
            << QStringList{u"302 records: more than the 301 the route table holds"_s};
        QTest::newRow("cut in a body")
            << cut << 1
            << QStringList{u"truncated: the file ends inside record 1 (0 of 2 records complete)"_s,
                           refused};
        QTest::newRow("trailing bytes")
            << image({a, a}) + "xyz" << 0
            << QStringList{u"3 byte(s) after the last record are ignored"_s, accepted};
        QTest::newRow("odd fares")
            << image({a, odd}) << 0
            << QStringList{u"record 2: negative fares other than the -1 marker: fare2 = -2"_s,
                           accepted};
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
        for (int cell = 1; cell <= cells; ++cell)
            QVERIFY2(pixelsOf(img, cell, lit) > 20, qPrintable(QString::number(cell)));
        QCOMPARE(pixelsOf(img, cells + 1, lit), 0);
    }

    void renderBoardRefusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<QString>("inError");
        QTest::newRow("no such route")
            << QStringList{u"--route"_s, u"999"_s, u"--section"_s, u"1"_s} << u"route not set"_s;
        QTest::newRow("truncated settings")
            << QStringList{u"--route"_s, u"12"_s,         u"--section"_s,
                           u"1"_s,       u"--settings"_s, u"@short"_s}
            << u"short.in4"_s;
        QTest::newRow("missing section") << QStringList{u"--route"_s, u"12"_s} << u"--section"_s;
    }
    void renderBoardRefusals()
    {
        QFETCH(QStringList, args);
        QFETCH(QString, inError);
        const QString out = m_dir.filePath(u"refused.png"_s);
        QVERIFY(test::isOneLineRefusal(render(args, out), inError));
        QVERIFY(!QFile::exists(out));
    }

    // --- render-name ---
    void renderNameStrip_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::addColumn<int>("height");
        QTest::addColumn<int>("firstCellTop");
        QTest::newRow("one character") << QStringList{u"駅"_s} << 192 << 80;
        QTest::newRow("two, wide spacing")
            << QStringList{u"--mode"_s, u"0"_s, u"駅前"_s} << 192 << 32;
        QTest::newRow("options after --")
            << QStringList{u"--font-mode"_s, u"4"_s, u"--bold"_s, u"--"_s, u"Ａ町"_s} << 192 << 48;
        QTest::newRow("seven cells, full height") << QStringList{u"市民病院前北口"_s} << 224 << 0;
    }
    void renderNameStrip()
    {
        QFETCH(QStringList, args);
        QFETCH(int, firstCellTop);
        const QString out = m_dir.filePath(u"name.png"_s);
        QCOMPARE(runTool(QStringList{u"render-name"_s} + args + QStringList{out}).exitCode, 0);
        const QImage img(out);
        QCOMPARE(img.width(), 37);
        QTEST(img.height(), "height");
        QCOMPARE(img.pixel(0, 0), qRgb(128, 128, 128));
        const QList<int> rows = test::litRows(img.width(), img.height(), [&](int x, int y) {
            return img.pixel(x, y) == qRgb(255, 190, 0);
        });
        QVERIFY(!rows.isEmpty());
        QVERIFY2(rows[0] >= firstCellTop && rows[0] < firstCellTop + 8,
                 qPrintable(QString::number(rows[0])));
    }

    void renderNameRefusals_data()
    {
        QTest::addColumn<QStringList>("args");
        QTest::newRow("no output") << QStringList{u"駅"_s};
        QTest::newRow("mode not a number") << QStringList{u"--mode"_s, u"x"_s, u"駅"_s, u"@out"_s};
        QTest::newRow("font mode out of range")
            << QStringList{u"--font-mode"_s, u"70000"_s, u"駅"_s, u"@out"_s};
        QTest::newRow("unwritable output") << QStringList{u"駅"_s, u"/nonexistent/dir/o.png"_s};
    }
    void renderNameRefusals()
    {
        QFETCH(QStringList, args);
        const QString out = m_dir.filePath(u"refused.png"_s);
        args.replaceInStrings(u"@out"_s, out);
        QVERIFY(test::isOneLineRefusal(runTool(QStringList{u"render-name"_s} + args), {}));
        QVERIFY(!QFile::exists(out));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestTool)
#include "tst_tool.moc"
