// lumena-data's route commands on hostile files: stop names with control
// characters (which no CSV round trip carries faithfully) are refused naming
// the row, names that are not Shift-JIS are reported, characters that code
// page 932 holds twice come back in one form, and files too large or no
// regular file are refused before they are read.

#include "panel/RouteFile.h"
#include "tests/common/TestSupport.h"
#include "tests/common/ToolRun.h"

#include <QTemporaryDir>

#include <sys/stat.h>

using namespace lumena;
using namespace Qt::StringLiterals;
using test::runTool;

namespace {

void put16(QByteArray& b, quint16 v)
{
    b.append(char(v & 0xFF)).append(char(v >> 8));
}

// A route file whose records carry these name bytes as they are.
QByteArray routeWithNames(const QList<QByteArray>& names)
{
    QByteArray b;
    put16(b, quint16(names.size()));
    for (const QByteArray& name : names) {
        put16(b, quint16(name.size()));
        b += name;
        b += QByteArray(2 + 300, '\0');
    }
    return b;
}

const QByteArray kHeader = "stop,ticket,fare1\n";

} // namespace

class TestToolLimits : public QObject {
    Q_OBJECT

    QTemporaryDir m_dir;

    QString file(const QString& name, const QByteArray& bytes)
    {
        const QString p = m_dir.filePath(name);
        if (!test::writeFile(p, bytes))
            qFatal("cannot write %s", qPrintable(p));
        return p;
    }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // The row is named by its line and its stop number.
    void csvStopNameWithControlCharacterIsRefused_data()
    {
        QTest::addColumn<QByteArray>("csv");
        QTest::addColumn<QString>("problem");
        QTest::newRow("NUL")
            << kHeader + "a,1,0\nb\0c,2,0\n"_ba
            << u"line 3 (stop 2): the stop name has the control character U+0000"_s;
        QTest::newRow("0x1C")
            << kHeader + "\x1c,1,0\n"_ba
            << u"line 2 (stop 1): the stop name has the control character U+001C"_s;
        QTest::newRow("DEL") << kHeader + "a\x7f,1,0\n"_ba << u"control character U+007F"_s;
        QTest::newRow("line feed in quotes")
            << kHeader + "a,1,0\n\"b\nc\",2,0\n"_ba
            << u"line 3 (stop 2): the stop name has the control character U+000A"_s;
        QTest::newRow("C1 control")
            << kHeader + "a\xc2\x85,1,0\n"_ba << u"control character U+0085"_s;
    }
    void csvStopNameWithControlCharacterIsRefused()
    {
        QFETCH(QByteArray, csv);
        QFETCH(QString, problem);
        const QString in = file(u"c.csv"_s, csv);
        const QString out = m_dir.filePath(u"c.hy3"_s);
        QVERIFY(test::isOneLineRefusal(runTool({u"route"_s, u"from-csv"_s, in, out}), problem));
        QVERIFY(!QFile::exists(out));
    }

    // What to-csv cannot write faithfully it does not write; check names it.
    void routeStopNameWithControlCharacterIsNotWrittenAsCsv()
    {
        const QString hy3 = file(u"k.hy3"_s, routeWithNames({"a"_ba, "b\x1c"_ba}));
        const QString csv = m_dir.filePath(u"k.csv"_s);
        QVERIFY(test::isOneLineRefusal(
            runTool({u"route"_s, u"to-csv"_s, hy3, csv}),
            u"the stop name of record 2 has the control character U+001C"_s));
        QVERIFY(!QFile::exists(csv));
        const test::ToolRun r = runTool({u"route"_s, u"check"_s, u"--strict"_s, hy3});
        QCOMPARE(r.exitCode, 1);
        QVERIFY(r.out.contains("record 2: the stop name has the control character U+001C"));
    }

    // The decoder once stopped counting errors: check said nothing of such a
    // name and to-csv wrote U+FFFD.
    void invalidShiftJisStopNameIsReported()
    {
        const QString hy3 = file(u"e.hy3"_s, routeWithNames({"\x89\x77"_ba, "\xec\xe4"_ba}));
        const test::ToolRun r = runTool({u"route"_s, u"check"_s, hy3});
        QVERIFY(r.out.contains("record 2: the stop name is not valid Shift-JIS"));
        QVERIFY(test::isOneLineRefusal(
            runTool({u"route"_s, u"to-csv"_s, hy3, m_dir.filePath(u"e.csv"_s)}),
            u"the stop name of record 2 is not valid Shift-JIS"_s));
    }

    // Code page 932 has these characters twice; from-csv writes the form the
    // encoder prefers, so the bytes change while the text does not.
    void duplicateCodePage932CodesComeBackInOneForm_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::addColumn<QByteArray>("back");
        QTest::newRow("NEC-selected IBM extension") << "\xed\x40"_ba
                                                    << "\xfa\x5c"_ba;
        QTest::newRow("NEC row 13") << "\x87\x90"_ba
                                    << "\x81\xe0"_ba;
        QTest::newRow("IBM extension") << "\xfa\x54"_ba
                                       << "\x81\xca"_ba;
        QTest::newRow("preferred form") << "\xfa\x5c"_ba
                                        << "\xfa\x5c"_ba;
    }
    void duplicateCodePage932CodesComeBackInOneForm()
    {
        QFETCH(QByteArray, name);
        const QString hy3 = file(u"x.hy3"_s, routeWithNames({name, "b"_ba}));
        const QString csv = m_dir.filePath(u"x.csv"_s);
        const QString again = m_dir.filePath(u"y.hy3"_s);
        QCOMPARE(runTool({u"route"_s, u"to-csv"_s, hy3, csv}).exitCode, 0);
        QCOMPARE(runTool({u"route"_s, u"from-csv"_s, csv, again}).exitCode, 0);
        QFETCH(QByteArray, back);
        QCOMPARE(test::readFile(again), routeWithNames({back, "b"_ba}));
    }

    // Refused before anything is read: too large by its size, or no regular
    // file (a FIFO would block the read for ever).
    void fileRefusedBeforeItIsRead_data()
    {
        QTest::addColumn<QString>("verb");
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("problem");
        const QString tooLarge = u"larger than 33554432 bytes: refused"_s;
        QTest::newRow("route file too large") << u"check"_s << u"large"_s << tooLarge;
        QTest::newRow("CSV too large") << u"from-csv"_s << u"large"_s << tooLarge;
        QTest::newRow("route file FIFO") << u"dump"_s << u"fifo"_s << u"not a regular file"_s;
        QTest::newRow("CSV FIFO") << u"from-csv"_s << u"fifo"_s << u"not a regular file"_s;
    }
    void fileRefusedBeforeItIsRead()
    {
        QFETCH(QString, verb);
        QFETCH(QString, kind);
        QFETCH(QString, problem);
        QTemporaryDir dir;
        const QString in = dir.filePath(u"in"_s);
        if (kind == u"fifo") {
            QVERIFY(::mkfifo(QFile::encodeName(in).constData(), 0600) == 0);
        } else {
            QFile f(in);
            QVERIFY(f.open(QIODevice::WriteOnly) && f.write(kHeader) > 0 &&
                    f.resize((qint64(32) << 20) + 1)); // sparse
        }
        QStringList args{u"route"_s, verb, in};
        if (verb == u"from-csv")
            args << dir.filePath(u"out.hy3"_s);
        QVERIFY(test::isOneLineRefusal(runTool(args), problem));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestToolLimits)
#include "tst_tool_limits.moc"
