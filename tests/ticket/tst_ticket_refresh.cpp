// The ticket preview as the board refresh draws it with our plug-in engine:
// the route and stop reach the bar code, the three date modes reach the
// ticket in their forms, the company choice reaches the ticket, and an
// unchecked preview stays blank.

#include "panel/DataIo.h"
#include "panel/RouteFile.h"
#include "panel/RunController.h"
#include "reslib/plugin/PluginEngine.h"
#include "tests/common/TestSupport.h"
#include "tests/panel/RunFakes.h"
#include "tests/ticket/ZbarReader.h"
#include "ticket/SeirikenPreview.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

using namespace lumena;
using namespace Qt::Literals::StringLiterals;

namespace {

// The fake library with the real plug-in engine behind the Vk4_* calls.
struct EngineResLib final : test::FakeResLib {
    PluginEngine engine;
    qint32 Vk4_GetPlgInfo(const QString& path, PlgInfo& info) override
    {
        return engine.getPlgInfo(path, info);
    }
    qint32 Vk4_DrawSeiriken(const QString& path, QImage* dc, QString& stopName, QString& date,
                            const QString& time, qint32 routeNumber, qint16 ticketNo, qint16 row,
                            qint16 company) override
    {
        test::FakeResLib::Vk4_DrawSeiriken(path, dc, stopName, date, time, routeNumber, ticketNo,
                                           row, company);
        return engine.drawSeiriken(path, dc, stopName, date, time, routeNumber, ticketNo, row,
                                   company);
    }
};

// The panel's preview picture box behind PanelControls.
struct PreviewPanel final : PanelControls {
    SeirikenPreview preview;
    int company = -1;
    bool lateNight() const override { return false; }
    int companyIndex() const override { return company; }
    void enableStepping() override {}
    void clearPreview() override { preview.clearPicture(); }
    QImage* previewImage() override { return preview.image(); }
    void repaintPreview() override { preview.update(); }
};

QString sample(const char* name)
{
    return test::sourceDir() + u"/samples/plugins/"_s + QLatin1StringView(name);
}

bool allWhite(const QImage& img)
{
    for (int y = 0; y < img.height(); ++y) {
        for (int x = 0; x < img.width(); ++x) {
            if (img.pixel(x, y) != qRgb(255, 255, 255))
                return false;
        }
    }
    return true;
}

struct Rig {
    test::CallLog log;
    test::FakeHost host;
    test::FakeRunOptions options;
    test::RecordingBoard board{log};
    PreviewPanel panel;
    test::RecordingSound sound{log};
    test::RecordingTape tape{log};
    EngineResLib resLib;
    DataIo data;
    RunController run{data, options, board, panel, sound, tape, resLib, host};
    QTemporaryDir dir;

    explicit Rig(const char* plugin)
    {
        options.fareDir = dir.path();
        options.preview = true;
        options.plugin = sample(plugin);
        QList<RouteRecord> stops;
        for (int i = 1; i <= 4; ++i) {
            RouteRecord r;
            r.StopName = u"停留所"_s + QString::number(i);
            r.TicketNo = static_cast<qint16>(i + 10);
            stops << r;
        }
        QByteArray bytes;
        QFile f(dir.filePath(u"12.hy3"_s));
        if (routefile::encode(stops, bytes) || !f.open(QIODevice::WriteOnly) ||
            f.write(bytes) != bytes.size())
            qFatal("cannot write the route file");
        // As SetPlgin does when the plug-in is chosen.
        PlgInfo info;
        if (resLib.Vk4_GetPlgInfo(options.plugin, info))
            panel.preview.setSizeTwips(info[1], info[2]);
    }
    QStringList codes() { return test::readBarcodes(panel.preview.picture()); }
};

} // namespace

class TestTicketRefresh : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void routeEnteredAs00012ReachesTheBarcodeAs12()
    {
        Rig rig("thermal-nw7.4SP");
        QVERIFY(rig.run.SetRoute(u"00012"_s, u"001"_s));
        QCOMPARE(rig.codes(), QStringList{u"Codabar:A01201B"_s});
        rig.run.Step(1);
        rig.run.Step(1);
        QCOMPARE(rig.codes(), QStringList{u"Codabar:A01203B"_s});
    }

    void dateModesReachTheTicket_data()
    {
        QTest::addColumn<int>("mode");
        QTest::addColumn<QString>("printed");
        QTest::newRow("each print: today, mm-dd-yyyy") << int(DateMode::EachPrint) << "12-07-2026";
        QTest::newRow("route set: the day of the route setting")
            << int(DateMode::RouteSet) << "12-06-2026";
        QTest::newRow("fixed: yyyy/mm/dd") << int(DateMode::Fixed) << "2025/01/05";
    }
    void dateModesReachTheTicket()
    {
        QFETCH(int, mode);
        QFETCH(QString, printed);
        Rig rig("companies.4SP"); // its QR code carries the date as received
        rig.options.mode = DateMode(mode);
        rig.options.fixed = u"2025/01/05"_s;
        QVERIFY(rig.run.SetRoute(u"12"_s, u"1"_s));
        rig.host.clock = rig.host.clock.addDays(1); // the day changes on the way
        rig.run.Step(1);
        QCOMPARE(rig.codes(), QStringList{u"QR-Code:LUMENA;12;2;12;"_s + printed});
    }

    void uncheckedPreviewStaysBlank()
    {
        Rig rig("classic.4SP");
        QVERIFY(rig.run.SetRoute(u"12"_s, u"1"_s));
        QVERIFY(!allWhite(rig.panel.preview.picture()));
        rig.options.preview = false;
        rig.run.Step(1);
        QVERIFY(allWhite(rig.panel.preview.picture()));
    }

    void emptyPluginPathDrawsNothingButIsCalled()
    {
        Rig rig("classic.4SP");
        rig.options.plugin.clear();
        QVERIFY(rig.run.SetRoute(u"12"_s, u"1"_s));
        QVERIFY(rig.resLib.callNames().contains(u"Vk4_DrawSeiriken"_s));
        QVERIFY(allWhite(rig.panel.preview.picture()));
    }

    void companyChoiceReachesTheTicket()
    {
        Rig rig("companies.4SP");
        QVERIFY(rig.run.SetRoute(u"12"_s, u"1"_s));
        const QImage none = rig.panel.preview.picture();
        rig.panel.company = 0;
        rig.run.DispData(1);
        QCOMPARE(rig.panel.preview.picture(), none); // nothing chosen prints the first
        rig.panel.company = 2;
        rig.run.DispData(1);
        QVERIFY(rig.panel.preview.picture() != none);
    }
};

LUMENA_TEST_MAIN(TestTicketRefresh)
#include "tst_ticket_refresh.moc"
