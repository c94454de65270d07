// Tickets as drawn: template fields, the ticket's place, bar codes read by zbar.

#include "reslib/plugin/PluginEngine.h"
#include "reslib/plugin/TicketRenderer.h"
#include "tests/common/TestSupport.h"
#include "tests/ticket/ZbarReader.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

using namespace lumena;
using namespace Qt::Literals::StringLiterals;

namespace {

QString sample(const char* name)
{
    return test::sourceDir() + u"/samples/plugins/"_s + QLatin1StringView(name);
}

// The ticket on a white 240 x 135 picture, stop 中央駅前, 12-06-2026 17:45:10,
// no company chosen; a picture left white when the engine refuses.
QImage draw(const QString& path, qint32 route, qint16 row, qint16 ticket)
{
    QImage image(240, 135, QImage::Format_RGB32);
    image.fill(Qt::white);
    QString stop = u"中央駅前"_s, date = u"12-06-2026"_s;
    PluginEngine engine;
    if (engine.drawSeiriken(path, &image, stop, date, u"17:45:10"_s, route, ticket, row, -1) != 1)
        image.fill(Qt::white);
    return image;
}

} // namespace

class TestTicketDraw : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;

    // A 3000 x 1500 twips plug-in of `body` written for the test.
    QString plugin(const QByteArray& body)
    {
        const QString path = m_dir.filePath(QString::number(qHash(body)) + u".4SP"_s);
        QFile f(path);
        if (f.open(QIODevice::WriteOnly))
            f.write("[ticket]\nformat = 1\nwidth = 3000\nheight = 1500\n" + body);
        return path;
    }

