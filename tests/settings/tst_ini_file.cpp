#include "settings/IniCodec.h"
#include "settings/mdlIniIo.h"
#include "tests/common/FakeHost.h"
#include "tests/common/TestSupport.h"
#include "tests/settings/IniSamples.h"

#include <QDir>
#include <QFile>
#include <QTemporaryDir>

#include <csignal>
#include <sys/resource.h>

using namespace lumena;
using namespace lumena::test;

namespace {

// The three windows as recording fakes: Get* hand out `held`, Set* store
// into `applied`, and every call is logged in order.
class FakeWindows final : public OptionIniPort, public PanelIniPort, public BoardIniPort {
public:
    QStringList log;
    IniData held = numberedIni();
    IniData applied;
    DegitColors cellColors, clockColors;

    IniWindows windows() { return IniWindows{*this, *this, *this}; }

    void GetOptionInfo(IniData& out) const override
    {
        const_cast<FakeWindows*>(this)->log << QStringLiteral("GetOptionInfo");
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
        log << QStringLiteral("SetOptionInfo");
        applied.DataDirInfo = in.DataDirInfo;
        applied.PanelInfo = in.PanelInfo;
        applied.DegitInfo = in.DegitInfo;
        applied.ChimeiInfo = in.ChimeiInfo;
        applied.SoundInfo = in.SoundInfo;
        applied.SeirikenInfo = in.SeirikenInfo;
        applied.CustColors = in.CustColors;
    }
    void SetProp() override { log << QStringLiteral("SetProp"); }

    void GetCtrlDataInfo(ini::CtrlDataInfo& out) const override
    {
        const_cast<FakeWindows*>(this)->log << QStringLiteral("GetCtrlDataInfo");
        out = held.CtrlDataInfo;
    }
    void SetCtrlDataInfo(const ini::CtrlDataInfo& in) override
    {
        log << QStringLiteral("SetCtrlDataInfo");
        applied.CtrlDataInfo = in;
    }
    int BacklightIndex() const override { return 0; }
    void Option4_Click(int) override { log << QStringLiteral("Option4_Click"); }
    void SetPreviewSize(int, int) override {}
    void ClearCompanyList() override {}
    void AddCompany(const QString&) override {}

    void GetFormInfo(ini::FormInfo& out) const override
    {
        const_cast<FakeWindows*>(this)->log << QStringLiteral("GetFormInfo");
        out = held.FormInfo;
    }
    void SetFormInfo(const ini::FormInfo& in) override
    {
        log << QStringLiteral("SetFormInfo");
        applied.FormInfo = in;
    }
    ini::DegitCellInfo GetDegitCell(int cell) const override
    {
        const_cast<FakeWindows*>(this)->log << QStringLiteral("GetDegitCell(%1)").arg(cell);
        return held.DegitCells[static_cast<size_t>(cell - 1)];
    }
    void SetDegitCell(int cell, const ini::DegitCellInfo& info, const DegitColors& c) override
    {
        log << QStringLiteral("SetDegitCell(%1)").arg(cell);
        applied.DegitCells[static_cast<size_t>(cell - 1)] = info;
        cellColors = c;
    }
    void SetTimeDegitColors(int index, const DegitColors& c) override
    {
        log << QStringLiteral("SetTimeDegitColors(%1)").arg(index);
        clockColors = c;
    }
    void SetChimeiColors(quint32 back, quint32 fore) override
    {
        log << QStringLiteral("SetChimeiColors(%1,%2)").arg(back).arg(fore);
    }
    void SetSeiriNumVisible(bool) override {}
    void SeirikenNumSet(qint16&, qint16&) override {}
    void SetSeiriNumColor(quint32) override {}
    void SetAllDegitColors(const DegitColors&) override {}
    void SetChimeiProps(quint32, quint32, qint16, bool) override {}
};

bool writeBytes(const QString& path, const QByteArray& bytes)
{
    QDir().mkpath(QFileInfo(path).absolutePath());
    QFile f(path);
    return f.open(QIODevice::WriteOnly) && f.write(bytes) == bytes.size();
}

QByteArray readBytes(const QString& path)
{
    QFile f(path);
    return f.open(QIODevice::ReadOnly) ? f.readAll() : QByteArray();
}

QStringList cellCalls(const QString& name)
{
    QStringList l;
    for (int i = 1; i <= 50; ++i)
        l << QStringLiteral("%1(%2)").arg(name).arg(i);
    return l;
}

} // namespace

class TestIniFile : public QObject {
    Q_OBJECT
    QTemporaryDir m_tmp;
    QString exeDir() const { return m_tmp.filePath(QStringLiteral("bin")); }
    QString configDir() const { return m_tmp.filePath(QStringLiteral("config/Lumena")); }
    IniLocation location() const
    {
        return IniLocation(exeDir(), QStringLiteral("LM-50"), configDir());
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
        QTest::newRow("plain folder")
            << QStringLiteral("/opt/bus") << QStringLiteral("/opt/bus/LM-50.in4");
        QTest::newRow("root folder has one separator")
            << QStringLiteral("/") << QStringLiteral("/LM-50.in4");
        QTest::newRow("folder ending in separator")
            << QStringLiteral("/opt/bus/") << QStringLiteral("/opt/bus/LM-50.in4");
    }
    void pathNamesTheExecutable()
    {
        QFETCH(QString, dir);
        QFETCH(QString, path);
        QCOMPARE(IniLocation(dir, QStringLiteral("LM-50"), {}).besideExecutable(), path);
    }

