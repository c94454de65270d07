// lumena-data render-board: the board window, as the simulator shows it after
// a route has been set and stepped, rendered offscreen into a PNG.
//
// It builds the real board window and runs the real route setting, stepping
// and refresh (RunController) against it. The options dialog and the
// operation panel are stood in for by the settings file's values: what they
// would hand the run logic and the board (SetOptionInfo, SetCtrlDataInfo,
// SetProp, the backlight) is taken from the file through LoadIni itself.
// Time is virtual: waits (the lamp test) cost nothing, and --after moves the
// clock on so a long stop name is caught mid-scroll.

#include "board/ChimeiCtl_B.h"
#include "board/Form1.h"
#include "panel/DataIo.h"
#include "panel/NullSound.h"
#include "panel/RunController.h"
#include "reslib/WidgetResLib.h"
#include "settings/IniCodec.h"
#include "settings/mdlIniIo.h"
#include "tools/lumena-data/Command.h"

#include <QApplication>
#include <QBuffer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <cstdio>

namespace lumena::tool {

namespace {

// A clock that only waits move: renders come out the same on every run.
class VirtualHost final : public Host {
public:
    QDateTime start = QDateTime::currentDateTime();
    std::chrono::nanoseconds passed{0};
    QStringList messages;

    QDateTime now() const override
    {
        return start.addMSecs(
            std::chrono::duration_cast<std::chrono::milliseconds>(passed).count());
    }
    std::chrono::nanoseconds elapsed() const override { return passed; }
    void wait(int ms) override
    {
        processEvents();
        if (ms > 0)
            passed += std::chrono::milliseconds(ms);
    }
    void processEvents() override { QCoreApplication::processEvents(); }
    void message(const QString& text) override { messages << text; }
};

// The options dialog as far as the board and the run logic see it: the
// values of the settings record (or the built-in ones), and SetProp's board
// half applied from them.
class RecordOptions final : public RunOptions, public OptionIniPort {
public:
    RecordOptions(Form1& board, PanelIniPort& panel) : m_board(board), m_panel(panel) {}
    IniData data;
    QString fareDir;

    QString fareDataDir() const override { return fareDir; }
    QString tapeDataDir() const override { return data.DataDirInfo.TapeDataDir; }
    QString routeSetSound() const override { return {}; }
    DateMode dateMode() const override
    {
        const auto& s = data.SeirikenInfo;
        return s.DateModeFixed ? DateMode::Fixed
                               : (s.DateModeRouteSet ? DateMode::RouteSet : DateMode::EachPrint);
    }
    QString fixedDate() const override { return data.SeirikenInfo.FixedDate; }
    bool stepSoundAlways() const override { return true; }
    QString stepSoundFile() const override { return {}; }
    QString stepSound(int) const override { return {}; }
    int stepSoundColumn() const override { return data.SoundInfo.StepSoundColumn + 1; }
    bool stepSoundSync() const override { return false; }
    bool infoStopOrderOn() const override { return data.DegitInfo.InfoStopOrderOn == 1; }
    int infoStopOrderCell() const override { return data.DegitInfo.InfoStopOrderCell + 1; }
    bool infoStopOrderFromZero() const override
    {
        return data.DegitInfo.InfoStopOrderFromZero == 1;
    }
    bool infoSeiriNumOn() const override { return data.DegitInfo.InfoSeiriNumOn == 1; }
    int infoSeiriNumCell() const override { return data.DegitInfo.InfoSeiriNumCell + 1; }
    bool infoRouteNumOn() const override { return data.DegitInfo.InfoRouteNumOn == 1; }
    int infoRouteNumCell() const override { return data.DegitInfo.InfoRouteNumCell + 1; }
    bool infoColumnOn() const override { return data.DegitInfo.InfoColumnOn == 1; }
    int infoColumn() const override { return data.DegitInfo.InfoColumn + 1; }
    int infoColumnCell() const override { return data.DegitInfo.InfoColumnCell + 1; }
    // The preview is the panel's, not the board's: a render draws no ticket.
    bool useSeiriPrev() const override { return false; }
    QString seiriPlgFile() const override { return {}; }

