// Route setting, stepping and the refresh as the panel drives them, against
// recording fakes of the board, panel, sound, tape, resource library and host.

#include "panel/RouteFile.h"
#include "panel/RunController.h"
#include "panel/RunRules.h"
#include "tests/common/TestSupport.h"
#include "tests/panel/RunFakes.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace lumena;

namespace {

// A route of `n` stops: stop i issues ticket i, fare(k) = 150 + 10 * i + k,
// and the column 60 holds (i % 4) for the data-driven step sound.
QList<RouteRecord> route(int n, const QString& prefix = QStringLiteral("停留所"))
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

struct Rig {
    test::CallLog log;
    test::FakeHost host;
    test::FakeRunOptions options;
    test::RecordingBoard board{log};
    test::RecordingPanel panel{log};
    test::RecordingSound sound{log};
    test::RecordingTape tape{log};
    test::LoggingResLib resLib{log};
    DataIo data;
    RunController run{data, options, board, panel, sound, tape, resLib, host};
    QTemporaryDir dir;

    Rig()
    {
        log.host = &host;
        options.fareDir = dir.path();
        options.tapeDir = QStringLiteral("/tape");
        options.routeSound = QStringLiteral("route.wav");
    }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile f(dir.filePath(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write test file");
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
        rig.write(QStringLiteral("12.hy3"), image(route(8)));
        QVERIFY(rig.run.SetRoute(QStringLiteral("00012"), QStringLiteral("005")));
        QVERIFY(rig.host.messages.isEmpty());

        QCOMPARE(rig.data.RouteNumber(), QStringLiteral("00012"));
        QCOMPARE(rig.data.StartSection(), qint16(5));
        QCOMPARE(rig.data.CurrentPos(), qint16(4));
        QCOMPARE(rig.data.RecordCount(), qint16(8));
        QCOMPARE(rig.data.RouteTable(8).StopName, QStringLiteral("停留所8"));
        QCOMPARE(rig.data.RouteTable(9), RouteRecord{});
        QCOMPARE(rig.data.RouteSetDate(), QStringLiteral("12-06-2026"));

        QStringList expected{QStringLiteral("PlaySnd:route.wav:S1:0:0"),
                             QStringLiteral("LoadTapeData:/tape/:12"),
                             QStringLiteral("SetChimei:系統選別中")};
        for (int k = 1; k <= 50; ++k)
            expected << QStringLiteral("ResetDegit:%1:1").arg(k);
        for (int k = 1; k <= 50; ++k)
            expected << QStringLiteral("Value:%1:0").arg(k);
        expected << QStringLiteral("enableStepping");
        for (int k = 5; k <= 50; ++k)
            expected << QStringLiteral("Value:%1:%2").arg(k).arg(150 + 50 + k);
        expected << QStringLiteral("clearPreview") << QStringLiteral("SetChimei:停留所5");
        QCOMPARE(rig.log.calls, expected);

        // Lamps lit before the pause, cleared after it; events run once for
        // the lamp test and once before the stop name.
        const qsizetype firstZero = expected.indexOf(QStringLiteral("Value:1:0"));
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
        QTest::newRow("no file") << QByteArray() << QStringLiteral("1")
                                 << RunController::noRouteFileMessage();
        QTest::newRow("count 0") << QByteArray("\0\0", 2) << QStringLiteral("1")
                                 << RunController::emptyRouteMessage();
        QTest::newRow("count 1 never fits")
            << image(route(1)) << QStringLiteral("1") << RunController::sectionTooLargeMessage();
        QTest::newRow("section equal to count")
            << image(route(5)) << QStringLiteral("5") << RunController::sectionTooLargeMessage();
        QTest::newRow("999 becomes 300") << image(route(300)) << QStringLiteral("999")
                                         << RunController::sectionTooLargeMessage();
        QTest::newRow("negative count")
            << negative << QStringLiteral("1") << RunController::sectionTooLargeMessage();
        QTest::newRow("count 302")
            << image(route(302)) << QStringLiteral("1")
            << QStringLiteral("運賃データの数（302件）が上限の301件を超えています。");
        QTest::newRow("header cut")
            << QByteArray("\x05", 1) << QStringLiteral("1")
            << QStringLiteral("運賃データのファイルが短すぎて、データの数を読めません。");
        QTest::newRow("shorter than its count")
            << countOnly << QStringLiteral("1")
            << QStringLiteral(
                   "運賃データのファイルが1件目の途中で終わっています（データの数は5件です）。");
        QTest::newRow("last record cut")
            << bodyCut << QStringLiteral("2")
            << QStringLiteral(
                   "運賃データのファイルが4件目の途中で終わっています（データの数は4件です）。");
        QTest::newRow("name past the end")
            << nameCut << QStringLiteral("1")
            << QStringLiteral(
                   "運賃データの1件目の停留所名（7バイト）がファイルの終わりを越えています。");
    }
    void refusals()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, section);
        QFETCH(QString, message);
        Rig rig;
        rig.write(QStringLiteral("7.hy3"), image(route(3, QStringLiteral("旧"))));
        QVERIFY(rig.run.SetRoute(QStringLiteral("7"), QStringLiteral("2")));
        if (!file.isEmpty())
            rig.write(QStringLiteral("12.hy3"), file);
        rig.reset();

