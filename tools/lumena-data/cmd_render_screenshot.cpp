// lumena-data render-screenshot: both windows of the simulator, the board and
// the operation panel, as they stand after a route has been set and stepped,
// drawn offscreen onto one picture the way they sit on a screen: the board at
// the top left, the panel at the bottom right. The README's screenshot is
// made with it.
//
// The windows are built as the program builds them, with silent sound, no
// speech and a virtual clock (the lamp test costs nothing); a message box that
// would wait for a person is answered and its text printed.

#include "board/BoardWindow.h"
#include "board/ChimeiElement.h"
#include "panel/NullSound.h"
#include "panel/PanelWindow.h"
#include "panel/RouteState.h"
#include "panel/RunController.h"
#include "reslib/WidgetResLib.h"
#include "settings/OptionsDialog.h"
#include "tools/lumena-data/Command.h"

#include <QApplication>
#include <QBuffer>
#include <QFileInfo>
#include <QLineEdit>
#include <QMessageBox>
#include <QPainter>
#include <QTimer>
#include <cstdio>

namespace lumena::tool {

namespace {

// Time moves only by the waits asked for.
class ScreenshotHost final : public Host {
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

// The two windows on a plain desktop, `margin` pixels apart and from the edges.
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

int renderScreenshot(const Args& a)
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

    // The offscreen platform's notice that it cannot shape windows says
    // nothing about the picture.
    static QtMessageHandler previous = nullptr;
    previous =
        qInstallMessageHandler([](QtMsgType t, const QMessageLogContext& c, const QString& m) {
            if (!m.contains(QLatin1StringView("support setting window masks")) && previous)
                previous(t, c, m);
        });

    WidgetResLib res;
    ScreenshotHost host;
    QStringList boxes;
    QTimer answerer;
    QObject::connect(&answerer, &QTimer::timeout, [&boxes] {
        if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
            boxes << box->text();
            box->done(QMessageBox::Ok);
        }
    });
    answerer.start(0);

    BoardWindow board(res, host);
    OptionsDialog options(res, host);
    options.SetStartDefaults();
    RouteState data;
    NullSoundPlayer sound;
    NullTapeLoader tape;
    PanelWindow panel(
        PanelWindow::Ports{data, options, board, board, options, sound, tape, res, host});
    options.setTargets(&board, &panel);
    board.setPanelWindow(&panel);
    board.Timer1_Timer();
    board.show();
    panel.show();
    if (auto* box = options.findChild<QLineEdit*>(QStringLiteral("Text2(0)")))
        box->setText(dataDir);

    if (!panel.run().SetRoute(a.value(QStringLiteral("--route")),
                              a.value(QStringLiteral("--section"))))
        return fail(dataDir, QStringLiteral("route not set: ") +
                                 (host.messages + boxes).join(QLatin1Char(' ')).simplified());
    for (int i = 0; i < steps; ++i)
        panel.run().Step(1);
    host.wait(after);
    board.ChimeiCtl()->scrollFrame();
    QCoreApplication::processEvents();
    for (const QString& t : boxes)
        std::fprintf(stderr, "lumena-data: message: %s\n", qPrintable(t.simplified()));

    QByteArray png;
    QBuffer buf(&png);
    buf.open(QIODevice::WriteOnly);
    if (!desktop(board.grab().toImage(), panel.grab().toImage()).save(&buf, "PNG"))
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
    {QStringLiteral("render-screenshot")},
    QStringLiteral("render-screenshot --data DIR --route R --section S [--step N] [--after MS] "
                   "OUT.png"),
    {QStringLiteral("--data"), QStringLiteral("--route"), QStringLiteral("--section"),
     QStringLiteral("--step"), QStringLiteral("--after")},
    {},
    renderScreenshot,
}};

} // namespace

} // namespace lumena::tool
