#pragma once
// The stop-name element sees characters only as 16 x 16 dot patterns: what a
// 16-pixel work area with white paper and black ink would show after the cell
// was drawn at its top-left corner. A cell travels as the code page 932
// (Shift-JIS) bytes the name was encoded to, so it is encoded once per name.
// Where the patterns come from (bitmap faces, an outline font) is the
// business of a GlyphSource.

#include <QByteArrayView>
#include <array>
#include <cstdint>

namespace lumena {

// A 16 x 16 one-bit pattern; bit (15 - x) of row y is the dot at (x, y).
struct Dots16 {
    std::array<quint16, 16> rows{};

    bool at(int x, int y) const { return (rows[size_t(y)] >> (15 - x)) & 1u; }
    void set(int x, int y) { rows[size_t(y)] |= quint16(1u << (15 - x)); }
    bool isEmpty() const
    {
        for (quint16 r : rows)
            if (r)
                return false;
        return true;
    }
    int count() const;
    // The pattern drawn `dx` dots to the right and `dy` dots down, clipped.
    Dots16 shifted(int dx, int dy) const;
    // Mirrored about the main diagonal: dot (x, y) moves to (y, x).
    Dots16 transposed() const;
    bool operator==(const Dots16&) const = default;
};

// The two typefaces of the element: a Gothic (sans) and a Mincho (serif) face.
enum class Typeface { Gothic, Mincho };

class GlyphSource {
public:
    virtual ~GlyphSource() = default;
    // The cell `sjis` (one full-width character or up to two half-width ones;
    // more is clipped) drawn with its top-left at (0, 0) of an empty 16 x 16
    // area. A character no face has leaves its place blank; a byte that starts
    // no character of the code page takes no place.
    virtual Dots16 draw(QByteArrayView sjis, Typeface face, bool bold) = 0;
};

} // namespace lumena
