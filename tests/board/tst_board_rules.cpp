// The board's rules without a window: the digit element's lit text and stored
// properties; the stop-name element's cell placement, character classes and
// typefaces, vertical-writing substitutions, dots, stored properties and scroll
// geometry; and the ticket-number cells' numbering styles.

#include "board/ChimeiLayout.h"
#include "board/ChimeiProps.h"
#include "board/ChimeiScroll.h"
#include "board/DegitProps.h"
#include "board/DegitText.h"
#include "board/DotFonts.h"
#include "board/SeirikenNum.h"
#include "reslib/Colors.h"
#include "reslib/ShiftJis.h"
#include "tests/common/FakeResLib.h"
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

// One row: value, ZeroMode, FillZero, Shift, Keta -> the lit text.
void row(const char* name, const QVariant& v, int mode, int fill, int shift, int keta,
         const char* lit)
{
    QTest::newRow(name) << v << qint16(mode) << qint16(fill) << qint16(shift) << qint16(keta)
                        << QString::fromUtf8(lit);
}

// Lights every dot of a cell and records what it was asked for.
class SolidGlyphs final : public GlyphSource {
public:
    struct Call {
        QString text;
        Typeface face;
        bool bold;
    };
    std::vector<Call> calls;
    Dots16 draw(QByteArrayView sjis, Typeface face, bool bold) override
    {
        calls.push_back({sjis::toUnicode(sjis), face, bold});
        Dots16 d;
        d.rows.fill(0xFFFF);
        return d;
    }
};

// A name drawn with solid glyphs.
struct Drawn {
    SolidGlyphs glyphs;
    DotStrip strip;
    NameLayout layout;
    Drawn(const QString& name, int mode, int fontMode = 0, bool bold = false)
    {
        test::FakeResLib res;
        layout = drawName(strip, glyphs, name, qint16(mode), qint16(fontMode), bold);
    }
    QList<int> rows() const
    {
        return test::litRows(kStripWidth, strip.height(),
                             [&](int x, int y) { return strip.isLit(x, y); });
    }
    // Tops of the lit cells: a lit row that follows an unlit gap of more than one pixel.
    QList<int> cellTops() const
    {
        QList<int> tops;
        int last = -100;
        for (int y : rows()) {
            if (y - last > 2)
                tops << y;
            last = y;
        }
        return tops;
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

Dots16 gothic(DotFonts& fonts, const QString& text)
{
    return fonts.draw(sjis::fromUnicode(text), Typeface::Gothic, false);
}

// Fifty cells as the board starts them ("１".."５０", cell 1 at 11.25 points).
struct Cells final : SeirikenCells {
    std::array<QString, 51> text;
    double cell1Points = SeirikenDesignPointSize;
    QString cell1Face;
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
        cell1Face = face;
        cell1Points = points;
    }
};

} // namespace

class TestBoardRules : public QObject {
    Q_OBJECT
    DotFonts m_fonts;

private slots:
    void init() { test::failOnUnexpectedWarnings(); }

