// Tickets as drawn: fields and dates in the printed text, the route number as
// the drawing takes it, the company name, and bar codes read back by zbar;
// then the preview as the board refresh draws it: route and stop reach the
// bar code, the date modes and the company choice reach the ticket.

#include "panel/RouteFile.h"
#include "panel/RouteState.h"
#include "panel/RunController.h"
#include "reslib/plugin/PluginEngine.h"
#include "reslib/plugin/TicketRenderer.h"
#include "tests/common/FakeRunPorts.h"
#include "tests/common/TestSupport.h"
#include "tests/ticket/ZbarReader.h"
#include "ticket/SeirikenPreview.h"

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>

using namespace lumena;
using namespace Qt::Literals::StringLiterals;

namespace {

QString sample(const char* name)
{
    return test::sourceDir() + u"/samples/plugins/"_s + QLatin1StringView(name);
}

struct Drawn {
    QImage image;
    qint32 result = 0;
};

Drawn draw(PluginEngine& engine, const QString& path, qint32 route, qint16 row, qint16 ticket,
           qint16 company = -1, QString date = u"12-06-2026"_s)
{
    Drawn d;
    d.image = QImage(240, 120, QImage::Format_RGB32);
    d.image.fill(Qt::white);
    QString stop = u"中央駅前"_s;
    d.result =
        engine.drawSeiriken(path, &d.image, stop, date, u"17:45:10"_s, route, ticket, row, company);
    return d;
}

QString writePlugin(QTemporaryDir& dir, const QByteArray& body)
{
    const QString path = dir.filePath(QString::number(qHash(body)) + u".4SP"_s);
    QFile f(path);
    if (f.open(QIODevice::WriteOnly))
        f.write("[ticket]\nformat = 1\nwidth = 3000\nheight = 1500\n" + body);
    return path;
}

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

struct Rig : test::RunRig {
    PreviewPanel panel;
    EngineResLib resLib;
    RunController run{data, options, board, panel, sound, tape, resLib, host};

    explicit Rig(const char* plugin)
    {
        options.preview = true;
        options.plugin = sample(plugin);
        QList<RouteRecord> stops;
        for (int i = 1; i <= 4; ++i) {
            RouteRecord r;
            r.StopName = u"停留所"_s + QString::number(i);
            r.TicketNo = static_cast<qint16>(i + 10);
            stops << r;
        }
        writeRoute(u"12.hy3"_s, stops);
        // As SetPlgin does when the plug-in is chosen.
        PlgInfo info;
        if (resLib.Vk4_GetPlgInfo(options.plugin, info))
            panel.preview.setSizeTwips(info[1], info[2]);
    }
    QStringList codes() { return test::readBarcodes(panel.preview.picture()); }
};

} // namespace

class TestTicketDraw : public QObject {
    Q_OBJECT
private slots:
    void init() { lumena::test::failOnUnexpectedWarnings(); }

    void barcodesReadBack_data()
    {
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<int>("route");
        QTest::addColumn<int>("row");
        QTest::addColumn<int>("ticket");
        QTest::addColumn<QStringList>("expected");
        QTest::newRow("NW-7 consecutive: route 12, stop 5")
            << sample("thermal-nw7.4SP") << 12 << 5 << 3 << QStringList{u"Codabar:A01205B"_s};
        QTest::newRow("NW-7 at the highest route and stop")
            << sample("thermal-nw7.4SP") << 999 << 99 << 1 << QStringList{u"Codabar:A99999B"_s};
        QTest::newRow("NW-7 route above the limit: no code")
            << sample("thermal-nw7.4SP") << 1000 << 5 << 1 << QStringList{};
        QTest::newRow("NW-7 stop outside the range: no code")
            << sample("thermal-nw7.4SP") << 12 << 100 << 1 << QStringList{};
        QTest::newRow("ITF route and flag: 121 = route 12 return, ticket 7")
            << sample("itf-roundtrip.4SP") << 121 << 30 << 7 << QStringList{u"I2/5:012107"_s};
        QTest::newRow("ITF outbound, ticket 60")
            << sample("itf-roundtrip.4SP") << 50 << 1 << 60 << QStringList{u"I2/5:005060"_s};
        QTest::newRow("ITF flag 2 is no round-trip flag: no code")
            << sample("itf-roundtrip.4SP") << 122 << 1 << 7 << QStringList{};
        QTest::newRow("QR with route, row, ticket and date")
            << sample("companies.4SP") << 12 << 5 << 3
            << QStringList{u"QR-Code:LUMENA;12;5;3;12-06-2026"_s};
    }
    void barcodesReadBack()
    {
        QFETCH(QString, plugin);
        QFETCH(int, route);
        QFETCH(int, row);
        QFETCH(int, ticket);
        QFETCH(QStringList, expected);
        PluginEngine engine;
        const Drawn d = draw(engine, plugin, route, qint16(row), qint16(ticket));
        QCOMPARE(d.result, 1);
        QCOMPARE(test::readBarcodes(d.image), expected);
    }

