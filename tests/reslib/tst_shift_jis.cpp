#include "reslib/ErrorCodes.h"
#include "reslib/ShiftJis.h"
#include "tests/common/TestSupport.h"

using namespace lumena;

class TestShiftJis : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void roundTrip_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<QByteArray>("bytes");
        QTest::newRow("ascii") << QStringLiteral("ABC 12") << QByteArray("ABC 12");
        QTest::newRow("kanji") << QStringLiteral("駅前") << QByteArray("\x89\x77\x91\x4f");
        QTest::newRow("half-width kana") << QStringLiteral("ｱ") << QByteArray("\xb1");
        QTest::newRow("long vowel mark") << QStringLiteral("ー") << QByteArray("\x81\x5b");
        QTest::newRow("full-width bracket") << QStringLiteral("（") << QByteArray("\x81\x69");
        QTest::newRow("wave dash maps as cp932") << QStringLiteral("～") << QByteArray("\x81\x60");
        QTest::newRow("NEC numeral") << QStringLiteral("①") << QByteArray("\x87\x40");
        QTest::newRow("empty") << QString() << QByteArray();
    }

    void unmappableBecomesQuestionMark()
    {
        QCOMPARE(sjis::fromUnicode(QStringLiteral("A\u00e9B")), QByteArray("A?B"));
        QCOMPARE(sjis::fromUnicode(QString::fromUtf8("\xf0\x9f\x98\x80")), QByteArray("?"));
    }
    void roundTrip()
    {
        QFETCH(QString, text);
        QFETCH(QByteArray, bytes);
        QCOMPARE(sjis::fromUnicode(text), bytes);
        QCOMPARE(sjis::toUnicode(bytes), text);
        QVERIFY(sjis::isValid(bytes));
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

    void truncationAtEveryLength()
    {
        const QByteArray full = sjis::fromUnicode(QStringLiteral("次はＡ町（駅前）です"));
        for (qsizetype n = 0; n <= full.size(); ++n) {
            const QByteArray part = full.left(n);
            // Decoding never loses what came before the cut.
            const QString s = sjis::toUnicode(part);
            QVERIFY(s.size() <= n);
        }
    }

    void byteWiseHelpers_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("start");
        QTest::addColumn<int>("length");
        QTest::addColumn<QByteArray>("piece");
        QTest::newRow("first kanji") << QStringLiteral("駅前") << 1 << 2 << QByteArray("\x89\x77");
        QTest::newRow("second kanji") << QStringLiteral("駅前") << 3 << 2 << QByteArray("\x91\x4f");
        QTest::newRow("past the end") << QStringLiteral("駅前") << 5 << 2 << QByteArray();
        QTest::newRow("two letters") << QStringLiteral("AB駅") << 1 << 2 << QByteArray("AB");
        QTest::newRow("split kanji") << QStringLiteral("A駅") << 2 << 2 << QByteArray("\x89\x77");
        QTest::newRow("last half") << QStringLiteral("A駅B") << 3 << 2 << QByteArray("\x77" "B");
        QTest::newRow("short at end") << QStringLiteral("ABC") << 3 << 2 << QByteArray("C");
        QTest::newRow("start zero") << QStringLiteral("ABC") << 0 << 2 << QByteArray();
    }
    void byteWiseHelpers()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QFETCH(QByteArray, piece);
        QCOMPARE(sjis::midB(text, start, length), piece);
    }

    void lenBCountsDoubleBytes()
    {
        QCOMPARE(sjis::lenB(QStringLiteral("バス停")), 6);
        QCOMPARE(sjis::lenB(QStringLiteral("A町")), 3);
        QCOMPARE(sjis::lenB(QString()), 0);
    }

    void errorTableHasDescriptions()
    {
        for (int code : {7, 28, 51, 52, 53, 57, 62, 68, 75, 76, 481})
            QVERIFY2(!errorDescription(code).isEmpty(), qPrintable(QString::number(code)));
        QCOMPARE(Error::of(ErrFileNotFound).description, QStringLiteral("ファイルが見つかりません。"));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestShiftJis)
#include "tst_shift_jis.moc"
