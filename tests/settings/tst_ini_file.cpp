// The settings file: codec, LoadIni and SaveIni against recording windows,
// the first start's sounds, and the view file beside it.

#include "settings/FirstStart.h"
#include "settings/IniCodec.h"
#include "settings/SettingsFile.h"
#include "settings/ViewSettings.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeIniPorts.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/IniSamples.h"

#include <QDataStream>
#include <QDir>
#include <QTemporaryDir>
#include <QtEndian>

#include <csignal>
#include <sys/resource.h>
#include <sys/stat.h>
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::test;

namespace {

// The expected file for numberedIni(), written from the layout table alone.
QByteArray expectedNumberedFile()
{
    QByteArray out;
    QDataStream put(&out, QIODevice::WriteOnly);
    put.setByteOrder(QDataStream::LittleEndian);
    for (int n = 1; ItemKinds[n - 1]; ++n) {
        const char kind = ItemKinds[n - 1];
        if (kind == 's')
            put << s16(n);
        else if (kind == 'c')
            put << c32(n);
        else if (kind == 'i')
            put << s32(n);
        else { // 'T': the length, then the Shift-JIS bytes
            const QByteArray text =
                n == 1 ? QByteArray("\x8e\x4f\x8a\x70\x89\x77") : txt(n).toLatin1();
            put << quint16(text.size());
            put.writeRawData(text.constData(), int(text.size()));
        }
    }
    for (int i = 0; i < 17; ++i)
        put << c32(200 + i);
    put << qint16(50);
    for (int i = 0; i < 150; ++i)
        put << s16(i);
    return out;
}

// The options dialog's part of `from` copied into `to`.
void copyOptions(const IniData& from, IniData& to)
{
    const IniData kept = to;
    to = from;
    to.CtrlDataInfo = kept.CtrlDataInfo;
    to.FormInfo = kept.FormInfo;
    to.DegitCells = kept.DegitCells;
}

// Get* hand out their part of `held`, Set* store into `applied`; calls logged.
class FakeWindows final : public OptionIniPort, public IdlePanelPort, public IdleBoardPort {
public:
    mutable QStringList log;
    IniData held = numberedIni();
    IniData applied;
    QList<quint32> colors; // of the last cell, the clock's two and the stop name's

    IniWindows windows() { return IniWindows{*this, *this, *this}; }
    const IniData& get(const char* call) const
    {
        log << QString::fromLatin1(call);
        return held;
    }
    IniData& set(const char* call)
    {
        log << QString::fromLatin1(call);
        return applied;
    }

    void GetOptionInfo(IniData& out) const override { copyOptions(get(__func__), out); }
    void SetOptionInfo(const IniData& in) override { copyOptions(in, set(__func__)); }
    void SetProp() override { log << QString::fromLatin1(__func__); }
    void GetCtrlDataInfo(ini::CtrlDataInfo& o) const override { o = get(__func__).CtrlDataInfo; }
    void SetCtrlDataInfo(const ini::CtrlDataInfo& i) override { set(__func__).CtrlDataInfo = i; }
    void GetFormInfo(ini::FormInfo& out) const override { out = get(__func__).FormInfo; }
    void SetFormInfo(const ini::FormInfo& in) override { set(__func__).FormInfo = in; }
    ini::DegitCellInfo GetDegitCell(int n) const override
    {
        return get(__func__).DegitCells[size_t(n - 1)];
    }
    void SetDegitCell(int n, const ini::DegitCellInfo& info, const DegitColors& c) override
    {
        set(__func__).DegitCells[size_t(n - 1)] = info;
        colors = {c.BackColor, c.BaseForeColor, c.DegitForeColor};
    }
    void SetTimeDegitColors(int index, const DegitColors& c) override
    {
        log << u"SetTimeDegitColors(%1)"_s.arg(index);
        colors << c.BackColor << c.BaseForeColor << c.DegitForeColor;
    }
    void SetChimeiColors(quint32 back, quint32 fore) override
    {
        log << QString::fromLatin1(__func__);
        colors << back << fore;
    }
};

// One load or save against fresh windows and host.
struct Session {
    FakeHost host;
    FakeWindows w;
    IniData data;
    explicit Session(const IniData& start = {}) : data(start) {}
    void load(const IniLocation& where) { LoadIni(data, where, w.windows(), host); }
    bool save(const IniLocation& where) { return SaveIni(data, where, w.windows(), host); }
    QStringList messageLines() const
    {
        return host.messages.size() == 1 ? host.messages[0].split(u"\r\n"_s) : QStringList();
    }
};

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    QString exeDir() const { return m_tmp.filePath(u"bin"_s); }
    IniLocation location(const QString& exe = u"bin"_s, const QString& config = u"config"_s,
                         bool own = true) const
    {
        return IniLocation(m_tmp.filePath(exe), u"LM-50"_s, m_tmp.filePath(config), own);
    }
    void place(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QVERIFY(writeFile(path, bytes));
    }

private slots:
    void init()
    {
        failOnUnexpectedWarnings();
        QDir(m_tmp.path()).removeRecursively();
        QDir().mkpath(exeDir());
    }

