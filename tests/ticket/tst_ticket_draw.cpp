// Tickets as drawn: fields and dates in the printed text, the route number as
// the drawing takes it, the company name, and bar codes read back by zbar.

#include "reslib/plugin/PluginEngine.h"
#include "reslib/plugin/TicketRenderer.h"
#include "tests/common/TestSupport.h"
#include "tests/ticket/ZbarReader.h"

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

// The ticket on a white 240 x 120 picture, stop 中央駅前, 12-06-2026 17:45:10, no company chosen.
Drawn draw(PluginEngine& engine, const QString& path, qint32 route, qint16 row, qint16 ticket)
{
    Drawn d;
    d.image = QImage(240, 120, QImage::Format_RGB32);
    d.image.fill(Qt::white);
    QString stop = u"中央駅前"_s, date = u"12-06-2026"_s;
    d.result =
        engine.drawSeiriken(path, &d.image, stop, date, u"17:45:10"_s, route, ticket, row, -1);
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
};

LUMENA_TEST_MAIN(TestTicketDraw)
#include "tst_ticket_draw.moc"