        QVERIFY(!rig.run.SetRoute(QStringLiteral("00012"), section));
        QCOMPARE(rig.host.messages, QStringList{message});
        QCOMPARE(rig.log.calls, (QStringList{QStringLiteral("PlaySnd:route.wav:S1:0:0"),
                                             QStringLiteral("LoadTapeData:/tape/:12")}));
        QCOMPARE(rig.host.waits.size(), size_t(1)); // only the first route's lamp test
        // The entries follow the attempt; the route itself stays the old one.
        QCOMPARE(rig.data.RouteNumber(), QStringLiteral("00012"));
        QCOMPARE(rig.data.StartSection(), sectionFromText(section));
        QCOMPARE(rig.data.RecordCount(), qint16(3));
        QCOMPARE(rig.data.CurrentPos(), qint16(1));
        QCOMPARE(rig.data.RouteTable(1).StopName, QStringLiteral("旧1"));
        QCOMPARE(rig.data.RouteTable(4), RouteRecord{});

        rig.run.Step(1);
        QCOMPARE(rig.data.CurrentPos(), qint16(2));
        QCOMPARE(rig.log.calls.last(), QStringLiteral("SetChimei:旧3"));
        rig.run.Step(1);
        QCOMPARE(rig.data.CurrentPos(), qint16(2));
    }

    void unreadableFileGivesItsDescription()
    {
        Rig rig;
        QVERIFY(QDir(rig.dir.path()).mkdir(QStringLiteral("12.hy3")));
        QVERIFY(!rig.run.SetRoute(QStringLiteral("12"), QStringLiteral("1")));
        QCOMPARE(rig.host.messages, QStringList{errorDescription(ErrPathFileAccess)});
    }

    void sectionsAccepted_data()
    {
        QTest::addColumn<int>("records");
        QTest::addColumn<QString>("section");
        QTest::addColumn<int>("startSection");
        QTest::newRow("000 becomes 1") << 2 << QStringLiteral("000") << 1;
        QTest::newRow("empty becomes 1") << 2 << QString() << 1;
        QTest::newRow("count minus one") << 5 << QStringLiteral("4") << 4;
        QTest::newRow("999 with 301 records") << 301 << QStringLiteral("999") << 300;
    }
    void sectionsAccepted()
    {
        QFETCH(int, records);
        QFETCH(QString, section);
        QFETCH(int, startSection);
        Rig rig;
        rig.write(QStringLiteral("0.hy3"), image(route(records)));
        QVERIFY(rig.run.SetRoute(QString(), section));
        QCOMPARE(rig.data.StartSection(), qint16(startSection));
        QCOMPARE(rig.data.CurrentPos(), qint16(startSection - 1));
        QCOMPARE(rig.data.RecordCount(), qint16(records));
    }

