#include "app/Simulator.h"

#include "app/DeferredStart.h"
#include "board/BoardWindow.h"
#include "board/DegitElement.h"
#include "panel/PanelWindow.h"
#include "panel/RunController.h"
#include "settings/FirstStart.h"
#include "settings/OptionsDialog.h"
#include "settings/ViewSettings.h"
#include "sound/SoundChannels.h"

#include <QApplication>
#include <QDesktopServices>
#include <QDir>
#include <QFileInfo>
#include <QSessionManager>
#include <QUrl>

using namespace Qt::StringLiterals;

namespace lumena {

Simulator::Simulator(Setup setup) : m_setup(std::move(setup))
{
    Host& host = m_setup.host;
    m_sound = std::make_unique<SoundChannels>(m_setup.mixer, host);

    // The board prepares its elements and its built-in pictures.
    m_board = std::make_unique<BoardWindow>(m_resLib, host, m_glyphs);
    // The options dialog exists, hidden, for the whole run; the board gives
    // it its start values before the settings file may override them.
    m_options = std::make_unique<OptionsDialog>(m_resLib, host);
    m_options->setDegitSample(new DegitElement(m_resLib));
    m_options->SetStartDefaults();
    m_options->setFolderOpener(
        [](const QString& folder) { QDesktopServices::openUrl(QUrl::fromLocalFile(folder)); });
    if (!m_setup.samples.isEmpty()) {
        m_options->setDefaultDataDir(m_setup.samples + u"/data"_s);
        m_options->setSamplesDir(m_setup.samples);
    }

    m_panel = std::make_unique<PanelWindow>(PanelWindow::Ports{
        m_data, *m_options, *m_board, *m_board, *m_options, *m_sound, m_resLib, host});
    m_board->setPanelWindow(m_panel.get());
    m_options->setTargets(m_board.get(), m_panel.get());

    // The speech engine is built when the board is first on screen, or at
    // its first use if that comes sooner.
    Tape::EngineFactory makeSpeech;
    if (m_setup.makeSpeech)
        makeSpeech = [this]() -> std::unique_ptr<SpeechEngine> {
            auto speech = std::make_unique<DeferredSpeech>(m_setup.makeSpeech);
            m_speech = speech.get();
            return speech;
        };
    m_tape = std::make_unique<Tape>(*m_panel, *m_options, *m_sound, m_resLib, host, makeSpeech);
    m_tape->InitSpeech();
    m_panel->setSpeechAvailable(m_tape->SpeechAvailable());

    // Route setting loads the route's announcements; the tape buttons move
    // the tape, and step the board when the entry asks for it.
    PanelWindow* panel = m_panel.get();
    QObject::connect(panel, &PanelWindow::tapeDataWanted, panel,
                     [this](const QString& folder, const QString& route) {
                         m_tape->LoadTapeData(folder, route);
                     });
    QObject::connect(panel, &PanelWindow::tapeNextClicked, panel, [this] {
        m_tape->TapeNext();
        if (m_tape->EntryStepsBoard())
            m_panel->run().Step(1);
    });
    QObject::connect(panel, &PanelWindow::tapeBackClicked, panel, [this] {
        m_tape->TapeBack();
        if (m_tape->EntryStepsBoard())
            m_panel->run().Step(0);
    });
    QObject::connect(panel, &PanelWindow::tapeStopClicked, panel, [this] { m_tape->TapeStop(); });
    QObject::connect(panel, &PanelWindow::tapeSettingsClicked, panel,
                     [this] { m_tape->ShowVoiceDlg(); });

    // Quitting only through the panel's question: the board's close asks it
    // too. A session that ends cannot wait for an answer: it ends the run as
    // any other end of the process does, without writing the settings.
    m_board->setCloseHandler([this] { m_panel->close(); });
    m_panel->setQuitActions(
        {[this] {
             m_speech = nullptr;
             m_tape->TermSpeech();
         },
         [this] {
             SaveIni(m_ini, m_setup.settings, {*m_options, *m_panel, *m_board}, m_setup.host);
             SaveViewSettings(m_setup.settings, ViewSettings{m_options->boardScale()});
         },
         [this] { endProgram(); }});
    QObject::connect(qApp, &QGuiApplication::commitDataRequest, panel, [this](QSessionManager&) {
        m_panel->setSessionEnding(true);
        m_board->setCloseHandler({});
    });
}

Simulator::~Simulator() = default;

void Simulator::start()
{
    m_panel->show();
    m_panel->raise();
    if (m_setup.placeWindows)
        m_setup.placeWindows(*m_board, *m_panel);
    if (!m_setup.samples.isEmpty())
        useBundledSoundsOnFirstStart(m_setup.settings, *m_options, m_setup.samples + u"/sounds"_s);
    // The board takes its size before the settings file places it.
    const int scale = LoadViewSettings(m_setup.settings).boardScale;
    m_options->setBoardScale(scale);
    m_board->setBoardScale(scale);
    LoadIni(m_ini, m_setup.settings, {*m_options, *m_panel, *m_board}, m_setup.host);
    m_board->show();

    afterFirstPaint(m_board.get(), m_board.get(), [this] {
        if (m_setup.openAudio)
            m_setup.openAudio();
        if (m_speech)
            m_speech->build();
    });
}

void Simulator::endProgram()
{
    m_board->setCloseHandler({});
    m_board->close();
    QCoreApplication::quit();
}

} // namespace lumena