    void GetOptionInfo(IniData& out) const override { out = data; }
    void SetOptionInfo(const IniData& in) override
    {
        data = in;
        m_panel.Option4_Click(m_panel.BacklightIndex());
    }
    void SetProp() override
    {
        const auto& p = data.PanelInfo;
        m_board.SetSeiriNumVisible(p.UseSeiriNum != 0);
        qint16 style = p.SeiriNumStyle, zero = p.SeiriNumZeroPad;
        m_board.SeirikenNumSet(style, zero);
        m_board.SetSeiriNumColor(seiriNumColor(m_panel.BacklightIndex()));
        const auto& d = data.DegitInfo;
        m_board.SetAllDegitColors(DegitColors{d.DegitBackColor, d.DegitBaseColor, d.DegitLitColor});
        const auto& c = data.ChimeiInfo;
        m_board.SetChimeiProps(c.ChimeiBackColor, c.ChimeiForeColor, c.ChimeiFontMode,
                               c.ChimeiFontBold == 1);
        m_panel.Option4_Click(m_panel.BacklightIndex());
    }

    quint32 seiriNumColor(int state) const
    {
        const auto& p = data.PanelInfo;
        return state == 1   ? p.SeiriNumColorOn1
               : state == 2 ? p.SeiriNumColorOn2
                            : p.SeiriNumColorOff;
    }

private:
    Form1& m_board;
    PanelIniPort& m_panel;
};

// The operation panel as far as a render needs it: backlight OFF, the late
// night switch and the scroll bars from the settings record.
class RecordPanel final : public PanelControls, public PanelIniPort {
public:
    explicit RecordPanel(Form1& board) : m_board(board) {}
    RecordOptions* options = nullptr;
    ini::CtrlDataInfo ctrl;
    QImage preview{200, 100, QImage::Format_RGB32};

    bool lateNight() const override { return ctrl.MidnightFare == 1; }
    int companyIndex() const override { return -1; }
    void enableStepping() override {}
    void clearPreview() override { preview.fill(Qt::white); }
    QImage* previewImage() override { return &preview; }
    void repaintPreview() override {}

