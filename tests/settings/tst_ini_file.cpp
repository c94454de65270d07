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
#include <unistd.h>

using namespace Qt::StringLiterals;
using namespace lumena;
using namespace lumena::test;

namespace {

// The options dialog's part of `from` copied into `to`: all but the panel's,
// the board's and the cells.
void copyOptions(const IniData& from, IniData& to)
{
    const IniData kept = to;
    to = from;
    to.CtrlDataInfo = kept.CtrlDataInfo;
    to.FormInfo = kept.FormInfo;
    to.DegitCells = kept.DegitCells;
}

// The three windows as recording fakes: Get* hand out their part of `held`,
// Set* store theirs into `applied`, and every call is logged in order.
class FakeWindows final : public OptionIniPort, public IdlePanelPort, public IdleBoardPort {
public:
    mutable QStringList log;
    IniData held = numberedIni();
    IniData applied;
    QList<quint32> colors; // of the last cell, the clock's two and the stop name's

    IniWindows windows() { return IniWindows{*this, *this, *this}; }
    void note(const char* call, int n) const
    {
        log << (n < 0 ? QString::fromLatin1(call)
                      : u"%1(%2)"_s.arg(QLatin1StringView(call)).arg(n));
    }
    const IniData& get(const char* call, int n = -1) const
    {
        note(call, n);
        return held;
    }
    IniData& set(const char* call, int n = -1)
    {
        note(call, n);
        return applied;
    }

    void GetOptionInfo(IniData& out) const override { copyOptions(get(__func__), out); }
    void SetOptionInfo(const IniData& in) override { copyOptions(in, set(__func__)); }
    void SetProp() override { note(__func__, -1); }
    void GetCtrlDataInfo(ini::CtrlDataInfo& o) const override { o = get(__func__).CtrlDataInfo; }
    void SetCtrlDataInfo(const ini::CtrlDataInfo& i) override { set(__func__).CtrlDataInfo = i; }
    void GetFormInfo(ini::FormInfo& out) const override { out = get(__func__).FormInfo; }
    void SetFormInfo(const ini::FormInfo& in) override { set(__func__).FormInfo = in; }
    ini::DegitCellInfo GetDegitCell(int n) const override
    {
        return get(__func__, n).DegitCells[size_t(n - 1)];
    }
    void SetDegitCell(int n, const ini::DegitCellInfo& info, const DegitColors& c) override
    {
        set(__func__, n).DegitCells[size_t(n - 1)] = info;
        colors = {c.BackColor, c.BaseForeColor, c.DegitForeColor};
    }
    void SetTimeDegitColors(int index, const DegitColors& c) override
    {
        note(__func__, index);
        colors << c.BackColor << c.BaseForeColor << c.DegitForeColor;
    }
    void SetChimeiColors(quint32 back, quint32 fore) override
    {
        note(__func__, -1);
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
    // The one message shown, by line.
    QStringList messageLines() const
    {
        return host.messages.size() == 1 ? host.messages[0].split(u"\r\n"_s) : QStringList();
    }
};

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

    // A load reads the file a save writes (beside the executable when its
    // folder is the program's own, else the configuration folder's), and
    // the one beside the executable only when that is missing; with neither
    // (the first start) nothing is applied and nothing said.
    void loadReadsWhereASaveWrites_data()
    {
        QTest::addColumn<bool>("own"); // the executable's folder is the program's own
        QTest::addColumn<bool>("beside");
        QTest::addColumn<bool>("inConfig");
        QTest::addColumn<int>("formLeft"); // of the record afterwards
        QTest::newRow("neither: the first start") << true << false << false << s32(69);
        QTest::newRow("own folder: the file beside the executable") << true << true << true << 1;
        QTest::newRow("own folder without a file: a first start")
            << true << false << true << s32(69);
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
        IniData one, two;
        one.FormInfo.FormLeft = 1;
        two.FormInfo.FormLeft = 2;
        const IniLocation where = location(u"bin"_s, u"config"_s, own);
        if (beside)
            place(where.besideExecutable(), encodeIni(one));
        if (inConfig)
            place(where.inConfigFolder(), encodeIni(two));
        Session s(numberedIni());
        s.load(where);
        QCOMPARE(s.data.FormInfo.FormLeft, formLeft);
        QCOMPARE(s.w.log.isEmpty(), formLeft == s32(69));
        QVERIFY(s.host.messages.isEmpty());
    }

    // The program's folder keeps the settings only when the user running
    // the program owns it and is not root: never a folder of the system.
    void ownProgramFolder_data()
    {
        QTest::addColumn<QString>("dir");
        QTest::addColumn<bool>("own");
        QTest::newRow("the system's programs, even for root") << u"/usr/bin"_s << false;
        QTest::newRow("the system's local programs") << u"/usr/local/bin"_s << false;
        QTest::newRow("a missing folder") << u"missing"_s << false;
        QTest::newRow("no folder") << QString() << false;
        // A folder this test made: the program's own unless root runs the test.
        QTest::newRow("a copy in one's own folder") << u"bin"_s << (::geteuid() != 0);
    }
    void ownProgramFolder()
    {
        QFETCH(QString, dir);
        const QString path = dir.startsWith(u'/') || dir.isEmpty() ? dir : m_tmp.filePath(dir);
        QTEST(IniLocation::isOwnProgramFolder(path), "own");
    }

    void loadAppliesInOrder()
    {
        const IniData n = numberedIni();
        place(location().besideExecutable(), encodeIni(n));
        Session s;
        s.load(location());
        QCOMPARE(s.w.log, (cellCalls(u"SetDegitCell"_s) +
                           QStringList{u"SetTimeDegitColors(0)"_s, u"SetTimeDegitColors(1)"_s,
                                       u"SetChimeiColors"_s, u"SetOptionInfo"_s,
                                       u"SetCtrlDataInfo"_s, u"SetFormInfo"_s, u"SetProp"_s}));
        QVERIFY(s.host.messages.isEmpty());
        QVERIFY(s.data == n && s.w.applied == n);
        const QList<quint32> digits{n.DegitInfo.DegitBackColor, n.DegitInfo.DegitBaseColor,
                                    n.DegitInfo.DegitLitColor};
        QCOMPARE(s.w.colors,
                 (digits + digits + digits +
                  QList<quint32>{n.ChimeiInfo.ChimeiBackColor, n.ChimeiInfo.ChimeiForeColor}));
    }

    // A file the codec refuses (here a text claiming more bytes than there
    // are) applies nothing and says so in three lines.
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

    // The windows are read in order and the file written beside the
    // executable, or in the configuration folder where the executable's
    // folder is unusable or not the program's own; where neither can be
    // written, two lines say so.
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
                 (cellCalls(u"GetDegitCell"_s) +
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
        QCOMPARE(s.messageLines().value(0), u"エラー Code:57"_s);
        QCOMPARE(readFile(location().besideExecutable()), previous);
        QCOMPARE(QDir(exeDir()).entryList(QDir::Files), QStringList{u"LM-50.in4"_s});
    }
};

LUMENA_TEST_GUILESS_MAIN(TestIniFile)
#include "tst_ini_file.moc"
