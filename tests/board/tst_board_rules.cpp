// The board's rules without a window: the digit element's lit text, the stored
// property sets, where the cells of a stop name go and which dots they light,
// the scroll arithmetic, and the ticket-number cells' numbering styles.

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

namespace {

const QVariant kEmpty = QVariant(QString());
QVariant text(const char* s)
{
    return QVariant(QString::fromUtf8(s));
}

// Lights one dot, the cell's top-left, so that the lit rows of a strip are the
// tops of its cells; records every cell it was asked for.
class OneDotGlyphs final : public GlyphSource {
public:
    struct Call {
        QByteArray cell;
        Typeface face;
        bool bold;
    };
    std::vector<Call> calls;
    Dots16 draw(QByteArrayView sjis, Typeface face, bool bold) override
    {
        calls.push_back({sjis.toByteArray(), face, bold});
        Dots16 d;
        d.set(0, 0);
        return d;
    }
};

struct Drawn {
    OneDotGlyphs glyphs;
    DotStrip strip;
    NameLayout layout;
    Drawn(const QString& name, int mode, int fontMode = 0, bool bold = false)
    {
        layout = drawName(strip, glyphs, name, qint16(mode), qint16(fontMode), bold);
    }
    QList<int> rows() const
    {
        return test::litRows(kStripWidth, strip.height(),
                             [&](int x, int y) { return strip.isLit(x, y); });
    }
};

struct Box {
    int x0 = 99, y0 = 99, x1 = -1, y1 = -1;
    int count = 0;
};
Box box(const Dots16& d)
{
    Box b;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (d.at(x, y)) {
                b.x0 = qMin(b.x0, x), b.x1 = qMax(b.x1, x);
                b.y0 = qMin(b.y0, y), b.y1 = qMax(b.y1, y);
                ++b.count;
            }
    return b;
}

// Fifty cells as the board starts them ("１".."５０", cell 1 at 11.25 points).
struct Cells final : SeirikenCells {
    std::array<QString, 51> text;
    double cell1Points = SeirikenDesignPointSize;
    QList<int> order;
    Cells()
    {
        for (int i = 1; i <= 50; ++i)
            text[size_t(i)] = toFullWidthDigits(QString::number(i));
    }
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
};

} // namespace

class TestBoardRules : public QObject {
    Q_OBJECT
    DotFonts m_fonts;

