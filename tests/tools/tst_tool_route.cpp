// lumena-data route ...: run as a separate process on good and bad files.

#include "panel/RouteFile.h"
#include "tests/common/TestSupport.h"

#include <QDir>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QProcess>
#include <QTemporaryDir>

using namespace lumena;

namespace {

struct Run {
    int exitCode = -1;
    QByteArray out, err;
};

Run tool(const QStringList& args)
{
    QProcess p;
    p.start(QStringLiteral(LUMENA_DATA_EXE), args);
    Run r;
    if (!p.waitForFinished(30000))
        return r;
    r.exitCode = p.exitStatus() == QProcess::NormalExit ? p.exitCode() : -2;
    r.out = p.readAllStandardOutput();
    r.err = p.readAllStandardError();
    return r;
}

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

} // namespace

class TestToolRoute : public QObject {
    Q_OBJECT
    QTemporaryDir m_dir;
    QString path(const QString& name) const { return m_dir.filePath(name); }
    void write(const QString& name, const QByteArray& bytes)
    {
        QFile f(path(name));
        if (!f.open(QIODevice::WriteOnly) || f.write(bytes) != bytes.size())
            qFatal("cannot write test file");
    }
    QByteArray read(const QString& name) const
    {
        QFile f(path(name));
        return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
    }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void csvRoundTripKeepsEveryByte()
    {
        const QList<RouteRecord> rs = {record(QString(), 0), record(QStringLiteral("市役所,前"), 1),
                                       record(QStringLiteral("\"引用\" と\n改行"), -2),
                                       record(QStringLiteral("ｱｲｳ（北口）ー。"), 3)};
        write(QStringLiteral("a.hy3"), image(rs));
        const Run to = tool({QStringLiteral("route"), QStringLiteral("to-csv"),
                             path(QStringLiteral("a.hy3")), path(QStringLiteral("a.csv"))});
        QCOMPARE(to.exitCode, 0);
        QVERIFY(read(QStringLiteral("a.csv")).startsWith("stop,ticket,fare1,fare2,"));
        const Run from = tool({QStringLiteral("route"), QStringLiteral("from-csv"),
                               path(QStringLiteral("a.csv")), path(QStringLiteral("b.hy3"))});
        QCOMPARE(from.exitCode, 0);
        QCOMPARE(read(QStringLiteral("b.hy3")), read(QStringLiteral("a.hy3")));
    }

    void dumpIsJsonOfEveryField()
    {
        write(QStringLiteral("d.hy3"),
              image({record(QStringLiteral("駅前\\"), 5), record(QString(), 6)}));
        const Run r =
            tool({QStringLiteral("route"), QStringLiteral("dump"), path(QStringLiteral("d.hy3"))});
        QCOMPARE(r.exitCode, 0);
        QJsonParseError error;
        const QJsonObject o = QJsonDocument::fromJson(r.out, &error).object();
        QCOMPARE(error.error, QJsonParseError::NoError);
        QCOMPARE(o.value(QStringLiteral("count")).toInt(), 2);
        const QJsonArray records = o.value(QStringLiteral("records")).toArray();
        QCOMPARE(records.size(), 2);
        const QJsonObject first = records[0].toObject();
        QCOMPARE(first.value(QStringLiteral("stop")).toString(), QStringLiteral("駅前\\"));
        QCOMPARE(first.value(QStringLiteral("ticket")).toInt(), 5);
        const QJsonArray fares = first.value(QStringLiteral("fares")).toArray();
        QCOMPARE(fares.size(), 150);
        QCOMPARE(fares[2].toInt(), -1);
        QCOMPARE(fares[149].toInt(), 32767);
        QCOMPARE(records[1].toObject().value(QStringLiteral("stop")).toString(), QString());
    }

    void shortCsvRowsReadAsZero()
    {
        write(QStringLiteral("s.csv"),
              "\xEF\xBB\xBFstop,ticket,fare1,fare2,fare3\r\nA,1,170\r\n\"B\",2,190,,170\r\n");
        QCOMPARE(tool({QStringLiteral("route"), QStringLiteral("from-csv"),
                       path(QStringLiteral("s.csv")), path(QStringLiteral("s.hy3"))})
                     .exitCode,
                 0);
        QList<RouteRecord> back;
        QVERIFY(!routefile::readRecords(read(QStringLiteral("s.hy3")), back));
        QCOMPARE(back.size(), 2);
        QCOMPARE(back[0].fare(1), qint16(170));
        QCOMPARE(back[0].fare(2), qint16(0));
        QCOMPARE(back[1].fare(3), qint16(170));
        QCOMPARE(back[1].fare(150), qint16(0));
    }

