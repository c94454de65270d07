#include "settings/IniCodec.h"
#include "settings/SettingsFile.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeIniPorts.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/IniSamples.h"

#include <QDir>
#include <QFile>
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
    QStringList log;
    IniData held = numberedIni();
    IniData applied;
    DegitColors cellColors, clockColors;

    IniWindows windows() { return IniWindows{*this, *this, *this}; }

    void GetOptionInfo(IniData& out) const override
    {
        const_cast<FakeWindows*>(this)->log << u"GetOptionInfo"_s;
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
        const_cast<FakeWindows*>(this)->log << u"GetCtrlDataInfo"_s;
        out = held.CtrlDataInfo;
    }
    void SetCtrlDataInfo(const ini::CtrlDataInfo& in) override
    {
        log << u"SetCtrlDataInfo"_s;
        applied.CtrlDataInfo = in;
    }
    void Option4_Click(int) override { log << u"Option4_Click"_s; }

    void GetFormInfo(ini::FormInfo& out) const override
    {
        const_cast<FakeWindows*>(this)->log << u"GetFormInfo"_s;
        out = held.FormInfo;
    }
    void SetFormInfo(const ini::FormInfo& in) override
    {
        log << u"SetFormInfo"_s;
        applied.FormInfo = in;
    }
    ini::DegitCellInfo GetDegitCell(int cell) const override
    {
        const_cast<FakeWindows*>(this)->log << u"GetDegitCell(%1)"_s.arg(cell);
        return held.DegitCells[static_cast<size_t>(cell - 1)];
    }
    void SetDegitCell(int cell, const ini::DegitCellInfo& info, const DegitColors& c) override
    {
        log << u"SetDegitCell(%1)"_s.arg(cell);
        applied.DegitCells[static_cast<size_t>(cell - 1)] = info;
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

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

// One load or save against fresh windows and host.
struct Session {
    FakeHost host;
    FakeWindows w;
    IniData data;
    explicit Session(const IniData& start = {}) : data(start) {}
    void load(const IniLocation& where) { LoadIni(data, where, w.windows(), host); }
    bool save(const IniLocation& where) { return SaveIni(data, where, w.windows(), host); }
};

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
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
    QString configDir() const { return m_tmp.filePath(u"config/Lumena"_s); }
    IniLocation location() const { return IniLocation(exeDir(), u"LM-50"_s, configDir()); }

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
        QVERIFY(writeBytes(location().besideExecutable(), encodeIni(numberedIni())));
        Session s;
        s.load(location());

        const IniData n = numberedIni();
        const QStringList expected =
            cellCalls(u"SetDegitCell"_s) +
            QStringList{u"SetTimeDegitColors(0)"_s,
                        u"SetTimeDegitColors(1)"_s,
                        u"SetChimeiColors(%1,%2)"_s.arg(n.ChimeiInfo.ChimeiBackColor)
                            .arg(n.ChimeiInfo.ChimeiForeColor),
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

    void damagedFileAppliesNothing_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        const QByteArray full = encodeIni(IniData{});
        QTest::newRow("empty file") << QByteArray();
        QTest::newRow("one byte short") << full.left(537);
        QTest::newRow("cut inside the cells") << full.left(400);
        QByteArray past = full;
        past[0] = char(0xFF);
        past[1] = char(0xFF);
        QTest::newRow("text running past the end") << past;
    }
    void damagedFileAppliesNothing()
    {
        QFETCH(QByteArray, bytes);
        QVERIFY(writeBytes(location().besideExecutable(), bytes));
        Session s(numberedIni());
        s.load(location());
        QVERIFY(s.w.log.isEmpty());
        QVERIFY(s.data == numberedIni());
        QCOMPARE(s.host.messages.size(), 1);
        const QStringList lines = s.host.messages.first().split(u"\r\n"_s);
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], u"エラー Code:62"_s);
        QVERIFY(lines[1].startsWith(u"内容:"_s));
        QVERIFY(lines[1].size() > 3);
        QCOMPARE(lines[2], u"モジュール:SettingsFile.LoadIni()"_s);
    }

    void readsBesideExecutableFirst_data()
    {
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("inConfig");
        QTest::addColumn<int>("expectedLeft");
        QTest::newRow("both: the one beside the executable") << true << true << 1;
        QTest::newRow("only the configuration folder's") << false << true << 2;
        QTest::newRow("only beside the executable") << true << false << 1;
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
            QVERIFY(writeBytes(location().besideExecutable(), encodeIni(one)));
        if (inConfig)
            QVERIFY(writeBytes(location().inConfigFolder(), encodeIni(two)));
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
        QCOMPARE(readBytes(location().besideExecutable()), encodeIni(numberedIni()));
        QVERIFY(!QFile::exists(location().inConfigFolder()));
    }

    void saveUsesConfigFolderWhereExecutableFolderIsUnusable()
    {
        const IniLocation where(m_tmp.filePath(u"missing"_s), u"LM-50"_s, configDir());
        Session s;
        QVERIFY(s.save(where));
        QCOMPARE(readBytes(where.inConfigFolder()), encodeIni(numberedIni()));
        QCOMPARE(where.readPath(), where.inConfigFolder());
    }

    void saveThatCannotOpenShowsTwoLines()
    {
        QVERIFY(writeBytes(m_tmp.filePath(u"plain"_s), "x"));
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
    // previous settings file exactly as it was.
    void failedSaveKeepsPreviousFile()
    {
        const QByteArray previous = encodeIni(IniData{});
        QVERIFY(writeBytes(location().besideExecutable(), previous));

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
        QCOMPARE(readBytes(location().besideExecutable()), previous);
        QCOMPARE(QDir(exeDir()).entryList(QDir::Files), QStringList{u"LM-50.in4"_s});
    }
};

LUMENA_TEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
