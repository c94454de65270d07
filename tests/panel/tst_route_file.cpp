// The .hy3 route file: byte layout, every cut, counts, names; and the route
// table's cell addressing.

#include "panel/RouteFile.h"
#include "panel/RouteState.h"
#include "reslib/ShiftJis.h"
#include "tests/common/TestSupport.h"

#include <QtEndian>

using namespace Qt::StringLiterals;
using namespace lumena;
using routefile::Cut;

namespace {

RouteRecord record(const QString& name, qint16 ticket, qint16 seed)
{
    RouteRecord r;
    r.StopName = name;
    r.TicketNo = ticket;
    for (int k = 1; k <= 150; ++k)
        r.setFare(k, static_cast<qint16>(seed * 1000 + k));
    return r;
}

QByteArray image(const QList<RouteRecord>& rs)
{
    QByteArray out;
    const Error e = routefile::encode(rs, out);
    if (e)
        qFatal("encode failed");
    return out;
}

qint16 i16At(const QByteArray& b, qsizetype at)
{
    return qFromLittleEndian<qint16>(b.constData() + at);
}

} // namespace

class TestRouteFile : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void layoutOfEveryField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("nameBytes");
        QTest::newRow("empty name, 304-byte record") << QString() << 0;
        QTest::newRow("one half-width kana, odd size") << u"ｱ"_s << 1;
        QTest::newRow("kanji and ASCII, odd size") << u"駅前A"_s << 5;
        QTest::newRow("brackets, long vowel, full stop") << u"バスターミナル（北口）。"_s << 24;
        QTest::newRow("ASCII only") << u"Stop 7"_s << 6;
    }
    void layoutOfEveryField()
    {
        QFETCH(QString, name);
        QFETCH(int, nameBytes);
        RouteRecord r = record(name, -2, 3);
        r.setFare(1, -1);
        r.setFare(2, -32768);
        r.setFare(150, 32767);
        const QByteArray b = image({r});

        QCOMPARE(b.size(), 2 + 304 + nameBytes);
        QCOMPARE(i16At(b, 0), qint16(1));
        QCOMPARE(qFromLittleEndian<quint16>(b.constData() + 2), quint16(nameBytes));
        QCOMPARE(b.mid(4, nameBytes), sjis::fromUnicode(name));
        QCOMPARE(i16At(b, 4 + nameBytes), qint16(-2));
        for (int k = 1; k <= 150; ++k)
            QCOMPARE(i16At(b, 6 + nameBytes + 2 * (k - 1)), r.fare(k));

        QList<RouteRecord> back;
        QVERIFY(!routefile::readRecords(b, back));
        QCOMPARE(back.size(), 1);
        QCOMPARE(back[0], r);
    }

    void cutAtEveryLength()
    {
        const QList<RouteRecord> rs = {record(u"一番"_s, 1, 1), record(QString(), 2, 2),
                                       record(u"ABC"_s, 3, 3)};
        const QByteArray full = image(rs);
        // Record i starts at starts[i - 1]; its name is nameLen[i - 1] bytes.
        const qsizetype starts[] = {2, 2 + 308, 2 + 308 + 304};
        const qsizetype nameLen[] = {4, 0, 3};
        for (qsizetype n = 0; n < full.size(); ++n) {
            const routefile::Scan s = routefile::scan(full.first(n));
            QList<RouteRecord> out{record(u"kept"_s, 9, 9)};
            const Error e = routefile::readRecords(full.first(n), out);
            QVERIFY2(e.code == ErrPastEndOfFile, qPrintable(QString::number(n)));
            QCOMPARE(out.size(), 1); // nothing handed out on failure
            if (n < 2) {
                QCOMPARE(s.cut, Cut::Header);
                continue;
            }
            int i = 3;
            while (starts[i - 1] > n)
                --i;
            const qsizetype at = n - starts[i - 1];
            QCOMPARE(s.cutRecord, i);
            QCOMPARE(s.records.size(), i - 1);
            QCOMPARE(s.used, starts[i - 1]);
            const Cut want = at < 2                    ? Cut::NameLength
                             : at < 2 + nameLen[i - 1] ? Cut::Name
                                                       : Cut::Body;
            QCOMPARE(s.cut, want);
            QVERIFY(e.description.contains(QString::number(i)));
        }
        QVERIFY(routefile::scan(full).complete());
    }

    void counts_data()
    {
        QTest::addColumn<int>("records");
        QTest::newRow("0") << 0;
        QTest::newRow("1") << 1;
        QTest::newRow("301") << 301;
        QTest::newRow("302") << 302;
    }
    void counts()
    {
        QFETCH(int, records);
        QList<RouteRecord> rs;
        for (int i = 0; i < records; ++i)
            rs << record(u"停留所%1"_s.arg(i), static_cast<qint16>(i), 1);
        const QByteArray b = image(rs);
        QCOMPARE(i16At(b, 0), qint16(records));
        QList<RouteRecord> back;
        QVERIFY(!routefile::readRecords(b, back));
        QCOMPARE(back, rs);
    }

    void negativeCountReadsNothing()
    {
        QByteArray b = image({record(u"A"_s, 1, 1)});
        qToLittleEndian<qint16>(-1, b.data());
        const routefile::Scan s = routefile::scan(b);
        QCOMPARE(s.count, qint16(-1));
        QVERIFY(s.records.isEmpty());
        QList<RouteRecord> out;
        QVERIFY(routefile::readRecords(b, out));
    }

    void trailingBytesAreNotPartOfTheRoute()
    {
        const QByteArray b = image({record(u"A"_s, 1, 1)}) + QByteArray(7, 'x');
        const routefile::Scan s = routefile::scan(b);
        QVERIFY(s.complete());
        QCOMPARE(s.records.size(), 1);
        QCOMPARE(s.trailing(), qsizetype(7));
    }

    void invalidShiftJisNameIsFlagged()
    {
        QByteArray b = image({record(u"AB"_s, 1, 1)});
        b[4] = '\x81'; // a lead byte followed by a blank is no character
        b[5] = '\x20';
        const routefile::Scan s = routefile::scan(b);
        QCOMPARE(s.badNames, QList<int>{1});
        QVERIFY(s.records[0].StopName.contains(QChar::ReplacementCharacter));
    }

    void encodeRefuses_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("code");
        QTest::newRow("character Shift-JIS lacks") << u"한국"_s << 1 << int(ErrInvalidCall);
        QTest::newRow("name over 65535 bytes")
            << QString(32768, QChar(0x3042)) << 1 << int(ErrOverflow);
        QTest::newRow("32768 records") << u"A"_s << 32768 << int(ErrOverflow);
    }
    void encodeRefuses()
    {
        QFETCH(QString, name);
        QFETCH(int, count);
        QFETCH(int, code);
        const QList<RouteRecord> rs(count, record(name, 1, 1));
        QByteArray out("untouched");
        QCOMPARE(routefile::encode(rs, out).code, code);
        QCOMPARE(out, QByteArray("untouched"));
    }

    void questionMarkInNameIsKept()
    {
        QList<RouteRecord> back;
        QVERIFY(!routefile::readRecords(image({record(u"どこ?"_s, 1, 1)}), back));
        QCOMPARE(back[0].StopName, u"どこ?"_s);
    }

    void routeTableIsReplacedWhole()
    {
        RouteState d;
        d.SetRouteTable(QList<RouteRecord>(302, record(u"長"_s, 1, 1)));
        QCOMPARE(d.RouteTable(301), record(u"長"_s, 1, 1));
        const QList<RouteRecord> shorter = {record(u"一"_s, 1, 1), record(u"二"_s, 2, 2)};
        d.SetRouteTable(shorter);
        QCOMPARE(d.RouteTable(2), shorter[1]);
        QCOMPARE(d.RouteTable(3), RouteRecord{}); // rows of the longer route gone
        for (int row : {0, 302})
            QCOMPARE(d.RouteTable(row), RouteRecord{});
        d.SetStopName(2, u"書換"_s);
        d.SetStopName(302, u"外"_s);
        QCOMPARE(d.RouteTable(2).StopName, u"書換"_s);
        QCOMPARE(d.RouteTable(2).TicketNo, qint16(2));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestRouteFile)
#include "tst_route_file.moc"