    void firstStartIsSilent()
    {
        FakeHost host;
        FakeWindows w;
        IniData data = numberedIni();
        LoadIni(data, location(), w.windows(), host);
        QVERIFY(w.log.isEmpty());
        QVERIFY(host.messages.isEmpty());
        QVERIFY(data == numberedIni());
    }

    void loadAppliesInOrder()
    {
        QVERIFY(writeBytes(location().besideExecutable(), encodeIni(numberedIni())));
        FakeHost host;
        FakeWindows w;
        IniData data;
        LoadIni(data, location(), w.windows(), host);

        const IniData n = numberedIni();
        const QStringList expected = cellCalls(QStringLiteral("SetDegitCell")) +
                                     QStringList{QStringLiteral("SetTimeDegitColors(0)"),
                                                 QStringLiteral("SetTimeDegitColors(1)"),
                                                 QStringLiteral("SetChimeiColors(%1,%2)")
                                                     .arg(n.ChimeiInfo.ChimeiBackColor)
                                                     .arg(n.ChimeiInfo.ChimeiForeColor),
                                                 QStringLiteral("SetOptionInfo"),
                                                 QStringLiteral("SetCtrlDataInfo"),
                                                 QStringLiteral("SetFormInfo"),
                                                 QStringLiteral("SetProp")};
        QCOMPARE(w.log, expected);
        QVERIFY(host.messages.isEmpty());
        QVERIFY(data == n);
        QVERIFY(w.applied == n);
        QCOMPARE(w.cellColors.BackColor, n.DegitInfo.DegitBackColor);
        QCOMPARE(w.cellColors.BaseForeColor, n.DegitInfo.DegitBaseColor);
        QCOMPARE(w.clockColors.DegitForeColor, n.DegitInfo.DegitLitColor);
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
        FakeHost host;
        FakeWindows w;
        IniData data = numberedIni();
        LoadIni(data, location(), w.windows(), host);
        QVERIFY(w.log.isEmpty());
        QVERIFY(data == numberedIni());
        QCOMPARE(host.messages.size(), 1);
        const QStringList lines = host.messages.first().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 3);
        QCOMPARE(lines[0], QStringLiteral("エラー Code:62"));
        QVERIFY(lines[1].startsWith(QStringLiteral("内容:")));
        QVERIFY(lines[1].size() > 3);
        QCOMPARE(lines[2], QStringLiteral("モジュール:mdlIniIo.LoadIni()"));
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
        FakeHost host;
        FakeWindows w;
        IniData data;
        LoadIni(data, location(), w.windows(), host);
        QCOMPARE(w.applied.FormInfo.FormLeft, expectedLeft);
    }

    void saveCollectsInOrderAndWrites()
    {
        FakeHost host;
        FakeWindows w;
        IniData data;
        QVERIFY(SaveIni(data, location(), w.windows(), host));
        const QStringList expected =
            cellCalls(QStringLiteral("GetDegitCell")) +
            QStringList{QStringLiteral("GetOptionInfo"), QStringLiteral("GetCtrlDataInfo"),
                        QStringLiteral("GetFormInfo")};
        QCOMPARE(w.log, expected);
        QVERIFY(host.messages.isEmpty());
        QVERIFY(data == numberedIni());
        QCOMPARE(readBytes(location().besideExecutable()), encodeIni(numberedIni()));
        QVERIFY(!QFile::exists(location().inConfigFolder()));
    }

    void saveUsesConfigFolderWhereExecutableFolderIsUnusable()
    {
        const IniLocation where(m_tmp.filePath(QStringLiteral("missing")), QStringLiteral("LM-50"),
                                configDir());
        FakeHost host;
        FakeWindows w;
        IniData data;
        QVERIFY(SaveIni(data, where, w.windows(), host));
        QCOMPARE(readBytes(where.inConfigFolder()), encodeIni(numberedIni()));
        QCOMPARE(where.readPath(), where.inConfigFolder());
    }

    void saveThatCannotOpenShowsTwoLines()
    {
        QVERIFY(writeBytes(m_tmp.filePath(QStringLiteral("plain")), "x"));
        const IniLocation where(m_tmp.filePath(QStringLiteral("missing")), QStringLiteral("LM-50"),
                                m_tmp.filePath(QStringLiteral("plain/sub")));
        FakeHost host;
        FakeWindows w;
        IniData data;
        QVERIFY(!SaveIni(data, where, w.windows(), host));
        QCOMPARE(host.messages.size(), 1);
        const QStringList lines = host.messages.first().split(QStringLiteral("\r\n"));
        QCOMPARE(lines.size(), 2);
        QCOMPARE(lines[0], QStringLiteral("エラー Code:76"));
        QVERIFY(lines[1].startsWith(QStringLiteral("内容:")));
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
        FakeHost host;
        FakeWindows w;
        IniData data;
        const bool saved = SaveIni(data, location(), w.windows(), host);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, oldHandler);

        QVERIFY(!saved);
        QCOMPARE(host.messages.size(), 1);
        QVERIFY(host.messages.first().startsWith(QStringLiteral("エラー Code:57\r\n内容:")));
        QCOMPARE(readBytes(location().besideExecutable()), previous);
        QCOMPARE(QDir(exeDir()).entryList(QDir::Files), QStringList{QStringLiteral("LM-50.in4")});
    }
};

LUMENA_TEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
