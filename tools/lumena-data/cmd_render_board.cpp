// lumena-data render-board: the board window, as the simulator shows it after
// a route has been set and stepped, rendered offscreen into a PNG. With
// --with-panel the operation panel is drawn too, both windows on one picture
// the way they sit on a screen (the README's screenshot is made so).
//
// It builds the simulator exactly as the program does, with a settings file
// when one is given, sets the route through the panel's run logic and steps
// it, then grabs the board (at --scale N, enlarged as the option 表示倍率
// does, through the view file the program reads). Sound is silent, there is no speech, the windows
// are not placed, and time is virtual: waits (the lamp test) cost nothing and
// --after moves the clock on, so a long stop name is caught mid-scroll. A
// message box that would wait for a person is answered and its text printed.

#include "app/Simulator.h"
#include "board/BoardScale.h"
#include "board/BoardWindow.h"
#include "board/ChimeiElement.h"
#include "panel/PanelWindow.h"
#include "panel/RunController.h"
#include "reslib/ModalAnswer.h"
#include "reslib/VirtualHost.h"
#include "settings/IniCodec.h"
#include "settings/OptionsDialog.h"
#include "settings/ViewSettings.h"
#include "tools/lumena-data/Command.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QFileInfo>
#include <QLineEdit>
#include <QPainter>
#include <QTemporaryDir>
#include <cstdio>

namespace lumena::tool {

namespace {

// The two windows on a plain desktop, the board top left and the panel
// bottom right, `margin` pixels apart and from the edges.
QImage desktop(const QImage& board, const QImage& panel)
{
    constexpr int margin = 16;
    const int width = std::max(board.width(), panel.width() + margin * 4) + 2 * margin;
    const int height = board.height() + panel.height() + 3 * margin;
    QImage out(width, height, QImage::Format_RGB32);
    out.fill(QColor(0x4a, 0x58, 0x68));
    QPainter p(&out);
    p.drawImage(margin, margin, board);
    p.drawImage(width - margin - panel.width(), height - margin - panel.height(), panel);
    return out;
}

int renderBoard(const Args& a)
{
    if (a.positional.size() != 1 || !a.has(QStringLiteral("--data")) ||
        !a.has(QStringLiteral("--route")) || !a.has(QStringLiteral("--section")))
        return fail(QString(),
                    QStringLiteral("needs --data DIR --route R --section S and OUT.png"));
    int steps = 0, after = 0;
    QString problem;
    int backlight = 0, scale = 1;
    if (!a.intValue(QStringLiteral("--step"), steps, problem) ||
        !a.intValue(QStringLiteral("--after"), after, problem) ||
        !a.intValue(QStringLiteral("--backlight"), backlight, problem) ||
        !a.intValue(QStringLiteral("--scale"), scale, problem))
        return fail(QString(), problem);
    if (backlight < 0 || backlight > 2)
        return fail(QString(), QStringLiteral("--backlight is 0 (OFF), 1 (ON1) or 2 (ON2)"));
    if (scale != clampBoardScale(scale))
        return fail(QString(), QStringLiteral("--scale is 1, 2, 3 or 4"));
    if (steps < 0 || after < 0)
        return fail(QString(), QStringLiteral("--step and --after cannot be negative"));
    const QString dataDir = a.value(QStringLiteral("--data"));
    if (!QFileInfo(dataDir).isDir())
        return fail(dataDir, QStringLiteral("not a folder"));

    // A settings file is read completely first: a damaged one is refused
    // here in one line rather than half applied.
    QTemporaryDir iniDir;
    if (!iniDir.isValid())
        return fail(QString(), QStringLiteral("cannot make a temporary folder"));
    const QString settings = a.value(QStringLiteral("--settings"));
    if (!settings.isEmpty()) {
        QByteArray bytes;
        QString problem;
        if (!readInput(settings, IniMaximumUsefulSize, bytes, problem, true))
            return fail(settings, problem);
        IniData probe;
        Error error;
        if (!decodeIni(bytes, probe, error))
            return fail(settings, error.description);
        // The bytes read, not the file: it is read once, and no further than
        // its items reach.
        if (!writeFileAtomically(iniDir.filePath(QStringLiteral("board.in4")), bytes, problem))
            return fail(settings, QStringLiteral("cannot copy to a temporary folder"));
    }
    const IniLocation where(iniDir.path(), QStringLiteral("board"), {});
    if (scale != 1 && !SaveViewSettings(where, ViewSettings{scale}))
        return fail(QString(), QStringLiteral("cannot write to a temporary folder"));

    // The offscreen platform's notices that it cannot shape or raise windows
    // say nothing useful about a render; everything else still gets through.
    static QtMessageHandler previous = nullptr;
    previous =
        qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {
            if (!m.contains(QLatin1StringView("This plugin does not support")) && previous)
                previous(t, c, m);
        });

