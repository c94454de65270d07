#include "app/Program.h"

#include "panel/PanelWindow.h"
#include "sound/EspeakSpeech.h"
#include "sound/SpeechUi.h"

#include <QGuiApplication>
#include <QScreen>
#include <QWidget>

namespace lumena {

namespace {

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
    Tape::EngineFactory speech;
    if (EspeakSpeech::installed())
        speech = [this] { return createSpeechEngine(m_mixer); };
    m_simulator = std::make_unique<Simulator>(
        Simulator::Setup{m_host, m_mixer, speech, IniLocation::forApplication(), placeOnScreen,
                         [this] { m_mixer.openDevice(); }});
    // Message boxes are the panel's, those of the settings file at start too.
    m_host.setMessageOwner(&m_simulator->panel());
}

Program::~Program() = default;

} // namespace lumena