    // --- digit element: the lit text and the stored property set ---
    void litText_data()
    {
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<qint16>("mode");
        QTest::addColumn<qint16>("fill");
        QTest::addColumn<qint16>("shift");
        QTest::addColumn<qint16>("keta");
        QTest::addColumn<QString>("lit");
        // Zero handling.
        row("mode 0: zero lights nothing", 0, 0, 0, 0, 4, "");
        row("mode 0: empty lights nothing", kEmpty, 0, 0, 0, 4, "");
        row("mode 0: no value lights nothing", QVariant(), 0, 0, 0, 4, "");
        row("mode 0: double zero lights nothing", 0.0, 0, 0, 0, 4, "");
        row("mode 0: -1 stays", -1, 0, 0, 0, 4, "-1");
        row("mode 0: text zero is no number", text("0"), 0, 0, 0, 4, "0");
        row("mode 1: zero shows 0", 0, 1, 0, 0, 4, "0");
        row("mode 1: empty shows 0", kEmpty, 1, 0, 0, 4, "0");
        row("mode 1: -1 stays", -1, 1, 0, 0, 4, "-1");
        row("mode 2: -1 shows 0", -1, 2, 0, 0, 4, "0");
        row("mode 2: 16-bit -1 shows 0", QVariant::fromValue<qint16>(-1), 2, 0, 0, 4, "0");
        row("mode 2: zero lights nothing", 0, 2, 0, 0, 4, "");
        row("mode 2: empty stays empty", kEmpty, 2, 0, 0, 4, "");
        row("mode 2: text -1 is no number", text("-1"), 2, 0, 0, 4, "-1");
        row("mode 2: bool true is -1", true, 2, 0, 0, 4, "0");
        row("mode 3: -1 shows 0", -1, 3, 0, 0, 4, "0");
        row("mode 3: zero shows 0", 0, 3, 0, 0, 4, "0");
        row("mode 3: empty shows 0", kEmpty, 3, 0, 0, 4, "0");
        row("mode 3: other numbers stay", 230, 3, 0, 0, 4, "230");
        row("mode -1 changes nothing", 0, -1, 0, 0, 4, "0");
        row("stored mode 7 changes nothing", -1, 7, 0, 0, 4, "-1");
        for (int m = 0; m < 4; ++m)
            QTest::addRow("mode %d: one space lights nothing", m)
                << text(" ") << qint16(m) << qint16(0) << qint16(0) << qint16(4) << u" "_s;
        // Zero fill.
        row("fill 3 of 5", 5, 0, 3, 0, 4, "005");
        row("fill 4 of 5", 5, 0, 4, 0, 4, "0005");
        row("fill shorter than the value", 1234, 0, 2, 0, 4, "1234");
        row("fill of a negative number", -5, 0, 3, 0, 4, "-005");
        row("fill of a numeric text", text(" 7 "), 0, 3, 0, 4, "007");
        row("fill leaves other text", text("ab"), 0, 3, 0, 4, "ab");
        row("fill leaves 'inf'", text("inf"), 0, 3, 0, 4, "inf");
        row("fill leaves one space", text(" "), 0, 3, 0, 4, " ");
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
        row("clock minute", 5, 0, 0, 0, 2, "5");
        row("no cells light nothing", 5, 0, 0, 0, 0, "");
        row("negative cells light nothing", 5, 0, 0, 0, -1, "");
    }
    void litText()
    {
        QFETCH(QVariant, value);
        QFETCH(qint16, mode);
        QFETCH(qint16, fill);
        QFETCH(qint16, shift);
        QFETCH(qint16, keta);
        QTEST(degitLitText(value, mode, fill, shift, keta), "lit");
    }

