#include "app/Program.h"

#include "panel/PanelWindow.h"
#include "reslib/Japanese.h"
#include "sound/EspeakSpeech.h"
#include "sound/SpeechUi.h"

#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

using namespace Qt::StringLiterals;

namespace lumena {

namespace {

// The bundled samples: samples/ beside the executable, or where the
// installation keeps them, found from the executable's own folder (the build
// tree mirrors that place). Never the source tree.
QString bundledSamples()
{
    const QString exeDir = QCoreApplication::applicationDirPath();
    const QStringList candidates = {
        exeDir + u"/samples"_s,
        exeDir + u'/' + QStringLiteral(LUMENA_SAMPLES_FROM_BIN),
    };
    for (const QString& dir : candidates)
        if (QFileInfo(dir).isDir())
            return QDir::cleanPath(dir);
    return {};
}

void placeOnScreen(QWidget& board, QWidget& panel)
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    board.move(screen.topLeft());
    const QSize outer = panel.frameGeometry().size();
    panel.move(screen.right() + 1 - outer.width(), screen.bottom() + 1 - outer.height());
}

} // namespace

Program::Program()
{
    // Before any window: the locale and Qt's texts of every dialog.
    japanese::useJapanese();
    Tape::EngineFactory speech;
    if (EspeakSpeech::installed())
        speech = [this] { return createSpeechEngine(m_mixer); };
    m_simulator = std::make_unique<Simulator>(
        Simulator::Setup{m_host, m_mixer, speech, IniLocation::forApplication(), placeOnScreen,
                         [this] { m_mixer.openDevice(); }, bundledSamples()});
    // Message boxes are the panel's, those of the settings file at start too.
    m_host.setMessageOwner(&m_simulator->panel());
}

Program::~Program() = default;

} // namespace lumena
