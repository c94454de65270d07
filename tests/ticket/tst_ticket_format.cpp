// The *.4SP text format: keys, defaults, limits, refusals; the engine's cache.

#include "reslib/ShiftJis.h"
#include "reslib/plugin/PluginEngine.h"
#include "reslib/plugin/TicketPlugin.h"
#include "tests/common/TestSupport.h"

#include <QImage>
#include <QTemporaryDir>

using namespace Qt::StringLiterals;
using namespace lumena;

namespace {

const QByteArray Head = "[ticket]\nformat = 1\nwidth = 3000\nheight = 1500\n";

QByteArray withHead(const QByteArray& ticketKeys, const QByteArray& rest = {})
{
    return Head + ticketKeys + "\n" + rest;
}

using Words = QList<int>; // index, value pairs

} // namespace

class TestTicketFormat : public QObject {
    Q_OBJECT
private slots:
    void init() { lumena::test::failOnUnexpectedWarnings(); }

    // The fourteen words of a plug-in: those of `words`, the rest as for the
    // [ticket] head alone.
    void infoKeys_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<Words>("words");
        const auto row = [](const char* name, const QByteArray& file, const Words& words) {
            QTest::newRow(name) << file << words;
        };
        const QByteArray dateText = "[text]\nbox = 0, 0, 900, 300\ntext = {date:yyyy/MM/dd}\n";
        const QByteArray nw7 = "[barcode]\ntype = nw7\nbox = 0, 600, 3000, 300\n";
        const QByteArray names = "[companies]\nname = A社\nname = B社\n";
        row("defaults", withHead(""), {});
        row("print keys yes",
            withHead("print-date = yes\nprint-time = YES\nprint-route = yes\nprint-stop = yes\n"
                     "print-barcode = yes"),
            {3, 1, 4, 1, 5, 1, 6, 1, 7, 1});
        row("date field implies print-date", withHead("", dateText), {3, 1});
        row("print-date no overrides the layout", withHead("print-date = no", dateText), {});
        row("bar code implies print-barcode and count", withHead("", nw7 + nw7), {7, 1, 8, 2});
        row("barcode-count", withHead("barcode-count = 3", nw7), {7, 1, 8, 3});
        row("route-limit", withHead("route-limit = 12345"), {9, 12345});
        row("route-scheme route-flag", withHead("route-scheme = route-flag"), {10, 2});
        row("stop range", withHead("stop-first = 5\nstop-last = 150"), {11, 5, 12, 150});
        row("companies imply switching", withHead("", names), {13, 2});
        row("company-switching no", withHead("company-switching = no", names), {});
        row("sizes at the limits", "[ticket]\nformat=1\nwidth=300\nheight=15000\n",
            {1, 300, 2, 15000});
        row("CRLF lines, comments, quoted value",
            "; c\r\n[Ticket]\r\nformat = 1\r\n# c\r\nwidth = 600\r\nheight = 600\r\n"
            "name = \"  spaced  \"\r\n",
            {1, 600, 2, 600});
    }
    void infoKeys()
    {
        QFETCH(QByteArray, file);
        QFETCH(Words, words);
        TicketPlugin p;
        QString error;
        QVERIFY2(parseTicketPlugin(file, p, error), qPrintable(error));
        PlgInfo want;
        want.v = {1, 3000, 1500, 0, 0, 0, 0, 0, 0, 999, 1, 1, 99, 0};
        for (qsizetype i = 0; i + 1 < words.size(); i += 2)
            want[words[i]] = words[i + 1];
        QCOMPARE(plgInfoOf(p).v, want.v);
    }

    // Every layout key, read from a file in each encoding a plug-in may use.
    void layoutKeys_data()
    {
        QTest::addColumn<QByteArray>("file");
        const QString text = QString::fromUtf8(withHead(
            "paper = #FFEECC\nstop-source = ticket",
            "[remarks]\nline = ｶﾅ・①・表示\nline = second\n[companies]\nname = 東山交通（株）\n"
            "[text]\nbox = 10, 20, 900, 300\ntext = No.{ticket:3} {{x}}\nfont = IPAMincho\n"
            "size = 400\nweight = bold\nitalic = yes\nalign = right\nvalign = bottom\n"
            "rotate = 90\nfit = clip\ncolor = #102030\n"
            "[line]\nfrom = 0, 750\nto = 3000, 750\nwidth = 30\nstyle = dash\ncolor = #FF0000\n"
            "[frame]\nbox = 0, 0, 3000, 1500\nwidth = 0\nradius = 60\nstyle = dot\nfill = #000000\n"
            "[barcode]\ntype = itf\nbox = 0, 900, 3000, 600\ndata = {row}{ticket:2}\nstart = c\n"
            "stop = D\nrotate = 180\ncolor = #0000FF\n"));
        QTest::newRow("UTF-8") << text.toUtf8();
        QTest::newRow("UTF-8 with BOM") << QByteArray("\xEF\xBB\xBF") + text.toUtf8();
        QTest::newRow("Shift-JIS") << sjis::fromUnicode(text);
    }
    void layoutKeys()
    {
        QFETCH(QByteArray, file);
        TicketPlugin p;
        QString error;
        QVERIFY2(parseTicketPlugin(file, p, error), qPrintable(error));
        QCOMPARE(std::tuple(p.paper, p.stopSource, p.remarks, p.companies, p.order.size()),
                 std::tuple(QColor(0xFF, 0xEE, 0xCC), StopSource::Ticket,
                            QStringList{u"ｶﾅ・①・表示"_s, u"second"_s},
                            QStringList{u"東山交通（株）"_s}, 4));
        QVERIFY(!p.printStop); // the layout uses no {stop}
        const TextItem& t = p.texts.at(0);
        QCOMPARE(std::tuple(t.box, t.text, t.font, t.size, t.weight, t.italic),
                 std::tuple(QRectF(10, 20, 900, 300), u"No.{ticket:3} {{x}}"_s, u"IPAMincho"_s, 400,
                            700, true));
        QCOMPARE(std::tuple(t.align, t.valign, t.rotate, t.fit, t.color),
                 std::tuple(Align::Right, VAlign::Bottom, 90, Fit::Clip, QColor(0x10, 0x20, 0x30)));
        const LineItem& l = p.lines.at(0);
        QCOMPARE(
            std::tuple(l.from, l.to, l.width, l.style, l.color),
            std::tuple(QPointF(0, 750), QPointF(3000, 750), 30, Qt::DashLine, QColor(Qt::red)));
        const FrameItem& f = p.frames.at(0);
        QCOMPARE(std::tuple(f.box, f.width, f.radius, f.style, f.fill),
                 std::tuple(QRectF(0, 0, 3000, 1500), 0, 60, Qt::DotLine, QColor(Qt::black)));
        const BarcodeItem& b = p.barcodes.at(0);
        QCOMPARE(std::tuple(b.type, b.content, b.text, b.start, b.stop, b.rotate, b.color),
                 std::tuple(BarcodeType::Itf, BarcodeContent::Template, u"{row}{ticket:2}"_s,
                            QChar(u'C'), QChar(u'D'), 180, QColor(Qt::blue)));
    }

    void refused_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<QString>("reason");
        const auto row = [](const char* name, const QByteArray& file, const char* reason) {
            QTest::newRow(name) << file << QString::fromUtf8(reason);
        };
        const QByteArray text = "[text]\nbox = 0, 0, 900, 300\n";
        const QByteArray code = "[barcode]\nbox = 0, 0, 900, 300\n";
        row("empty file", QByteArray(), "no [ticket]");
        row("no format", "[ticket]\nwidth=600\nheight=600\n", "format");
        row("format 2", "[ticket]\nformat=2\nwidth=600\nheight=600\n", "format");
        row("no width", "[ticket]\nformat=1\nheight=600\n", "width");
        row("width below limit", "[ticket]\nformat=1\nwidth=299\nheight=600\n", "width");
        row("height above limit", "[ticket]\nformat=1\nwidth=600\nheight=15001\n", "height");
        row("unknown key", withHead("colour = #000000"), "unknown key");
        row("unknown section", withHead("", "[picture]\n"), "unknown section");
        row("unclosed section", withHead("", "[text\n"), "]");
        row("duplicate key", withHead("route-limit = 9\nroute-limit = 9"), "twice");
        row("key before section", "format = 1\n" + Head, "before");
        row("line without =", withHead("just words"), "key = value");
        row("second [ticket]", Head + Head, "second");
        row("bad yes/no", withHead("print-date = maybe"), "yes or no");
        row("route limit not a number, its line named", withHead("route-limit = x"),
            "line 5: route-limit");
        row("stop range reversed", withHead("stop-first = 9\nstop-last = 3"), "below");
        row("barcode count above limit", withHead("barcode-count = 9"), "barcode-count");
        row("switching without names", withHead("company-switching = yes"), "[companies]");
        row("text without text", withHead("", text), "needs \"text\"");
        row("text without box", withHead("", "[text]\ntext = x\n"), "needs \"box\"");
        row("box outside", withHead("", "[text]\nbox = 2500, 0, 900, 300\ntext = x\n"), "outside");
        row("box with three numbers", withHead("", "[frame]\nbox = 0, 0, 900\n"), "4 numbers");
        row("box of zero width", withHead("", "[frame]\nbox = 0, 0, 0, 90\n"), "positive");
        row("huge coordinate", withHead("", "[frame]\nbox = 0, 0, 99999999999, 90\n"), "twips");
        row("line point outside", withHead("", "[line]\nfrom = 0, 0\nto = 3001, 0\n"), "outside");
        row("bad colour", withHead("paper = red"), "#RRGGBB");
        row("font too small", withHead("", text + "text = x\nsize = 59\n"), "size");
        row("weight 1000", withHead("", text + "text = x\nweight = 1000\n"), "weight");
        row("unknown field", withHead("", text + "text = {fare}\n"), "unknown field");
        row("unclosed brace", withHead("", text + "text = {ticket\n"), "without");
        row("lone closing brace", withHead("", text + "text = a}b\n"), "lone");
        row("width format out of range", withHead("", text + "text = {ticket:12}\n"), "width N");
        row("format on stop", withHead("", text + "text = {stop:3}\n"), "no format");
        row("text too long", withHead("", text + "text = " + QByteArray(201, 'x')), "longer");
        row("barcode without type", withHead("", code), "type");
        row("barcode type unknown", withHead("", code + "type = ean13\n"), "one of");
        row("barcode turned 45", withHead("", code + "type = qr\nrotate = 45\n"), "90");
        row("nw7 start E", withHead("", code + "type = nw7\nstart = E\n"), "A, B, C, D");
        row("empty company name", withHead("", "[companies]\nname =\n"), "company name");
        row("17 companies", withHead("", "[companies]\n" + QByteArray("name = c\n").repeated(17)),
            "companies");
        row("41 remark lines", withHead("", "[remarks]\n" + QByteArray("line = r\n").repeated(41)),
            "remark");
        row("201 items",
            withHead("", QByteArray("[line]\nfrom = 0, 0\nto = 10, 10\n").repeated(201)), "items");
        row("9 bar codes", withHead("", (code + "type = qr\n").repeated(9)), "bar codes");
        row("line too long", withHead("name = " + QByteArray(1001, 'n')), "longer than");
        row("file too large", withHead("", QByteArray(64 * 1024, '#')), "larger");
        row("NUL bytes", withHead("name = a\0b") + QByteArray(1, '\0'), "NUL");
        row("neither UTF-8 nor Shift-JIS", withHead("name = \x81\x20\xff"), "neither");
    }
    void refused()
    {
        QFETCH(QByteArray, file);
        QFETCH(QString, reason);
        TicketPlugin p;
        p.name = u"untouched"_s;
        QString error;
        QVERIFY(!parseTicketPlugin(file, p, error));
        QVERIFY2(error.contains(reason), qPrintable(error));
        QCOMPARE(p.name, u"untouched"_s);
    }

    // Every prefix of a sample is read or refused, and a refusal leaves the
    // output untouched.
    void truncatedSample()
    {
        const QByteArray whole =
            test::readFile(test::sourceDir() + u"/samples/plugins/companies.4SP"_s);
        int accepted = 0;
        for (qsizetype n = 0; n <= whole.size(); ++n) {
            TicketPlugin p;
            p.name = u"untouched"_s;
            QString error;
            if (parseTicketPlugin(whole.left(n), p, error))
                ++accepted;
            else
                QVERIFY2(p.name == u"untouched"_s && !error.isEmpty(), qPrintable(error));
        }
        QVERIFY(accepted > 0);
    }

    // A file is read again only when it changed; a broken one is remembered too.
    void engineReadsOnceUntilTheFileChanges()
    {
        QTemporaryDir dir;
        const QString path = dir.filePath(u"t.4SP"_s);
        QVERIFY(test::writeFile(path, withHead("route-limit = 50")));
        PluginEngine engine;
        PlgInfo info;
        QCOMPARE(engine.getPlgInfo(path, info), 1);
        QCOMPARE(engine.getPlgInfo(path, info), 1);
        int comments = 0;
        engine.setPlgComment(path, [&](const QString&) { ++comments; });
        QCOMPARE(engine.readCount(), 1);
        QCOMPARE(comments, 1);
        QVERIFY(test::writeFile(path, withHead("route-limit = 500")));
        QCOMPARE(engine.getPlgInfo(path, info), 1);
        QCOMPARE(info[9], 500);
        QCOMPARE(engine.readCount(), 2);
        QVERIFY(test::writeFile(path, withHead("route-limit = many")));
        QCOMPARE(engine.getPlgInfo(path, info), 0);
        QCOMPARE(engine.getPlgInfo(path, info), 0);
        QCOMPARE(engine.readCount(), 3);
    }

    // Nothing is called back, written or drawn for what is no plug-in file.
    void engineRefusesWhatIsNoPluginFile_data()
    {
        QTest::addColumn<QString>("path");
        QTest::addColumn<int>("reads"); // a file that is there is read once
        QTest::newRow("empty path") << QString() << 0;
        QTest::newRow("missing file") << u"/nonexistent/x.4SP"_s << 0;
        QTest::newRow("a device") << u"/dev/zero"_s << 0;
        QTest::newRow("broken file") << test::sourceDir() + u"/tests/ticket/CMakeLists.txt"_s << 1;
    }
    void engineRefusesWhatIsNoPluginFile()
    {
        QFETCH(QString, path);
        PluginEngine engine;
        PlgInfo info;
        info[5] = 7;
        const auto never = [](const QString&) { QFAIL("called back"); };
        QImage img(50, 20, QImage::Format_RGB32);
        img.fill(Qt::white);
        const QImage before = img;
        QString stop = u"駅"_s, date = u"12-06-2026"_s;
        QCOMPARE((QList<int>{engine.getPlgInfo(path, info), engine.setCorpAddList(path, never),
                             engine.setPlgComment(path, never),
                             engine.drawSeiriken(path, &img, stop, date, {}, 1, 1, 1, -1)}),
                 (QList<int>{0, 0, 0, 0}));
        QCOMPARE(info[5], 7);
        QCOMPARE(img, before);
        QCOMPARE(stop, u"駅"_s);
        QTEST(engine.readCount(), "reads");
    }
};

LUMENA_TEST_GUILESS_MAIN(TestTicketFormat)
#include "tst_ticket_format.moc"
