// Costs of the stop-name element: rendering a long name, and what scrolling
// costs the processor per display frame and per minute.

#include "board/ChimeiElement.h"
#include "board/DotFonts.h"
#include "reslib/ShiftJis.h"
#include "reslib/SystemHost.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QEventLoop>
#include <QTimer>
#include <benchmark/benchmark.h>
#include <sys/resource.h>

using namespace lumena;
using namespace Qt::StringLiterals;

namespace {

const QString kName20 = u"市民病院前（北口）ロータリー経由駅前行"_s; // 20 cells

// A clock the benchmark moves by hand; waits and events cost nothing.
class ManualHost final : public Host {
public:
    std::chrono::nanoseconds t{0};
    QDateTime now() const override { return {}; }
    std::chrono::nanoseconds elapsed() const override { return t; }
    void wait(int) override {}
    void processEvents() override {}
    void message(const QString&) override {}
};

double processCpuSeconds()
{
    rusage u{};
    getrusage(RUSAGE_SELF, &u);
    return double(u.ru_utime.tv_sec + u.ru_stime.tv_sec) +
           double(u.ru_utime.tv_usec + u.ru_stime.tv_usec) / 1e6;
}

// SetChimei of a 20-character name with the glyphs already cached (every
// name after the first few shown).
void BM_SetChimei20(benchmark::State& state)
{
    DotFonts glyphs;
    ManualHost host;
    ChimeiElement e(glyphs, host);
    e.SetChimei(kName20);
    for (auto _ : state) {
        e.SetChimei(kName20);
        benchmark::DoNotOptimize(e.stripImage().constBits());
    }
}
BENCHMARK(BM_SetChimei20)->Unit(benchmark::kMicrosecond);

// The same name drawn with a glyph source that has just opened its faces.
void BM_DrawName20Cold(benchmark::State& state)
{
    for (auto _ : state) {
        DotFonts fonts;
        DotStrip strip;
        drawName(strip, fonts, kName20, 2, 0, false);
        benchmark::DoNotOptimize(strip.image().constBits());
    }
}
BENCHMARK(BM_DrawName20Cold)->Unit(benchmark::kMillisecond);

// One display frame of scrolling on a shown element, at display scale 1 and
// 2: position from the clock and a synchronous repaint. A minute at 60 frames
// a second is 3600 of them.
void BM_ScrollFrame(benchmark::State& state)
{
    DotFonts glyphs;
    ManualHost host;
    ChimeiElement e(glyphs, host);
    e.setScale(int(state.range(0)));
    e.show();
    QCoreApplication::processEvents(); // let the window be exposed, so repaints really paint
    e.SetChimei(kName20);
    host.t = std::chrono::seconds(2); // past the start pause
    for (auto _ : state) {
        host.t += std::chrono::microseconds(16'667);
        e.scrollFrame();
        e.repaint();
    }
}
BENCHMARK(BM_ScrollFrame)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond)->MeasureProcessCPUTime();

// A name of 4,096 bytes, drawn as the board gets it from a route file: every
// byte invalid Shift-JIS (0x80, each read as U+FFFD), against 2,048 kanji of the
// same byte length.
void BM_SetChimei4096Bytes(benchmark::State& state)
{
    const bool invalid = state.range(0) != 0;
    const QString name =
        invalid ? sjis::toUnicode(QByteArray(4096, '\x80')) : QString(2048, QChar(u'駅'));
    DotFonts glyphs;
    ManualHost host;
    ChimeiElement e(glyphs, host);
    for (auto _ : state) {
        e.SetChimei(name);
        benchmark::DoNotOptimize(e.stripImage().constBits());
    }
}
// Arg 1: invalid bytes; arg 0: valid ones.
BENCHMARK(BM_SetChimei4096Bytes)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The real thing on the event loop for a few seconds: frame timer, clock,
// painting. Reports the process CPU used as a share of one core.
void BM_ScrollLive(benchmark::State& state)
{
    DotFonts glyphs;
    SystemHost host;
    ChimeiElement e(glyphs, host);
    e.setScrollStartWait(0);
    e.show();
    QCoreApplication::processEvents(); // let the window be exposed, so repaints really paint
    double share = 0;
    const bool scroll = state.range(0) != 0;
    for (auto _ : state) {
        if (scroll)
            e.SetChimei(kName20);
        const double cpu0 = processCpuSeconds();
        QElapsedTimer wall;
        wall.start();
        QEventLoop loop;
        QTimer::singleShot(3000, &loop, &QEventLoop::quit);
        loop.exec();
        share = (processCpuSeconds() - cpu0) / (double(wall.nsecsElapsed()) / 1e9);
    }
    state.counters["cpu_share_%"] = share * 100.0;
}
// Arg 0: the same element standing still (the event loop's own cost).
BENCHMARK(BM_ScrollLive)
    ->Arg(1)
    ->Arg(0)
    ->Iterations(1)
    ->Unit(benchmark::kMillisecond)
    ->UseRealTime();

} // namespace