    void GetCtrlDataInfo(ini::CtrlDataInfo& out) const override { out = ctrl; }
    void SetCtrlDataInfo(const ini::CtrlDataInfo& in) override
    {
        ctrl = in;
        m_board.setChimeiScroll(qint16(in.ScrollSpeed), in.ScrollInterval);
    }
    int BacklightIndex() const override { return 0; }
    // The ticket preview is the panel's: nothing of it reaches the board.
    void SetPreviewSize(int, int) override {}
    void ClearCompanyList() override {}
    void AddCompany(const QString&) override {}
    // The picture the panel's backlight switch would choose for `index`.
    void Option4_Click(int index) override
    {
        if (!options)
            return;
        const auto& p = options->data.PanelInfo;
        const qint16 user[3] = {p.PanelOffUser, p.PanelOn1User, p.PanelOn2User};
        const QString file[3] = {p.PanelOffFile, p.PanelOn1File, p.PanelOn2File};
        const int i = qBound(0, index, 2);
        if (p.PanelAuto || !user[i]) {
            m_board.setPicture(m_board.imgRes(i));
        } else if (QFileInfo::exists(file[i])) {
            QImage img(file[i]);
            if (!img.isNull())
                m_board.setPicture(img);
        }
        m_board.SetSeiriNumColor(options->seiriNumColor(i));
    }

private:
    Form1& m_board;
};

int renderBoard(const Args& a)
{
    if (a.positional.size() != 1 || !a.has(QStringLiteral("--data")) ||
        !a.has(QStringLiteral("--route")) || !a.has(QStringLiteral("--section")))
        return fail(QString(),
                    QStringLiteral("needs --data DIR --route R --section S and OUT.png"));
    int steps = 0, after = 0;
    QString problem;
    if (!a.intValue(QStringLiteral("--step"), steps, problem) ||
        !a.intValue(QStringLiteral("--after"), after, problem))
        return fail(QString(), problem);
    if (steps < 0 || after < 0)
        return fail(QString(), QStringLiteral("--step and --after cannot be negative"));
    const QString dataDir = a.value(QStringLiteral("--data"));
    if (!QFileInfo(dataDir).isDir())
        return fail(dataDir, QStringLiteral("not a folder"));

    // A settings file is read completely first: a damaged one is refused
    // here in one line rather than half applied.
    QTemporaryDir iniDir;
    const QString settings = a.value(QStringLiteral("--settings"));
    if (!settings.isEmpty()) {
        QFile f(settings);
        if (!f.open(QIODevice::ReadOnly))
            return fail(settings, f.errorString());
        IniData probe;
        Error error;
        const QByteArray bytes = f.readAll();
        if (!decodeIni(bytes, probe, error))
            return fail(settings, error.description);
        if (!iniDir.isValid() ||
            !QFile::copy(settings, iniDir.filePath(QStringLiteral("board.in4"))))
            return fail(settings, QStringLiteral("cannot copy to a temporary folder"));
    }

    // The offscreen platform's notice that it cannot shape windows says
    // nothing useful about a render; everything else still gets through.
    static QtMessageHandler previous = nullptr;
    previous =
        qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {
            if (!m.contains(QLatin1StringView("support setting window masks")) && previous)
                previous(t, c, m);
        });
    WidgetResLib res;
    VirtualHost host;
    Form1 board(res, host);
    RecordPanel panel(board);
    RecordOptions options(board, panel);
    panel.options = &options;
    options.fareDir = dataDir;
    board.Timer1_Timer();
    board.show();

    if (!settings.isEmpty()) {
        IniData data;
        LoadIni(data, IniLocation(iniDir.path(), QStringLiteral("board"), QString()),
                IniWindows{options, panel, board}, host);
        board.move(0, 0); // the stored position means nothing offscreen
    }
    options.fareDir = dataDir; // --data wins over the settings file's folder

    DataIo data;
    NullSoundPlayer sound;
    NullTapeLoader tape;
    RunController run(data, options, board, panel, sound, tape, res, host);
    if (!run.SetRoute(a.value(QStringLiteral("--route")), a.value(QStringLiteral("--section"))))
        return fail(dataDir, QStringLiteral("route not set: ") +
                                 host.messages.join(QLatin1Char(' ')).simplified());
    for (int i = 0; i < steps; ++i)
        run.Step(1);
    host.wait(after);
    board.ChimeiCtl()->scrollFrame();
    QCoreApplication::processEvents();

    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    if (!board.grab().toImage().save(&buf, "PNG"))
        return fail(a.positional[0], QStringLiteral("cannot encode the picture"));
    QString error;
    if (!writeFileAtomically(a.positional[0], png, error))
        return fail(a.positional[0], error);
    std::printf("%s: route %s, stop %d of %d: %s\n", qPrintable(a.positional[0]),
                qPrintable(data.RouteNumber()), data.CurrentPos() + 1, data.RecordCount(),
                qPrintable(data.RouteTable(data.CurrentPos() + 1).StopName));
    return 0;
}

const Register reg{Command{
    {QStringLiteral("render-board")},
    QStringLiteral("render-board --data DIR --route R --section S [--step N] [--after MS] "
                   "[--settings FILE.in4] OUT.png"),
    {QStringLiteral("--data"), QStringLiteral("--route"), QStringLiteral("--section"),
     QStringLiteral("--step"), QStringLiteral("--after"), QStringLiteral("--settings")},
    {},
    renderBoard,
}};

} // namespace

} // namespace lumena::tool
