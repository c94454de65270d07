// Route setting, stepping and the refresh against recording fakes of the
// board, panel, sound, tape and host, with the real plug-in engine drawing
// the ticket preview.

#include "panel/RouteFile.h"
#include "panel/RunController.h"
#include "panel/RunRules.h"
#include "reslib/plugin/PluginEngine.h"
#include "tests/common/FakeRunPorts.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QRegularExpression>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

// A route of `n` stops: stop i issues ticket i, fare(k) = 150 + 10 * i + k,
// and column 60 holds i % 5 for the step sound chosen by value.
QByteArray routeImage(int n, const QString& prefix = u"停留所"_s)
{
    QList<RouteRecord> rs;
    for (int i = 1; i <= n; ++i) {
        RouteRecord& r = rs.emplace_back(RouteRecord{prefix + QString::number(i), qint16(i), {}});
        for (int k = 1; k <= 150; ++k)
            r.setFare(k, static_cast<qint16>(150 + 10 * i + k));
        r.setFare(60, static_cast<qint16>(i % 5));
    }
    QByteArray b;
    if (routefile::encode(rs, b))
        qFatal("encode failed");
    return b;
}

// The ticket drawing is logged with its arguments and handed to the real
// plug-in engine; the stop name can be rewritten afterwards as a plug-in may.
struct TicketResLib final : test::FakeResLib {
    test::CallLog& log;
    PluginEngine engine;
    QString rewriteName;
    explicit TicketResLib(test::CallLog& l) : log(l) {}
    qint32 Vk4_DrawSeiriken(const QString& path, QImage* dc, QString& stopName, QString& date,
                            const QString& time, qint32 routeNumber, qint16 ticketNo, qint16 row,
                            qint16 company) override
    {
        const auto n = [](qint32 v) { return QString::number(v); };
        log.add(u"Vk4_DrawSeiriken:%1|%2|%3|%4|%5|%6|%7|%8"_s.arg(
            path, stopName, date, time, n(routeNumber), n(ticketNo), n(row), n(company)));
        const qint32 drawn = engine.drawSeiriken(path, dc, stopName, date, time, routeNumber,
                                                 ticketNo, row, company);
        if (!rewriteName.isNull())
            stopName = rewriteName;
        return drawn;
    }
};

struct Rig {
    test::CallLog log;
    test::FakeHost host;
    test::FakeOptions options;
    test::FakeBoard board;
    test::FakePanel panel;
    test::FakeSound sound;
    test::FakeTape tape;
    TicketResLib resLib{log};
    RouteState data;
    QTemporaryDir dir;
    RunController run{data, options, board, panel, sound, tape, resLib, host};

    Rig()
    {
        log.host = &host;
        board.log = panel.log = sound.log = tape.log = &log;
        options.fareDir = dir.path();
        options.tapeDir = u"/tape"_s;
    }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write %s", qPrintable(name));
    }
    // Writes a route of `stops` stops under the number `route`, then sets it.
    bool set(const QString& route, int stops, const QString& section)
    {
        write(normalizedRoute(route) + u".hy3"_s, routeImage(stops));
        return run.SetRoute(route, section);
    }
    void reset()
    {
        log.calls.clear();
        log.hostState.clear();
        board.values.clear();
    }
};

} // namespace