    // A clock that only waits move: renders come out the same on every run.
    VirtualHost host;
    host.clock = QDateTime::currentDateTime();
    host.runsEvents = true;
    ModalAnswerer answerer;
    SilentMixer silence;
    Simulator simulator({host, silence, {}, where, {}, {}, {}});
    BoardWindow& board = simulator.board();
    PanelWindow& panel = simulator.panel();
    simulator.start();
    board.move(0, 0); // a stored position means nothing offscreen
    board.showTime();
    // --data wins over the settings file's folder; the dialog's box is the live
    // value.
    if (auto* box = simulator.options().findChild<QLineEdit*>(QStringLiteral("Text2(0)")))
        box->setText(dataDir);

    // Late night doubles the fares from the route setting on.
    if (a.has(QStringLiteral("--late-night")))
        panel.findChild<QCheckBox*>(QStringLiteral("Check2"))->setChecked(true);
    if (!panel.run().SetRoute(a.value(QStringLiteral("--route")),
                              a.value(QStringLiteral("--section"))))
        return fail(dataDir,
                    QStringLiteral("route not set: ") +
                        (host.messages + answerer.texts).join(QLatin1Char(' ')).simplified());
    for (int i = 0; i < steps; ++i)
        panel.run().Step(1);
    panel.Option4_Click(backlight);
    host.wait(after);
    board.ChimeiCtl()->scrollFrame();
    QCoreApplication::processEvents();
    for (const QString& t : answerer.texts)
        std::fprintf(stderr, "lumena-data: message: %s\n", qPrintable(t.simplified()));

    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    const QImage picture = a.has(QStringLiteral("--with-panel"))
                               ? desktop(board.grab().toImage(), panel.grab().toImage())
                               : board.grab().toImage();
    if (!picture.save(&buf, "PNG"))
        return fail(a.positional[0], QStringLiteral("cannot encode the picture"));
    QString error;
    if (!writeFileAtomically(a.positional[0], png, error))
        return fail(a.positional[0], error);
    const RouteState& data = simulator.route();
    std::printf("%s: route %s, stop %d of %d: %s\n", qPrintable(a.positional[0]),
                qPrintable(data.RouteNumber()), data.CurrentPos() + 1, data.RecordCount(),
                qPrintable(data.RouteTable(data.CurrentPos() + 1).StopName));
    return 0;
}

const Register reg{Command{
    {QStringLiteral("render-board")},
    QStringLiteral("render-board --data DIR --route R --section S [--step N] [--after MS] "
                   "[--backlight 0|1|2] [--late-night] [--with-panel] [--settings FILE.in4] "
                   "[--scale 1|2|3|4] OUT.png"),
    {QStringLiteral("--data"), QStringLiteral("--route"), QStringLiteral("--section"),
     QStringLiteral("--step"), QStringLiteral("--after"), QStringLiteral("--settings"),
     QStringLiteral("--backlight"), QStringLiteral("--scale")},
    {QStringLiteral("--late-night"), QStringLiteral("--with-panel")},
    renderBoard,
}};

} // namespace

} // namespace lumena::tool