    void layoutByteForByte()
    {
        QCOMPARE(qsizetype(strlen(ItemKinds)), 70);
        QCOMPARE(encodeIni(numberedIni()), expectedNumberedFile());
        QCOMPARE(encodeIni(IniData{}).size(), IniMinimumSize); // every text empty
    }

    // Long and odd texts too; the cell count and what follows the cells ignored.
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

    void pathInTheRootFolder()
    {
        QCOMPARE(IniLocation(u"/"_s, u"LM-50"_s, {}).besideExecutable(), u"/LM-50.in4"_s);
    }

    // A load reads the file a save writes, else the one beside the executable,
    // and applies it in order. With none (the first start) nothing is applied
    // or said, and the options get the bundled chimes (only the sound files).
    void loadReadsWhereASaveWrites_data()
    {
        QTest::addColumn<bool>("own"); // the executable's folder is the program's own
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("inConfig");
        QTest::addColumn<int>("formLeft"); // of the file read, 0 for none
        QTest::newRow("neither: the first start") << true << false << false << 0;
        QTest::newRow("own folder: the file beside the executable") << true << true << true << 1;
        QTest::newRow("own folder without a file: a first start") << true << false << true << 0;
        QTest::newRow("installed: the configuration folder's") << false << true << true << 2;
        QTest::newRow("installed, nothing saved yet: the file beside the executable")
            << false << true << false << 1;
    }
    void loadReadsWhereASaveWrites()
    {
        QFETCH(bool, own);
        QFETCH(bool, beside);
        QFETCH(bool, inConfig);
        QFETCH(int, formLeft);
        IniData files[2] = {numberedIni(), numberedIni()};
        files[0].FormInfo.FormLeft = 1;
        files[1].FormInfo.FormLeft = 2;
        const IniLocation where = location(u"bin"_s, u"config"_s, own);
        if (beside)
            place(where.besideExecutable(), encodeIni(files[0]));
        if (inConfig)
            place(where.inConfigFolder(), encodeIni(files[1]));
        Session s;
        s.load(where);
        QVERIFY(s.host.messages.isEmpty());
        if (!formLeft) {
            QVERIFY(s.w.log.isEmpty());
        } else {
            const IniData& n = files[formLeft - 1];
            QVERIFY(s.data == n && s.w.applied == n);
            QCOMPARE(s.w.log, (QStringList(50, u"SetDegitCell"_s) +
                               QStringList{u"SetTimeDegitColors(0)"_s, u"SetTimeDegitColors(1)"_s,
                                           u"SetChimeiColors"_s, u"SetOptionInfo"_s,
                                           u"SetCtrlDataInfo"_s, u"SetFormInfo"_s, u"SetProp"_s}));
            const QList<quint32> digits{n.DegitInfo.DegitBackColor, n.DegitInfo.DegitBaseColor,
                                        n.DegitInfo.DegitLitColor};
            QCOMPARE(s.w.colors,
                     (digits + digits + digits +
                      QList<quint32>{n.ChimeiInfo.ChimeiBackColor, n.ChimeiInfo.ChimeiForeColor}));
        }

        QVERIFY(!useBundledSoundsOnFirstStart(where, s.w, QString()));
        const QString sounds = sourceDir() + u"/samples/sounds"_s;
        QCOMPARE(useBundledSoundsOnFirstStart(where, s.w, sounds), !formLeft);
        if (formLeft)
            return;
        IniData expected;
        copyOptions(s.w.held, expected);
        chooseBundledSounds(expected.SoundInfo, sounds);
        QVERIFY(s.w.applied == expected);
        const ini::SoundInfo& chimes = expected.SoundInfo;
        for (const QString& file : {chimes.RouteSetSound, chimes.StepSoundFile, chimes.PreSoundFile,
                                    chimes.PreSound1, chimes.PreSound2, chimes.PreSound3})
            QVERIFY2(QFileInfo(file).isFile(), qPrintable(file));
    }

    // Only a folder the user owns, and not as root.
    void ownProgramFolder()
    {
        QVERIFY(!IniLocation::isOwnProgramFolder(u"/usr/bin"_s)); // even for root
        QVERIFY(!IniLocation::isOwnProgramFolder(QString()));
        QCOMPARE(IniLocation::isOwnProgramFolder(exeDir()), ::geteuid() != 0);
    }

