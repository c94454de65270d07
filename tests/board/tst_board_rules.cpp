// The board's rules without a window: digit text, stored sets, stop-name cells
// and dots, scroll arithmetic, ticket-number styles.

#include "board/ChimeiLayout.h"
#include "board/ChimeiScroll.h"
#include "board/DegitProps.h"
#include "board/DegitText.h"
#include "board/DotFonts.h"
#include "board/SeirikenNum.h"
#include "reslib/Colors.h"
#include "reslib/ShiftJis.h"
#include "tests/common/Probes.h"
#include "tests/common/TestSupport.h"

#include <array>
#include <limits>

using namespace lumena;
using namespace std::chrono_literals;
using namespace Qt::StringLiterals;
using Ints = QList<int>;

namespace {

Dots16 oneDot(QPoint at)
{
    Dots16 d;
    d.set(at.x(), at.y());
    return d;
}

// Draws every cell as the one dot `dot` and records what it was asked for.
struct OneDotGlyphs final : GlyphSource {
    struct Call {
        QByteArray cell;
        Typeface face;
        bool bold;
    };
    QPoint dot;
    QList<Call> calls;
    Dots16 draw(QByteArrayView sjis, Typeface face, bool bold) override
    {
        calls.push_back({sjis.toByteArray(), face, bold});
        return oneDot(dot);
    }
};

// A name drawn with a dot at each cell's top-left: its lit rows are the cells' tops.
struct Drawn {
    OneDotGlyphs glyphs;
    DotStrip strip;
    NameLayout layout;
    Drawn(const QString& name, int mode)
        : layout(drawName(strip, glyphs, name, qint16(mode), 0, false))
    {
    }
    Ints rows() const
    {
        return test::litRows(kStripWidth, strip.height(),
                             [&](int x, int y) { return strip.isLit(x, y); });
    }
};

// Fifty cells, each "?" until written; cell 1 at 11.25 points until its font is set.
struct Cells final : SeirikenCells {
    std::array<QString, 51> text;
    double cell1Points = SeirikenDesignPointSize;
    Ints order;
    Cells() { text.fill(u"?"_s); }
    void setSeiriNumText(int cell, const QString& t) override
    {
        text[size_t(cell)] = t;
        order << cell;
    }
    void setSeiriNumFont(int cell, const QString& face, double points) override
    {
        QCOMPARE(cell, 1);
        QCOMPARE(face, SeirikenFontName);
        cell1Points = points;
    }
    QString shown() const // cells 1, 2, 10, 11, 50
    {
        return QStringList{text[1], text[2], text[10], text[11], text[50]}.join(u'|');
    }
};

} // namespace

class TestBoardRules : public QObject {
    Q_OBJECT
    DotFonts m_fonts;

