#pragma once
// The simulator: the board, the operation panel, the hidden options dialog,
// the sound channels and the announcement tape, wired to one another, with
// the start and quit sequences. The program, the render-board tool and the
// application test all build it here; what differs between them (clock and
// messages, audio, the settings file, placing the windows) comes in as a
// Setup.

#include "board/DotFonts.h"
#include "panel/RouteState.h"
#include "reslib/WidgetResLib.h"
#include "settings/IniData.h"
#include "settings/SettingsFile.h"
#include "sound/MixerBackend.h"
#include "sound/Tape.h"

#include <functional>
#include <memory>

class QWidget;

namespace lumena {

class BoardWindow;
class DeferredSpeech;
class Host;
class OptionsDialog;
class PanelWindow;
class SoundChannels;

class Simulator {
public:
    struct Setup {
        Host& host;
        // The mixer under the sound channels "S1".."S4".
        MixerBackend& mixer;
        // Makes the speech engine, once the board is on screen or at its
        // first use. Empty: no speech, and the tape frame says so; a factory
        // that returns null after all leaves every reading failed.
        Tape::EngineFactory makeSpeech;
        // The settings file (and the view file beside it) read at start and
        // written at quit.
        IniLocation settings;
        // Puts the two windows on the screen before the settings file moves
        // them; empty: they stay where they were made.
        std::function<void(QWidget& board, QWidget& panel)> placeWindows;
        // Opens the audio device: run once the board has first been painted,
        // before the speech engine is built. Both are slow, and the windows
        // are to appear first.
        std::function<void()> openAudio;
        // The bundled samples (route data under data/, chimes under
        // sounds/): the data folder while the options name none, and the
        // sounds of a first start. Empty: none.
        QString samples;
    };

    // Makes every object and wires them; nothing is shown yet.
    explicit Simulator(Setup setup);
    ~Simulator();

    // The start sequence: the panel is shown in front, the windows are
    // placed, the view file's board scale and then the settings file are
    // applied and the board is shown. The
    // audio device and the speech engine are made ready once the board has
    // first been painted (each is still made on first use at the latest).
    void start();

    BoardWindow& board() { return *m_board; }
    PanelWindow& panel() { return *m_panel; }
    OptionsDialog& options() { return *m_options; }
    const RouteState& route() const { return m_data; }

private:
    void endProgram();

    Setup m_setup;
    WidgetResLib m_resLib;
    RouteState m_data;
    IniData m_ini;
    DotFonts m_glyphs; // the stop-name faces, opened once for the program
    std::unique_ptr<SoundChannels> m_sound;
    std::unique_ptr<BoardWindow> m_board;
    std::unique_ptr<OptionsDialog> m_options;
    std::unique_ptr<PanelWindow> m_panel;
    std::unique_ptr<Tape> m_tape;
    DeferredSpeech* m_speech = nullptr; // the tape's engine until TermSpeech
};

// A mixer that refuses every file: nothing plays and nothing is waited for.
class SilentMixer final : public MixerBackend {
public:
    bool open(int, const QString&, SoundKind) override { return false; }
    void close(int) override {}
    void play(int) override {}
    void stop(int) override {}
    bool isPlaying(int) const override { return false; }
};

} // namespace lumena
