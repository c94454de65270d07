#pragma once
// GlyphSource backed by the 16-dot bitmap faces of xfonts-shinonome (read with
// FreeType: the display server's font path is not involved), with IPA Gothic /
// IPA Mincho rendered at 16 pixels without antialiasing for characters the
// bitmap faces lack. The bitmap faces are indexed by the cell's own bytes (JIS
// code and JIS X 0201 byte); only a character they lack is read as text, for
// the outline face. Patterns are cached per cell; the faces are opened on
// first use. Missing font files are not an error: their characters stay blank.

#include "board/GlyphSource.h"

#include <QHash>
#include <memory>

namespace lumena {

struct DotFontFiles {
    QString kanjiGothic, kanjiGothicBold, kanjiMincho, kanjiMinchoBold; // JIS X 0208, 16 x 16
    QString halfWidth, halfWidthBold;                                   // JIS X 0201, 8 x 16
    QString outlineGothic, outlineMincho;                               // Unicode outline fonts
    // The Debian locations (xfonts-shinonome, fonts-ipafont-gothic/-mincho).
    static DotFontFiles system();
};

class DotFonts final : public GlyphSource {
public:
    explicit DotFonts(DotFontFiles files = DotFontFiles::system());
    ~DotFonts() override;
    DotFonts(const DotFonts&) = delete;
    DotFonts& operator=(const DotFonts&) = delete;

    Dots16 draw(QByteArrayView sjis, Typeface face, bool bold) override;

    // JIS X 0208 code (row and cell plus 0x20 each, e.g. 0x3158) of a double-byte
    // Shift-JIS character; 0 when the bytes lie outside the double-byte ranges.
    static quint16 jisFromShiftJis(unsigned char lead, unsigned char trail);

private:
    struct Impl;
    std::unique_ptr<Impl> d;
};

} // namespace lumena