class TestRunController : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void routeSettingCallsInOrder()
    {
        Rig rig;
        // Every information number on, in cells 1..4 below StartSection.
        rig.options.orderOn = rig.options.orderFromZero = rig.options.seiriOn = true;
        rig.options.routeOn = rig.options.columnOn = true;
        QVERIFY(rig.set(u"00012"_s, 8, u"005"_s));
        QVERIFY(rig.host.messages.isEmpty());
        QCOMPARE(rig.data.CurrentPos(), qint16(4));
        QCOMPARE(rig.data.RecordCount(), qint16(8));

        QStringList expected{u"PlaySnd:route.wav:S1:0:0"_s, u"LoadTapeData:/tape/:12"_s,
                             u"SetChimei:系統選別中"_s};
        for (int k = 1; k <= 50; ++k)
            expected << u"ResetDegit:%1:1"_s.arg(k);
        for (int k = 1; k <= 50; ++k)
            expected << u"Value:%1:0"_s.arg(k);
        expected << u"enableStepping"_s;
        for (int k = 5; k <= 50; ++k)
            expected << u"Value:%1:%2"_s.arg(k).arg(150 + 50 + k);
        expected << u"Value:1:4"_s << u"Value:2:5"_s << u"Value:3:00012"_s << u"Value:4:251"_s
                 << u"clearPreview"_s << u"SetChimei:停留所5"_s;
        QCOMPARE(rig.log.calls, expected);
        // Lamps lit before the 3000 ms pause, cleared after it; events run
        // once for the lamp test and once before the stop name.
        const qsizetype firstZero = expected.indexOf(u"Value:1:0"_s);
        QCOMPARE(rig.log.hostState[firstZero - 1], std::make_pair(size_t(0), 0));
        QCOMPARE(rig.log.hostState[firstZero], std::make_pair(size_t(1), 1));
        QCOMPARE(rig.host.waits, std::vector<int>{3000});
        QCOMPARE(rig.log.hostState.back().second, 2);
    }

    void refusalsKeepThePreviousRoute_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file; "folder": a folder of that name
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("message");
        QByteArray negative = routeImage(3);
        negative[0] = negative[1] = '\xFF';
        const QString cut =
            u"運賃データのファイルが%1件目の途中で終わっています（データの数は%2件です）。"_s;
        QTest::newRow("no file") << QByteArray() << u"1"_s << RunController::noRouteFileMessage();
        QTest::newRow("a folder") << QByteArray("folder") << u"1"_s
                                  << errorDescription(ErrPathFileAccess);
        QTest::newRow("count 0") << QByteArray("\0\0", 2) << u"1"_s
                                 << RunController::emptyRouteMessage();
        QTest::newRow("count 1 never fits")
            << routeImage(1) << u"1"_s << RunController::sectionTooLargeMessage();
        QTest::newRow("section equal to count")
            << routeImage(5) << u"5"_s << RunController::sectionTooLargeMessage();
        QTest::newRow("negative count: a damaged file")
            << negative << u"1"_s << u"運賃データの数（-1）が負の値です。"_s;
        QTest::newRow("count 302") << routeImage(302) << u"1"_s
                                   << u"運賃データの数（302件）が上限の301件を超えています。"_s;
        QTest::newRow("header cut")
            << QByteArray("\x05", 1) << u"1"_s
            << u"運賃データのファイルが短すぎて、データの数を読めません。"_s;
        QTest::newRow("shorter than its count")
            << QByteArray("\x05\x00", 2) << u"1"_s << cut.arg(1).arg(5);
        QTest::newRow("last record cut") << routeImage(4).chopped(1) << u"2"_s << cut.arg(4).arg(4);
        QTest::newRow("name past the end")
            << routeImage(3).first(2 + 2 + 5) << u"1"_s
            << u"運賃データの1件目の停留所名（7バイト）がファイルの終わりを越えています。"_s;
    }
    void refusalsKeepThePreviousRoute()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, message);
        Rig rig;
        QVERIFY(rig.set(u"5"_s, 5, u"1"_s)); // the rows of a longer route go with it
        rig.write(u"7.hy3"_s, routeImage(3, u"旧"_s));
        QVERIFY(rig.run.SetRoute(u"7"_s, u"2"_s));
        if (file == "folder")
            QVERIFY(QDir(rig.dir.path()).mkdir(u"12.hy3"_s));
        else if (!file.isEmpty())
            rig.write(u"12.hy3"_s, file);
        rig.reset();

        QVERIFY(!rig.run.SetRoute(u"00012"_s, section));
        QCOMPARE(rig.host.messages, QStringList{message + u'\n' + rig.dir.filePath(u"12.hy3"_s)});
        QCOMPARE(rig.log.calls,
                 (QStringList{u"PlaySnd:route.wav:S1:0:0"_s, u"LoadTapeData:/tape/:12"_s}));
        QCOMPARE(rig.host.waits.size(), size_t(2)); // only the earlier routes' lamp tests
        // The entries follow the attempt; the route itself stays the old one.
        QCOMPARE(u"%1 %2 %3 %4"_s.arg(rig.data.RouteNumber())
                     .arg(rig.data.StartSection())
                     .arg(rig.data.RecordCount())
                     .arg(rig.data.CurrentPos()),
                 u"00012 %1 3 1"_s.arg(sectionFromText(section)));
        QCOMPARE(rig.data.RouteTable(4), RouteRecord{});
        rig.run.Step(1);
        rig.run.Step(1);
        QCOMPARE(rig.data.CurrentPos(), qint16(2));
        QCOMPARE(rig.log.calls.last(), u"SetChimei:旧3"_s);
    }

    // A full route from its last section, stepped to both ends: a sound
    // before each refresh, chosen by column 60 (i % 5: 1 to 3 sound, 0 and 4
    // do not), or the one sound, even with no file.
    void stepping_data()
    {
        QTest::addColumn<bool>("always");
        QTest::addColumn<QStringList>("calls"); // up, up past the end, down, down, down
        QStringList stops;
        for (int i : {301, 300, 299, 298})
            stops << u"SetChimei:停留所%1"_s.arg(i);
        const QString any = u"PlaySnd::S2:0:0"_s;
        QTest::newRow("always, async")
            << true << QStringList{any, stops[0], any, stops[1], any, stops[2], any, stops[3]};
        QTest::newRow("by the row reached, sync")
            << false << QStringList{u"PlaySnd:one.wav:S2:1:0"_s,   stops[0], stops[1], stops[2],
                                    u"PlaySnd:three.wav:S2:1:0"_s, stops[3]};
    }
    void stepping()
    {
        QFETCH(bool, always);
        Rig rig;
        rig.options.always = always;
        rig.options.alwaysFile = QString();
        rig.options.sync = !always;
        rig.options.soundColumn = 60;
        rig.run.Step(1); // no route yet
        rig.run.Step(0);
        QVERIFY(rig.log.calls.isEmpty());

        QVERIFY(rig.set(u"3"_s, 301, u"999"_s));
        QCOMPARE(rig.data.StartSection(), qint16(300));
        QCOMPARE(rig.data.CurrentPos(), qint16(299));
        QCOMPARE(rig.data.RouteTable(302), RouteRecord{}); // past the table: an empty row
        rig.reset();
        for (int index : {1, 1, 0, 0, 0, 2})
            rig.run.Step(index);
        QTEST(rig.log.calls.filter(QRegularExpression(u"PlaySnd|SetChimei"_s)), "calls");
        for (int i = 0; i < 297; ++i)
            rig.run.Step(0);
        QCOMPARE(rig.data.CurrentPos(), qint16(0)); // below StartSection is allowed
        QVERIFY(rig.board.values.isEmpty());        // no fare cell from StartSection 300 on
        rig.reset();
        rig.run.Step(0);
        QVERIFY(rig.log.calls.isEmpty());
    }

    // The preview of a step made the day after the route setting, drawn by
    // the engine from the sample plug-in that prints the company, the route,
    // the date and the time, and puts them into a QR code: route 00012 must
    // reach it as 12 and the third company as chosen on the panel.
    void ticketPreview_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<bool>("plugin");
        QTest::addColumn<QString>("date");
        QTest::newRow("each print: today")
            << int(DateMode::EachPrint) << true << true << u"12-07-2026"_s;
        QTest::newRow("kept from route setting")
            << int(DateMode::RouteSet) << true << true << u"12-06-2026"_s;
        QTest::newRow("fixed text") << int(DateMode::Fixed) << true << true << u"2025/01/05"_s;
        QTest::newRow("unchecked preview stays blank")
            << int(DateMode::EachPrint) << false << true << QString();
        QTest::newRow("empty plug-in path draws nothing")
            << int(DateMode::EachPrint) << true << false << u"12-07-2026"_s;
    }
    void ticketPreview()
    {
        QFETCH(int, mode);
        QFETCH(bool, preview);
        QFETCH(bool, plugin);
        QFETCH(QString, date);
        const QString sample = test::sourceDir() + u"/samples/plugins/companies.4SP"_s;
        Rig rig;
        QImage blank(8, 8, QImage::Format_RGB32);
        blank.fill(Qt::white);
        rig.options.mode = DateMode(mode);
        rig.options.fixed = u"2025/01/05"_s;
        rig.options.preview = true;
        rig.options.plugin = sample;
        QVERIFY(rig.set(u"00012"_s, 4, u"1"_s));
        QVERIFY(rig.panel.image != blank); // a ticket is on show

        rig.options.preview = preview;
        rig.options.plugin = plugin ? sample : QString();
        rig.panel.company = 2;
        rig.host.clock = rig.host.clock.addDays(1);
        rig.reset();
        rig.run.Step(1);
        const QStringList drawn{
            u"Vk4_DrawSeiriken:%1|停留所2|%2|09:30:18|12|2|2|2"_s.arg(rig.options.plugin, date),
            u"repaintPreview"_s};
        QCOMPARE(rig.log.calls.mid(rig.log.calls.indexOf(u"clearPreview"_s)),
                 QStringList{u"clearPreview"_s} + (preview ? drawn : QStringList()) +
                     QStringList{u"SetChimei:停留所2"_s});
        QCOMPARE(rig.panel.image != blank, preview && plugin);
    }

    void nameLeftByThePluginIsKept()
    {
        Rig rig;
        rig.options.preview = true;
        rig.resLib.rewriteName = u"書換"_s;
        QVERIFY(rig.set(u"12"_s, 4, u"1"_s));
        QCOMPARE(rig.data.RouteTable(1).StopName, u"書換"_s);
        QCOMPARE(rig.log.calls.last(), u"SetChimei:書換"_s);
    }
};

LUMENA_TEST_MAIN(TestRunController)
#include "tst_run_controller.moc"