    void fareFolderForms()
    {
        Rig rig;
        rig.write(QStringLiteral("12.hy3"), image(route(3)));
        rig.options.fareDir = rig.dir.path() + u'/';
        QVERIFY(rig.run.SetRoute(QStringLiteral("12"), QStringLiteral("1")));
        const QString before = QDir::currentPath();
        QVERIFY(QDir::setCurrent(rig.dir.path()));
        rig.options.fareDir.clear();
        rig.options.tapeDir.clear();
        rig.reset();
        const bool ok = rig.run.SetRoute(QStringLiteral("12"), QStringLiteral("1"));
        QDir::setCurrent(before);
        QVERIFY(ok);
        QCOMPARE(rig.log.calls[1], QStringLiteral("LoadTapeData::12"));
    }

    void secondRouteRepeatsLampTestAndRestarts()
    {
        Rig rig;
        rig.write(QStringLiteral("1.hy3"), image(route(6)));
        rig.write(QStringLiteral("2.hy3"), image(route(3, QStringLiteral("新"))));
        QVERIFY(rig.run.SetRoute(QStringLiteral("1"), QStringLiteral("5")));
        QVERIFY(rig.run.SetRoute(QStringLiteral("2"), QStringLiteral("1")));
        QCOMPARE(rig.host.waits, (std::vector<int>{3000, 3000}));
        QCOMPARE(rig.data.CurrentPos(), qint16(0));
        QCOMPARE(rig.data.RecordCount(), qint16(3));
        QCOMPARE(rig.data.RouteTable(4), RouteRecord{}); // rows of the longer route gone
        QCOMPARE(rig.log.calls.last(), QStringLiteral("SetChimei:新1"));
    }

    void stepBounds()
    {
        Rig rig;
        rig.run.Step(1); // no route yet
        rig.run.Step(0);
        QVERIFY(rig.log.calls.isEmpty());
        QCOMPARE(rig.data.CurrentPos(), qint16(0));

        rig.write(QStringLiteral("3.hy3"), image(route(4)));
        QVERIFY(rig.run.SetRoute(QStringLiteral("3"), QStringLiteral("2")));
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
        QTest::addColumn<QString>("sound"); // empty: none
        // Moving from row 2 to row 3: column 60 of row 3 holds 3, of row 2 holds 2.
        QTest::newRow("always, sync") << true << true << QStringLiteral("PlaySnd:step.wav:S2:1:0");
        QTest::newRow("always, async")
            << true << false << QStringLiteral("PlaySnd:step.wav:S2:0:0");
        QTest::newRow("by the row reached")
            << false << true << QStringLiteral("PlaySnd:three.wav:S2:1:0");
    }
    void stepSoundBeforeRefresh()
    {
        QFETCH(bool, always);
        QFETCH(bool, sync);
        QFETCH(QString, sound);
        Rig rig;
        rig.write(QStringLiteral("3.hy3"), image(route(5)));
        QVERIFY(rig.run.SetRoute(QStringLiteral("3"), QStringLiteral("2")));
        rig.options.always = always;
        rig.options.sync = sync;
        rig.options.soundColumn = 60;
        rig.reset();
        rig.run.Step(1);
        QCOMPARE(rig.log.calls.first(), sound);
        QCOMPARE(rig.log.calls.last(), QStringLiteral("SetChimei:停留所3"));
    }

    void silentStepStillRefreshes()
    {
        Rig rig;
        rig.write(QStringLiteral("3.hy3"), image(route(5)));
        QVERIFY(rig.run.SetRoute(QStringLiteral("3"), QStringLiteral("3")));
        rig.options.always = false;
        rig.options.soundColumn = 60;
        rig.reset();
        rig.run.Step(1); // row 4: value 0
        QVERIFY(rig.log.named(QStringLiteral("PlaySnd")).isEmpty());
        QCOMPARE(rig.log.calls.last(), QStringLiteral("SetChimei:停留所4"));
    }