    void badInputFailsWithoutOutput_data()
    {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QByteArray>("input");
        QTest::addColumn<QString>("problem");
        QByteArray cut = image({record(QStringLiteral("A"), 1), record(QStringLiteral("B"), 2)});
        cut.chop(1);
        QByteArray negative = image({record(QStringLiteral("A"), 1)});
        negative[0] = '\xFE';
        negative[1] = '\xFF';
        const QByteArray header = "stop,ticket,fare1\n";
        QTest::newRow("dump: truncated")
            << QStringLiteral("dump") << cut << QStringLiteral("truncated");
        QTest::newRow("dump: one byte")
            << QStringLiteral("dump") << QByteArray("\x01", 1) << QStringLiteral("truncated");
        QTest::newRow("to-csv: truncated")
            << QStringLiteral("to-csv") << cut << QStringLiteral("record 2");
        QTest::newRow("to-csv: negative count")
            << QStringLiteral("to-csv") << negative << QStringLiteral("negative");
        QTest::newRow("to-csv: bad Shift-JIS name")
            << QStringLiteral("to-csv")
            << QByteArray("\x01\x00\x02\x00\x81\x20", 6) + QByteArray(302, '\0')
            << QStringLiteral("Shift-JIS");
        QTest::newRow("from-csv: empty")
            << QStringLiteral("from-csv") << QByteArray() << QStringLiteral("header");
        QTest::newRow("from-csv: wrong header")
            << QStringLiteral("from-csv") << QByteArray("stop,fare1\n") << QStringLiteral("header");
        QTest::newRow("from-csv: ticket missing") << QStringLiteral("from-csv") << header + "A\n"
                                                  << QStringLiteral("line 2");
        QTest::newRow("from-csv: ticket not a number")
            << QStringLiteral("from-csv") << header + "A,x,1\n"
            << QStringLiteral("ticket");
        QTest::newRow("from-csv: fare out of range")
            << QStringLiteral("from-csv") << header + "A,1,32768\n"
            << QStringLiteral("fare1");
        QTest::newRow("from-csv: too many fields")
            << QStringLiteral("from-csv") << header + "A,1,2,3\n"
            << QStringLiteral("more than");
        QTest::newRow("from-csv: open quote") << QStringLiteral("from-csv") << header + "\"A,1,2\n"
                                              << QStringLiteral("never closed");
        QTest::newRow("from-csv: not UTF-8")
            << QStringLiteral("from-csv") << header + "\x89\x77,1,2\n"
            << QStringLiteral("UTF-8");
        QTest::newRow("from-csv: no Shift-JIS form")
            << QStringLiteral("from-csv") << header + "한,1,2\n"
            << QStringLiteral("Shift-JIS");
    }
    void badInputFailsWithoutOutput()
    {
        QFETCH(QString, verb);
        QFETCH(QByteArray, input);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString in = dir.filePath(QStringLiteral("bad.in"));
        const QString out = dir.filePath(QStringLiteral("bad.out"));
        for (const auto& [name, bytes] :
             {std::pair{in, input}, std::pair{out, QByteArray("previous")}}) {
            QFile f(name);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
        }
        QStringList args{QStringLiteral("route"), verb, in};
        if (verb != QStringLiteral("dump"))
            args << out;
        const Run r = tool(args);
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.isEmpty());
        const QString err = QString::fromUtf8(r.err);
        QCOMPARE(err.count(u'\n'), 1);
        QVERIFY2(err.startsWith(QStringLiteral("lumena-data: ") + in + QStringLiteral(": ")),
                 qPrintable(err));
        QVERIFY2(err.contains(problem), qPrintable(err));
        QFile kept(out);
        QVERIFY(kept.open(QIODevice::ReadOnly));
        QCOMPARE(kept.readAll(), QByteArray("previous"));
        QCOMPARE(QDir(dir.path()).entryList(QDir::Files).size(), 2); // no temporary left behind
    }

    void missingFileNamesIt()
    {
        const QString missing = path(QStringLiteral("none.hy3"));
        const Run r = tool({QStringLiteral("route"), QStringLiteral("check"), missing});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(QString::fromUtf8(r.err).startsWith(QStringLiteral("lumena-data: ") + missing));
    }

    void check_data()
    {
        QTest::addColumn<QByteArray>("file");
        QTest::addColumn<int>("exitCode");
        QTest::addColumn<QStringList>("lines"); // after "FILE: "
        RouteRecord a;
        a.StopName = QStringLiteral("A");
        for (int k = 1; k <= 150; ++k)
            a.setFare(k, static_cast<qint16>(100 + k));
        a.setFare(9, -1);
        QByteArray trailing = image({a, a}) + "xyz";
        QByteArray cut = image({a, a});
        cut.truncate(2 + 2 + 1 + 10);
        RouteRecord odd = a;
        odd.setFare(1, -1);
        odd.setFare(2, -2);
        odd.setFare(3, 0);
        QTest::newRow("sound") << image({a, a}) << 0
                               << QStringList{QStringLiteral("accepted: 2 stops, sections 1 to 1")};
        QTest::newRow("count 0")
            << QByteArray("\0\0", 2) << 1
            << QStringList{QStringLiteral("record count is 0: refused as a route with no data"),
                           QStringLiteral("refused")};
        QTest::newRow("count 1")
            << image({a}) << 1
            << QStringList{
                   QStringLiteral(
                       "only 1 record: no section can be set (sections run 1 to count - 1)"),
                   QStringLiteral("refused")};
        QTest::newRow("count 302")
            << image(QList<RouteRecord>(302, odd)) << 1
            << QStringList{QStringLiteral("302 records: more than the 301 the route table holds")};
        QTest::newRow("cut in a body")
            << cut << 1
            << QStringList{
                   QStringLiteral(
                       "truncated: the file ends inside record 1 (0 of 2 records complete)"),
                   QStringLiteral("refused")};
        QTest::newRow("trailing bytes")
            << trailing << 1
            << QStringList{QStringLiteral("3 byte(s) after the last record are ignored"),
                           QStringLiteral("accepted: 2 stops, sections 1 to 1")};
        QTest::newRow("odd fares")
            << image({a, odd}) << 1
            << QStringList{
                   QStringLiteral("record 2: negative fares other than the -1 marker: fare2 = -2"),
                   QStringLiteral("accepted: 2 stops, sections 1 to 1")};
    }
    void check()
    {
        QFETCH(QByteArray, file);
        QFETCH(int, exitCode);
        QFETCH(QStringList, lines);
        write(QStringLiteral("c.hy3"), file);
        const Run r =
            tool({QStringLiteral("route"), QStringLiteral("check"), path(QStringLiteral("c.hy3"))});
        QCOMPARE(r.exitCode, exitCode);
        QStringList got = QString::fromUtf8(r.out).split(u'\n', Qt::SkipEmptyParts);
        for (QString& l : got) {
            QVERIFY(l.startsWith(path(QStringLiteral("c.hy3")) + QStringLiteral(": ")));
            l = l.mid(path(QStringLiteral("c.hy3")).size() + 2);
        }
        for (const QString& l : lines)
            QVERIFY2(got.contains(l), qPrintable(got.join(u'|')));
    }

    // The committed .hy3 samples are what the tool builds from their CSV sources.
    void samplesAreBuiltFromTheirSources()
    {
        const QDir routes(test::sourceDir() + QStringLiteral("/samples/routes"));
        const QStringList csvs = routes.entryList({QStringLiteral("*.csv")}, QDir::Files);
        QVERIFY(csvs.size() >= 2);
        for (const QString& csv : csvs) {
            const QString base = csv.chopped(4);
            const QString built = path(base + QStringLiteral(".hy3"));
            QCOMPARE(tool({QStringLiteral("route"), QStringLiteral("from-csv"),
                           routes.filePath(csv), built})
                         .exitCode,
                     0);
            QFile committed(test::sourceDir() + QStringLiteral("/samples/data/") + base +
                            QStringLiteral(".hy3"));
            QVERIFY2(committed.open(QIODevice::ReadOnly), qPrintable(committed.fileName()));
            QCOMPARE(read(base + QStringLiteral(".hy3")), committed.readAll());
            const Run r = tool({QStringLiteral("route"), QStringLiteral("check"), built});
            QVERIFY2(r.exitCode == 0, r.out.constData());
        }
    }
};

LUMENA_TEST_GUILESS_MAIN(TestToolRoute)
#include "tst_tool_route.moc"
