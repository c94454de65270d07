#include "board/DotFonts.h"

#include "reslib/ShiftJis.h"
#include "reslib/SystemPaths.h"

#include <QFile>
#include <bit>

#include <ft2build.h>
#include FT_FREETYPE_H
#include FT_OUTLINE_H

namespace lumena {

int Dots16::count() const
{
    int n = 0;
    for (quint16 r : rows)
        n += std::popcount(r);
    return n;
}

Dots16 Dots16::shifted(int dx, int dy) const
{
    Dots16 out;
    for (int y = 0; y < 16; ++y) {
        const int sy = y - dy;
        if (sy < 0 || sy > 15)
            continue;
        const quint16 r = rows[size_t(sy)];
        if (dx >= 16 || dx <= -16)
            continue;
        out.rows[size_t(y)] = dx >= 0 ? quint16(r >> dx) : quint16(r << -dx);
    }
    return out;
}

Dots16 Dots16::transposed() const
{
    Dots16 out;
    for (int y = 0; y < 16; ++y)
        for (int x = 0; x < 16; ++x)
            if (at(x, y))
                out.set(y, x);
    return out;
}

DotFontFiles DotFontFiles::system()
{
    using system_paths::dotFont;
    DotFontFiles f;
    f.kanjiGothic = dotFont(QStringLiteral("shnmk16.pcf.gz"));
    f.kanjiGothicBold = dotFont(QStringLiteral("shnmk16b.pcf.gz"));
    f.kanjiMincho = dotFont(QStringLiteral("shnmk16min.pcf.gz"));
    f.kanjiMinchoBold = dotFont(QStringLiteral("shnmk16minb.pcf.gz"));
    f.halfWidth = dotFont(QStringLiteral("shnm8x16r.pcf.gz"));
    f.halfWidthBold = dotFont(QStringLiteral("shnm8x16rb.pcf.gz"));
    f.outlineGothic = system_paths::ipaGothic();
    f.outlineMincho = system_paths::ipaMincho();
    return f;
}

quint16 DotFonts::jisFromShiftJis(unsigned char lead, unsigned char trail)
{
    if (!sjis::isLeadByte(lead) || trail < 0x40 || trail > 0xFC || trail == 0x7F)
        return 0;
    int row = (lead >= 0xE0 ? lead - 0xC1 : lead - 0x81) * 2;
    int cell;
    if (trail >= 0x9F) {
        row += 0x22;
        cell = trail - 0x7E;
    } else {
        row += 0x21;
        cell = trail - (trail >= 0x80 ? 0x20 : 0x1F);
    }
    return quint16((row << 8) | cell);
}

namespace {

// Baseline of the work area: the 16-dot faces put their ascent (14 of 16
// pixels) above it, as a 12-point Japanese face does at 96 dots per inch.
constexpr int kBaseline = 14;

// A byte that is a character by itself in the code page (JIS X 0201).
bool isSingleByteChar(unsigned char b)
{
    return b < 0x80 || (b >= 0xA1 && b <= 0xDF);
}

// Ors a rendered one-bit FreeType bitmap into `out` with its top-left at (x0, y0).
void blit(const FT_Bitmap& bm, int x0, int y0, Dots16& out)
{
    for (unsigned r = 0; r < bm.rows; ++r) {
        const int y = y0 + int(r);
        if (y < 0 || y > 15)
            continue;
        const unsigned char* line = bm.buffer + qptrdiff(r) * bm.pitch;
        for (unsigned c = 0; c < bm.width; ++c) {
            const int x = x0 + int(c);
            if (x < 0 || x > 15)
                continue;
            if (line[c >> 3] & (0x80 >> (c & 7)))
                out.set(x, y);
        }
    }
}

} // namespace

struct DotFonts::Impl {
    DotFontFiles files;
    FT_Library lib = nullptr;
    // Opened on first use: kanji G, G bold, M, M bold, half, half bold, outline G, M.
    std::array<FT_Face, 8> faces{};
    std::array<bool, 8> tried{};
    std::array<QHash<QByteArray, Dots16>, 4> cache; // by face and boldness

