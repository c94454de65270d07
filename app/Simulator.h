#pragma once
// The running simulator: every long-lived object of the program and their
// wiring, and the start and quit sequences. main() makes one and starts it;
// the start-up benchmark does the same.

#include "app/Adapters.h"
#include "board/DotFonts.h"
#include "panel/RouteState.h"
#include "reslib/SystemHost.h"
#include "reslib/WidgetResLib.h"
#include "settings/IniData.h"

#include <memory>

namespace lumena {

class DeferredMixer;
class DeferredSpeech;
class BoardWindow;
class PanelWindow;
class OptionsDialog;
class SoundChannels;
class Tape;

class Simulator {
public:
    Simulator();
    ~Simulator();

    // The start sequence: the board prepares its elements, the options dialog
    // is made hidden, the panel is shown in front, the board goes to the
    // screen's top-left and the panel to its bottom-right, then the settings
    // file is applied and the board is shown. The audio device and the
    // speech engine are made ready once the board has first been painted.
    void start();

    BoardWindow& board() { return *m_board; }
    PanelWindow& panel() { return *m_panel; }

private:
    void placeWindows();
    void endProgram();

    SystemHost m_host;
    WidgetResLib m_resLib;
    RouteState m_data;
    IniData m_ini;
    DotFonts m_glyphs; // the stop-name faces, opened once for the program
    std::unique_ptr<DeferredMixer> m_mixer;
    std::unique_ptr<SoundChannels> m_sound;
    std::unique_ptr<BoardWindow> m_board;
    std::unique_ptr<OptionsDialog> m_options;
    std::unique_ptr<TapeFrameRelay> m_tapeFrame;
    std::unique_ptr<Tape> m_tape;
    std::unique_ptr<PanelWindow> m_panel;
    DeferredSpeech* m_speech = nullptr; // the tape's engine until TermSpeech
};

} // namespace lumena
