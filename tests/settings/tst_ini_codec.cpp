// The settings file's byte layout against a layout written out here, the
// round trip of every field, and the file cut at every length. The view file
// beside it: what its reader makes of any bytes, and where it is read and
// written.

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

} // namespace

class TestIniCodec : public QObject {
    Q_OBJECT
private slots:
    void init() { failOnUnexpectedWarnings(); }

    void layoutByteForByte()
    {
        QCOMPARE(qsizetype(strlen(ItemKinds)), 70);
        QCOMPARE(encodeIni(numberedIni()), expectedNumberedFile());
        QCOMPARE(encodeIni(IniData{}).size(), IniMinimumSize); // every text empty
    }

    // Every field comes back, long and odd texts too; the cell count and
    // whatever follows the cells are ignored.
    void roundTripEveryField()
    {
        IniData data = numberedIni();
        data.SoundInfo.PreSound3 = u"/home/運転士/音 声/ﾁｬｲﾑ①.wav"_s;
        data.SeirikenInfo.SeiriPlgFile = QString(3000, u'駅');
        QByteArray f = encodeIni(data);
        qToLittleEndian<qint16>(-1, f.data() + f.size() - 302);
        f.append("trailing bytes are ignored");
        IniData back;
        Error e;
        QVERIFY(decodeIni(f, back, e));
        QVERIFY(back == data);
    }

    // A cut file is refused at every length and leaves the record untouched.
    // (A text claiming more bytes than the file has: tst_ini_file.)
    void truncationAtEveryLength()
    {
        const QByteArray full = encodeIni(numberedIni());
        for (qsizetype n = 0; n < full.size(); ++n) {
            IniData out;
            Error e;
            QVERIFY2(!decodeIni(QByteArrayView(full).first(n), out, e),
                     qPrintable(QString::number(n)));
            QCOMPARE(e.code, int(ErrPastEndOfFile));
            QVERIFY(!e.description.isEmpty());
            QVERIFY2(out == IniData{}, "a cut file must not change the record");
        }
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
        row("CRLF, spaces, comments and a section", "# x\r\n[Board]\r\n BoardScale = 3 \r\n", 3);
        row("the last of two lines", "BoardScale=2\nBoardScale=4", 4);
        // Each line below would change the scale if it were taken.
        row("unusable values",
            "BoardScale=\nBoardScale=5\nBoardScale=0\nBoardScale=-2\nBoardScale=2.5\n"
            "BoardScale=00000000000000000002\n",
            1);
        row("other names", QByteArray("Scale=2\nboardscale=2\nBoardScale\0=2\n=2\n", 38), 1);
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