    FT_Face face(int i)
    {
        if (tried[size_t(i)])
            return faces[size_t(i)];
        tried[size_t(i)] = true;
        if (!lib && FT_Init_FreeType(&lib) != 0) {
            lib = nullptr;
            return nullptr;
        }
        const QString* paths[] = {&files.kanjiGothic,   &files.kanjiGothicBold,
                                  &files.kanjiMincho,   &files.kanjiMinchoBold,
                                  &files.halfWidth,     &files.halfWidthBold,
                                  &files.outlineGothic, &files.outlineMincho};
        FT_Face f = nullptr;
        if (FT_New_Face(lib, QFile::encodeName(*paths[i]).constData(), 0, &f) != 0)
            return nullptr;
        if (i < 6) {
            // The bitmap faces carry one raw charmap: the JIS code itself.
            if (f->num_charmaps < 1 || FT_Set_Charmap(f, f->charmaps[0]) != 0) {
                FT_Done_Face(f);
                return nullptr;
            }
        } else if (FT_Select_Charmap(f, FT_ENCODING_UNICODE) != 0 ||
                   FT_Set_Pixel_Sizes(f, 0, 16) != 0) {
            FT_Done_Face(f);
            return nullptr;
        }
        faces[size_t(i)] = f;
        return f;
    }

    // Draws a glyph of a bitmap face at pen x; false when the face lacks it.
    bool drawBitmap(FT_Face f, quint32 code, int pen, Dots16& out)
    {
        if (!f)
            return false;
        const FT_UInt gi = FT_Get_Char_Index(f, code);
        if (gi == 0 || FT_Load_Glyph(f, gi, FT_LOAD_RENDER | FT_LOAD_TARGET_MONO) != 0)
            return false;
        const FT_GlyphSlot g = f->glyph;
        blit(g->bitmap, pen + g->bitmap_left, kBaseline - g->bitmap_top, out);
        return true;
    }

    // Draws a character with the outline face; returns its advance (0 when missing).
    int drawOutline(Typeface tf, bool bold, char32_t ucs, int pen, Dots16& out)
    {
        FT_Face f = face(tf == Typeface::Gothic ? 6 : 7);
        if (!f)
            return 0;
        const FT_UInt gi = FT_Get_Char_Index(f, ucs);
        if (gi == 0 || FT_Load_Glyph(f, gi, FT_LOAD_TARGET_MONO | FT_LOAD_MONOCHROME) != 0)
            return 0;
        const FT_GlyphSlot g = f->glyph;
        if (bold && g->format == FT_GLYPH_FORMAT_OUTLINE)
            FT_Outline_EmboldenXY(&g->outline, 64, 0); // one pixel wider strokes
        if (FT_Render_Glyph(g, FT_RENDER_MODE_MONO) != 0)
            return 0;
        blit(g->bitmap, pen + g->bitmap_left, kBaseline - g->bitmap_top, out);
        return int(g->advance.x >> 6);
    }

    Dots16 render(QByteArrayView sjis, Typeface tf, bool bold)
    {
        Dots16 out;
        int pen = 0;
        for (qsizetype i = 0; i < sjis.size() && pen < 16;) {
            const auto lead = uchar(sjis[i]);
            const qsizetype n = sjis::isLeadByte(lead) && i + 1 < sjis.size() ? 2 : 1;
            if (n == 2) {
                const quint16 jis = jisFromShiftJis(lead, uchar(sjis[i + 1]));
                const int fi = (tf == Typeface::Gothic ? 0 : 2) + (bold ? 1 : 0);
                if (jis && drawBitmap(face(fi), jis, pen, out)) {
                    pen += 16;
                    i += 2;
                    continue;
                }
            } else if (isSingleByteChar(lead) && drawBitmap(face(bold ? 5 : 4), lead, pen, out)) {
                pen += 8;
                i += 1;
                continue;
            }
            // Not in the bitmap faces: the outline face draws the character
            // the bytes stand for.
            const QString ch = sjis::toUnicode(sjis.sliced(i, n));
            if (ch.isEmpty() || ch.startsWith(QChar::ReplacementCharacter)) {
                i += 1; // a byte that starts no character; the next starts afresh
                continue;
            }
            i += n;
            const int adv = drawOutline(tf, bold, ch.at(0).unicode(), pen, out);
            pen += adv > 0 ? adv : 8 * int(n);
        }
        return out;
    }

    ~Impl()
    {
        for (FT_Face f : faces)
            if (f)
                FT_Done_Face(f);
        if (lib)
            FT_Done_FreeType(lib);
    }
};

DotFonts::DotFonts(DotFontFiles files) : d(std::make_unique<Impl>())
{
    d->files = std::move(files);
}

DotFonts::~DotFonts() = default;

Dots16 DotFonts::draw(QByteArrayView sjis, Typeface face, bool bold)
{
    auto& cache = d->cache[size_t((face == Typeface::Gothic ? 0 : 2) + (bold ? 1 : 0))];
    const QByteArray key = sjis.toByteArray();
    const auto it = cache.constFind(key);
    if (it != cache.constEnd())
        return *it;
    const Dots16 dots = d->render(sjis, face, bold);
    if (cache.size() >= 8192)
        cache.clear(); // names are short and repeat; this only bounds hostile input
    cache.insert(key, dots);
    return dots;
}

} // namespace lumena
