// Route setting, stepping and the refresh as the panel drives them, against
// recording fakes of the board, panel, sound, tape, resource library and host.

#include "panel/RouteFile.h"
#include "panel/RunController.h"
#include "panel/RunRules.h"
#include "tests/common/FakeRunPorts.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

// A route of `n` stops: stop i issues ticket i, fare(k) = 150 + 10 * i + k,
// and the column 60 holds (i % 4) for the data-driven step sound.
QList<RouteRecord> route(int n, const QString& prefix = u"停留所"_s)
{
    QList<RouteRecord> rs;
    for (int i = 1; i <= n; ++i) {
        RouteRecord r;
        r.StopName = prefix + QString::number(i);
        r.TicketNo = static_cast<qint16>(i);
        for (int k = 1; k <= 150; ++k)
            r.setFare(k, static_cast<qint16>(150 + 10 * i + k));
        r.setFare(60, static_cast<qint16>(i % 4));
        rs << r;
    }
    return rs;
}

QByteArray image(const QList<RouteRecord>& rs)
{
    QByteArray b;
    if (routefile::encode(rs, b))
        qFatal("encode failed");
    return b;
}

struct Rig : test::RunRig {
    test::RecordingPanel panel{log};
    test::LoggingResLib resLib{log};
    RunController run{data, options, board, panel, sound, tape, resLib, host};

    Rig()
    {
        options.tapeDir = u"/tape"_s;
        options.routeSound = u"route.wav"_s;
    }
    // Writes `file` with a route of `stops` stops, then sets `route`.
    bool set(const QString& file, int stops, const QString& route_, const QString& section)
    {
        writeRoute(file, route(stops));
        return run.SetRoute(route_, section);
    }
    void reset()
    {
        log.calls.clear();
        log.hostState.clear();
        board.cells.clear();
        resLib.calls.clear();
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
        QVERIFY(rig.set(u"12.hy3"_s, 8, u"00012"_s, u"005"_s));
        QVERIFY(rig.host.messages.isEmpty());

        QCOMPARE(rig.data.RouteNumber(), u"00012"_s);
        QCOMPARE(rig.data.StartSection(), qint16(5));
        QCOMPARE(rig.data.CurrentPos(), qint16(4));
        QCOMPARE(rig.data.RecordCount(), qint16(8));
        QCOMPARE(rig.data.RouteTable(8).StopName, u"停留所8"_s);
        QCOMPARE(rig.data.RouteTable(9), RouteRecord{});
        QCOMPARE(rig.data.RouteSetDate(), u"12-06-2026"_s);

        QStringList expected{u"PlaySnd:route.wav:S1:0:0"_s, u"LoadTapeData:/tape/:12"_s,
                             u"SetChimei:系統選別中"_s};
        for (int k = 1; k <= 50; ++k)
            expected << u"ResetDegit:%1:1"_s.arg(k);
        for (int k = 1; k <= 50; ++k)
            expected << u"Value:%1:0"_s.arg(k);
        expected << u"enableStepping"_s;
        for (int k = 5; k <= 50; ++k)
            expected << u"Value:%1:%2"_s.arg(k).arg(150 + 50 + k);
        expected << u"clearPreview"_s << u"SetChimei:停留所5"_s;
        QCOMPARE(rig.log.calls, expected);

        // Lamps lit before the pause, cleared after it; events run once for
        // the lamp test and once before the stop name.
        const qsizetype firstZero = expected.indexOf(u"Value:1:0"_s);
        QCOMPARE(rig.log.hostState[firstZero - 1], std::make_pair(size_t(0), 0));
        QCOMPARE(rig.log.hostState[firstZero], std::make_pair(size_t(1), 1));
        QCOMPARE(rig.host.waits, std::vector<int>{3000});
        QCOMPARE(rig.log.hostState.back().second, 2);
    }