    void turnedBarcodesReadBack_data()
    {
        QTest::addColumn<int>("rotate");
        QTest::newRow("0") << 0;
        QTest::newRow("90") << 90;
        QTest::newRow("180") << 180;
        QTest::newRow("270") << 270;
    }
    void turnedBarcodesReadBack()
    {
        QFETCH(int, rotate);
        QTemporaryDir dir;
        const QString path = writePlugin(
            dir,
            "[barcode]\ntype = nw7\nbox = 300, 60, 1380, 1380\nstart = C\nstop = D\nrotate = " +
                QByteArray::number(rotate) + "\n");
        PluginEngine engine;
        const Drawn d = draw(engine, path, 7, 3, 3);
        QCOMPARE(test::readBarcodes(d.image), QStringList{u"Codabar:C00703D"_s});
    }

    void templates_data()
    {
        QTest::addColumn<QString>("templ");
        QTest::addColumn<QString>("date");
        QTest::addColumn<QString>("expected");
        const QString sys = u"01-05-2025"_s;
        const QString fixed = u"2025/01/05"_s;
        QTest::newRow("system date as passed") << "{date}" << sys << "01-05-2025";
        QTest::newRow("fixed date as passed") << "{date}" << fixed << "2025/01/05";
        QTest::newRow("system date reformatted") << "{date:yyyy年M月d日}" << sys << "2025年1月5日";
        QTest::newRow("fixed date reformatted") << "{date:yyyy年M月d日}" << fixed << "2025年1月5日";
        QTest::newRow("unreadable date stays as passed") << "{date:yy.MM.dd}"
                                                         << "5.1.2025"
                                                         << "5.1.2025";
        QTest::newRow("time") << "{time} {time:hh時mm分}" << sys << "17:45:10 17時45分";
        QTest::newRow("padded numbers") << "{ticket:3}-{route:5}-{row:2}" << sys << "007-00012-05";
        QTest::newRow("braces and text") << "{{{stop}}}" << sys << "{中央駅前}";
        QTest::newRow("company chosen") << "{company}" << sys << "乙交通";
    }
    void templates()
    {
        QFETCH(QString, templ);
        QFETCH(QString, date);
        QFETCH(QString, expected);
        TicketPlugin p;
        p.companies = {u"甲バス"_s, u"乙交通"_s};
        TicketFields f;
        f.stop = u"中央駅前"_s;
        f.date = date;
        f.time = u"17:45:10"_s;
        f.route = 12;
        f.row = 5;
        f.ticket = 7;
        f.company = 1;
        QCOMPARE(expandTemplate(templ, p, f), expected);
    }

    void companyWithoutChoiceIsTheFirst()
    {
        TicketPlugin p;
        QCOMPARE(companyName(p, 0), QString());
        p.companies = {u"甲"_s, u"乙"_s, u"丙"_s};
        QCOMPARE(companyName(p, -1), u"甲"_s);
        QCOMPARE(companyName(p, 2), u"丙"_s);
        QCOMPARE(companyName(p, 3), u"甲"_s);
    }

    void ticketNumberIsDrawnLarge()
    {
        // The classic ticket's number fills its right half: many dark pixels there.
        PluginEngine engine;
        const QImage img = draw(engine, sample("classic.4SP"), 1, 1, 12).image;
        int dark = 0;
        for (int y = 10; y < 75; ++y) {
            for (int x = 100; x < 188; ++x)
                dark += qGray(img.pixel(x, y)) < 80 ? 1 : 0;
        }
        QVERIFY2(dark > 600, qPrintable(QString::number(dark)));
        // Outside the ticket (200 x 93 pixels) the picture is untouched.
        QCOMPARE(img.pixel(220, 110), qRgb(255, 255, 255));
    }

    void noPictureDrawsNothing()
    {
        PluginEngine engine;
        QString stop = u"駅"_s, date = u"12-06-2026"_s;
        QCOMPARE(engine.drawSeiriken(sample("classic.4SP"), nullptr, stop, date, {}, 1, 1, 1, -1),
                 0);
    }

    // --- the preview as the board refresh draws it ---------------------------

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

    void blankPreview_data()
    {
        QTest::addColumn<bool>("preview");
        QTest::newRow("unchecked preview: not drawn") << false;
        QTest::newRow("no plug-in file: called, draws nothing") << true;
    }
    void blankPreview()
    {
        QFETCH(bool, preview);
        Rig rig("classic.4SP");
        QVERIFY(rig.run.SetRoute(u"12"_s, u"1"_s));
        QVERIFY(!allWhite(rig.panel.preview.picture()));
        rig.options.preview = preview;
        rig.options.plugin.clear();
        rig.resLib.calls.clear();
        rig.run.Step(1);
        QVERIFY(allWhite(rig.panel.preview.picture()));
        QCOMPARE(rig.resLib.callNames().contains(u"Vk4_DrawSeiriken"_s), preview);
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

LUMENA_TEST_MAIN(TestTicketDraw)
#include "tst_ticket_draw.moc"
