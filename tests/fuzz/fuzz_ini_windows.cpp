// Any settings file applied to the simulator's real windows (offscreen), as
// the start does: what the windows then save, loaded and saved again, is the
// same file, and saving never fails.
#include "app/Simulator.h"
#include "board/BoardWindow.h"
#include "panel/PanelWindow.h"
#include "reslib/ModalAnswer.h"
#include "settings/OptionsDialog.h"
#include "tests/common/FakeHost.h"
#include "tests/fuzz/Fuzz.h"

using namespace lumena;

namespace {

struct World {
    test::FakeHost host;
    SilentMixer mixer;
    ModalAnswerer answerer; // a refused picture's message box
    IniLocation where{fuzz::dir(), QStringLiteral("lumena"),
                      fuzz::dir() + QStringLiteral("config")};
    Simulator sim{{host, mixer, {}, where, {}, {}, QString()}};
    IniWindows windows{sim.options(), sim.panel(), sim.board()};

    World() { sim.start(); }
    QByteArray loadAndSave()
    {
        IniData data;
        LoadIni(data, where, windows, host);
        FUZZ_CHECK(SaveIni(data, where, windows, host));
        return fuzz::get(QStringLiteral("lumena.in4"));
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::app();
    static World& w = *new World;
    fuzz::put(QStringLiteral("lumena.in4"), QByteArrayView(data, qsizetype(size)));
    const QByteArray saved = w.loadAndSave();
    FUZZ_CHECK(w.loadAndSave() == saved);
    w.host.messages.clear();
    w.host.waits.clear();
    w.answerer.texts.clear();
    return 0;
}
