// The .hy3 route file: byte layout, every cut, counts, names, refusals.

#include "panel/RouteFile.h"
#include "tests/common/TestSupport.h"

#include <QtEndian>

using namespace Qt::StringLiterals;
using namespace lumena;
using routefile::Cut;

namespace {

// Fare k is 100 * ticket + k.
RouteRecord record(const QString& name, qint16 ticket = 1)
{
    RouteRecord r{name, ticket, {}};
    for (int k = 1; k <= 150; ++k)
        r.setFare(k, static_cast<qint16>(ticket * 100 + k));
    return r;
}

QByteArray image(const QList<RouteRecord>& rs)
{
    QByteArray out;
    if (routefile::encode(rs, out))
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

    // The name bytes are written out by hand (code page 932), not encoded.
    void layoutOfEveryField_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("empty name, 304-byte record") << QString() << QByteArray();
        QTest::newRow("half-width kana, odd size") << u"ｱ"_s << QByteArray("\xB1");
        QTest::newRow("kanji and ASCII") << u"駅前A"_s << QByteArray("\x89\x77\x91\x4F\x41");
        QTest::newRow("code page 932 only") << u"①～－"_s << QByteArray("\x87\x40\x81\x60\x81\x7C");
        QTest::newRow("question mark kept") << u"どこ?"_s << QByteArray("\x82\xC7\x82\xB1?");
    }
    void layoutOfEveryField()
    {
        QFETCH(QString, name);
        QFETCH(QByteArray, bytes);
        RouteRecord r = record(name, -2);
        r.setFare(1, -1);
        r.setFare(2, -32768);
        r.setFare(150, 32767);
        const QByteArray b = image({r});
        const qsizetype n = bytes.size();
        QCOMPARE(b.size(), 2 + 2 + n + 2 + 300);
        QCOMPARE(i16At(b, 0), qint16(1));
        QCOMPARE(i16At(b, 2), qint16(n));
        QCOMPARE(b.mid(4, n), bytes);
        QCOMPARE(i16At(b, 4 + n), qint16(-2));
        QCOMPARE(i16At(b, 6 + n), qint16(-1));
        QCOMPARE(i16At(b, 8 + n), qint16(-32768));
        for (int k = 3; k < 150; ++k)
            QCOMPARE(i16At(b, 4 + n + 2 * k), qint16(-200 + k));
        QCOMPARE(i16At(b, 304 + n), qint16(32767));
        QList<RouteRecord> back;
        QVERIFY(!routefile::readRecords(b, back));
        QCOMPARE(back, QList<RouteRecord>{r});
    }

    void cutAtEveryLength()
    {
        const QByteArray full = image({record(u"一番"_s), record(QString()), record(u"ABC"_s)});
        // Record i starts at starts[i - 1]; its name is nameLen[i - 1] bytes.
        const qsizetype starts[] = {2, 2 + 308, 2 + 308 + 304};
        const qsizetype nameLen[] = {4, 0, 3};
        for (qsizetype n = 0; n < full.size(); ++n) {
            const routefile::Scan s = routefile::scan(full.first(n));
            QList<RouteRecord> out{record(u"kept"_s)};
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

    // Bytes after the declared records are not part of the route.
    void counts_data()
    {
        QTest::addColumn<int>("count");
        QTest::addColumn<int>("code");
        QTest::newRow("0") << 0 << int(ErrNone);
        QTest::newRow("301") << 301 << int(ErrNone);
        QTest::newRow("302: the file has no cap of its own") << 302 << int(ErrNone);
        QTest::newRow("negative: nothing read") << -1 << int(ErrInvalidCall);
    }
    void counts()
    {
        QFETCH(int, count);
        QList<RouteRecord> rs;
        for (int i = 0; i < qMax(count, 1); ++i)
            rs << record(u"停留所%1"_s.arg(i), static_cast<qint16>(i));
        QByteArray b = image(rs) + "xyz";
        qToLittleEndian<qint16>(static_cast<qint16>(count), b.data());
        const routefile::Scan s = routefile::scan(b);
        QCOMPARE(s.records.size(), qMax(count, 0));
        QCOMPARE(s.trailing(), count > 0 ? 3 : b.size() - 2);
        QList<RouteRecord> back;
        QTEST(int(routefile::readRecords(b, back).code), "code");
        QCOMPARE(back, count > 0 ? rs : QList<RouteRecord>{});
    }

    // The route file's converter once lost its error flag when it was
    // move-assigned (unassigned codes passed), and once stopped counting errors
    // after the first bad name: each row puts its name in records 2 and 4.
    void badShiftJisNamesAreFlagged_data()
    {
        QTest::addColumn<QByteArray>("name");
        QTest::newRow("lead byte before a blank") << QByteArray("\x81\x20");
        QTest::newRow("lone lead byte at the end") << QByteArray("\x82\xA0\x81");
        QTest::newRow("unassigned code 81 AD") << QByteArray("\x81\xAD");
    }
    void badShiftJisNamesAreFlagged()
    {
        QFETCH(QByteArray, name);
        QByteArray b("\4\0", 2);
        for (const QByteArray& n : {"\x89\x77"_ba, name, "\x89\x77\x91\x4f"_ba, name})
            b += char(n.size()) + ('\0' + n) + QByteArray(302, '\0');
        const routefile::Scan s = routefile::scan(b);
        QVERIFY(s.complete());
        QCOMPARE(s.badNames, (QList<int>{2, 4}));
        QVERIFY(s.records[1].StopName.contains(QChar::ReplacementCharacter));
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
        QByteArray out("untouched");
        QTEST(int(routefile::encode(QList<RouteRecord>(count, record(name)), out).code), "code");
        QCOMPARE(out, QByteArray("untouched"));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestRouteFile)
#include "tst_route_file.moc"
