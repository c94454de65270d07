// The pure run rules, and route setting, stepping and refresh against the
// recording fakes, with the real plug-in engine drawing the ticket preview.

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

#include <sys/stat.h>

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

// Logs the ticket drawing, draws it with the real engine, may rewrite the name.
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
        if (!test::writeFile(dir.filePath(name), bytes))
            qFatal("cannot write %s", qPrintable(name));
    }
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

// "night start=5 order=1 zero seiri=2 route=3 column=60@4": an information
// number is on when its cell is given.
DispInputs inputs(const QString& words)
{
    DispInputs in;
    for (const QString& word : words.split(u' ', Qt::SkipEmptyParts)) {
        const QString key = word.section(u'=', 0, 0);
        const int value = word.section(u'=', 1).section(u'@', 0, 0).toInt();
        if (key == u"night"_s)
            in.lateNight = true;
        else if (key == u"zero"_s)
            in.stopOrderFromZero = true;
        else if (key == u"start"_s)
            in.startSection = qint16(value);
        else if (key == u"order"_s)
            in.stopOrderOn = true, in.stopOrderCell = value;
        else if (key == u"seiri"_s)
            in.seiriNumOn = true, in.seiriNumCell = value;
        else if (key == u"route"_s)
            in.routeNumOn = true, in.routeNumCell = value;
        else if (key == u"column"_s)
            in.columnOn = true, in.column = value, in.columnCell = word.section(u'@', 1).toInt();
    }
    return in;
}

} // namespace