    Dots16 gothic(QStringView text)
    {
        return m_fonts.draw(sjis::fromUnicode(text), Typeface::Gothic, false);
    }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // ZeroMode 0..3 on four cells: only the empty text equals the empty text.
    void zeroHandling_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<QStringList>("lit");
        const QStringList blankOrZero{u""_s, u"0"_s, u""_s, u"0"_s};
        const QStringList minusOne{u"-1"_s, u"-1"_s, u"0"_s, u"0"_s};
        QTest::newRow("zero") << QVariant(0) << blankOrZero;
        QTest::newRow("empty text") << QVariant(QString()) << blankOrZero;
        QTest::newRow("no value") << QVariant() << blankOrZero;
        QTest::newRow("-1") << QVariant(-1) << minusOne;
        QTest::newRow("true is -1") << QVariant(true) << minusOne;
        QTest::newRow("text -1 is no number") << QVariant(u"-1"_s) << QStringList(4, u"-1"_s);
        QTest::newRow("other numbers") << QVariant(230) << QStringList(4, u"230"_s);
    }
    void zeroHandling()
    {
        QFETCH(QVariant, value);
        QStringList lit;
        for (qint16 mode = 0; mode < 4; ++mode)
            lit << degitLitText(value, mode, 0, 0, 4);
        QTEST(lit, "lit");
    }

    void litText_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<Ints>("settings"); // ZeroMode, FillZero, Shift, Keta
        QTest::addColumn<QString>("lit");
        const auto row = [](const char* name, const QVariant& v, int mode, int fill, int shift,
                            int keta, const char* lit) {
            QTest::newRow(name) << v << Ints{mode, fill, shift, keta} << QString::fromUtf8(lit);
        };
        row("stored mode 7 changes nothing", -1, 7, 0, 0, 4, "-1");
        row("fill 3 of 5", 5, 0, 3, 0, 4, "005");
        row("fill of a negative number", -5, 0, 3, 0, 4, "-005");
        row("fill of a numeric text", QVariant(u" 7 "_s), 0, 3, 0, 4, "007");
        row("fill leaves 'inf'", QVariant(u"inf"_s), 0, 3, 0, 4, "inf");
        row("fill rounds half away from zero", 2.5, 0, 3, 0, 4, "003");
        row("fill after zero mode 1", 0, 1, 3, 0, 4, "000");
        row("no fill of the blanked zero", 0, 0, 3, 0, 4, "");
        row("fill of the most negative number", std::numeric_limits<qlonglong>::min(), 0, 2, 0, 25,
            "-9223372036854775808");
        row("truncated on the left", 12345, 0, 0, 0, 4, "2345");
        row("shift pushes digits out", 12345, 0, 0, 2, 4, "45  ");
        row("fill then shift", 5, 0, 3, 1, 4, "005 ");
        row("fraction shown as text", 12.5, 0, 0, 0, 4, "12.5");
        row("whole double without fraction", 230.0, 0, 0, 0, 4, "230");
        row("no cells light nothing", 5, 0, 0, 0, 0, "");
    }
    void litText()
    {
        QFETCH(QVariant, value);
        QFETCH(Ints, settings);
        const auto s = [&](int i) { return qint16(settings[i]); };
        QTEST(degitLitText(value, s(0), s(1), s(2), s(3)), "lit");
    }

    // The digit element's set (a field of each kind) stored, written, read back.
    void storedPropertySet_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("taken");
        QTest::addColumn<bool>("written");
        QTest::addColumn<QString>("readBack");
        auto add = [](const char* tag, const char* name, const QVariant& v, bool taken,
                      bool written, const char* back) {
            QTest::newRow(tag) << QString::fromLatin1(name) << v << taken << written
                               << QString::fromUtf8(back);
        };
        add("integer", "Shift", 9, true, true, "9");
        add("integer equal to its default", "Keta", 4, true, false, "4");
        add("integer out of range", "Shift", 70000, false, false, "0");
        add("integer that is no number", "Keta", QVariant(u"many"_s), false, false, "4");
        add("colour", "BackColor", 0x00112233u, true, true, "1122867");
        add("negative colour keeps its bits", "BackColor", -1, true, true, "4294967295");
        add("colour beyond 32 bits", "BackColor", -5000000000LL, false, false, "8421504");
        add("flag", "UserSet", false, true, true, "false");
        add("free value: text zero is no default", "Value", QVariant(u"0"_s), true, true, "0");
        add("free value: double zero is the default", "Value", 0.0, true, false, "0");
        add("unknown name", "Unknown", 1, false, false, "");
    }
    void storedPropertySet()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(bool, written);
        DegitProps s;
        QTEST(s.set(name, value), "taken");
        const QVariantMap bag = s.write();
        QCOMPARE(bag.keys(), written ? QStringList{name} : QStringList{});
        QTEST(DegitProps::read({{name, value}}).get(name).toString(), "readBack");
        if (written)
            QCOMPARE(DegitProps::read(bag), s);
    }

    // A strip longer than the viewport's 192 pixels scrolls.
    void cellsOnTheStrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mode");
        QTest::addColumn<Ints>("tops");
        QTest::addColumn<int>("height");
        QTest::newRow("empty") << QString() << 2 << Ints{} << 192;
        QTest::newRow("one single byte: no cell, drawn at 0") << u"A"_s << 2 << Ints{0} << 192;
        QTest::newRow("half-width pair is one cell") << u"AB"_s << 2 << Ints{80} << 192;
        QTest::newRow("two, mode 2") << u"駅前"_s << 2 << Ints{48, 112} << 192;
        QTest::newRow("two, mode 0") << u"駅前"_s << 0 << Ints{32, 128} << 192;
        QTest::newRow("バス停") << u"バス停"_s << 2 << Ints{16, 80, 144} << 192;
        QTest::newRow("five") << u"中央公園前"_s << 0 << Ints{4, 42, 80, 118, 156} << 192;
        QTest::newRow("six fill the strip")
            << u"市民病院前駅"_s << 2 << Ints{0, 32, 64, 96, 128, 160} << 192;
        QTest::newRow("seven run on")
            << u"市民病院前北口"_s << 2 << Ints{0, 32, 64, 96, 128, 160, 192} << 224;
        // The final odd byte is one more cell at y0 + cells * pitch: over the first.
        QTest::newRow("odd byte over a single cell") << u"駅A"_s << 2 << Ints{80} << 192;
        QTest::newRow("odd byte after two") << u"駅前A"_s << 2 << Ints{48, 112, 176} << 192;
    }
    void cellsOnTheStrip()
    {
        QFETCH(QString, name);
        QFETCH(int, mode);
        QFETCH(int, height);
        const Drawn d(name, mode);
        QTEST(d.rows(), "tops");
        QCOMPARE(d.strip.height(), height);
        QCOMPARE(d.layout.scrolls, height > 192);
        for (int y : d.rows())
            QVERIFY(d.strip.isLit(kCellX, y));
    }

    // Dot (dx, dy) of a cell at (X, Y) is pixel (X + 2 dx, Y + 2 dy); a new
    // ForeColor leaves the dots already drawn in theirs.
    void dotStrip()
    {
        Dots16 all;
        all.rows.fill(0xFFFF);
        DotStrip strip;
        strip.plot(kCellX, 10, all);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < kStripWidth; ++x)
                QCOMPARE(strip.isLit(x, y),
                         x >= 2 && x <= 32 && x % 2 == 0 && y >= 10 && y <= 40 && y % 2 == 0);
        strip.setForeColor(0x000000FF);
        strip.plot(2, 60, oneDot({0, 0}));
        strip.setBackColor(0x00000000);
        const QImage& img = strip.image();
        QCOMPARE((QList<QRgb>{img.pixel(2, 10), img.pixel(2, 60), img.pixel(3, 10)}),
                 (QList<QRgb>{rgbFromBgr(0x0000BEFF), qRgb(255, 0, 0), qRgb(0, 0, 0)}));
    }

    // Cells are two-byte windows: after a single byte they straddle characters.
    void straddlingCellsAreDrawnAsTheCodePageReadsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArrayList>("cells");
        QTest::newRow("a cut character: its two halves")
            << u"Aバ"_s << QByteArrayList{"A\x83", "o"};
        // 東京 is 93 8C 8B 9E: 8C 8B is a character; the lone 9E reads as nothing.
        QTest::newRow("trail and lead byte that are a character: kept")
            << u"A東京"_s << QByteArrayList{"A\x93", "\x8C\x8B"};
        // ＝ is 81 81: the window 81 31 is no character; its "1" is drawn.
        QTest::newRow("no character: the readable byte")
            << u"A＝1"_s << QByteArrayList{"A\x81", "1"};
        // ∞斉 is 81 87 90 C4: 87 90 reads as ≒, which the code page writes 81 E0.
        QTest::newRow("another form of a character: the usual one")
            << u"A∞斉"_s << QByteArrayList{"A\x81", "\x81\xE0", "\xC4"};
    }
    void straddlingCellsAreDrawnAsTheCodePageReadsThem()
    {
        QFETCH(QString, name);
        const Drawn d(name, 2);
        QByteArrayList cells;
        for (const auto& call : d.glyphs.calls)
            cells << call.cell;
        QTEST(cells, "cells");
    }

    void absurdlyLongNameStaysBounded()
    {
        const Drawn endless(QString(100000, u'駅'), 2);
        QCOMPARE(endless.strip.height(), 32768);
        QCOMPARE(endless.glyphs.calls.size(), kMaxCells);
        QCOMPARE(endless.rows().constLast(), 32736);
    }

    // Faces under FontMode -1..5, by the first code as a signed 16-bit number.
    void typefaceRule_data()
    {
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<QString>("faces");
        QTest::newRow("first kanji 0x889F") << QByteArray("\x88\x9F") << u"GGMGMMG"_s;
        QTest::newRow("0x889E below it") << QByteArray("\x88\x9E") << u"GGMMGMG"_s;
        QTest::newRow("single byte counts as kanji") << QByteArray("AB") << u"GGMGMMG"_s;
        QTest::newRow("the first character decides") << QByteArray("A\x82\x60") << u"GGMGMMG"_s;
        QTest::newRow("full-width 0 (0x824F)") << QByteArray("\x82\x4F") << u"GGMMGGG"_s;
        QTest::newRow("full-width z (0x829A)") << QByteArray("\x82\x9A") << u"GGMMGGG"_s;
        QTest::newRow("0x824E below") << QByteArray("\x82\x4E") << u"GGMMGMG"_s;
        QTest::newRow("0x829B above") << QByteArray("\x82\x9B") << u"GGMMGMG"_s;
    }
    void typefaceRule()
    {
        QFETCH(QByteArray, cell);
        QString faces;
        for (qint16 mode = -1; mode <= 5; ++mode)
            faces += typefaceFor(mode, cell) == Typeface::Gothic ? u'G' : u'M';
        QTEST(faces, "faces");
    }

    // The cell and face asked for, and where the dot at (3, 12) lands.
    void cellDrawing_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("fontMode");
        QTest::addColumn<QString>("drawn");
        QTest::addColumn<QPoint>("dot");
        const auto row = [](const char* name, const char16_t* t, int mode, const char16_t* drawn,
                            QPoint dot) {
            QTest::newRow(name) << QString::fromUtf16(t) << mode << QString::fromUtf16(drawn)
                                << dot;
        };
        row("ordinary", u"駅", 0, u"駅 Gothic", {3, 12});
        row("ー drawn as the kanji 丨", u"ー", 2, u"丨 Gothic", {3, 12});
        row("申 one dot right in Gothic", u"申", 0, u"申 Gothic", {4, 12});
        row("山 in place in Mincho", u"山", 1, u"山 Mincho", {3, 12});
        row("申 in place in mode 4", u"申", 4, u"申 Mincho", {3, 12});
        row("、 to the upper right", u"、", 1, u"、 Mincho", {13, 2});
        row("→ turned", u"→", 0, u"→ Gothic", {12, 3});
        row("half-width bracket stays", u"(", 0, u"( Gothic", {3, 12});
    }
    void cellDrawing()
    {
        QFETCH(QString, text);
        QFETCH(int, fontMode);
        QFETCH(QPoint, dot);
        OneDotGlyphs glyphs;
        glyphs.dot = {3, 12};
        QCOMPARE(cellDots(glyphs, sjis::fromUnicode(text), qint16(fontMode), true), oneDot(dot));
        const OneDotGlyphs::Call& call = glyphs.calls.at(0);
        const QString face = call.face == Typeface::Gothic ? u" Gothic"_s : u" Mincho"_s;
        QTEST(sjis::toUnicode(call.cell) + face, "drawn");
        QVERIFY(call.bold);
    }

    // 駅; trail 0x80; an even row (trails from 0x9F); the second lead block;
    // the last kanji 熙; none for a byte that leads nothing and for trail 0x7F.
    void jisCodeFromShiftJis()
    {
        const QByteArray pairs("\x89\x77\x81\x80\x81\x9F\xE0\x40\xEA\xA4\x41\x42\x81\x7F");
        QList<int> jis;
        for (qsizetype i = 0; i < pairs.size(); i += 2)
            jis << DotFonts::jisFromShiftJis(uchar(pairs[i]), uchar(pairs[i + 1]));
        QCOMPARE(jis, (QList<int>{0x3158, 0x2160, 0x2221, 0x5F21, 0x7426, 0, 0}));
    }

    void glyphSource()
    {
        // Two half-width characters share a cell.
        Dots16 pair = gothic(u"A");
        const Dots16 right = gothic(u"B").shifted(8, 0);
        for (size_t y = 0; y < 16; ++y)
            pair.rows[y] |= right.rows[y];
        QVERIFY(!right.isEmpty());
        QCOMPARE(gothic(u"AB"), pair);
        QVERIFY(m_fonts.draw(sjis::fromUnicode(u"町"), Typeface::Mincho, false) != gothic(u"町"));
        // 髙 (no JIS X 0208 character) comes from the outline face.
        QVERIFY(gothic(u"髙").count() > 8);
        // A byte that starts no character takes no place.
        QCOMPARE(m_fonts.draw(QByteArray("\xFD") + 'A', Typeface::Gothic, false), gothic(u"A"));
        DotFontFiles none;
        none.kanjiGothic = u"/nonexistent/shnmk16.pcf.gz"_s;
        QVERIFY(DotFonts(none).draw(sjis::fromUnicode(u"駅A"), Typeface::Gothic, true).isEmpty());
    }

    void scrollPosition_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<qint64>("atUs");
        QTest::addColumn<Ints>("topPausedCycle");
        const auto row = [](const char* name, int speed, int waitMs, qint64 atUs, int top,
                            bool paused, int cycle) {
            QTest::newRow(name) << speed << waitMs << atUs << Ints{top, paused, cycle};
        };
        // Viewport 192, strip 224: 5 moves 50 px/s; the wrap after
        // (192 + 224 + 192) * 200 / 5 = 24320 steps = 12.16 s of movement.
        row("start: below the viewport", 5, 1500, 0, 192, true, 0);
        row("first step not yet", 5, 1500, 1'500'499, 192, false, 0);
        row("after one second", 5, 1500, 2'500'000, 142, false, 0);
        row("half a pixel rounds up", 5, 1500, 1'510'000, 192, false, 0);
        row("just over half a pixel", 5, 1500, 1'511'000, 191, false, 0);
        row("negative speed moves as 1", -3, 1500, 2'500'000, 182, false, 0);
        row("last step before the wrap", 5, 1500, 13'659'999, -416, false, 0);
        row("wrap: back below, pausing", 5, 1500, 13'660'000, 192, true, 1);
        row("second cycle moves", 5, 1500, 16'160'000, 142, false, 1);
        row("negative wait waits nothing", 5, -100, 1'000'000, 142, false, 0);
        // Speed 3: 121600 / 3 steps rounded up = 40534 steps = 20.267 s.
        row("speed 3 wraps on a whole step", 3, 1000, 21'267'000, 192, true, 1);
        row("speed 3 just before", 3, 1000, 21'266'999, -416, false, 0);
    }
    void scrollPosition()
    {
        QFETCH(int, speed);
        QFETCH(int, waitMs);
        QFETCH(qint64, atUs);
        ScrollPlan plan; // viewport 192, strip 224
        plan.speed = speed;
        plan.startWaitMs = waitMs;
        const ScrollPoint p = scrollAt(plan, std::chrono::microseconds(atUs));
        QTEST((Ints{p.pixelTop(), p.paused, int(p.cycle)}), "topPausedCycle");
    }

    void frameTimerWakesForTheNextPixel()
    {
        using std::chrono::microseconds;
        ScrollPlan plan; // 192 / 224, speed 5, 1500 ms
        QCOMPARE(scrollAt(plan, 1000ms).untilNewPixel, 500ms);
        // At 2.5 s the top is 142 px (28400); 141 below 28299, 21 steps later.
        QCOMPARE(scrollAt(plan, 2500ms).untilNewPixel, microseconds(10'500));
        QCOMPARE(scrollAt(plan, 2500ms + microseconds(10'500)).pixelTop(), 141);
        QCOMPARE(scrollAt(plan, 2500ms + microseconds(10'499)).pixelTop(), 142);
        QCOMPARE(scrollAt(plan, 13'659'000us).untilNewPixel, 1000us);
        plan.speed = 1;
        QCOMPARE(scrollAt(plan, 2500ms).untilNewPixel, microseconds(50'500));
    }

    void speedChangeCarriesOnFromTheCurrentTop()
    {
        const ScrollPlan plan; // 192 / 224, speed 5, 1500 ms
        ScrollPlan faster = plan;
        faster.speed = 10;
        const ScrollPlan moved = continuePlan(plan, 2500ms, faster);
        QCOMPARE(scrollAt(moved, 0ms).pixelTop(), 142);
        QCOMPARE(scrollAt(moved, 1s).pixelTop(), 42);
        const ScrollPlan paused = continuePlan(plan, 1000ms, faster);
        QVERIFY(scrollAt(paused, 499ms).paused);
        QCOMPARE(scrollAt(paused, 1500ms).pixelTop(), 92);
        // The wrap after (142 + 224 + 192) * 200 / 10 = 11160 steps (5.58 s).
        QCOMPARE(scrollAt(moved, 5579ms).cycle, 0);
        QCOMPARE(std::pair(scrollAt(moved, 5580ms).paused, scrollAt(moved, 5580ms).cycle),
                 std::pair(true, std::int64_t(1)));
        QCOMPARE(scrollAt(moved, 8080ms).pixelTop(), 92);
    }

    // Ticket-number cells: what each style shows and its settings list entry.
    void styles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("zero");
        QTest::addColumn<double>("cell1Points");
        QTest::addColumn<QString>("shown"); // cells 1, 2, 10, 11, 50
        auto row = [](const char* name, int style, int zero, double pt, const char16_t* e) {
            QTest::newRow(name) << style << zero << pt << QString::fromUtf16(e);
        };
        row("0 from one", 0, 0, 11, u"１|２|１０|１１|５０");
        row("0 from one, zero", 0, 1, 11, u"０１|０２|１０|１１|５０");
        row("1 from zero, zero", 1, 1, 11, u"００|０１|０９|１０|４９");
        row("2 nashi then 1", 2, 0, 10, u"な し|１|９|１０|４９");
        row("7 ken-nashi then 2, zero", 7, 1, 10, u"券なし|０２|１０|１１|５０");
        row("10 plain then 1", 10, 0, 10, u"|１|９|１０|４９");
        // Outside the list only cell 1 changes.
        row("-1 nothing chosen", -1, 0, 11, u"?|?|?|?|?");
        row("12 past the list", 12, 1, 10, u"|?|?|?|?");
    }
    void styles()
    {
        QFETCH(int, style);
        QFETCH(int, zero);
        Cells cells;
        SeirikenNumSet(cells, qint16(style), qint16(zero));
        QTEST(cells.shown(), "shown");
        QTEST(cells.cell1Points, "cell1Points");
        QVERIFY(std::is_sorted(cells.order.begin(), cells.order.end()));
        QCOMPARE(QSet<int>(cells.order.begin(), cells.order.end()).size(), cells.order.size());
        const QString entry = toFullWidthDigits(seirikenStyleListText(style));
        QCOMPARE(entry.contains(u"... "_s + cells.text[50]), !entry.isEmpty());
        QCOMPARE(entry.isEmpty(), style < 0 || style >= 12);
    }
};

LUMENA_TEST_GUILESS_MAIN(TestBoardRules)
#include "tst_board_rules.moc"