    void cellsOfTheRefresh()
    {
        Rig rig;
        rig.write(QStringLiteral("12.hy3"), image(route(12)));
        rig.options.routeOn = true;
        rig.options.routeCell = 20;
        rig.options.seiriOn = true;
        rig.options.seiriCell = 20;
        rig.panel.night = true;
        QVERIFY(rig.run.SetRoute(QStringLiteral("00012"), QStringLiteral("010")));
        rig.board.cells.clear();
        rig.run.DispData(2);
        QCOMPARE(rig.board.cells.size(), size_t(41));
        QCOMPARE(rig.board.cells.at(10), QVariant(2 * (150 + 20 + 10)));
        QCOMPARE(rig.board.cells.at(20), QVariant(QStringLiteral("00012")));
        rig.panel.night = false;
        rig.run.DispData(2);
        QCOMPARE(rig.board.cells.at(10), QVariant(150 + 20 + 10));
    }

    void ticketDrawing_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("date");
        QTest::newRow("each print: today")
            << int(DateMode::EachPrint) << QStringLiteral("01-02-2027");
        QTest::newRow("kept from route setting")
            << int(DateMode::RouteSet) << QStringLiteral("12-06-2026");
        QTest::newRow("fixed text") << int(DateMode::Fixed) << QStringLiteral("04-01-2027");
    }
    void ticketDrawing()
    {
        QFETCH(int, mode);
        QFETCH(QString, date);
        Rig rig;
        rig.write(QStringLiteral("12.hy3"), image(route(4)));
        rig.options.mode = static_cast<DateMode>(mode);
        rig.options.preview = true;
        rig.panel.company = 2;
        QVERIFY(rig.run.SetRoute(QStringLiteral("00012"), QStringLiteral("1")));
        if (rig.options.mode != DateMode::Fixed)
            QCOMPARE(rig.data.RouteSetDate(), QStringLiteral("12-06-2026"));
        rig.host.clock = QDateTime(QDate(2027, 1, 2), QTime(7, 5, 9));
        rig.reset();
        rig.run.DispData(3);

        QCOMPARE(rig.resLib.calls.size(), size_t(1));
        const QVariantList expected{QStringLiteral("/plug/ticket.4SP"),
                                    true,
                                    QStringLiteral("停留所3"),
                                    date,
                                    QStringLiteral("07:05:09"),
                                    12,
                                    qint16(3),
                                    qint16(3),
                                    qint16(2)};
        QCOMPARE(rig.resLib.calls[0].args, expected);
        const QStringList tail =
            rig.log.calls.mid(rig.log.calls.indexOf(QStringLiteral("clearPreview")));
        QCOMPARE(tail, (QStringList{
                           QStringLiteral("clearPreview"), QStringLiteral("Vk4_DrawSeiriken"),
                           QStringLiteral("repaintPreview"), QStringLiteral("SetChimei:停留所3")}));
    }

    void previewOffStillClears()
    {
        Rig rig;
        rig.write(QStringLiteral("12.hy3"), image(route(4)));
        QVERIFY(rig.run.SetRoute(QStringLiteral("12"), QStringLiteral("1")));
        QVERIFY(rig.resLib.calls.empty());
        QCOMPARE(rig.log.named(QStringLiteral("clearPreview")).size(), 1);
        QVERIFY(rig.log.named(QStringLiteral("repaintPreview")).isEmpty());
    }

    void emptyRouteAndNoCompanyDrawZeroAndMinusOne()
    {
        Rig rig;
        rig.write(QStringLiteral("0.hy3"), image(route(2)));
        rig.options.preview = true;
        rig.options.plugin.clear();
        QVERIFY(rig.run.SetRoute(QString(), QStringLiteral("1")));
        const QVariantList& args = rig.resLib.calls.at(0).args;
        QCOMPARE(args[0], QVariant(QString()));
        QCOMPARE(args[5], QVariant(0));
        QCOMPARE(args[8], QVariant(qint16(-1)));
    }

    void nameLeftByThePluginIsKept()
    {
        Rig rig;
        rig.write(QStringLiteral("12.hy3"), image(route(4)));
        rig.options.preview = true;
        rig.resLib.rewriteName = QStringLiteral("書換");
        QVERIFY(rig.run.SetRoute(QStringLiteral("12"), QStringLiteral("1")));
        QCOMPARE(rig.data.RouteTable(1).StopName, QStringLiteral("書換"));
        QCOMPARE(rig.log.calls.last(), QStringLiteral("SetChimei:書換"));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestRunController)
#include "tst_run_controller.moc"
