// The stop-name strip for any text (any UTF-16, lone surrogates included)
// and any settings: the strip takes the layout of the name's Shift-JIS
// length, at most kMaxCells cells, with every dot inside the cell column;
// and its scroll keeps to the cycle, changes no pixel before untilNewPixel,
// and a continued plan starts where the old one stood.
#include "board/ChimeiLayout.h"
#include "board/ChimeiScroll.h"
#include "board/DotFonts.h"
#include "reslib/ShiftJis.h"
#include "tests/fuzz/Fuzz.h"

#include <algorithm>

using namespace lumena;
using std::chrono::nanoseconds;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t* data, size_t size)
{
    fuzz::app();
    static DotFonts glyphs;
    FuzzedDataProvider in(data, size);
    const auto mode = in.ConsumeIntegral<qint16>(), fontMode = in.ConsumeIntegral<qint16>();
    const bool bold = in.ConsumeBool();
    ScrollPlan plan, next;
    plan.speed = in.ConsumeIntegral<qint16>();
    plan.startWaitMs = in.ConsumeIntegral<qint32>();
    next.speed = in.ConsumeIntegral<qint16>();
    next.startWaitMs = in.ConsumeIntegral<qint32>();
    plan.viewportHeight = next.viewportHeight = 192 * in.ConsumeIntegralInRange(1, 4);
    const nanoseconds t(in.ConsumeIntegralInRange<qint64>(0, qint64(1) << 50));
    const std::vector<uint8_t> rest = in.ConsumeRemainingBytes<uint8_t>();
    QString text(qsizetype(rest.size() / 2), Qt::Uninitialized);
    std::copy_n(rest.data(), text.size() * 2, reinterpret_cast<uint8_t*>(text.data()));

    DotStrip strip;
    const NameLayout l = drawName(strip, glyphs, text, mode, fontMode, bold);
    const NameLayout expected = nameLayout(sjis::lenB(text.left(2 * kMaxCells)), mode);
    FUZZ_CHECK(l.cells == expected.cells && l.y0 == expected.y0 && l.pitch == expected.pitch &&
               l.stripHeight == expected.stripHeight && l.scrolls == expected.scrolls);
    FUZZ_CHECK(strip.height() == l.stripHeight && l.stripHeight <= kMaxCells * kCellPitch);
    const QImage& image = strip.image();
    for (int y = 0; y < image.height(); ++y) {
        const uchar* row = image.constScanLine(y);
        for (int x : {0, 1, kCellX + 31, kCellX + 32, kCellX + 33, kCellX + 34})
            FUZZ_CHECK(row[x] == 0);
    }

    plan.stripHeight = next.stripHeight = l.stripHeight;
    const ScrollPoint p = scrollAt(plan, t);
    const qint64 view = qint64(plan.viewportHeight) * 200, strip200 = qint64(l.stripHeight) * 200;
    FUZZ_CHECK(p.top <= view && p.top > -(view + strip200) && p.cycle >= 0);
    FUZZ_CHECK(p.untilChange > nanoseconds(0) && p.untilNewPixel >= p.untilChange);
    FUZZ_CHECK(scrollAt(plan, t + p.untilNewPixel - nanoseconds(1)).pixelTop() == p.pixelTop());
    const ScrollPoint c = scrollAt(continuePlan(plan, t, next), nanoseconds(0));
    FUZZ_CHECK(c.top == p.top && c.paused == p.paused);
    return 0;
}
