// The settings file's byte layout against a layout written out here, the
// round trip of every field, and files that are cut short or lie about a
// text's length.

#include "settings/IniCodec.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/IniSamples.h"

#include <QtEndian>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::test;

namespace {

template <class T> void put(QByteArray& out, T v)
{
    char b[sizeof(T)];
    qToLittleEndian<T>(v, b);
    out.append(b, sizeof(T));
}

void putText(QByteArray& out, const QByteArray& bytes)
{
    put<quint16>(out, static_cast<quint16>(bytes.size()));
    out.append(bytes);
}

// The expected file for numberedIni(), written from the layout table alone.
QByteArray expectedNumberedFile()
{
    QByteArray out;
    for (int n = 1; ItemKinds[n - 1]; ++n) {
        switch (ItemKinds[n - 1]) {
        case 'T':
            putText(out, n == 1 ? QByteArray("\x8e\x4f\x8a\x70\x89\x77") : txt(n).toLatin1());
            break;
        case 's':
            put<qint16>(out, s16(n));
            break;
        case 'c':
            put<quint32>(out, c32(n));
            break;
        case 'i':
            put<qint32>(out, s32(n));
            break;
        }
    }
    for (int i = 0; i < 17; ++i)
        put<quint32>(out, c32(200 + i));
    put<qint16>(out, 50);
    for (int i = 0; i < 150; ++i)
        put<qint16>(out, s16(i));
    return out;
}

IniData allTextsEmpty()
{
    IniData d = numberedIni();
    d.DataDirInfo = {};
    d.PanelInfo.PanelOffFile.clear();
    d.PanelInfo.PanelOn1File.clear();
    d.PanelInfo.PanelOn2File.clear();
    d.SoundInfo = {};
    d.SeirikenInfo.SeiriPlgFile.clear();
    d.SeirikenInfo.FixedDate.clear();
    return d;
}

} // namespace

class TestIniCodec : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void layoutByteForByte()
    {
        QCOMPARE(qsizetype(strlen(ItemKinds)), 70);
        QCOMPARE(encodeIni(numberedIni()), expectedNumberedFile());
        QCOMPARE(encodeIni(allTextsEmpty()).size(), IniMinimumSize);
    }

    void roundTripEveryField_data()
    {
        QTest::addColumn<IniData>("data");
        QTest::newRow("numbered") << numberedIni();
        QTest::newRow("defaults") << IniData{};
        IniData neg = numberedIni();
        neg.ChimeiInfo.ChimeiFontMode = -1;
        neg.CtrlDataInfo.ScrollSpeed = -32768;
        neg.CtrlDataInfo.CtrlLeft = std::numeric_limits<qint32>::min();
        neg.FormInfo.FormTop = -15;
        neg.CustColors[16] = 0xFFFFFFFFu;
        neg.DegitCells[49] = {-1, -2, -3};
        QTest::newRow("negative and extreme values") << neg;
        IniData texts = allTextsEmpty();
        texts.SoundInfo.PreSound3 = u"/home/運転士/音 声/ﾁｬｲﾑ①.wav"_s;
        texts.SeirikenInfo.SeiriPlgFile = QString(3000, u'駅');
        QTest::newRow("kana, NEC numerals, long text") << texts;
    }
    void roundTripEveryField()
    {
        QFETCH(IniData, data);
        IniData back;
        back.PanelInfo.UseSeiriNum = 77;
        Error e;
        QVERIFY(decodeIni(encodeIni(data), back, e));
        QVERIFY(back == data);
    }

    // A cut file is refused at every length and leaves the record untouched.
    void truncationAtEveryLength_data()
    {
        QTest::addColumn<IniData>("data");
        QTest::newRow("all texts empty") << allTextsEmpty();
        QTest::newRow("every text set") << numberedIni();
    }
    void truncationAtEveryLength()
    {
        QFETCH(IniData, data);
        const QByteArray full = encodeIni(data);
        const IniData untouched = numberedIni();
        for (qsizetype n = 0; n < full.size(); ++n) {
            IniData out = untouched;
            Error e;
            QVERIFY2(!decodeIni(QByteArrayView(full).first(n), out, e),
                     qPrintable(QString::number(n)));
            QCOMPARE(e.code, int(ErrPastEndOfFile));
            QVERIFY(!e.description.isEmpty());
            QVERIFY2(out == untouched, "a cut file must not change the record");
        }
    }

    void textRunningPastEnd_data()
    {
        QTest::addColumn<qsizetype>("at");
        QTest::addColumn<quint16>("length");
        QTest::newRow("first text claims 65535") << qsizetype(0) << quint16(0xFFFF);
        QTest::newRow("first text one byte too long") << qsizetype(0) << quint16(537);
        QTest::newRow("last text reaches into nothing") << qsizetype(-1) << quint16(401);
    }
    void textRunningPastEnd()
    {
        QFETCH(qsizetype, at);
        QFETCH(quint16, length);
        QByteArray f = encodeIni(allTextsEmpty());
        // FixedDate's count is followed by 400 bytes of fixed items.
        const qsizetype pos = at >= 0 ? at : f.size() - (2 + 400);
        qToLittleEndian<quint16>(length, f.data() + pos);
        IniData out;
        Error e;
        QVERIFY(!decodeIni(f, out, e));
        QCOMPARE(e.code, int(ErrPastEndOfFile));
        QVERIFY(out == IniData{});
    }

    void cellCountAndTrailingBytesAreIgnored_data()
    {
        QTest::addColumn<qint16>("count");
        QTest::newRow("0") << qint16(0);
        QTest::newRow("-1") << qint16(-1);
    }
    void cellCountAndTrailingBytesAreIgnored()
    {
        QFETCH(qint16, count);
        const IniData d = numberedIni();
        QByteArray f = encodeIni(d);
        qToLittleEndian<qint16>(count, f.data() + f.size() - 302);
        f.append("trailing bytes are ignored");
        IniData back;
        Error e;
        QVERIFY(decodeIni(f, back, e));
        QVERIFY(back == d);
    }

    void invalidShiftJisIsReplacedNotDropped()
    {
        QByteArray f = encodeIni(allTextsEmpty());
        QByteArray bad;
        putText(bad, QByteArray("A\x89"));
        f.replace(0, 2, bad);
        IniData back;
        Error e;
        QVERIFY(decodeIni(f, back, e));
        QCOMPARE(back.DataDirInfo.FareDataDir.left(1), u"A"_s);
        QVERIFY(back.DataDirInfo.FareDataDir.contains(QChar::ReplacementCharacter));
    }
};

LUMENA_TEST_GUILESS_MAIN(TestIniCodec)
#include "tst_ini_codec.moc"
