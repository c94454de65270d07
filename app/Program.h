#pragma once
// The simulator as the program runs it, in Japanese whatever the user's
// locale (Qt's standard dialogs included): the wall clock and real message
// boxes, the sound card (opened once the board is on screen), espeak-ng when
// its voice and dictionary are installed, the settings file of the
// application, and the board at the screen's top-left with the panel at its
// bottom-right corner. main() makes one and starts it; so does the start-up
// benchmark.

#include "app/Simulator.h"
#include "reslib/SystemHost.h"
#include "sound/SdlMixer.h"

#include <memory>

namespace lumena {

class Program {
public:
    Program();
    ~Program();

    void start() { m_simulator->start(); }
    Simulator& simulator() { return *m_simulator; }

private:
    SystemHost m_host;
    SdlMixer m_mixer;
    std::unique_ptr<Simulator> m_simulator; // goes before the host and the mixer
};

} // namespace lumena
