#pragma once
// Paints a digit element's image: every cell an unlit "8" in the base colour
// from the left edge, the lit text right-aligned to the image's width over it,
// on the back colour. Cell images are made once per look and shared by every
// renderer drawing that look (the board's fifty elements look alike), so a
// redraw is a fill and a few small blits. At a board scale above 1 the cells
// are made at 1x and each pixel repeated as a block, so the image is exactly
// the 1x image enlarged.

#include "board/DegitSegments.h"

#include <QHash>
#include <QImage>
#include <QString>
#include <memory>

namespace lumena {

struct DegitLook {
    int style = 0;     // DegitStyle as stored
    int sizeClass = 0; // DegitSize as stored
    quint32 baseColor = 0x00969696;
    quint32 litColor = 0x0072D2F8;
    quint32 backColor = 0x00808080;
    bool bold = true;
    int charExtra = 0; // pixels after every character
    qreal dpr = 1.0;
    int scale = 1; // board scale: every pixel of the 1x image shown as a scale x scale block
    bool operator==(const DegitLook&) const = default;
};

class DegitRenderer {
public:
    // Makes `target` an image of `size` (logical pixels of the element's own
    // 1x grid, at look.dpr, then look.scale times as large) showing `keta`
    // unlit cells and `lit` right-aligned. `target` is reused when its size
    // and format already fit.
    void render(QImage& target, QSize size, const DegitLook& look, int keta, const QString& lit);

    // Advance of one cell in logical pixels (cell width plus the extra space).
    static int cellAdvance(const DegitLook& look);

    struct Cells {
        DegitLook look;
        QImage unlit;                // all segments in the base colour
        QHash<char16_t, QImage> lit; // lit segments only, transparent elsewhere
    };

private:
    const QImage& litGlyph(char16_t c);
    void prepare(const DegitLook& look);

    std::shared_ptr<Cells> m_cells;
};

} // namespace lumena