    void degitPropsRoundTrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<QVariant>("value");
        QTest::addColumn<bool>("written");
        auto add = [](const char* tag, const char* name, const QVariant& v, bool written) {
            QTest::newRow(tag) << QString::fromLatin1(name) << v << written;
        };
        add("colour", "BaseForeColor", quint32(0x00112233), true);
        add("FillZero beyond Keta kept", "FillZero", qint16(9), true);
        add("ZeroMode 9 kept", "ZeroMode", qint16(9), true);
        add("Shift negative kept", "Shift", qint16(-2), true);
        add("UserSet", "UserSet", false, true);
        add("Value number", "Value", 230, true);
        add("Value text zero", "Value", text("0"), true);
        add("Value empty text", "Value", kEmpty, true);
        add("Value double zero is the default", "Value", 0.0, false);
        add("Value 16-bit zero is the default", "Value", QVariant::fromValue<qint16>(0), false);
        add("Keta 4 is the default", "Keta", qint16(4), false);
    }
    void degitPropsRoundTrip()
    {
        QFETCH(QString, name);
        QFETCH(QVariant, value);
        QFETCH(bool, written);
        DegitProps p;
        QVERIFY(p.set(name, value));
        const QVariantMap bag = p.write();
        QCOMPARE(bag.keys(), written ? QStringList{name} : QStringList{});
        const DegitProps back = DegitProps::read(bag);
        QCOMPARE(back.get(name).toString(), value.toString());
        if (written)
            QCOMPARE(back.get(name).typeId() == QMetaType::QString,
                     value.typeId() == QMetaType::QString);
    }

    void unreadableDegitPropsTakeTheirDefaults()
    {
        QVERIFY(DegitProps().write().isEmpty());
        const QVariantMap bag = {{QStringLiteral("Keta"), text("many")},
                                 {QStringLiteral("Shift"), 70000},
                                 {QStringLiteral("BackColor"), -5000000000LL},
                                 {QStringLiteral("Unknown"), 1},
                                 {QStringLiteral("ZeroMode"), 2}};
        const DegitProps p = DegitProps::read(bag);
        QCOMPARE(p.Keta, qint16(4));
        QCOMPARE(p.Shift, qint16(0));
        QCOMPARE(p.BackColor, quint32(0x00808080));
        QCOMPARE(p.ZeroMode, qint16(2));
        QVERIFY(!DegitProps().set(u"Unknown", 1));
    }

    // --- stop-name element ---

    // Placement by byte count (the drawn names below pin one to three cells).
    void layoutTable_data()
    {
        QTest::addColumn<int>("bytes");
        QTest::addColumn<int>("mode");
        QTest::addColumn<int>("y0");
        QTest::addColumn<int>("pitch");
        QTest::addColumn<int>("height");
        QTest::addColumn<bool>("scrolls");
        QTest::newRow("empty") << 0 << 2 << 0 << 0 << 192 << false;
        QTest::newRow("one single byte") << 1 << 2 << 0 << 0 << 192 << false;
        QTest::newRow("two cells, mode 0") << 4 << 0 << 32 << 96 << 192 << false;
        QTest::newRow("four cells") << 8 << 0 << 8 << 48 << 192 << false;
        QTest::newRow("five cells") << 10 << 2 << 4 << 38 << 192 << false;
        QTest::newRow("six cells") << 12 << 2 << 0 << 32 << 192 << false;
        QTest::newRow("seven cells") << 14 << 2 << 0 << 32 << 224 << true;
        QTest::newRow("twenty cells") << 40 << 0 << 0 << 32 << 640 << true;
        QTest::newRow("absurdly long: capped") << 100000 << 2 << 0 << 32 << 32768 << true;
    }
    void layoutTable()
    {
        QFETCH(int, bytes);
        QFETCH(int, mode);
        const NameLayout l = nameLayout(bytes, qint16(mode));
        QTEST(l.y0, "y0");
        QTEST(l.pitch, "pitch");
        QTEST(l.stripHeight, "height");
        QTEST(l.scrolls, "scrolls");
    }

    void cellsOnTheStrip_data()
    {
        QTest::addColumn<QString>("name");
        QTest::addColumn<int>("mode");
        QTest::addColumn<QList<int>>("tops");
        QTest::addColumn<int>("lastLitRow");
        QTest::newRow("one character, centred") << u"駅"_s << 2 << QList<int>{80} << 110;
        QTest::newRow("バス停") << u"バス停"_s << 2 << QList<int>{16, 80, 144} << 174;
        QTest::newRow("two, mode 2") << u"駅前"_s << 2 << QList<int>{48, 112} << 142;
        QTest::newRow("two, mode 0") << u"駅前"_s << 0 << QList<int>{32, 128} << 158;
        QTest::newRow("six fill the strip") << u"市民病院前駅"_s << 2 << QList<int>{0} << 190;
        QTest::newRow("seven run on") << u"市民病院前北口"_s << 2 << QList<int>{0} << 222;
        QTest::newRow("half-width pair is one cell") << u"AB"_s << 2 << QList<int>{80} << 110;
    }
    void cellsOnTheStrip()
    {
        QFETCH(QString, name);
        QFETCH(int, mode);
        const Drawn d(name, mode);
        QTEST(d.cellTops(), "tops");
        QTEST(d.rows().constLast(), "lastLitRow");
        // Dots sit on every other pixel from x = 2 to 32, nothing in between.
        const int y = d.rows().constFirst();
        for (int x = 0; x < kStripWidth; ++x)
            QCOMPARE(d.strip.isLit(x, y), x >= 2 && x <= 32 && x % 2 == 0);
        QVERIFY(!d.strip.isLit(2, y + 1));
    }

    void oddBytesAndLongNames()
    {
        // "駅A": one cell (80), the final byte drawn at 80 + 1 * 0, over it.
        const Drawn odd(u"駅A"_s, 2);
        QCOMPARE(odd.glyphs.calls.size(), size_t(2));
        QCOMPARE(odd.glyphs.calls[1].text, u"A"_s);
        QCOMPARE(odd.cellTops(), QList<int>{80});
        // A cell split inside a double-byte character keeps its whole half.
        const Drawn split(u"Aバ"_s, 2);
        QCOMPARE(split.glyphs.calls.size(), size_t(2));
        QCOMPARE(split.glyphs.calls[0].text, u"A\uFFFD"_s);
        // An absurdly long name stays bounded.
        const Drawn endless(QString(100000, u'駅'), 2);
        QCOMPARE(endless.layout.stripHeight, 32768);
        QCOMPARE(endless.strip.height(), 32768);
        QCOMPARE(endless.glyphs.calls.size(), size_t(kMaxCells));
        QVERIFY(endless.strip.isLit(2, 32766));
    }

    void characterClasses_data()
    {
        QTest::addColumn<QByteArray>("cell");
        QTest::addColumn<bool>("kanji");
        QTest::addColumn<bool>("alnum");
        QTest::newRow("first kanji 0x889F") << QByteArray("\x88\x9F") << true << false;
        QTest::newRow("kana 0x8343") << QByteArray("\x83\x43") << false << false;
        QTest::newRow("last code 0xFCFC") << QByteArray("\xFC\xFC") << true << false;
        QTest::newRow("full-width 0 (0x824F)") << QByteArray("\x82\x4F") << false << true;
        QTest::newRow("full-width z (0x829A)") << QByteArray("\x82\x9A") << false << true;
        QTest::newRow("0x824E below digits") << QByteArray("\x82\x4E") << false << false;
        QTest::newRow("single-byte A") << QByteArray("AB") << true << false;
        QTest::newRow("single-byte kana") << QByteArray("\xB1") << true << false;
        QTest::newRow("decided on the first character") << QByteArray("A\x82\x60") << true << false;
    }
    void characterClasses()
    {
        QFETCH(QByteArray, cell);
        QTEST(isKanjiClass(cell), "kanji");
        QTEST(isAlnumClass(cell), "alnum");
    }

    void typefaceByFontMode_data()
    {
        QTest::addColumn<int>("fontMode");
        QTest::addColumn<QString>("cell");
        QTest::addColumn<bool>("gothic");
        const QString kanji = u"町"_s, kana = u"バ"_s, alnum = u"Ａ"_s;
        for (int m : {0, 5, -1}) {
            QTest::addRow("mode %d kanji", m) << m << kanji << true;
            QTest::addRow("mode %d kana", m) << m << kana << true;
        }
        QTest::newRow("mode 1 kanji") << 1 << kanji << false;
        QTest::newRow("mode 2 kanji") << 2 << kanji << true;
        QTest::newRow("mode 2 kana") << 2 << kana << false;
        QTest::newRow("mode 2 half-width counts as kanji") << 2 << u"A"_s << true;
        QTest::newRow("mode 3 kana") << 3 << kana << true;
        QTest::newRow("mode 4 alnum") << 4 << alnum << true;
        QTest::newRow("mode 4 kanji") << 4 << kanji << false;
        QTest::newRow("mode 4 half-width letter") << 4 << u"A"_s << false;
    }
    void typefaceByFontMode()
    {
        QFETCH(int, fontMode);
        QFETCH(QString, cell);
        QFETCH(bool, gothic);
        QCOMPARE(typefaceFor(qint16(fontMode), sjis::fromUnicode(cell)),
                 gothic ? Typeface::Gothic : Typeface::Mincho);
    }

    // Each cell gets its own face, and the bold flag reaches the glyph source.
    void drawingChoosesTheFacePerCell()
    {
        const Drawn d(u"Ａ町"_s, 2, 4, true);
        QCOMPARE(d.glyphs.calls.size(), size_t(2));
        QCOMPARE(d.glyphs.calls[0].text, u"Ａ"_s);
        QCOMPARE(d.glyphs.calls[0].face, Typeface::Gothic);
        QCOMPARE(d.glyphs.calls[1].text, u"町"_s);
        QCOMPARE(d.glyphs.calls[1].face, Typeface::Mincho);
        QVERIFY(d.glyphs.calls[1].bold);
        QVERIFY(m_fonts.draw(sjis::fromUnicode(u"町"), Typeface::Mincho, false) !=
                gothic(m_fonts, u"町"_s));
    }

    void verticalWritingRules_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<int>("fontMode");
        QTest::addColumn<QString>("drawn");
        QTest::addColumn<int>("ox");
        QTest::addColumn<int>("oy");
        QTest::addColumn<bool>("turned");
        QTest::newRow("long vowel") << u"ー"_s << 0 << u"丨"_s << 0 << 0 << false;
        QTest::newRow("申 Gothic") << u"申"_s << 0 << u"申"_s << 1 << 0 << false;
        QTest::newRow("山 kanji Gothic") << u"山"_s << 2 << u"山"_s << 1 << 0 << false;
        QTest::newRow("山 Mincho") << u"山"_s << 1 << u"山"_s << 0 << 0 << false;
        QTest::newRow("申 mode 3") << u"申"_s << 3 << u"申"_s << 0 << 0 << false;
        QTest::newRow("申 mode 4") << u"申"_s << 4 << u"申"_s << 0 << 0 << false;
        QTest::newRow("full stop") << u"。"_s << 0 << u"。"_s << 10 << -10 << false;
        QTest::newRow("comma") << u"、"_s << 1 << u"、"_s << 10 << -10 << false;
        const QString turned = u"（）『』〔〕「」［］＜＞｛｝〈〉《》【】～＝→←⇒⇔"_s;
        for (QChar c : turned)
            QTest::addRow("turned %s", QString(c).toUtf8().constData())
                << QString(c) << 0 << QString(c) << 0 << 0 << true;
        QTest::newRow("half-width bracket stays") << u"("_s << 0 << u"("_s << 0 << 0 << false;
        QTest::newRow("ordinary") << u"駅"_s << 0 << u"駅"_s << 0 << 0 << false;
    }
    void verticalWritingRules()
    {
        QFETCH(QString, text);
        QFETCH(int, fontMode);
        const QByteArray cell = sjis::fromUnicode(text);
        const CellStyle s = cellStyle(cell, qint16(fontMode));
        QTEST(sjis::toUnicode(s.cell), "drawn");
        QTEST(s.ox, "ox");
        QTEST(s.oy, "oy");
        QTEST(s.turned, "turned");
    }

    // The dots the real faces light for the substituted, turned and moved cells.
    void verticalWritingDots()
    {
        const Box stroke = box(cellDots(m_fonts, sjis::fromUnicode(u"ー"), 0, false));
        QVERIFY2(stroke.x1 - stroke.x0 <= 1 && stroke.y1 - stroke.y0 >= 12, "a vertical stroke");

        QString bracket = u"（"_s;
        const Dots16 upright = gothic(m_fonts, bracket);
        const Dots16 d = cellDots(m_fonts, sjis::fromUnicode(bracket), 0, false);
        const Box tall = box(upright), b = box(d);
        QVERIFY2(tall.y1 - tall.y0 > tall.x1 - tall.x0, "the bracket itself stands tall");
        QCOMPARE(d, upright.transposed());
        // Convex upwards (an opening bracket of vertical writing): the top row is
        // lit in the middle only, the bottom row at the ends.
        const auto span = [&](int y) {
            int x0 = 16, x1 = -1;
            for (int x = 0; x < 16; ++x)
                if (d.at(x, y))
                    x0 = qMin(x0, x), x1 = qMax(x1, x);
            return std::pair{x0, x1};
        };
        QVERIFY(span(b.y0).first > span(b.y1).first && span(b.y0).second < span(b.y1).second);

        QString stop = u"。"_s;
        const Box plain = box(gothic(m_fonts, stop));
        QVERIFY2(plain.x1 < 8 && plain.y0 >= 8, "the face puts it lower left");
        const Box moved = box(cellDots(m_fonts, sjis::fromUnicode(stop), 0, false));
        QCOMPARE(moved.count, plain.count);
        QCOMPARE(QPoint(moved.x0, moved.y0), QPoint(plain.x0 + 10, plain.y0 - 10));

        QString ab = u"AB"_s;
        const Dots16 pair = cellDots(m_fonts, sjis::fromUnicode(ab), 0, false);
        Dots16 left, right;
        for (int y = 0; y < 16; ++y)
            for (int x = 0; x < 16; ++x)
                if (pair.at(x, y))
                    (x < 8 ? left : right).set(x, y);
        QVERIFY(!left.isEmpty() && !right.isEmpty());
        QCOMPARE(left, gothic(m_fonts, u"A"_s));
        QCOMPARE(right, gothic(m_fonts, u"B"_s).shifted(8, 0));
    }

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

    void fallbacks()
    {
        // 髙 is an extension character of the code page, absent from JIS X 0208:
        // it comes from the outline face.
        const Box b = box(gothic(m_fonts, u"髙"_s));
        QVERIFY(b.count > 8 && b.y1 <= 15 && b.x1 <= 15);
        QVERIFY(m_fonts.draw("\xFD", Typeface::Gothic, false).isEmpty());
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
        QVERIFY(!strip.isLit(3, 0));
    }

    void storedPropertiesWriteChangedValuesOnly()
    {
        ChimeiProps p;
        QVERIFY(p.write().isEmpty());
        p.Speed = 7;
        p.FontBold = true;
        p.BackColor = 0;
        const QVariantMap bag = p.write();
        QCOMPARE(bag.keys(), (QStringList{u"BackColor"_s, u"FontBold"_s, u"Speed"_s}));
        QCOMPARE(ChimeiProps::read(bag), p);
        // Unreadable entries keep their defaults.
        QCOMPARE(ChimeiProps::read({{u"Speed"_s, 70000}, {u"Mode"_s, u"wide"_s}}), ChimeiProps());
    }

    void scrollPosition_data()
    {
        QTest::addColumn<int>("speed");
        QTest::addColumn<int>("waitMs");
        QTest::addColumn<qint64>("atUs");
        QTest::addColumn<int>("top");
        QTest::addColumn<bool>("paused");
        QTest::addColumn<qint64>("cycle");
        // Viewport 192, strip 224 (seven cells): 5 moves 50 px/s, the wrap comes
        // after (192 + 224 + 192) * 200 / 5 = 24320 steps = 12.16 s of movement.
        QTest::newRow("start: below the viewport") << 5 << 1500 << 0LL << 192 << true << 0LL;
        QTest::newRow("first step not yet") << 5 << 1500 << 1'500'499LL << 192 << false << 0LL;
        QTest::newRow("after one second") << 5 << 1500 << 2'500'000LL << 142 << false << 0LL;
        QTest::newRow("half a pixel rounds up") << 5 << 1500 << 1'510'000LL << 192 << false << 0LL;
        QTest::newRow("just over half a pixel") << 5 << 1500 << 1'511'000LL << 191 << false << 0LL;
        QTest::newRow("speed 1 moves 10 px/s") << 1 << 1500 << 2'500'000LL << 182 << false << 0LL;
        QTest::newRow("speed 0 moves as 1") << 0 << 1500 << 2'500'000LL << 182 << false << 0LL;
        QTest::newRow("negative speed moves as 1")
            << -3 << 1500 << 2'500'000LL << 182 << false << 0LL;
        QTest::newRow("last step before the wrap")
            << 5 << 1500 << 13'659'999LL << -416 << false << 0LL;
        QTest::newRow("wrap: back below, pausing")
            << 5 << 1500 << 13'660'000LL << 192 << true << 1LL;
        QTest::newRow("second cycle moves") << 5 << 1500 << 16'160'000LL << 142 << false << 1LL;
        QTest::newRow("no wait") << 5 << 0 << 1'000'000LL << 142 << false << 0LL;
        QTest::newRow("negative wait waits nothing")
            << 5 << -100 << 1'000'000LL << 142 << false << 0LL;
        // Speed 3: 121600 / 3 steps rounded up = 40534 steps = 20.267 s.
        QTest::newRow("speed 3 wraps on a whole step")
            << 3 << 1000 << 21'267'000LL << 192 << true << 1LL;
        QTest::newRow("speed 3 just before") << 3 << 1000 << 21'266'999LL << -416 << false << 0LL;
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
        QTest::addColumn<QStringList>("expect"); // cells 1, 2, 10, 11, 50
        auto row = [](const char* name, int style, int zero, double pt, QStringList e) {
            QTest::newRow(name) << style << zero << pt << e;
        };
        row("0 from one", 0, 0, 11, {u"１"_s, u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("0 from one, zero", 0, 1, 11, {u"０１"_s, u"０２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("1 from zero", 1, 0, 11, {u"０"_s, u"１"_s, u"９"_s, u"１０"_s, u"４９"_s});
        row("1 from zero, zero", 1, 1, 11, {u"００"_s, u"０１"_s, u"０９"_s, u"１０"_s, u"４９"_s});
        row("2 nashi then 1", 2, 0, 10, {u"な し"_s, u"１"_s, u"９"_s, u"１０"_s, u"４９"_s});
        row("3 nashi then 2", 3, 0, 10, {u"な し"_s, u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("4 muken then 1, zero", 4, 1, 10,
            {u"無 券"_s, u"０１"_s, u"０９"_s, u"１０"_s, u"４９"_s});
        row("5 muken then 2", 5, 0, 10, {u"無 券"_s, u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("6 ken-nashi then 1", 6, 0, 10, {u"券なし"_s, u"１"_s, u"９"_s, u"１０"_s, u"４９"_s});
        row("7 ken-nashi then 2, zero", 7, 1, 10,
            {u"券なし"_s, u"０２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("8 ken-mushi then 1", 8, 0, 10, {u"券無し"_s, u"１"_s, u"９"_s, u"１０"_s, u"４９"_s});
        row("9 ken-mushi then 2", 9, 0, 10,
            {u"券無し"_s, u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("10 plain then 1", 10, 0, 10, {QString(), u"１"_s, u"９"_s, u"１０"_s, u"４９"_s});
        row("11 plain then 2", 11, 0, 10, {QString(), u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        // Outside the list: only cell 1 changes (font; for 12 also its text).
        row("-1 nothing chosen", -1, 0, 11, {u"１"_s, u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
        row("12 past the list", 12, 1, 10, {QString(), u"２"_s, u"１０"_s, u"１１"_s, u"５０"_s});
    }
    void styles()
    {
        QFETCH(int, style);
        QFETCH(int, zero);
        Cells cells;
        SeirikenNumSet(cells, qint16(style), qint16(zero));
        QTEST((QStringList{cells.text[1], cells.text[2], cells.text[10], cells.text[11],
                           cells.text[50]}),
              "expect");
        QTEST(cells.cell1Points, "cell1Points");
        QCOMPARE(cells.cell1Face, u"ＭＳ Ｐゴシック"_s);
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

    // The caption the settings list shows for a style; none past the list.
    void listTexts()
    {
        QCOMPARE(seirikenStyleListText(0), u"1,2,3... 50 （既定の表示）"_s);
        QCOMPARE(seirikenStyleListText(3), u"「なし」、2,3... 50"_s);
        QCOMPARE(seirikenStyleListText(11), u"(無地)、2,3... 50"_s);
        QCOMPARE(seirikenStyleListText(12), QString());
    }

    // Windows face names map to the faces we ship; sizes are points at 96 dpi.
    void fontsAndSizes()
    {
        QCOMPARE(boardFontFamily(u"ＭＳ 明朝"_s), u"IPAMincho"_s);
        QCOMPARE(boardFontFamily(u"Arial"_s), u"Arial"_s);
        QCOMPARE(boardPixelSize(11.25), 15);
        QCOMPARE(boardPixelSize(10), 13);
    }
};

LUMENA_TEST_GUILESS_MAIN(TestBoardRules)
#include "tst_board_rules.moc"