class TestRunController : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void entries_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("read"); // number, section, route
        QTest::newRow("leading zeros") << u"00012"_s << u"12 12 12"_s;
        QTest::newRow("300 kept") << u"300"_s << u"300 300 300"_s;
        QTest::newRow("301 lowered") << u"301"_s << u"301 300 301"_s;
        QTest::newRow("blanks, digits, then letters") << u" \t5a9"_s << u"5 5 5"_s;
        QTest::newRow("sign is no digit") << u"-5"_s << u"0 1 0"_s;
        QTest::newRow("absurdly long saturates")
            << u"99999999999999999999"_s << u"2147483647 300 2147483647"_s;
    }
    void entries()
    {
        QFETCH(QString, text);
        QTEST(u"%1 %2 %3"_s.arg(leadingNumber(text))
                  .arg(sectionFromText(text))
                  .arg(normalizedRoute(text)),
              "read");
    }

    // One refresh at stop 3 of a row with ticket 7 and fare k = 100 + k,
    // except the -1 marker in cell 49 and 32767 in cell 50.
    void refresh_data()
    {
        QTest::addColumn<QString>("inputs");
        QTest::addColumn<QString>("cells"); // 1 2 3 4 10 49 50; "-" unwritten, R route text
        QTest::newRow("day fares") << u""_s << u"101 102 103 104 110 -1 32767"_s;
        QTest::newRow("late night: doubled, -1 kept, no wrap")
            << u"night"_s << u"202 204 206 208 220 -1 65534"_s;
        QTest::newRow("from the start section") << u"start=5"_s << u"- - - - 110 -1 32767"_s;
        QTest::newRow("start 51: no fares, the stop order still")
            << u"start=51 order=1"_s << u"3 - - - - - -"_s;
        QTest::newRow("own cells replace fares, never doubled")
            << u"night order=1 seiri=2 route=3 column=60@4"_s << u"3 7 R 160 220 -1 65534"_s;
        QTest::newRow("route number over stop order")
            << u"order=10 seiri=2 route=10 column=60@4"_s << u"101 7 103 160 R -1 32767"_s;
        QTest::newRow("column value last of all")
            << u"order=10 seiri=10 route=10 column=61@10"_s << u"101 102 103 104 161 -1 32767"_s;
        QTest::newRow("cells 0 and 51 skipped")
            << u"order=0 seiri=51 route=0 column=60@51"_s << u"101 102 103 104 110 -1 32767"_s;
        QTest::newRow("column 0 skipped") << u"column=0@1"_s << u"101 102 103 104 110 -1 32767"_s;
        QTest::newRow("column 151 skipped")
            << u"column=151@1"_s << u"101 102 103 104 110 -1 32767"_s;
        QTest::newRow("stop order counted from zero")
            << u"order=1 zero"_s << u"2 102 103 104 110 -1 32767"_s;
    }
    void refresh()
    {
        QFETCH(QString, inputs);
        RouteRecord row;
        row.TicketNo = 7;
        for (int k = 1; k <= 150; ++k)
            row.setFare(k, qint16(100 + k));
        row.setFare(49, -1);
        row.setFare(50, 32767);
        std::map<int, QString> shown; // a later write replaces an earlier one
        for (const DegitWrite& w : planDegitWrites(row, 3, ::inputs(inputs)))
            shown[w.cell] = w.routeText ? u"R"_s : QString::number(w.number);
        QStringList cells;
        for (int c : {1, 2, 3, 4, 10, 49, 50})
            cells << (shown.contains(c) ? shown[c] : u"-"_s);
        QTEST(cells.join(u' '), "cells");
    }
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
        QTest::addColumn<QByteArray>("file"); // empty: none; "folder", "fifo": one of that name
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("message");
        QByteArray negative = routeImage(3);
        negative[0] = negative[1] = '\xFF';
        QTest::newRow("no file") << QByteArray() << u"1"_s << RunController::noRouteFileMessage();
        QTest::newRow("a folder") << QByteArray("folder") << u"1"_s
                                  << errorDescription(ErrPathFileAccess);
        // A FIFO once blocked route setting in its open for ever.
        QTest::newRow("a FIFO") << QByteArray("fifo") << u"1"_s
                                << errorDescription(ErrPathFileAccess);
        QTest::newRow("count 0") << QByteArray("\0\0", 2) << u"1"_s
                                 << RunController::emptyRouteMessage();
        QTest::newRow("section equal to count")
            << routeImage(5) << u"5"_s << RunController::sectionTooLargeMessage();
        QTest::newRow("negative count: a damaged file")
            << negative << u"1"_s << u"運賃データの数（-1）が負の値です。"_s;
        QTest::newRow("count 302") << routeImage(302) << u"1"_s
                                   << u"運賃データの数（302件）が上限の301件を超えています。"_s;
        QTest::newRow("header cut")
            << QByteArray("\x05", 1) << u"1"_s
            << u"運賃データのファイルが短すぎて、データの数を読めません。"_s;
        QTest::newRow("last record cut")
            << routeImage(4).chopped(1) << u"2"_s
            << u"運賃データのファイルが4件目の途中で終わっています（データの数は4件です）。"_s;
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
        else if (file == "fifo")
            QVERIFY(::mkfifo(QFile::encodeName(rig.dir.filePath(u"12.hy3"_s)).constData(), 0600) ==
                    0);
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

    // A full route from its last section, stepped to both ends: before each
    // refresh the one sound (even with no file), or one by column 60 (i % 5).
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

    // The preview of a step a day after the route setting, drawn from a sample
    // plug-in: route 00012 reaches it as 12, the company as chosen on the
    // panel; a stop name the plug-in rewrites is kept.
    void ticketPreview_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<bool>("preview");
        QTest::addColumn<QString>("date");
        QTest::newRow("each print: today") << int(DateMode::EachPrint) << true << u"12-07-2026"_s;
        QTest::newRow("kept from route setting")
            << int(DateMode::RouteSet) << true << u"12-06-2026"_s;
        QTest::newRow("fixed text") << int(DateMode::Fixed) << true << u"2025/01/05"_s;
        QTest::newRow("unchecked preview stays blank")
            << int(DateMode::EachPrint) << false << QString();
    }
    void ticketPreview()
    {
        QFETCH(int, mode);
        QFETCH(bool, preview);
        QFETCH(QString, date);
        Rig rig;
        QImage blank(8, 8, QImage::Format_RGB32);
        blank.fill(Qt::white);
        rig.options.mode = DateMode(mode);
        rig.options.fixed = u"2025/01/05"_s;
        rig.options.preview = true;
        rig.options.plugin = test::sourceDir() + u"/samples/plugins/companies.4SP"_s;
        rig.resLib.rewriteName = u"書換"_s;
        QVERIFY(rig.set(u"00012"_s, 4, u"1"_s));
        QVERIFY(rig.panel.image != blank); // a ticket is on show
        QCOMPARE(rig.data.RouteTable(1).StopName, u"書換"_s);
        QCOMPARE(rig.log.calls.last(), u"SetChimei:書換"_s);

        rig.resLib.rewriteName = QString();
        rig.options.preview = preview;
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
        QCOMPARE(rig.panel.image != blank, preview);
    }
};

LUMENA_TEST_MAIN(TestRunController)
#include "tst_run_controller.moc"
