// LoadIni and SaveIni against recording windows: where the file is looked for
// and written, the order the windows are read and set in, the messages, and
// the atomic save under a file-size limit.

#include "settings/IniCodec.h"
#include "settings/SettingsFile.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeIniPorts.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/IniSamples.h"

#include <QDir>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::test;

namespace {

// The three windows as recording fakes: Get* hand out `held`, Set* store
// into `applied`, and every call is logged in order.
class FakeWindows final : public OptionIniPort, public IdlePanelPort, public IdleBoardPort {
public:
    mutable QStringList log;
    IniData held = numberedIni();
    IniData applied;
    DegitColors cellColors, clockColors;

    IniWindows windows() { return IniWindows{*this, *this, *this}; }

    void GetOptionInfo(IniData& out) const override
    {
        log << u"GetOptionInfo"_s;
        out.DataDirInfo = held.DataDirInfo;
        out.PanelInfo = held.PanelInfo;
        out.DegitInfo = held.DegitInfo;
        out.ChimeiInfo = held.ChimeiInfo;
        out.SoundInfo = held.SoundInfo;
        out.SeirikenInfo = held.SeirikenInfo;
        out.CustColors = held.CustColors;
    }
    void SetOptionInfo(const IniData& in) override
    {
        log << u"SetOptionInfo"_s;
        applied.DataDirInfo = in.DataDirInfo;
        applied.PanelInfo = in.PanelInfo;
        applied.DegitInfo = in.DegitInfo;
        applied.ChimeiInfo = in.ChimeiInfo;
        applied.SoundInfo = in.SoundInfo;
        applied.SeirikenInfo = in.SeirikenInfo;
        applied.CustColors = in.CustColors;
    }
    void SetProp() override { log << u"SetProp"_s; }
    void GetCtrlDataInfo(ini::CtrlDataInfo& out) const override
    {
        log << u"GetCtrlDataInfo"_s;
        out = held.CtrlDataInfo;
    }
    void SetCtrlDataInfo(const ini::CtrlDataInfo& in) override
    {
        log << u"SetCtrlDataInfo"_s;
        applied.CtrlDataInfo = in;
    }
    void GetFormInfo(ini::FormInfo& out) const override
    {
        log << u"GetFormInfo"_s;
        out = held.FormInfo;
    }
    void SetFormInfo(const ini::FormInfo& in) override
    {
        log << u"SetFormInfo"_s;
        applied.FormInfo = in;
    }
    ini::DegitCellInfo GetDegitCell(int cell) const override
    {
        log << u"GetDegitCell(%1)"_s.arg(cell);
        return held.DegitCells[size_t(cell - 1)];
    }
    void SetDegitCell(int cell, const ini::DegitCellInfo& info, const DegitColors& c) override
    {
        log << u"SetDegitCell(%1)"_s.arg(cell);
        applied.DegitCells[size_t(cell - 1)] = info;
        cellColors = c;
    }
    void SetTimeDegitColors(int index, const DegitColors& c) override
    {
        log << u"SetTimeDegitColors(%1)"_s.arg(index);
        clockColors = c;
    }
    void SetChimeiColors(quint32 back, quint32 fore) override
    {
        log << u"SetChimeiColors(%1,%2)"_s.arg(back).arg(fore);
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
};

QByteArray readFile(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray("<missing>");
}

QStringList cellCalls(const QString& name)
{
    QStringList l;
    for (int i = 1; i <= 50; ++i)
        l << u"%1(%2)"_s.arg(name).arg(i);
    return l;
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    QString exeDir() const { return m_tmp.filePath(u"bin"_s); }
    IniLocation location() const
    {
        return IniLocation(exeDir(), u"LM-50"_s, m_tmp.filePath(u"config/Lumena"_s));
    }
    void place(const QString& path, const QByteArray& bytes)
    {
        QDir().mkpath(QFileInfo(path).absolutePath());
        QFile f(path);
        QVERIFY(f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size());
    }

private slots:
    void init()
    {
        failOnUnexpectedWarnings();
        QDir(m_tmp.path()).removeRecursively();
        QDir().mkpath(exeDir());
    }

    void pathNamesTheExecutable_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<QString>("path");
        QTest::newRow("plain folder") << u"/opt/bus"_s << u"/opt/bus/LM-50.in4"_s;
        QTest::newRow("root folder has one separator") << u"/"_s << u"/LM-50.in4"_s;
        QTest::newRow("folder ending in separator") << u"/opt/bus/"_s << u"/opt/bus/LM-50.in4"_s;
    }
    void pathNamesTheExecutable()
    {
        QFETCH(QString, dir);
        QFETCH(QString, path);
        QCOMPARE(IniLocation(dir, u"LM-50"_s, {}).besideExecutable(), path);
    }

    void firstStartIsSilent()
    {
        Session s(numberedIni());
        s.load(location());
        QVERIFY(s.w.log.isEmpty());
        QVERIFY(s.host.messages.isEmpty());
        QVERIFY(s.data == numberedIni());
    }

