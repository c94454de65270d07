// Shift-JIS (code page 932) as in Microsoft's table: lead bytes 0x81-0x9F and
// 0xE0-0xFC, trail bytes 0x40-0x7E and 0x80-0xFC; the error descriptions.

#include "reslib/ErrorCodes.h"
#include "reslib/ShiftJis.h"
#include "tests/common/TestSupport.h"

#include <QSet>
#include <QStringDecoder>

using namespace lumena;
using namespace Qt::StringLiterals;

class TestShiftJis : public QObject {
    Q_OBJECT
private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    void leadBytes()
    {
        for (const uchar b : {0x81, 0x9F, 0xE0, 0xFC})
            QVERIFY2(sjis::isLeadByte(b), qPrintable(QString::number(b, 16)));
        for (const uchar b : {0x40, 0x7F, 0x80, 0xA0, 0xDF, 0xFD})
            QVERIFY2(!sjis::isLeadByte(b), qPrintable(QString::number(b, 16)));
    }

    // An invalid pair: the lead byte becomes U+FFFD and the next byte is read
    // afresh. Every valid row also converts back to its bytes.
    void decode_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("valid");
        QTest::newRow("ascii") << "ABC 12"_ba << u"ABC 12"_s << true;
        QTest::newRow("empty") << QByteArray() << QString() << true;
        // Lead bytes, each with the trail byte 0x40.
        QTest::newRow("lead 0x80") << "\x80\x40"_ba << u"\uFFFD@"_s << false;
        QTest::newRow("lead 0x81") << "\x81\x40"_ba << u"\u3000"_s << true;
        QTest::newRow("lead 0x9F") << "\x9f\x40"_ba << u"檗"_s << true;
        QTest::newRow("lead 0xA0") << "\xa0\x40"_ba << u"\uFFFD@"_s << false;
        QTest::newRow("lead 0xDF") << "\xdf\x40"_ba << u"ﾟ@"_s << true;
        QTest::newRow("lead 0xE0") << "\xe0\x40"_ba << u"漾"_s << true;
        QTest::newRow("lead 0xFC") << "\xfc\x40"_ba << u"髜"_s << true;
        QTest::newRow("lead 0xFD") << "\xfd\x40"_ba << u"\uFFFD@"_s << false;
        // Trail bytes after the lead byte 0x9F.
        QTest::newRow("trail 0x3F") << "\x9f\x3f"_ba << u"\uFFFD?"_s << false;
        QTest::newRow("trail 0x7F") << "\x9f\x7f"_ba << u"\uFFFD\x7F"_s << false;
        QTest::newRow("trail 0x80") << "\x9f\x80"_ba << u"麾"_s << true;
        QTest::newRow("trail 0xFC") << "\x9f\xfc"_ba << u"滌"_s << true;
        QTest::newRow("trail 0xFD") << "\x9f\xfd"_ba << u"\uFFFD\uFFFD"_s << false;
        QTest::newRow("lone lead byte at the end") << "A\x89"_ba << u"A\uFFFD"_s << false;
        // Bytes 0x00-0x7F are their own code points, control bytes (0x1A, 0x1C, DEL) too.
        QTest::newRow("NUL") << "A\0B"_ba << u"A\0B"_s << true;
        QTest::newRow("control bytes among kanji")
            << "\x1a\x89\x77\x7f\x1c"_ba << u"\x1A駅\x7F\x1C"_s << true;
    }
    void decode()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, text);
        QFETCH(bool, valid);
        QCOMPARE(sjis::isValid(bytes), valid);
        QCOMPARE(sjis::toUnicode(bytes), text);
        if (valid)
            QCOMPARE(sjis::fromUnicode(text), bytes);
    }

    void unmappableBecomesQuestionMark()
    {
        QCOMPARE(sjis::fromUnicode(u"A\u00e9B"_s), "A?B"_ba);
        QCOMPARE(sjis::fromUnicode(QString::fromUtf8("\xf0\x9f\x98\x80")), "?"_ba);
        // A lone surrogate is one character; what follows it stays.
        QCOMPARE(sjis::fromUnicode(QString(QChar(0xD83D)) + u'A'), "?A"_ba);
    }

    // Every two-byte code reads as the system's converter reads it alone; one
    // it cannot read is invalid, U+FFFD and the trail byte read afresh.
    void everyPairReadsAsTheSystemConverterReadsIt()
    {
        for (int lead = 0x81; lead <= 0xFC; ++lead) {
            if (!sjis::isLeadByte(uchar(lead)))
                continue;
            for (int trail = 0; trail <= 0xFF; ++trail) {
                const char pair[2] = {char(lead), char(trail)};
                QStringDecoder alone("windows-31j", QStringConverter::Flag::Stateless);
                const QString expected = alone.decode(QByteArrayView(pair, 2));
                const bool mapped = !alone.hasError() && expected.size() == 1 &&
                                    expected[0] != QChar::ReplacementCharacter;
                const QString text = sjis::toUnicode(QByteArrayView(pair, 2));
                const QString name = QString::number(lead * 256 + trail, 16);
                QCOMPARE_EQ(sjis::isValid(QByteArrayView(pair, 2)), mapped);
                if (mapped)
                    QVERIFY2(text == expected, qPrintable(name));
                else
                    QVERIFY2(text == QChar::ReplacementCharacter +
                                         sjis::toUnicode(QByteArrayView(pair + 1, 1)),
                             qPrintable(name));
            }
        }
    }

    // Every character encodes to valid bytes that read back, or to "?".
    void encoderOutputIsValidAndReadsBack()
    {
        int encoded = 0;
        for (int u = 0; u <= 0xFFFF; ++u) {
            const QString text(1, QChar(char16_t(u)));
            const QByteArray bytes = sjis::fromUnicode(text);
            const QString name = QString::number(u, 16);
            QVERIFY2(sjis::isValid(bytes), qPrintable(name));
            QVERIFY2(sjis::lenB(text) == bytes.size(), qPrintable(name));
            if (bytes == "?" && u != '?')
                continue;
            QVERIFY2(sjis::toUnicode(bytes) == text, qPrintable(name));
            ++encoded;
        }
        // ASCII, the half-width kana, and the double-byte characters.
        QVERIFY(encoded > 128 + 63 + 7000);
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
        QTest::newRow("first kanji") << u"駅前"_s << 1 << 2 << "\x89\x77"_ba << 4;
        QTest::newRow("past the end") << u"駅前"_s << 5 << 2 << QByteArray() << 4;
        QTest::newRow("split kanji") << u"A駅"_s << 2 << 2 << "\x89\x77"_ba << 3;
        QTest::newRow("last half") << u"A駅B"_s << 3 << 2 << "\x77\x42"_ba << 4; // 0x42: B
        QTest::newRow("start zero") << u"ABC"_s << 0 << 2 << QByteArray() << 3;
        QTest::newRow("half-width kana") << u"ﾊﾞｽ停"_s << 3 << 3 << "\xbd\x92\xe2"_ba << 5;
    }
    void byteWiseHelpers()
    {
        QFETCH(QString, text);
        QFETCH(int, start);
        QFETCH(int, length);
        QTEST(sjis::midB(text, start, length), "piece");
        QTEST(sjis::lenB(text), "lenB");
    }

    // A message never shows the text for an unknown code, nor two codes alike.
    void everyErrorCodeHasItsOwnDescription()
    {
        QVERIFY(errorDescription(ErrNone).isEmpty());
        QSet<QString> seen{errorDescription(-1)};
        for (const int code : {ErrInvalidCall, ErrOverflow, ErrOutOfMemory, ErrSubscript,
                               ErrTypeMismatch, ErrOutOfStack, ErrInternal, ErrBadFileName,
                               ErrFileNotFound, ErrDeviceIo, ErrPastEndOfFile, ErrDeviceUnavailable,
                               ErrPathFileAccess, ErrPathNotFound, ErrInvalidPicture}) {
            const QString text = errorDescription(code);
            QVERIFY2(!seen.contains(text), qPrintable(QString::number(code)));
            seen.insert(text);
        }
    }
};

LUMENA_TEST_GUILESS_MAIN(TestShiftJis)
#include "tst_shift_jis.moc"