    // A text claiming more bytes than there are: nothing applied, three lines.
    void damagedFileAppliesNothing()
    {
        QByteArray bytes = encodeIni(IniData{});
        bytes[0] = bytes[1] = char(0xFF);
        place(location().besideExecutable(), bytes);
        Session s(numberedIni());
        s.load(location());
        QVERIFY(s.w.log.isEmpty());
        QVERIFY(s.data == numberedIni());
        const QStringList lines = s.messageLines();
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], u"エラー Code:62"_s);
        QVERIFY(lines[1].startsWith(u"内容:"_s) && lines[1].size() > 3);
        QCOMPARE(lines[2], u"モジュール:mdlIniIo.LoadIni()"_s);
    }

    // Read in order, written beside the executable or else in the configuration
    // folder; where neither can be written, two lines say so.
    void saveCollectsInOrderAndWrites_data()
    {
        QTest::addColumn<QString>("exe");
        QTest::addColumn<bool>("own");
        QTest::addColumn<QString>("config");
        QTest::addColumn<QString>("written"); // "" for none
        QTest::newRow("beside the executable") << u"bin"_s << true << u"config"_s << u"bin"_s;
        QTest::newRow("installed: writable, not its own")
            << u"bin"_s << false << u"config"_s << u"config"_s;
        QTest::newRow("executable's folder missing")
            << u"missing"_s << true << u"config"_s << u"config"_s;
        QTest::newRow("neither") << u"missing"_s << true << u"plain/sub"_s << QString();
    }
    void saveCollectsInOrderAndWrites()
    {
        QFETCH(QString, exe);
        QFETCH(bool, own);
        QFETCH(QString, config);
        QFETCH(QString, written);
        place(m_tmp.filePath(u"plain"_s), "x");
        const IniLocation where = location(exe, config, own);
        Session s;
        QCOMPARE(s.save(where), !written.isEmpty());
        QCOMPARE(s.w.log,
                 (QStringList(50, u"GetDegitCell"_s) +
                  QStringList{u"GetOptionInfo"_s, u"GetCtrlDataInfo"_s, u"GetFormInfo"_s}));
        QVERIFY(s.data == numberedIni());
        const QString beside = where.besideExecutable(), inConfig = where.inConfigFolder();
        if (written.isEmpty()) {
            const QStringList lines = s.messageLines();
            QCOMPARE(lines.size(), 2);
            QCOMPARE(lines[0], u"エラー Code:76"_s);
            QVERIFY(lines[1].startsWith(u"内容:"_s));
            return;
        }
        QVERIFY(s.host.messages.isEmpty());
        const QString path = written == exe ? beside : inConfig;
        QCOMPARE(readFile(path), encodeIni(numberedIni()));
        QVERIFY(!QFile::exists(path == beside ? inConfig : beside));
        QCOMPARE(where.readPath(), path);
    }

    // A write failing half way (a file size limit) leaves the previous file.
    void failedSaveKeepsPreviousFile()
    {
        const QByteArray previous = encodeIni(IniData{});
        place(location().besideExecutable(), previous);

        rlimit old{};
        QCOMPARE(getrlimit(RLIMIT_FSIZE, &old), 0);
        const auto oldHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 100;
        QCOMPARE(setrlimit(RLIMIT_FSIZE, &small), 0);
        Session s;
        const bool saved = s.save(location());
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!saved);
        QCOMPARE(s.messageLines().value(0), u"エラー Code:57"_s);
        QCOMPARE(readFile(location().besideExecutable()), previous);
        QCOMPARE(QDir(exeDir()).entryList(QDir::Files), QStringList{u"LM-50.in4"_s});
    }

    // What was written comes back; whatever cannot be used leaves 1.
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

    // Beside the settings file read, else where one would be written; no FIFO.
    void viewFileBesideTheSettingsFile()
    {
        const IniLocation where = location(u"prog"_s); // no program folder yet
        QCOMPARE(LoadViewSettings(where), ViewSettings{});
        QVERIFY(SaveViewSettings(where, {3})); // no program folder: the configuration folder
        QCOMPARE(readFile(m_tmp.filePath(u"config/LM-50-view.ini"_s)), encodeViewSettings({3}));
        QCOMPARE(LoadViewSettings(where).boardScale, 3);
        // A settings file beside the program: its own view file, here none.
        place(where.besideExecutable(), encodeIni(IniData{}));
        QCOMPARE(LoadViewSettings(where), ViewSettings{});
        QCOMPARE(mkfifo(qPrintable(m_tmp.filePath(u"prog/LM-50-view.ini"_s)), 0600), 0);
        QCOMPARE(LoadViewSettings(where), ViewSettings{});
    }
};

LUMENA_TEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
