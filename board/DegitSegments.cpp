#include "board/DegitSegments.h"

namespace lumena {

namespace {

enum : std::uint8_t {
    A = 1 << 0,
    B = 1 << 1,
    C = 1 << 2,
    D = 1 << 3,
    E = 1 << 4,
    F = 1 << 5,
    G = 1 << 6,
};

// The outlines are designed in the pixel grid of the smallest common cell,
// 13 x 20 (class 0), then scaled to the unit cell.
constexpr double kDesignCellWidth = 13.0;
constexpr double kDesignCellHeight = 20.0;

struct StyleDesign {
    double left, top; // glyph box origin in the design cell
    double width, height;
    double thickness; // segment thickness
    double gap;       // clearance between neighbouring segments
    double slant;     // horizontal shift of the glyph's top against its bottom
    bool mitred;      // outer segments run to the glyph's edge with 45 degree joints
};

StyleDesign designOf(DegitCellStyle style)
{
    switch (style) {
    case DegitCellStyle::Slanted:
        return {1.0, 1.0, 9.4, 18.0, 2.2, 0.4, 1.6, false};
    case DegitCellStyle::Mitred:
        return {1.5, 1.0, 10.0, 18.0, 2.6, 0.3, 0.0, true};
    case DegitCellStyle::Upright:
        break;
    }
    return {1.5, 1.0, 10.0, 18.0, 2.3, 0.4, 0.0, false};
}

// Horizontal segment on the line y = yc from x = x1 to x2, pointed at both ends.
SegmentOutline hexH(double x1, double x2, double yc, double h)
{
    return {{x1, yc}, {x1 + h, yc - h}, {x2 - h, yc - h},
            {x2, yc}, {x2 - h, yc + h}, {x1 + h, yc + h}};
}

// Vertical segment on the line x = xc from y = y1 to y2, pointed at both ends.
SegmentOutline hexV(double xc, double y1, double y2, double h)
{
    return {{xc, y1}, {xc + h, y1 + h}, {xc + h, y2 - h},
            {xc, y2}, {xc - h, y2 - h}, {xc - h, y1 + h}};
}

std::array<SegmentOutline, 7> pointedSegments(double w, double ht, double t, double g)
{
    const double h = t / 2;
    const double l = h, r = w - h, top = h, mid = ht / 2, bot = ht - h;
    return {
        hexH(l + g, r - g, top, h),   // a
        hexV(r, top + g, mid - g, h), // b
        hexV(r, mid + g, bot - g, h), // c
        hexH(l + g, r - g, bot, h),   // d
        hexV(l, mid + g, bot - g, h), // e
        hexV(l, top + g, mid - g, h), // f
        hexH(l + g, r - g, mid, h),   // g
    };
}

// Outer segments fill the glyph's corners and meet at 45 degree joints, like
// the lamp boxes of older boards; the middle segment is pointed.
std::array<SegmentOutline, 7> mitredSegments(double w, double ht, double t, double g)
{
    const double h = t / 2, mid = ht / 2;
    const SegmentOutline a = {{g, 0}, {w - g, 0}, {w - t - g, t}, {t + g, t}};
    const SegmentOutline d = {{t + g, ht - t}, {w - t - g, ht - t}, {w - g, ht}, {g, ht}};
    const SegmentOutline f = {{0, g}, {t, t + g}, {t, mid - h - g}, {h, mid - g}, {0, mid - h - g}};
    const SegmentOutline e = {
        {0, mid + h + g}, {h, mid + g}, {t, mid + h + g}, {t, ht - t - g}, {0, ht - g}};
    auto mirrorX = [w](SegmentOutline s) {
        for (QPointF& p : s)
            p.setX(w - p.x());
        return s;
    };
    return {a, mirrorX(f), mirrorX(e), d, e, f, hexH(h + g, w - h - g, mid, h)};
}

} // namespace

const DegitSizeClass& degitSizeClass(int degitSize)
{
    static const DegitSizeClass classes[] = {
        {18, 195, 300},
        {24, 255, 390},
        {27, 285, 435},
        {14, 165, 225},
    };
    return (degitSize >= 1 && degitSize <= 3) ? classes[degitSize] : classes[0];
}

std::uint8_t degitSegmentMask(char16_t c)
{
    switch (c) {
    case u'0':
        return A | B | C | D | E | F;
    case u'1':
        return B | C;
    case u'2':
        return A | B | D | E | G;
    case u'3':
        return A | B | C | D | G;
    case u'4':
        return B | C | F | G;
    case u'5':
        return A | C | D | F | G;
    case u'6':
        return A | C | D | E | F | G;
    case u'7':
        return A | B | C;
    case u'8':
        return kAllSegments;
    case u'9':
        return A | B | C | D | F | G;
    case u'-':
        return G;
    case u'_':
        return D;
    case u'=':
        return D | G;
    case u'A':
    case u'a':
        return A | B | C | E | F | G;
    case u'B':
    case u'b':
        return C | D | E | F | G;
    case u'C':
        return A | D | E | F;
    case u'c':
        return D | E | G;
    case u'D':
    case u'd':
        return B | C | D | E | G;
    case u'E':
    case u'e':
        return A | D | E | F | G;
    case u'F':
    case u'f':
        return A | E | F | G;
    case u'H':
        return B | C | E | F | G;
    case u'h':
        return C | E | F | G;
    case u'J':
    case u'j':
        return B | C | D | E;
    case u'L':
    case u'l':
        return D | E | F;
    case u'N':
    case u'n':
        return C | E | G;
    case u'O':
    case u'o':
        return C | D | E | G;
    case u'P':
    case u'p':
        return A | B | E | F | G;
    case u'R':
    case u'r':
        return E | G;
    case u'T':
    case u't':
        return D | E | F | G;
    case u'U':
        return B | C | D | E | F;
    case u'u':
        return C | D | E;
    case u'Y':
    case u'y':
        return B | C | D | F | G;
    default:
        return 0;
    }
}

DegitCellStyle degitCellStyle(int degitStyle)
{
    switch (degitStyle) {
    case 1:
        return DegitCellStyle::Slanted;
    case 2:
        return DegitCellStyle::Mitred;
    default:
        return DegitCellStyle::Upright;
    }
}

std::array<SegmentOutline, 7> degitSegmentOutlines(DegitCellStyle style, bool bold)
{
    const StyleDesign s = designOf(style);
    const double t = bold ? s.thickness : s.thickness * 0.75;
    auto segments = s.mitred ? mitredSegments(s.width, s.height, t, s.gap)
                             : pointedSegments(s.width, s.height, t, s.gap);
    for (SegmentOutline& outline : segments) {
        for (QPointF& p : outline) {
            const double slantShift = s.slant * (1.0 - p.y() / s.height);
            p = {(s.left + p.x() + slantShift) / kDesignCellWidth,
                 (s.top + p.y()) / kDesignCellHeight};
        }
    }
    return segments;
}

} // namespace lumena
