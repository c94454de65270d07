// The settings file's byte layout against a layout written out here, the
// round trip of every field, and files that are cut short or lie about a
// text's length. The view file beside it: what its reader makes of any bytes,
// and where it is read and written.

#include "settings/IniCodec.h"
#include "settings/ViewSettings.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/IniSamples.h"

#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>
#include <sys/stat.h>

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

    // --- the view file ---
    // The board scale read from any bytes: what was written comes back, and
    // whatever cannot be used leaves the default 1.
    void viewFileReading_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<int>("scale");
        for (int n : {1, 2, 3, 4})
            QTest::addRow("written at %d", n) << encodeViewSettings({n}) << n;
        auto row = [](const char* tag, const QByteArray& bytes, int scale) {
            QTest::newRow(tag) << bytes << scale;
        };
        row("written at 9: kept at 4", encodeViewSettings({9}), 4);
        row("empty", {}, 1);
        row("CRLF, spaces, comments and a section", "# x\r\n[Board]\r\n BoardScale = 3 \r\n", 3);
        row("the last of two lines", "BoardScale=2\nBoardScale=4", 4);
        row("cut short before the value", "BoardScale=", 1);
        row("5 is beyond the range", "BoardScale=5\n", 1);
        row("0", "BoardScale=0\n", 1);
        row("negative", "BoardScale=-2\n", 1);
        row("a fraction", "BoardScale=2.5\n", 1);
        row("twenty digits", "BoardScale=00000000000000000002\n", 1);
        row("another name or case", "Scale=2\nboardscale=2\n", 1);
        row("NUL in the name", QByteArray("BoardScale\0=2\n", 14), 1);
        row("binary", QByteArray("\0\xff\xfe=\n=\x80\n", 8), 1);
        row("longer than a view file", "BoardScale=2\n" + QByteArray(ViewFileMaximumSize, ';'), 1);
    }
    void viewFileReading()
    {
        QFETCH(QByteArray, bytes);
        QTEST(decodeViewSettings(bytes).boardScale, "scale");
    }

    // Beside the settings file that is read, else where one would be written;
    // a view file that is not a regular file is not opened.
    void viewFileBesideTheSettingsFile()
    {
        QTemporaryDir dir;
        const IniLocation where(dir.filePath(u"bin"_s), u"LM-50"_s, dir.filePath(u"config"_s));
        const QString inConfig = dir.filePath(u"config/LM-50-view.ini"_s);
        QCOMPARE(viewFilePath(where.inConfigFolder()), inConfig);
        QCOMPARE(LoadViewSettings(where), ViewSettings{});
        QVERIFY(SaveViewSettings(where, {3})); // no program folder: the configuration folder
        QCOMPARE(readFile(inConfig), encodeViewSettings({3}));
        QCOMPARE(LoadViewSettings(where).boardScale, 3);
        // A settings file beside the program: its own view file, here none.
        QVERIFY(QDir().mkpath(dir.filePath(u"bin"_s)));
        QVERIFY(writeFile(where.besideExecutable(), encodeIni(IniData{})));
        QCOMPARE(LoadViewSettings(where), ViewSettings{});
        QCOMPARE(mkfifo(qPrintable(dir.filePath(u"bin/LM-50-view.ini"_s)), 0600), 0);
        QCOMPARE(LoadViewSettings(where), ViewSettings{});
    }
};

LUMENA_TEST_GUILESS_MAIN(TestIniCodec)
#include "tst_ini_codec.moc"