private slots:
    void init() { lumena::test::failOnUnexpectedWarnings(); }

    void barcodesReadBack_data()
    {
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<QList<int>>("routeRowTicket");
        QTest::addColumn<QStringList>("expected");
        const QString nw7 = sample("thermal-nw7.4SP"), itf = sample("itf-roundtrip.4SP");
        QTest::newRow("NW-7 consecutive: route 12, stop 5")
            << nw7 << QList<int>{12, 5, 3} << QStringList{u"Codabar:A01205B"_s};
        QTest::newRow("NW-7 at the highest route and stop")
            << nw7 << QList<int>{999, 99, 1} << QStringList{u"Codabar:A99999B"_s};
        QTest::newRow("NW-7 route above the limit: no code")
            << nw7 << QList<int>{1000, 5, 1} << QStringList{};
        QTest::newRow("NW-7 stop outside the range: no code")
            << nw7 << QList<int>{12, 100, 1} << QStringList{};
        QTest::newRow("ITF route and flag: 121 = route 12 return, ticket 7")
            << itf << QList<int>{121, 30, 7} << QStringList{u"I2/5:012107"_s};
        QTest::newRow("ITF outbound, ticket 60")
            << itf << QList<int>{50, 1, 60} << QStringList{u"I2/5:005060"_s};
        QTest::newRow("ITF flag 2 is no round-trip flag: no code")
            << itf << QList<int>{122, 1, 7} << QStringList{};
        QTest::newRow("QR with route, row, ticket and date")
            << sample("companies.4SP") << QList<int>{12, 5, 3}
            << QStringList{u"QR-Code:LUMENA;12;5;3;12-06-2026"_s};
        for (int rotate : {0, 90, 180, 270})
            QTest::addRow("NW-7 turned %d", rotate)
                << plugin("[barcode]\ntype = nw7\nbox = 300, 60, 1380, 1380\nstart = C\nstop = D\n"
                          "rotate = " +
                          QByteArray::number(rotate) + "\n")
                << QList<int>{7, 3, 3} << QStringList{u"Codabar:C00703D"_s};
    }
    void barcodesReadBack()
    {
        QFETCH(QString, plugin);
        QFETCH(QList<int>, routeRowTicket);
        const QImage image =
            draw(plugin, routeRowTicket[0], qint16(routeRowTicket[1]), qint16(routeRowTicket[2]));
        QVERIFY(image != draw(QString(), 1, 1, 1)); // the ticket is drawn
        QTEST(test::readBarcodes(image), "expected");
    }

    // NW-7 takes ASCII digits and its six signs; anything else, a full-width
    // or Arabic-Indic digit included, leaves the ticket without a code.
    void nw7DataIsAsciiOnly()
    {
        TicketPlugin p;
        QString error;
        QVERIFY2(parseTicketPlugin("[ticket]\nformat = 1\nwidth = 3000\nheight = 1500\n"
                                   "[barcode]\ntype = nw7\nbox = 0, 0, 3000, 600\n"
                                   "data = {stop}{ticket}\n",
                                   p, error),
                 qPrintable(error));
        const auto data = [&](const QString& stop) {
            return barcodeData(p, p.barcodes.at(0), TicketFields{stop, {}, {}, 12, 7, 3, -1});
        };
        QCOMPARE(data(u"1-2$:/.+"_s), "A1-2$:/.+7B");
        QCOMPARE(data(u"1\uFF12"_s), QByteArray());
        QCOMPARE(data(u"\u0663"_s), QByteArray());
    }

    // A text turned at a slant reaches past its box's corners: the ticket's
    // edge (200 x 100 pixels) still cuts it.
    void slantedTextStaysOnTheTicket()
    {
        for (const QByteArray rotate : {"45", "-30"}) {
            const QImage cut =
                draw(plugin("[text]\nbox = 1500, 600, 1500, 900\nsize = 600\n"
                            "text = \xe2\x96\xa0\xe2\x96\xa0\xe2\x96\xa0\xe2\x96\xa0\n"
                            "rotate = " +
                            rotate + "\n"),
                     1, 1, 1);
            for (int y = 0; y < cut.height(); ++y)
                for (int x = y > 100 ? 0 : 201; x < cut.width(); ++x)
                    QVERIFY2(
                        cut.pixel(x, y) == qRgb(255, 255, 255),
                        qPrintable(
                            u"rotate %1: %2, %3"_s.arg(QLatin1StringView(rotate)).arg(x).arg(y)));
        }
    }

    // Every bundled plug-in that prints a bar code prints it on every ticket
    // of bundled routes (samples/routes: stop name, ticket number, fares), so
    // the samples show each kind. The ITF one reads route 121 as route 12
    // with the return flag; 12 and 305 end in no flag and get no code.
    void samplePluginsCodeTheSampleRoutes_data()
    {
        QTest::addColumn<QString>("plugin");
        QTest::addColumn<QStringList>("coded"); // routes coded on every ticket, the rest on none
        const QDir plugins(test::sourceDir() + u"/samples/plugins"_s);
        QStringList routes = QDir(test::sourceDir() + u"/samples/routes"_s)
                                 .entryList({u"*.csv"_s}, QDir::Files, QDir::Name);
        routes.replaceInStrings(u".csv"_s, QString());
        for (const QString& p : plugins.entryList({u"*.4SP"_s}, QDir::Files)) {
            if (test::readFile(plugins.filePath(p)).contains("[barcode]"))
                QTest::newRow(qPrintable(p))
                    << plugins.filePath(p)
                    << (p == u"itf-roundtrip.4SP"_s ? QStringList{u"121"_s} : routes);
        }
    }
    void samplePluginsCodeTheSampleRoutes()
    {
        QFETCH(QString, plugin);
        const QDir dir(test::sourceDir() + u"/samples/routes"_s);
        QStringList coded;
        for (const QString& csv : dir.entryList({u"*.csv"_s}, QDir::Files, QDir::Name)) {
            const QStringList stops = QString::fromUtf8(test::readFile(dir.filePath(csv)))
                                          .split(u'\n', Qt::SkipEmptyParts)
                                          .mid(1);
            const QString route = csv.chopped(4);
            int codes = 0;
            for (int row = 1; row <= stops.size(); ++row) {
                const qint16 ticket = qint16(stops[row - 1].section(u',', 1, 1).toInt());
                const QImage ticketImage = draw(plugin, route.toInt(), qint16(row), ticket);
                codes += int(!test::readBarcodes(ticketImage).isEmpty());
            }
            QVERIFY2(codes == 0 || codes == stops.size(),
                     qPrintable(u"route %1: %2 of %3"_s.arg(route).arg(codes).arg(stops.size())));
            if (codes > 0)
                coded << route;
        }
        QTEST(coded, "coded");
    }

    void templates_data()
    {
        QTest::addColumn<QString>("templ");
        QTest::addColumn<QString>("date");
        QTest::addColumn<int>("company");
        QTest::addColumn<QString>("expected");
        const auto row = [](const char* name, const char16_t* templ, const char16_t* date,
                            int company, const char16_t* expected) {
            QTest::newRow(name) << QString::fromUtf16(templ) << QString::fromUtf16(date) << company
                                << QString::fromUtf16(expected);
        };
        const char16_t* sys = u"01-05-2025";
        row("system date as passed", u"{date}", sys, 1, u"01-05-2025");
        row("system date reformatted", u"{date:yyyy年M月d日}", sys, 1, u"2025年1月5日");
        row("fixed date reformatted", u"{date:yyyy年M月d日}", u"2025/01/05", 1, u"2025年1月5日");
        row("unreadable date stays as passed", u"{date:yy.MM.dd}", u"5.1.2025", 1, u"5.1.2025");
        row("time", u"{time} {time:hh時mm分}", sys, 1, u"17:45:10 17時45分");
        row("padded numbers", u"{ticket:3}-{route:5}-{row:2}", sys, 1, u"007-00012-05");
        row("braces and text", u"{{{stop}}}", sys, 1, u"{中央駅前}");
        row("company chosen", u"{company}", sys, 1, u"乙交通");
        row("no company chosen: the first", u"{company}", sys, -1, u"甲バス");
        row("company out of range: the first", u"{company}", sys, 2, u"甲バス");
    }
    void templates()
    {
        QFETCH(QString, templ);
        QFETCH(QString, date);
        QFETCH(int, company);
        TicketPlugin p;
        p.companies = {u"甲バス"_s, u"乙交通"_s};
        const TicketFields f{u"中央駅前"_s, date, u"17:45:10"_s, 12, 7, 5, qint16(company)};
        QTEST(expandTemplate(templ, p, f), "expected");
        QCOMPARE(companyName(TicketPlugin(), 0), QString()); // without companies
    }

    // The classic ticket's number fills its right half; outside the ticket
    // (200 x 93 pixels) nothing is drawn, nor without a picture.
    void ticketNumberIsDrawnLarge()
    {
        const QImage img = draw(sample("classic.4SP"), 1, 1, 12);
        int dark = 0;
        for (int y = 10; y < 75; ++y)
            for (int x = 100; x < 188; ++x)
                dark += qGray(img.pixel(x, y)) < 80 ? 1 : 0;
        QVERIFY2(dark > 600, qPrintable(QString::number(dark)));
        QCOMPARE(img.pixel(220, 110), qRgb(255, 255, 255));
        PluginEngine engine;
        QString stop = u"駅"_s, date = u"12-06-2026"_s;
        QCOMPARE(engine.drawSeiriken(sample("classic.4SP"), nullptr, stop, date, {}, 1, 1, 1, -1),
                 0);
    }
};

LUMENA_TEST_MAIN(TestTicketDraw)
#include "tst_ticket_draw.moc"
