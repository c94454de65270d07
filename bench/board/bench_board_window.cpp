// The board side of a refresh: what DispData does to the board window for one
// stop (50 fare values, then a stop name long enough to scroll) at display
// scales 1 and 2, and the built-in panel picture the window draws at start.

#include "board/BoardWindow.h"
#include "board/DotFonts.h"
#include "board/PanelImage.h"
#include "tests/common/FakeHost.h"
#include "tests/common/FakeResLib.h"

#include <QApplication>
#include <benchmark/benchmark.h>

using namespace lumena;

namespace {

void BoardRefresh(benchmark::State& state)
{
    test::FakeResLib res;
    test::FakeHost host;
    DotFonts glyphs;
    BoardWindow board(res, host, glyphs);
    board.setBoardScale(int(state.range(0)));
    board.show();
    const QString names[2] = {QStringLiteral("市役所前・中央図書館入口（北口）"),
                              QStringLiteral("県立総合病院東・新町二丁目バス停")};
    int n = 0;
    for (auto _ : state) {
        // Alternate two stops so every cell really changes.
        const int base = (n & 1) ? 160 : 170;
        for (int j = 1; j <= 50; ++j)
            board.setDegitValue(j, base + 10 * j);
        board.SetChimei(names[n & 1]);
        ++n;
    }
    board.SetChimei(QString());
}
BENCHMARK(BoardRefresh)->Arg(1)->Arg(2)->Unit(benchmark::kMicrosecond);

void BuiltInPanelImage(benchmark::State& state)
{
    for (auto _ : state)
        benchmark::DoNotOptimize(panel_image::builtInPanelImage());
}
BENCHMARK(BuiltInPanelImage)->Unit(benchmark::kMicrosecond);

} // namespace
