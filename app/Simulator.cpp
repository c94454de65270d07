#include "app/Simulator.h"

#include "app/DeferredStart.h"
#include "board/BoardWindow.h"
#include "board/DegitElement.h"
#include "panel/PanelWindow.h"
#include "panel/RunController.h"
#include "settings/OptionsDialog.h"
#include "settings/SettingsFile.h"
#include "sound/EspeakSpeech.h"
#include "sound/SoundChannels.h"
#include "sound/SpeechUi.h"
#include "sound/Tape.h"

#include <QApplication>
#include <QDesktopServices>
#include <QPushButton>
#include <QScreen>
#include <QSessionManager>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace lumena {

Simulator::Simulator() = default;

Simulator::~Simulator()
{
    // The panel refers to the tape, the options and the board: it goes first.
    m_panel.reset();
    m_tape.reset();
}

void Simulator::start()
{
    m_mixer = std::make_unique<DeferredMixer>();
    m_sound = std::make_unique<SoundChannels>(*m_mixer, m_host);

    // The board prepares its elements and its built-in pictures.
    m_board = std::make_unique<BoardWindow>(m_resLib, m_host, m_glyphs);
    // The options dialog exists, hidden, for the whole run; the board gives
    // it its start values before the settings file may override them.
    m_options = std::make_unique<OptionsDialog>(m_resLib, m_host);
    m_options->setDegitSample(new DegitElement(m_resLib));
    m_options->SetStartDefaults();
    m_options->setFolderOpener(
        [](const QString& folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });

    m_options->setDefaultDataDir(bundledSampleData());
    m_tapeFrame = std::make_unique<TapeFrameRelay>();
    m_tape = std::make_unique<Tape>(
        *m_tapeFrame, *m_options, *m_sound, m_resLib, [this]() -> std::unique_ptr<SpeechEngine> {
            if (!EspeakSpeech::installed())
                return nullptr;
            auto speech =
                std::make_unique<DeferredSpeech>([this] { return createSpeechEngine(*m_mixer); });
            m_speech = speech.get();
            return speech;
        });

    m_panel = std::make_unique<PanelWindow>(PanelWindow::Ports{
        m_data, *m_options, *m_board, *m_board, *m_options, *m_sound, *m_tape, m_resLib, m_host});
    m_tapeFrame->target = m_panel.get();
    m_tape->InitSpeech();
    m_panel->setSpeechAvailable(m_tape->SpeechAvailable());
    m_board->setPanelWindow(m_panel.get());
    m_options->setTargets(m_board.get(), m_panel.get());
    m_host.setMessageOwner(m_panel.get());

    // The tape buttons: the tape moves, and steps the board when its entry asks.
    auto tapeButton = [this](const QString& name, auto action) {
        QObject::connect(m_panel->findChild<QPushButton*>(name), &QPushButton::clicked,
                         m_panel.get(), action);
    };
    tapeButton(u"cmdTapeNext"_s, [this] {
        if (m_tape->TapeNextClicked())
            m_panel->run().Step(1);
    });
    tapeButton(u"cmdTapeBack"_s, [this] {
        if (m_tape->TapeBackClicked())
            m_panel->run().Step(0);
    });
    tapeButton(u"cmdTapeStop"_s, [this] { m_tape->TapeStop(); });
    tapeButton(u"cmdTapeSet"_s, [this] { m_tape->ShowVoiceDlg(); });

    // Quitting only through the panel's question: the board's close asks it
    // too. A session that ends cannot wait for an answer: it ends the run as
    // any other end of the process does, without writing the settings.
    m_board->setCloseHandler([this] { m_panel->close(); });
    m_panel->setQuitActions({[this] {
                                 m_speech = nullptr;
                                 m_tape->TermSpeech();
                             },
                             [this] {
                                 SaveIni(m_ini, IniLocation::forApplication(),
                                         {*m_options, *m_panel, *m_board}, m_host);
                             },
                             [this] { endProgram(); }});
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, m_panel.get(),
                     [this](QSessionManager&) {
                         m_panel->setSessionEnding(true);
                         m_board->setCloseHandler({});
                     });

    m_panel->show();
    m_panel->raise();
    placeWindows();
    LoadIni(m_ini, IniLocation::forApplication(), {*m_options, *m_panel, *m_board}, m_host);
    m_board->show();

    afterFirstPaint(m_board.get(), m_board.get(), [this] {
        m_mixer->mixer();
        if (m_speech)
            m_speech->build();
    });
}

// The board at the screen's top-left, the panel at its bottom-right corner.
void Simulator::placeWindows()
{
    const QRect screen = QGuiApplication::primaryScreen()->availableGeometry();
    m_board->move(screen.topLeft());
    const QSize outer = m_panel->frameGeometry().size();
    m_panel->move(screen.right() + 1 - outer.width(), screen.bottom() + 1 - outer.height());
}

void Simulator::endProgram()
{
    m_board->setCloseHandler({});
    m_board->close();
    QCoreApplication::quit();
}

} // namespace lumena
