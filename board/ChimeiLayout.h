#pragma once
// The rules of the stop-name strip, free of widgets: where the cells of a name
// go, which typeface a cell takes, which characters are substituted, shifted
// or turned for vertical writing, and the strip the dots are drawn on.
//
// Geometry: a cell is 16 x 16 dots; dot (dx, dy) of a cell at (X, Y) is the
// single strip pixel (X + 2 dx, Y + 2 dy), so a cell covers 32 x 32 pixels.

#include "board/GlyphSource.h"

#include <QByteArrayView>
#include <QImage>
#include <QString>

namespace lumena {

constexpr int kStripWidth = 37;
constexpr int kStripHeight = 192; // of a name of up to six cells
constexpr int kCellX = 2;         // left edge of every cell on the strip
constexpr int kCellPitch = 32;    // pixels per cell on a scrolling strip
// A scrolling strip holds at most this many cells (32768 pixels); the rest of
// an absurdly long text is not drawn, which keeps memory and time bounded.
constexpr int kMaxCells = 1024;

// Placement of a name of `bytes` Shift-JIS bytes (cells = bytes / 2).
struct NameLayout {
    int cells = 0;
    int y0 = 0;    // top of the first cell
    int pitch = 0; // distance between the tops of successive cells
    int stripHeight = kStripHeight;
    bool scrolls = false; // seven cells or more
};
NameLayout nameLayout(qint32 bytes, qint16 mode);

// Kanji class: the first character's code, as a signed 16-bit number, is at
// least 0x889F -- every double-byte code from 0x889F up and every single-byte
// character. Alphanumeric class: 0x824F to 0x829A (full-width digits and
// Latin letters). `sjisCell` is the cell's Shift-JIS form.
bool isKanjiClass(QByteArrayView sjisCell);
bool isAlnumClass(QByteArrayView sjisCell);

// Typeface of a cell under FontMode 0..4 (other values act as 0).
Typeface typefaceFor(qint16 fontMode, QByteArrayView sjisCell);

// How a cell is drawn: `cell` after substitution (丨 for ー), its offset in
// work-area pixels, and whether the pattern is mirrored about its diagonal.
// `cell` views either the cell passed in or a constant of the program.
struct CellStyle {
    QByteArrayView cell;
    int ox = 0, oy = 0;
    bool turned = false;
};
CellStyle cellStyle(QByteArrayView sjisCell, qint16 fontMode);

// The dots a cell lights, in cell coordinates after turning: what DrawDot16
// sets at (X + 2 x, Y + 2 y).
Dots16 cellDots(GlyphSource& glyphs, QByteArrayView sjisCell, qint16 fontMode, bool fontBold);

// The drawing surface of the element: 37 pixels wide, keeping what is drawn on
// it until cleared. Pixels hold palette indices: 0 is the background, so a new
// BackColor recolours the strip without losing its dots, and each ForeColor in
// use has its own entry, so dots keep the colour they were drawn in.
class DotStrip {
public:
    DotStrip();

    int height() const { return m_image.height(); }
    // Resizes and clears the strip.
    void setHeight(int height);
    // Every pixel back to the background.
    void clear();
    void setBackColor(quint32 colorRef);
    void setForeColor(quint32 colorRef);

    // Lights the cell's dots at (X + 2 x, Y + 2 y) in the current ForeColor;
    // dots outside the strip are dropped.
    void plot(qint32 x, qint32 y, const Dots16& dots);

    bool isLit(int x, int y) const;
    // The strip as an Indexed8 image (colour table = back, then fore colours).
    const QImage& image() const { return m_image; }

private:
    QImage m_image;
    uchar m_fore = 1;
    quint32 m_foreRef = 0;
};

// Draws a name the way the element does: the name is encoded in Shift-JIS
// once, the cell count is its byte length over two, and each cell is the
// next two bytes. The strip is resized (cleared) first. A final odd byte forms
// one more cell at y0 + cells * pitch. Only the first kMaxCells cells of a
// longer text are drawn.
//
// After a single-byte character the cells straddle characters. A cell that
// pairs the second byte of a double-byte character with the next character's
// first byte may form a code that the code page writes otherwise, or not at
// all; such a cell is drawn as the code page reads it: the characters it
// reads there (none for a byte it cannot read), written as it writes them.
NameLayout drawName(DotStrip& strip, GlyphSource& glyphs, const QString& text, qint16 mode,
                    qint16 fontMode, bool fontBold);

} // namespace lumena