    void refusals_data()
    {
        QTest::addColumn<QByteArray>("file"); // empty: no file at all
        QTest::addColumn<QString>("section");
        QTest::addColumn<QString>("message");
        QByteArray negative = image(route(3));
        negative[0] = '\xFF';
        negative[1] = '\xFF';
        QByteArray countOnly("\x05\x00", 2);
        QByteArray nameCut = image(route(3));
        nameCut.truncate(2 + 2 + 5);
        QByteArray bodyCut = image(route(4));
        bodyCut.chop(1);
        QTest::newRow("no file") << QByteArray() << u"1"_s << RunController::noRouteFileMessage();
        QTest::newRow("count 0") << QByteArray("\0\0", 2) << u"1"_s
                                 << RunController::emptyRouteMessage();
        QTest::newRow("count 1 never fits")
            << image(route(1)) << u"1"_s << RunController::sectionTooLargeMessage();
        QTest::newRow("section equal to count")
            << image(route(5)) << u"5"_s << RunController::sectionTooLargeMessage();
        QTest::newRow("999 becomes 300")
            << image(route(300)) << u"999"_s << RunController::sectionTooLargeMessage();
        QTest::newRow("negative count")
            << negative << u"1"_s << RunController::sectionTooLargeMessage();
        QTest::newRow("count 302") << image(route(302)) << u"1"_s
                                   << u"運賃データの数（302件）が上限の301件を超えています。"_s;
        QTest::newRow("header cut")
            << QByteArray("\x05", 1) << u"1"_s
            << u"運賃データのファイルが短すぎて、データの数を読めません。"_s;
        QTest::newRow("shorter than its count")
            << countOnly << u"1"_s
            << QStringLiteral(
                   "運賃データのファイルが1件目の途中で終わっています（データの数は5件です）。");
        QTest::newRow("last record cut")
            << bodyCut << u"2"_s
            << QStringLiteral(
                   "運賃データのファイルが4件目の途中で終わっています（データの数は4件です）。");
        QTest::newRow("name past the end")
            << nameCut << u"1"_s
            << QStringLiteral(
                   "運賃データの1件目の停留所名（7バイト）がファイルの終わりを越えています。");
    }
    void refusals()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, message);
        Rig rig;
        rig.write(u"7.hy3"_s, image(route(3, u"旧"_s)));
        QVERIFY(rig.run.SetRoute(u"7"_s, u"2"_s));
        if (!file.isEmpty())
            rig.write(u"12.hy3"_s, file);
        rig.reset();

        QVERIFY(!rig.run.SetRoute(u"00012"_s, section));
        QCOMPARE(rig.host.messages, QStringList{message});
        QCOMPARE(rig.log.calls,
                 (QStringList{u"PlaySnd:route.wav:S1:0:0"_s, u"LoadTapeData:/tape/:12"_s}));
        QCOMPARE(rig.host.waits.size(), size_t(1)); // only the first route's lamp test
        // The entries follow the attempt; the route itself stays the old one.
        QCOMPARE(rig.data.RouteNumber(), u"00012"_s);
        QCOMPARE(rig.data.StartSection(), sectionFromText(section));
        QCOMPARE(rig.data.RecordCount(), qint16(3));
        QCOMPARE(rig.data.CurrentPos(), qint16(1));
        QCOMPARE(rig.data.RouteTable(1).StopName, u"旧1"_s);
        QCOMPARE(rig.data.RouteTable(4), RouteRecord{});

        rig.run.Step(1);
        QCOMPARE(rig.data.CurrentPos(), qint16(2));
        QCOMPARE(rig.log.calls.last(), u"SetChimei:旧3"_s);
        rig.run.Step(1);
        QCOMPARE(rig.data.CurrentPos(), qint16(2));
    }

    void unreadableFileGivesItsDescription()
    {
        Rig rig;
        QVERIFY(QDir(rig.dir.path()).mkdir(u"12.hy3"_s));
        QVERIFY(!rig.run.SetRoute(u"12"_s, u"1"_s));
        QCOMPARE(rig.host.messages, QStringList{errorDescription(ErrPathFileAccess)});
    }

    void sectionsAccepted_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("startSection");
        QTest::newRow("000 becomes 1") << 2 << u"000"_s << 1;
        QTest::newRow("empty becomes 1") << 2 << QString() << 1;
        QTest::newRow("count minus one") << 5 << u"4"_s << 4;
        QTest::newRow("999 with 301 records") << 301 << u"999"_s << 300;
    }
    void sectionsAccepted()
    {
        QFETCH(int, records);
        QFETCH(QString, section);
        QFETCH(int, startSection);
        Rig rig;
        QVERIFY(rig.set(u"0.hy3"_s, records, QString(), section));
        QCOMPARE(rig.data.StartSection(), qint16(startSection));
        QCOMPARE(rig.data.CurrentPos(), qint16(startSection - 1));
        QCOMPARE(rig.data.RecordCount(), qint16(records));
    }

    void fareFolderForms()
    {
        Rig rig;
        rig.options.fareDir = rig.dir.path() + u'/';
        QVERIFY(rig.set(u"12.hy3"_s, 3, u"12"_s, u"1"_s));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(rig.dir.path()));
        rig.options.fareDir.clear();
        rig.options.tapeDir.clear();
        rig.reset();
        const bool ok = rig.run.SetRoute(u"12"_s, u"1"_s);
        QDir::setCurrent(before);
        QVERIFY(ok);
        QCOMPARE(rig.log.calls[1], u"LoadTapeData::12"_s);
    }

    void secondRouteRepeatsLampTestAndRestarts()
    {
        Rig rig;
        rig.write(u"1.hy3"_s, image(route(6)));
        rig.write(u"2.hy3"_s, image(route(3, u"新"_s)));
        QVERIFY(rig.run.SetRoute(u"1"_s, u"5"_s));
        QVERIFY(rig.run.SetRoute(u"2"_s, u"1"_s));
        QCOMPARE(rig.host.waits, (std::vector<int>{3000, 3000}));
        QCOMPARE(rig.data.CurrentPos(), qint16(0));
        QCOMPARE(rig.data.RecordCount(), qint16(3));
        QCOMPARE(rig.data.RouteTable(4), RouteRecord{}); // rows of the longer route gone
        QCOMPARE(rig.log.calls.last(), u"SetChimei:新1"_s);
    }

    void stepBounds()
    {
        Rig rig;
        rig.run.Step(1); // no route yet
        rig.run.Step(0);
        QVERIFY(rig.log.calls.isEmpty());
        QCOMPARE(rig.data.CurrentPos(), qint16(0));

        QVERIFY(rig.set(u"3.hy3"_s, 4, u"3"_s, u"2"_s));
        rig.reset();
        rig.run.Step(0);
        QCOMPARE(rig.data.CurrentPos(), qint16(0)); // below StartSection is allowed
        QVERIFY(!rig.board.cells.count(1));         // cell 1 is left showing 0
        rig.reset();
        rig.run.Step(0);
        QVERIFY(rig.log.calls.isEmpty());
        for (int i = 0; i < 3; ++i)
            rig.run.Step(1);
        QCOMPARE(rig.data.CurrentPos(), qint16(3));
        rig.reset();
        rig.run.Step(1);
        rig.run.Step(2);
        QVERIFY(rig.log.calls.isEmpty());
        QCOMPARE(rig.data.CurrentPos(), qint16(3));
    }

    void stepSoundBeforeRefresh_data()
    {
        QTest::addColumn<bool>("always");
        QTest::addColumn<bool>("sync");
        QTest::addColumn<QString>("section"); // the step goes to the next row
        QTest::addColumn<QString>("sound");   // empty: none
        // Column 60 of row i holds i % 4.
        QTest::newRow("always, sync") << true << true << u"2"_s << u"PlaySnd:step.wav:S2:1:0"_s;
        QTest::newRow("always, async") << true << false << u"2"_s << u"PlaySnd:step.wav:S2:0:0"_s;
        QTest::newRow("by the row reached")
            << false << true << u"2"_s << u"PlaySnd:three.wav:S2:1:0"_s;
        QTest::newRow("row value 0: silent, still refreshed")
            << false << true << u"3"_s << QString();
    }
    void stepSoundBeforeRefresh()
    {
        QFETCH(bool, always);
        QFETCH(bool, sync);
        QFETCH(QString, section);
        QFETCH(QString, sound);
        Rig rig;
        QVERIFY(rig.set(u"3.hy3"_s, 5, u"3"_s, section));
        rig.options.always = always;
        rig.options.sync = sync;
        rig.options.soundColumn = 60;
        rig.reset();
        rig.run.Step(1);
        QCOMPARE(rig.log.named(u"PlaySnd"_s), sound.isEmpty() ? QStringList() : QStringList{sound});
        if (!sound.isEmpty())
            QCOMPARE(rig.log.calls.first(), sound);
        QCOMPARE(rig.log.calls.last(), u"SetChimei:停留所%1"_s.arg(section.toInt() + 1));
    }

    void cellsOfTheRefresh()
    {
        Rig rig;

        rig.options.routeOn = true;
        rig.options.routeCell = 20;
        rig.options.seiriOn = true;
        rig.options.seiriCell = 20;
        rig.panel.night = true;
        QVERIFY(rig.set(u"12.hy3"_s, 12, u"00012"_s, u"010"_s));
        rig.board.cells.clear();
        rig.run.DispData(2);
        QCOMPARE(rig.board.cells.size(), size_t(41));
        QCOMPARE(rig.board.cells.at(10), QVariant(2 * (150 + 20 + 10)));
        QCOMPARE(rig.board.cells.at(20), QVariant(u"00012"_s));
        rig.panel.night = false;
        rig.run.DispData(2);
        QCOMPARE(rig.board.cells.at(10), QVariant(150 + 20 + 10));
    }

    void ticketDrawing_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("date");
        QTest::newRow("each print: today") << int(DateMode::EachPrint) << u"01-02-2027"_s;
        QTest::newRow("kept from route setting") << int(DateMode::RouteSet) << u"12-06-2026"_s;
        QTest::newRow("fixed text") << int(DateMode::Fixed) << u"04-01-2027"_s;
    }
    void ticketDrawing()
    {
        QFETCH(int, mode);
        QFETCH(QString, date);
        Rig rig;
        rig.options.mode = static_cast<DateMode>(mode);
        rig.options.preview = true;
        rig.panel.company = 2;
        QVERIFY(rig.set(u"12.hy3"_s, 4, u"00012"_s, u"1"_s));
        if (rig.options.mode != DateMode::Fixed)
            QCOMPARE(rig.data.RouteSetDate(), u"12-06-2026"_s);
        rig.host.clock = QDateTime(QDate(2027, 1, 2), QTime(7, 5, 9));
        rig.reset();
        rig.run.DispData(3);

        QCOMPARE(rig.resLib.calls.size(), size_t(1));
        const QVariantList expected{u"/plug/ticket.4SP"_s,
                                    true,
                                    u"停留所3"_s,
                                    date,
                                    u"07:05:09"_s,
                                    12,
                                    qint16(3),
                                    qint16(3),
                                    qint16(2)};
        QCOMPARE(rig.resLib.calls[0].args, expected);
        const QStringList tail = rig.log.calls.mid(rig.log.calls.indexOf(u"clearPreview"_s));
        QCOMPARE(tail, (QStringList{u"clearPreview"_s, u"Vk4_DrawSeiriken"_s, u"repaintPreview"_s,
                                    u"SetChimei:停留所3"_s}));
    }

    void emptyRouteAndNoCompanyDrawZeroAndMinusOne()
    {
        Rig rig;
        rig.options.preview = true;
        rig.options.plugin.clear();
        QVERIFY(rig.set(u"0.hy3"_s, 2, QString(), u"1"_s));
        const QVariantList& args = rig.resLib.calls.at(0).args;
        QCOMPARE(args[0], QVariant(QString()));
        QCOMPARE(args[5], QVariant(0));
        QCOMPARE(args[8], QVariant(qint16(-1)));
    }

    void nameLeftByThePluginIsKept()
    {
        Rig rig;
        rig.options.preview = true;
        rig.resLib.rewriteName = u"書換"_s;
        QVERIFY(rig.set(u"12.hy3"_s, 4, u"12"_s, u"1"_s));
        QCOMPARE(rig.data.RouteTable(1).StopName, u"書換"_s);
        QCOMPARE(rig.log.calls.last(), u"SetChimei:書換"_s);
    }
};

LUMENA_TEST_GUILESS_MAIN(TestRunController)
#include "tst_run_controller.moc"
