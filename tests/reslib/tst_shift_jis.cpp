// The Shift-JIS codec the system's files use, its byte-wise helpers, and the
// error table.

#include "reslib/ErrorCodes.h"
#include "reslib/ShiftJis.h"
#include "tests/common/TestSupport.h"

using namespace lumena;
using namespace Qt::StringLiterals;

class TestShiftJis : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << u"ABC 12"_s << QByteArray("ABC 12");
        QTest::newRow("kanji") << u"駅前"_s << QByteArray("\x89\x77\x91\x4f");
        QTest::newRow("half-width kana") << u"ｱ"_s << QByteArray("\xb1");
        QTest::newRow("long vowel mark") << u"ー"_s << QByteArray("\x81\x5b");
        QTest::newRow("full-width bracket") << u"（"_s << QByteArray("\x81\x69");
        QTest::newRow("wave dash maps as cp932") << u"～"_s << QByteArray("\x81\x60");
        QTest::newRow("NEC numeral") << u"①"_s << QByteArray("\x87\x40");
        QTest::newRow("empty") << QString() << QByteArray();
    }
    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(sjis::fromUnicode(text), bytes);
        QCOMPARE(sjis::toUnicode(bytes), text);
        QVERIFY(sjis::isValid(bytes));
    }

    void unmappableBecomesQuestionMark()
    {
        QCOMPARE(sjis::fromUnicode(u"A\u00e9B"_s), QByteArray("A?B"));
        QCOMPARE(sjis::fromUnicode(QString::fromUtf8("\xf0\x9f\x98\x80")), QByteArray("?"));
    }

    void invalidInput_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("lone lead byte at end") << QByteArray("A\x89");
        QTest::newRow("bad trail byte") << QByteArray("\x89\x20");
        QTest::newRow("undefined byte") << QByteArray("\xa0");
    }
    void invalidInput()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(!sjis::isValid(bytes));
        QVERIFY(sjis::toUnicode(bytes).contains(QChar::ReplacementCharacter));
    }

    // A cut anywhere, even inside a character, keeps everything before it.
    void truncationAtEveryLength()
    {
        const QString text = u"次はＡ町（駅前）です"_s;
        const QByteArray full = sjis::fromUnicode(text);
        for (qsizetype n = 0; n <= full.size(); ++n) {
            QString s = sjis::toUnicode(full.left(n));
            if (s.endsWith(QChar::ReplacementCharacter))
                s.chop(1);
            QVERIFY2(text.startsWith(s) && sjis::fromUnicode(s).size() >= n - 1,
                     qPrintable(QString::number(n)));
        }
    }

    // MidB with 1-based byte positions, and LenB of the whole text.
    void byteWiseHelpers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("piece");
        QTest::addColumn<int>("lenB");
        QTest::newRow("first kanji") << u"駅前"_s << 1 << 2 << QByteArray("\x89\x77") << 4;
        QTest::newRow("second kanji") << u"駅前"_s << 3 << 2 << QByteArray("\x91\x4f") << 4;
        QTest::newRow("past the end") << u"駅前"_s << 5 << 2 << QByteArray() << 4;
        QTest::newRow("two letters") << u"AB駅"_s << 1 << 2 << QByteArray("AB") << 4;
        QTest::newRow("split kanji") << u"A駅"_s << 2 << 2 << QByteArray("\x89\x77") << 3;
        QTest::newRow("last half") << u"A駅B"_s << 3 << 2
                                   << QByteArray("\x77"
                                                 "B")
                                   << 4;
        QTest::newRow("short at end") << u"ABC"_s << 3 << 2 << QByteArray("C") << 3;
        QTest::newRow("start zero") << u"ABC"_s << 0 << 2 << QByteArray() << 3;
        QTest::newRow("empty") << QString() << 1 << 2 << QByteArray() << 0;
        QTest::newRow("kana and kanji") << u"バス停"_s << 5 << 2 << QByteArray("\x92\xe2") << 6;
    }
    void byteWiseHelpers()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QTEST(sjis::midB(text, start, length), "piece");
        QTEST(sjis::lenB(text), "lenB");
    }

    void errorTableHasDescriptions()
    {
        for (int code : {7, 28, 51, 52, 53, 57, 62, 68, 75, 76, 481})
            QVERIFY2(!errorDescription(code).isEmpty(), qPrintable(QString::number(code)));
        QCOMPARE(Error::of(ErrFileNotFound).description, u"ファイルが見つかりません。"_s);
    }
};

LUMENA_TEST_GUILESS_MAIN(TestShiftJis)
#include "tst_shift_jis.moc"
