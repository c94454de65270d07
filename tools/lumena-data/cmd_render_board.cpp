// lumena-data render-board: the board window, as the simulator shows it after
// a route has been set and stepped, rendered offscreen into a PNG.
//
// It builds the simulator's own windows the way the program starts them (the
// board, the hidden options dialog with its start defaults, the operation
// panel), reads the settings file through LoadIni when one is given, sets the
// route through the panel's run logic and steps it, then grabs the board.
// Sound is silent and time is virtual: waits (the lamp test) cost nothing and
// --after moves the clock on, so a long stop name is caught mid-scroll. A
// message box that would wait for a person is answered and its text printed.

#include "board/BoardWindow.h"
#include "board/ChimeiElement.h"
#include "board/DotFonts.h"
#include "panel/NullSound.h"
#include "panel/PanelWindow.h"
#include "panel/RouteState.h"
#include "panel/RunController.h"
#include "reslib/WidgetResLib.h"
#include "settings/IniCodec.h"
#include "settings/OptionsDialog.h"
#include "settings/SettingsFile.h"
#include "tools/lumena-data/Command.h"

#include <QApplication>
#include <QBuffer>
#include <QCheckBox>
#include <QDialog>
#include <QFile>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QTemporaryDir>
#include <QTimer>
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

// Closes any modal box (a picture that cannot be loaded, a refused route) and
// keeps its text, so the tool never waits for a person.
class ModalAnswerer final : public QObject {
public:
    QStringList texts;
    ModalAnswerer()
    {
        m_timer.setInterval(0);
        connect(&m_timer, &QTimer::timeout, this, [this] {
            QWidget* w = QApplication::activeModalWidget();
            if (auto* box = qobject_cast<QMessageBox*>(w)) {
                texts << box->text();
                box->done(QMessageBox::Ok);
            } else if (auto* dialog = qobject_cast<QDialog*>(w)) {
                dialog->reject();
            }
        });
        m_timer.start();
    }

private:
    QTimer m_timer;
};

int renderBoard(const Args& a)
{
    if (a.positional.size() != 1 || !a.has(QStringLiteral("--data")) ||
        !a.has(QStringLiteral("--route")) || !a.has(QStringLiteral("--section")))
        return fail(QString(),
                    QStringLiteral("needs --data DIR --route R --section S and OUT.png"));
    int steps = 0, after = 0;
    QString problem;
    int backlight = 0;
    if (!a.intValue(QStringLiteral("--step"), steps, problem) ||
        !a.intValue(QStringLiteral("--after"), after, problem) ||
        !a.intValue(QStringLiteral("--backlight"), backlight, problem))
        return fail(QString(), problem);
    if (backlight < 0 || backlight > 2)
        return fail(QString(), QStringLiteral("--backlight is 0 (OFF), 1 (ON1) or 2 (ON2)"));
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

    // The program's start, without placing windows on a screen.
    WidgetResLib res;
    VirtualHost host;
    ModalAnswerer answerer;
    DotFonts glyphs;
    BoardWindow board(res, host, glyphs);
    OptionsDialog options(res, host);
    options.SetStartDefaults();
    RouteState data;
    NullSoundPlayer sound;
    NullTapeLoader tape;
    PanelWindow panel(
        PanelWindow::Ports{data, options, board, board, options, sound, tape, res, host});
    options.setTargets(&board, &panel);
    board.setPanelWindow(&panel);
    board.showTime();
    board.show();
    if (!settings.isEmpty()) {
        IniData record;
        LoadIni(record, IniLocation(iniDir.path(), QStringLiteral("board"), QString()),
                IniWindows{options, panel, board}, host);
        board.move(0, 0); // the stored position means nothing offscreen
    }
    // --data wins over the settings file's folder; the dialog's box is the live
    // value.
    if (auto* box = options.findChild<QLineEdit*>(QStringLiteral("Text2(0)")))
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
                   "[--backlight 0|1|2] [--late-night] [--settings FILE.in4] OUT.png"),
    {QStringLiteral("--data"), QStringLiteral("--route"), QStringLiteral("--section"),
     QStringLiteral("--step"), QStringLiteral("--after"), QStringLiteral("--settings"),
     QStringLiteral("--backlight")},
    {QStringLiteral("--late-night")},
    renderBoard,
}};

} // namespace

} // namespace lumena::tool