    Dots16 gothic(QStringView text)
    {
        return m_fonts.draw(sjis::fromUnicode(text), Typeface::Gothic, false);
    }
    Dots16 cell(QStringView text) { return cellDots(m_fonts, sjis::fromUnicode(text), 0, false); }

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // --- the digit element's lit text ---
    void litText_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("fill");
        QTest::addColumn<int>("shift");
        QTest::addColumn<int>("keta");
        QTest::addColumn<QString>("lit");
        const auto row = [](const char* name, const QVariant& v, int mode, int fill, int shift,
                            int keta, const char* lit) {
            QTest::newRow(name) << v << mode << fill << shift << keta << QString::fromUtf8(lit);
        };
        // Zero handling.
        row("mode 0: zero lights nothing", 0, 0, 0, 0, 4, "");
        row("mode 0: empty lights nothing", kEmpty, 0, 0, 0, 4, "");
        row("mode 0: no value lights nothing", QVariant(), 0, 0, 0, 4, "");
        row("mode 0: double zero lights nothing", 0.0, 0, 0, 0, 4, "");
        row("mode 0: -1 stays", -1, 0, 0, 0, 4, "-1");
        row("mode 0: text zero is no number", text("0"), 0, 0, 0, 4, "0");
        row("mode 1: zero shows 0", 0, 1, 0, 0, 4, "0");
        row("mode 1: empty shows 0", kEmpty, 1, 0, 0, 4, "0");
        row("mode 2: -1 shows 0", -1, 2, 0, 0, 4, "0");
        row("mode 2: 16-bit -1 shows 0", QVariant::fromValue<qint16>(-1), 2, 0, 0, 4, "0");
        row("mode 2: zero lights nothing", 0, 2, 0, 0, 4, "");
        row("mode 2: empty stays empty", kEmpty, 2, 0, 0, 4, "");
        row("mode 2: text -1 is no number", text("-1"), 2, 0, 0, 4, "-1");
        row("mode 2: bool true is -1", true, 2, 0, 0, 4, "0");
        row("mode 3: -1 shows 0", -1, 3, 0, 0, 4, "0");
        row("mode 3: empty shows 0", kEmpty, 3, 0, 0, 4, "0");
        row("mode 3: other numbers stay", 230, 3, 0, 0, 4, "230");
        row("stored mode 7 changes nothing", -1, 7, 0, 0, 4, "-1");
        for (int m = 0; m < 4; ++m)
            QTest::addRow("mode %d: one space lights nothing", m)
                << text(" ") << m << 0 << 0 << 4 << u" "_s;
        // Zero fill.
        row("fill 3 of 5", 5, 0, 3, 0, 4, "005");
        row("fill shorter than the value", 1234, 0, 2, 0, 4, "1234");
        row("fill of a negative number", -5, 0, 3, 0, 4, "-005");
        row("fill of a numeric text", text(" 7 "), 0, 3, 0, 4, "007");
        row("fill leaves other text", text("ab"), 0, 3, 0, 4, "ab");
        row("fill leaves 'inf'", text("inf"), 0, 3, 0, 4, "inf");
        row("fill rounds half away from zero", 2.5, 0, 3, 0, 4, "003");
        row("fill rounds down", 2.4, 0, 3, 0, 4, "002");
        row("fill rounds negative half away", -2.5, 0, 3, 0, 4, "-003");
        row("fill after zero mode 1", 0, 1, 3, 0, 4, "000");
        row("no fill of the blanked zero", 0, 0, 3, 0, 4, "");
        row("negative fill fills nothing", 5, 0, -2, 0, 4, "5");
        row("fill of the most negative number", std::numeric_limits<qlonglong>::min(), 0, 2, 0, 25,
            "-9223372036854775808");
        // Shift and truncation.
        row("truncated on the left", 12345, 0, 0, 0, 4, "2345");
        row("shift 1 of 150", 150, 0, 0, 1, 4, "150 ");
        row("shift pushes digits out", 12345, 0, 0, 2, 4, "45  ");
        row("fill then shift", 5, 0, 3, 1, 4, "005 ");
        row("shift of the blanked zero", 0, 0, 0, 2, 4, "  ");
        row("negative shift shifts nothing", 5, 0, 0, -3, 4, "5");
        row("fraction shown as text", 12.5, 0, 0, 0, 4, "12.5");
        row("whole double without fraction", 230.0, 0, 0, 0, 4, "230");
        row("no cells light nothing", 5, 0, 0, 0, 0, "");
        row("negative cells light nothing", 5, 0, 0, 0, -1, "");
    }
    void litText()
    {
        QFETCH(QVariant, value);
        QFETCH(int, mode);
        QFETCH(int, fill);
        QFETCH(int, shift);
        QFETCH(int, keta);
        QTEST(degitLitText(value, qint16(mode), qint16(fill), qint16(shift), qint16(keta)), "lit");
    }

    // --- stored property sets (the digit element's has a field of each kind):
    // a value stored by name, written to a bag and read back ---
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
        add("integer that is no number", "Keta", text("many"), false, false, "4");
        add("colour", "BackColor", 0x00112233u, true, true, "1122867");
        add("negative colour keeps its bits", "BackColor", -1, true, true, "4294967295");
        add("colour beyond 32 bits", "BackColor", -5000000000LL, false, false, "8421504");
        add("flag", "UserSet", false, true, true, "false");
        add("free value: text zero is no default", "Value", text("0"), true, true, "0");
        add("free value: double zero is the default", "Value", 0.0, true, false, "0");
        add("free value: 16-bit zero is the default", "Value", QVariant::fromValue<qint16>(0), true,
            false, "0");
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
        // Read from the value itself: an unreadable entry keeps the default.
        const DegitProps back = DegitProps::read({{name, value}});
        QTEST(back.get(name).toString(), "readBack");
        if (written)
            QCOMPARE(DegitProps::read(bag), s);
    }

    // --- where the cells of a stop name go ---
    void cellsOnTheStrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("tops");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("scrolls");
        using L = QList<int>;
        QTest::newRow("empty") << QString() << 2 << L{} << 192 << false;
        QTest::newRow("one single byte: no cell, drawn at 0")
            << u"A"_s << 2 << L{0} << 192 << false;
        QTest::newRow("one character, centred") << u"駅"_s << 2 << L{80} << 192 << false;
        QTest::newRow("half-width pair is one cell") << u"AB"_s << 2 << L{80} << 192 << false;
        QTest::newRow("two, mode 2") << u"駅前"_s << 2 << L{48, 112} << 192 << false;
        QTest::newRow("two, mode 0") << u"駅前"_s << 0 << L{32, 128} << 192 << false;
        QTest::newRow("バス停") << u"バス停"_s << 2 << L{16, 80, 144} << 192 << false;
        QTest::newRow("four") << u"中央公園"_s << 0 << L{8, 56, 104, 152} << 192 << false;
        QTest::newRow("five") << u"中央公園前"_s << 0 << L{4, 42, 80, 118, 156} << 192 << false;
        QTest::newRow("six fill the strip")
            << u"市民病院前駅"_s << 2 << L{0, 32, 64, 96, 128, 160} << 192 << false;
        QTest::newRow("seven run on")
            << u"市民病院前北口"_s << 2 << L{0, 32, 64, 96, 128, 160, 192} << 224 << true;
        // The final odd byte is one more cell at y0 + cells * pitch: over the first.
        QTest::newRow("odd byte over a single cell") << u"駅A"_s << 2 << L{80} << 192 << false;
        QTest::newRow("odd byte after two") << u"駅前A"_s << 2 << L{48, 112, 176} << 192 << false;
    }
    void cellsOnTheStrip()
    {
        QFETCH(QString, name);
        QFETCH(int, mode);
        const Drawn d(name, mode);
        QTEST(d.rows(), "tops");
        QTEST(d.strip.height(), "height");
        QTEST(d.layout.scrolls, "scrolls");
        for (int y : d.rows())
            QVERIFY(d.strip.isLit(kCellX, y));
    }

    // Dot (dx, dy) of a cell at (X, Y) is the one pixel (X + 2 dx, Y + 2 dy).
    void dotsLieTwoPixelsApart()
    {
        Dots16 all;
        all.rows.fill(0xFFFF);
        DotStrip strip;
        strip.plot(kCellX, 10, all);
        for (int y = 0; y < 50; ++y)
            for (int x = 0; x < kStripWidth; ++x)
                QCOMPARE(strip.isLit(x, y),
                         x >= 2 && x <= 32 && x % 2 == 0 && y >= 10 && y <= 40 && y % 2 == 0);
    }

    // Cells are two-byte windows on the name's Shift-JIS form; after a
    // single-byte character they straddle characters.
    void straddlingCellsAreDrawnAsTheCodePageReadsThem_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QByteArrayList>("cells");
        QTest::newRow("a cut character: its two halves")
            << u"Aバ"_s << QByteArrayList{"A\x83", "o"};
        // 東 is 93 8C and 京 8B 9E: the window 8C 8B is a character of its own;
        // the lone trail byte 9E at the end reads as nothing.
        QTest::newRow("trail and lead byte that are a character: kept")
            << u"A東京"_s << QByteArrayList{"A\x93", "\x8C\x8B"};
        // ＝ is 81 81: the window 81 31 is no character; its "1" is drawn.
        QTest::newRow("no character: the readable byte")
            << u"A＝1"_s << QByteArrayList{"A\x81", "1"};
        // ∞ is 81 87 and 斉 90 C4: the window 87 90 reads as ≒, which the code
        // page writes 81 E0.
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
        QCOMPARE(endless.glyphs.calls.size(), size_t(kMaxCells));
        QCOMPARE(endless.rows().constLast(), 32736);
    }

    // --- typefaces ---
    // The class of a cell is decided on its first character's code, taken
    // as a signed 16-bit number.
    void typefaceRule_data()
    {
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<int>("fontMode");
        QTest::addColumn<bool>("gothic");
        QTest::newRow("mode 0: kana") << QByteArray("\x83\x43") << 0 << true;
        QTest::newRow("mode 5 acts as 0") << QByteArray("\x89\x77") << 5 << true;
        QTest::newRow("mode -1 acts as 0") << QByteArray("\x89\x77") << -1 << true;
        QTest::newRow("mode 1: kanji") << QByteArray("\x89\x77") << 1 << false;
        QTest::newRow("mode 2: first kanji 0x889F") << QByteArray("\x88\x9F") << 2 << true;
        QTest::newRow("mode 2: 0x889E below it") << QByteArray("\x88\x9E") << 2 << false;
        QTest::newRow("mode 2: last code 0xFCFC") << QByteArray("\xFC\xFC") << 2 << true;
        QTest::newRow("mode 2: single byte counts as kanji") << QByteArray("AB") << 2 << true;
        QTest::newRow("mode 2: half-width kana too") << QByteArray("\xB1") << 2 << true;
        QTest::newRow("mode 2: the first character decides")
            << QByteArray("A\x82\x60") << 2 << true;
        QTest::newRow("mode 3: kanji") << QByteArray("\x89\x77") << 3 << false;
        QTest::newRow("mode 3: kana") << QByteArray("\x83\x43") << 3 << true;
        QTest::newRow("mode 4: full-width 0 (0x824F)") << QByteArray("\x82\x4F") << 4 << true;
        QTest::newRow("mode 4: full-width z (0x829A)") << QByteArray("\x82\x9A") << 4 << true;
        QTest::newRow("mode 4: 0x824E below") << QByteArray("\x82\x4E") << 4 << false;
        QTest::newRow("mode 4: 0x829B above") << QByteArray("\x82\x9B") << 4 << false;
        QTest::newRow("mode 4: single-byte letter") << QByteArray("A") << 4 << false;
    }
    void typefaceRule()
    {
        QFETCH(QByteArray, cell);
        QFETCH(int, fontMode);
        QTEST(typefaceFor(qint16(fontMode), cell) == Typeface::Gothic, "gothic");
    }

    // Each cell of a name gets its own face: with FontMode 4, Ａ町 draws Ａ in
    // the Gothic face and 町 in the Mincho face, and the two faces differ.
    void fontMode4DrawsEachCellInItsFace()
    {
        const Drawn d(u"Ａ町"_s, 2, 4, true);
        QCOMPARE(d.glyphs.calls.size(), size_t(2));
        QCOMPARE(d.glyphs.calls[0].face, Typeface::Gothic);
        QCOMPARE(d.glyphs.calls[1].face, Typeface::Mincho);
        QVERIFY(d.glyphs.calls[1].bold);
        QVERIFY(m_fonts.draw(sjis::fromUnicode(u"町"), Typeface::Mincho, false) != gothic(u"町"));
        // The typeface follows the substitute: ー is drawn as the kanji 丨.
        QCOMPARE(Drawn(u"ー"_s, 2, 2).glyphs.calls[0].face, Typeface::Gothic);
    }

    // --- vertical writing ---
    void cellStyles_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("fontMode");
        QTest::addColumn<int>("ox");
        QTest::addColumn<int>("oy");
        QTest::addColumn<bool>("turned");
        QTest::newRow("申 Gothic") << u"申"_s << 0 << 1 << 0 << false;
        QTest::newRow("山 kanji Gothic") << u"山"_s << 2 << 1 << 0 << false;
        QTest::newRow("山 Mincho") << u"山"_s << 1 << 0 << 0 << false;
        QTest::newRow("申 mode 4") << u"申"_s << 4 << 0 << 0 << false;
        QTest::newRow("comma") << u"、"_s << 1 << 10 << -10 << false;
        QTest::newRow("arrow turned") << u"→"_s << 0 << 0 << 0 << true;
        QTest::newRow("half-width bracket stays") << u"("_s << 0 << 0 << 0 << false;
        QTest::newRow("ordinary") << u"駅"_s << 0 << 0 << 0 << false;
    }
    void cellStyles()
    {
        QFETCH(QString, text);
        QFETCH(int, fontMode);
        const QByteArray cell = sjis::fromUnicode(text);
        const CellStyle s = cellStyle(cell, qint16(fontMode));
        QCOMPARE(s.cell, QByteArrayView(cell));
        QTEST(s.ox, "ox");
        QTEST(s.oy, "oy");
        QTEST(s.turned, "turned");
    }

    // The dots the real faces light for the substituted, turned and moved cells.
    void verticalWritingDots()
    {
        const Box stroke = box(cell(u"ー"));
        QVERIFY2(stroke.x1 - stroke.x0 <= 1 && stroke.y1 - stroke.y0 >= 12, "a vertical stroke");
        QCOMPARE(cell(u"ー"), gothic(u"丨"));

        const Dots16 upright = gothic(u"（");
        const Dots16 d = cell(u"（");
        const Box tall = box(upright), b = box(d);
        QVERIFY2(tall.y1 - tall.y0 > tall.x1 - tall.x0, "the bracket itself stands tall");
        QCOMPARE(d, upright.transposed());
        // An arch over the cell: the top row lit in the middle only, the bottom
        // row at the ends.
        const auto span = [&](int y) {
            int x0 = 16, x1 = -1;
            for (int x = 0; x < 16; ++x)
                if (d.at(x, y))
                    x0 = qMin(x0, x), x1 = qMax(x1, x);
            return std::pair{x0, x1};
        };
        QVERIFY(span(b.y0).first > span(b.y1).first && span(b.y0).second < span(b.y1).second);

        const Box plain = box(gothic(u"。"));
        QVERIFY2(plain.x1 < 8 && plain.y0 >= 8, "the face puts it lower left");
        const Box moved = box(cell(u"。"));
        QCOMPARE(moved.count, plain.count);
        QCOMPARE(QPoint(moved.x0, moved.y0), QPoint(plain.x0 + 10, plain.y0 - 10));
        QVERIFY2(moved.x0 >= 8 && moved.y1 < 8, "upper right");

        const Dots16 pair = cell(u"AB");
        Dots16 left, right;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (pair.at(x, y))
                    (x < 8 ? left : right).set(x, y);
        QVERIFY(!left.isEmpty() && !right.isEmpty());
        QCOMPARE(left, gothic(u"A"));
        QCOMPARE(right, gothic(u"B").shifted(8, 0));
    }

    // --- the glyph source ---
    void jisCodeFromShiftJis_data()
    {
        QTest::addColumn<int>("lead");
        QTest::addColumn<int>("trail");
        QTest::addColumn<int>("jis");
        QTest::newRow("駅") << 0x89 << 0x77 << 0x3158;
        QTest::newRow("trail 0x80 skips 0x7F") << 0x81 << 0x80 << 0x2160;
        QTest::newRow("even row from 0x9F") << 0x81 << 0x9F << 0x2221;
        QTest::newRow("start of second block") << 0xE0 << 0x40 << 0x5F21;
        QTest::newRow("last JIS X 0208 kanji 熙") << 0xEA << 0xA4 << 0x7426;
        QTest::newRow("not a lead byte") << 0x41 << 0x42 << 0;
        QTest::newRow("trail 0x7F") << 0x81 << 0x7F << 0;
    }
    void jisCodeFromShiftJis()
    {
        QFETCH(int, lead);
        QFETCH(int, trail);
        QTEST(int(DotFonts::jisFromShiftJis(uchar(lead), uchar(trail))), "jis");
    }

    void glyphFallbacks()
    {
        // 髙 is an extension character of the code page, absent from JIS X 0208:
        // the outline face draws it.
        const Box b = box(gothic(u"髙"));
        QVERIFY(b.count > 8 && b.y1 <= 15 && b.x1 <= 15);
        // A byte that starts no character takes no place: the letter after it
        // is drawn at the left edge.
        QCOMPARE(m_fonts.draw(QByteArray("\xFD") + 'A', Typeface::Gothic, false), gothic(u"A"));
        // Missing font files leave the cells blank.
        DotFontFiles none;
        none.kanjiGothic = u"/nonexistent/shnmk16.pcf.gz"_s;
        QVERIFY(DotFonts(none).draw(sjis::fromUnicode(u"駅A"), Typeface::Gothic, true).isEmpty());
    }

    void newForeColorKeepsOldDots()
    {
        DotStrip strip;
        Dots16 one;
        one.set(0, 0);
        strip.plot(2, 0, one);
        strip.setForeColor(0x000000FF);
        strip.plot(2, 40, one);
        strip.setBackColor(0x00000000);
        const QImage& img = strip.image();
        QCOMPARE(img.pixel(2, 0), rgbFromBgr(0x0000BEFF));
        QCOMPARE(img.pixel(2, 40), qRgb(255, 0, 0));
        QCOMPARE(img.pixel(3, 0), qRgb(0, 0, 0));
    }

    // --- scroll arithmetic ---
    void scrollPosition_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<qint64>("atUs");
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<qint64>("cycle");
        const auto row = [](const char* name, int speed, int waitMs, qint64 atUs, int top,
                            bool paused, qint64 cycle) {
            QTest::newRow(name) << speed << waitMs << atUs << top << paused << cycle;
        };
        // Viewport 192, strip 224 (seven cells): 5 moves 50 px/s, the wrap comes
        // after (192 + 224 + 192) * 200 / 5 = 24320 steps = 12.16 s of movement.
        row("start: below the viewport", 5, 1500, 0, 192, true, 0);
        row("first step not yet", 5, 1500, 1'500'499, 192, false, 0);
        row("after one second", 5, 1500, 2'500'000, 142, false, 0);
        row("half a pixel rounds up", 5, 1500, 1'510'000, 192, false, 0);
        row("just over half a pixel", 5, 1500, 1'511'000, 191, false, 0);
        row("speed 1 moves 10 px/s", 1, 1500, 2'500'000, 182, false, 0);
        row("speed 0 moves as 1", 0, 1500, 2'500'000, 182, false, 0);
        row("negative speed moves as 1", -3, 1500, 2'500'000, 182, false, 0);
        row("last step before the wrap", 5, 1500, 13'659'999, -416, false, 0);
        row("wrap: back below, pausing", 5, 1500, 13'660'000, 192, true, 1);
        row("second cycle moves", 5, 1500, 16'160'000, 142, false, 1);
        row("no wait", 5, 0, 1'000'000, 142, false, 0);
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
        ScrollPlan plan;
        plan.viewportHeight = 192;
        plan.stripHeight = 224;
        plan.speed = speed;
        plan.startWaitMs = waitMs;
        const ScrollPoint p = scrollAt(plan, std::chrono::microseconds(atUs));
        QTEST(p.pixelTop(), "top");
        QTEST(p.paused, "paused");
        QTEST(qint64(p.cycle), "cycle");
    }

    void frameTimerWakesForTheNextPixel()
    {
        using std::chrono::microseconds;
        ScrollPlan plan; // 192 / 224, speed 5, 1500 ms
        // In the pause: until it ends.
        QCOMPARE(scrollAt(plan, 1000ms).untilNewPixel, 500ms);
        // At 2.5 s the top is exactly 142 px (28400); it shows 141 below 28299,
        // 21 steps = 10.5 ms later.
        QCOMPARE(scrollAt(plan, 2500ms).untilNewPixel, microseconds(10'500));
        QCOMPARE(scrollAt(plan, 2500ms + microseconds(10'500)).pixelTop(), 141);
        QCOMPARE(scrollAt(plan, 2500ms + microseconds(10'499)).pixelTop(), 142);
        // Close to the wrap, the wrap comes first.
        QCOMPARE(scrollAt(plan, 13'659'000us).untilNewPixel, 1000us);
        // Speed 1 moves a pixel every 100 ms.
        plan.speed = 1;
        QCOMPARE(scrollAt(plan, 2500ms).untilNewPixel, microseconds(50'500));
    }

    void speedChangeCarriesOnFromTheCurrentTop()
    {
        ScrollPlan plan; // 192 / 224, speed 5, 1500 ms
        ScrollPlan faster = plan;
        faster.speed = 10;
        // Moving: from 142 on at 100 px/s.
        const ScrollPlan moved = continuePlan(plan, 2500ms, faster);
        QCOMPARE(scrollAt(moved, 0ms).pixelTop(), 142);
        QCOMPARE(scrollAt(moved, 1s).pixelTop(), 42);
        // In the start pause: the rest of the pause, then the new speed.
        const ScrollPlan paused = continuePlan(plan, 1000ms, faster);
        QVERIFY(scrollAt(paused, 499ms).paused);
        QCOMPARE(scrollAt(paused, 1500ms).pixelTop(), 92);
        // From 142 the wrap comes after (142 + 224 + 192) * 200 / 10 = 11160 steps
        // (5.58 s); the next cycle is an ordinary one at the new speed.
        QCOMPARE(scrollAt(moved, 5579ms).cycle, 0);
        const ScrollPoint wrapped = scrollAt(moved, 5580ms);
        QVERIFY(wrapped.paused);
        QCOMPARE(wrapped.cycle, 1);
        QCOMPARE(scrollAt(moved, 8080ms).pixelTop(), 92);
    }

    // --- ticket-number cells ---
    void styles_data()
    {
        QTest::addColumn<int>("style");
        QTest::addColumn<int>("zero");
        QTest::addColumn<double>("cell1Points");
        QTest::addColumn<QString>("expect"); // cells 1, 2, 10, 11, 50
        auto row = [](const char* name, int style, int zero, double pt, const char16_t* e) {
            QTest::newRow(name) << style << zero << pt << QString::fromUtf16(e);
        };
        row("0 from one", 0, 0, 11, u"１|２|１０|１１|５０");
        row("0 from one, zero", 0, 1, 11, u"０１|０２|１０|１１|５０");
        row("1 from zero", 1, 0, 11, u"０|１|９|１０|４９");
        row("1 from zero, zero", 1, 1, 11, u"００|０１|０９|１０|４９");
        row("2 nashi then 1", 2, 0, 10, u"な し|１|９|１０|４９");
        row("3 nashi then 2", 3, 0, 10, u"な し|２|１０|１１|５０");
        row("4 muken then 1, zero", 4, 1, 10, u"無 券|０１|０９|１０|４９");
        row("7 ken-nashi then 2, zero", 7, 1, 10, u"券なし|０２|１０|１１|５０");
        row("9 ken-mushi then 2", 9, 0, 10, u"券無し|２|１０|１１|５０");
        row("10 plain then 1", 10, 0, 10, u"|１|９|１０|４９");
        row("11 plain then 2", 11, 0, 10, u"|２|１０|１１|５０");
        // Outside the list: only cell 1 changes (font; for 12 also its text).
        row("-1 nothing chosen", -1, 0, 11, u"１|２|１０|１１|５０");
        row("12 past the list", 12, 1, 10, u"|２|１０|１１|５０");
    }
    void styles()
    {
        QFETCH(int, style);
        QFETCH(int, zero);
        Cells cells;
        SeirikenNumSet(cells, qint16(style), qint16(zero));
        const QStringList shown{cells.text[1], cells.text[2], cells.text[10], cells.text[11],
                                cells.text[50]};
        QTEST(shown.join(u'|'), "expect");
        QTEST(cells.cell1Points, "cell1Points");
        // Cells are written once each, in increasing order.
        QVERIFY(std::is_sorted(cells.order.begin(), cells.order.end()));
        QCOMPARE(QSet<int>(cells.order.begin(), cells.order.end()).size(), cells.order.size());
    }

    void switchingBackRestoresCellOne()
    {
        Cells cells;
        SeirikenNumSet(cells, 2, 0);
        SeirikenNumSet(cells, 0, 0);
        QCOMPARE(cells.text[1], u"１"_s);
        QCOMPARE(cells.cell1Points, 11.0);
    }

    // The settings list's entry: the last number shown is 50 or 49 by style.
    void styleListTexts()
    {
        QCOMPARE(seirikenStyleListText(0), u"1,2,3... 50 （既定の表示）"_s);
        QCOMPARE(seirikenStyleListText(2), u"「なし」、1,2... 49"_s);
        QCOMPARE(seirikenStyleListText(11), u"(無地)、2,3... 50"_s);
        QCOMPARE(seirikenStyleListText(12), QString());
    }
};

LUMENA_TEST_GUILESS_MAIN(TestBoardRules)
#include "tst_board_rules.moc"