    void loadAppliesInOrder()
    {
        place(location().besideExecutable(), encodeIni(numberedIni()));
        Session s;
        s.load(location());
        const IniData n = numberedIni();
        const QString chimei = u"SetChimeiColors(%1,%2)"_s.arg(n.ChimeiInfo.ChimeiBackColor)
                                   .arg(n.ChimeiInfo.ChimeiForeColor);
        const QStringList expected =
            cellCalls(u"SetDegitCell"_s) + QStringList{u"SetTimeDegitColors(0)"_s,
                                                       u"SetTimeDegitColors(1)"_s,
                                                       chimei,
                                                       u"SetOptionInfo"_s,
                                                       u"SetCtrlDataInfo"_s,
                                                       u"SetFormInfo"_s,
                                                       u"SetProp"_s};
        QCOMPARE(s.w.log, expected);
        QVERIFY(s.host.messages.isEmpty());
        QVERIFY(s.data == n);
        QVERIFY(s.w.applied == n);
        QCOMPARE(s.w.cellColors.BackColor, n.DegitInfo.DegitBackColor);
        QCOMPARE(s.w.cellColors.BaseForeColor, n.DegitInfo.DegitBaseColor);
        QCOMPARE(s.w.clockColors.DegitForeColor, n.DegitInfo.DegitLitColor);
    }

    // A file the codec refuses (here a text claiming more bytes than there
    // are) applies nothing and says so in three lines.
    void damagedFileAppliesNothing()
    {
        QByteArray bytes = encodeIni(IniData{});
        bytes[0] = char(0xFF);
        bytes[1] = char(0xFF);
        place(location().besideExecutable(), bytes);
        Session s(numberedIni());
        s.load(location());
        QVERIFY(s.w.log.isEmpty());
        QVERIFY(s.data == numberedIni());
        QCOMPARE(s.host.messages.size(), 1);
        const QStringList lines = s.host.messages.first().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], u"エラー Code:62"_s);
        QVERIFY(lines[1].startsWith(u"内容:"_s) && lines[1].size() > 3);
        QCOMPARE(lines[2], u"モジュール:SettingsFile.LoadIni()"_s);
    }

    void readsBesideExecutableFirst_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("inConfig");
        QTest::addColumn<int>("expectedLeft");
        QTest::newRow("both: the one beside the executable") << true << true << 1;
        QTest::newRow("only the configuration folder's") << false << true << 2;
    }
    void readsBesideExecutableFirst()
    {
        QFETCH(bool, beside);
        QFETCH(bool, inConfig);
        QFETCH(int, expectedLeft);
        IniData one, two;
        one.FormInfo.FormLeft = 1;
        two.FormInfo.FormLeft = 2;
        if (beside)
            place(location().besideExecutable(), encodeIni(one));
        if (inConfig)
            place(location().inConfigFolder(), encodeIni(two));
        Session s;
        s.load(location());
        QCOMPARE(s.w.applied.FormInfo.FormLeft, expectedLeft);
    }

    void saveCollectsInOrderAndWrites()
    {
        Session s;
        QVERIFY(s.save(location()));
        const QStringList expected =
            cellCalls(u"GetDegitCell"_s) +
            QStringList{u"GetOptionInfo"_s, u"GetCtrlDataInfo"_s, u"GetFormInfo"_s};
        QCOMPARE(s.w.log, expected);
        QVERIFY(s.host.messages.isEmpty());
        QVERIFY(s.data == numberedIni());
        QCOMPARE(readFile(location().besideExecutable()), encodeIni(numberedIni()));
        QVERIFY(!QFile::exists(location().inConfigFolder()));
    }

    void saveUsesConfigFolderWhereExecutableFolderIsUnusable()
    {
        const IniLocation where(m_tmp.filePath(u"missing"_s), u"LM-50"_s,
                                m_tmp.filePath(u"config/Lumena"_s));
        Session s;
        QVERIFY(s.save(where));
        QCOMPARE(readFile(where.inConfigFolder()), encodeIni(numberedIni()));
        QCOMPARE(where.readPath(), where.inConfigFolder());
    }

    void saveThatCannotOpenShowsTwoLines()
    {
        place(m_tmp.filePath(u"plain"_s), "x");
        const IniLocation where(m_tmp.filePath(u"missing"_s), u"LM-50"_s,
                                m_tmp.filePath(u"plain/sub"_s));
        Session s;
        QVERIFY(!s.save(where));
        QCOMPARE(s.host.messages.size(), 1);
        const QStringList lines = s.host.messages.first().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], u"エラー Code:76"_s);
        QVERIFY(lines[1].startsWith(u"内容:"_s));
    }

    // A write that fails half way (here: the file size limit) must leave the
    // previous settings file exactly as it was, and no temporary behind.
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
        QCOMPARE(s.host.messages.size(), 1);
        QVERIFY(s.host.messages.first().startsWith(u"エラー Code:57\r\n内容:"_s));
        QCOMPARE(readFile(location().besideExecutable()), previous);
        QCOMPARE(QDir(exeDir()).entryList(QDir::Files), QStringList{u"LM-50.in4"_s});
    }
};

LUMENA_TEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
