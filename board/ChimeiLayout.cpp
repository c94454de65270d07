#include "board/ChimeiLayout.h"

#include "board/ChimeiProps.h"
#include "reslib/Colors.h"
#include "reslib/ShiftJis.h"

#include <algorithm>
#include <array>
#include <vector>

using namespace Qt::StringLiterals;

namespace lumena {

NameLayout nameLayout(qint32 bytes, qint16 mode)
{
    NameLayout l;
    l.cells = bytes > 0 ? bytes / 2 : 0;
    switch (l.cells) {
    case 0:
        break;
    case 1:
        l.y0 = 80;
        break;
    case 2:
        l.y0 = mode == 2 ? 48 : 32;
        l.pitch = mode == 2 ? 64 : 96;
        break;
    case 3:
        l.y0 = 16;
        l.pitch = 64;
        break;
    case 4:
        l.y0 = 8;
        l.pitch = 48;
        break;
    case 5:
        l.y0 = 4;
        l.pitch = 38;
        break;
    case 6:
        l.pitch = kCellPitch;
        break;
    default:
        l.pitch = kCellPitch;
        l.stripHeight = kCellPitch * qMin(l.cells, kMaxCells);
        l.scrolls = true;
        break;
    }
    return l;
}

namespace {

// The first character's code: lead byte * 256 + trail byte, or the single byte.
int firstCode(QByteArrayView s)
{
    if (s.isEmpty())
        return -1;
    const auto b0 = uchar(s[0]);
    if (sjis::isLeadByte(b0) && s.size() >= 2)
        return (b0 << 8) | uchar(s[1]);
    return b0;
}

} // namespace

bool isKanjiClass(QByteArrayView sjisCell)
{
    const int code = firstCode(sjisCell);
    if (code < 0)
        return false;
    // Compared as signed 16-bit numbers: 0x889F..0xFFFF are the negative
    // numbers from -30561 up, and single bytes are positive, hence above them.
    return qint16(quint16(code)) >= qint16(quint16(0x889F));
}

bool isAlnumClass(QByteArrayView sjisCell)
{
    const int code = firstCode(sjisCell);
    return code >= 0x824F && code <= 0x829A;
}

Typeface typefaceFor(qint16 fontMode, QByteArrayView sjisCell)
{
    switch (fontMode) {
    case 1:
        return Typeface::Mincho;
    case 2:
        return isKanjiClass(sjisCell) ? Typeface::Gothic : Typeface::Mincho;
    case 3:
        return isKanjiClass(sjisCell) ? Typeface::Mincho : Typeface::Gothic;
    case 4:
        return isAlnumClass(sjisCell) ? Typeface::Gothic : Typeface::Mincho;
    default:
        return Typeface::Gothic;
    }
}

namespace {

// The cells drawn otherwise in vertical writing, as code page 932 bytes.
struct VerticalForms {
    QByteArray longVowel = sjis::fromUnicode(u"ー");
    QByteArray verticalStroke = sjis::fromUnicode(u"丨"); // drawn for the long vowel mark
    // These two sit one pixel left of centre in the Gothic face.
    std::array<QByteArray, 2> offCentre{sjis::fromUnicode(u"申"), sjis::fromUnicode(u"山")};
    // Drawn in the upper right of the cell, as in vertical writing.
    std::array<QByteArray, 2> marks{sjis::fromUnicode(u"。"), sjis::fromUnicode(u"、")};
    // Brackets and arrows, stood upright by mirroring about the diagonal.
    std::vector<QByteArray> turned;

    VerticalForms()
    {
        for (QChar c : u"（）『』〔〕「」［］＜＞｛｝〈〉《》【】～＝→←⇒⇔"_s)
            turned.push_back(sjis::fromUnicode(QStringView(&c, 1)));
    }
};

const VerticalForms& verticalForms()
{
    static const VerticalForms forms;
    return forms;
}

template <typename List> bool isOneOf(QByteArrayView cell, const List& list)
{
    return std::any_of(list.begin(), list.end(), [&](const QByteArray& b) { return cell == b; });
}

} // namespace

CellStyle cellStyle(QByteArrayView sjisCell, qint16 fontMode)
{
    const VerticalForms& v = verticalForms();
    CellStyle s;
    s.cell = sjisCell;
    if (sjisCell == v.longVowel) {
        s.cell = v.verticalStroke;
    } else if (isOneOf(sjisCell, v.offCentre)) {
        if (fontMode == 0 || fontMode == 2) // kanji in the Gothic face
            s.ox = 1;
    } else if (isOneOf(sjisCell, v.marks)) {
        s.ox = 10;
        s.oy = -10;
    } else {
        s.turned = isOneOf(sjisCell, v.turned);
    }
    return s;
}

Dots16 cellDots(GlyphSource& glyphs, QByteArrayView sjisCell, qint16 fontMode, bool fontBold)
{
    if (sjisCell.isEmpty())
        return {};
    const CellStyle s = cellStyle(sjisCell, fontMode);
    Dots16 d = glyphs.draw(s.cell, typefaceFor(fontMode, s.cell), fontBold).shifted(s.ox, s.oy);
    return s.turned ? d.transposed() : d;
}

DotStrip::DotStrip()
{
    m_image = QImage(kStripWidth, kStripHeight, QImage::Format_Indexed8);
    m_image.setColorTable({rgbFromBgr(ChimeiDefaultBackColor), rgbFromBgr(ChimeiDefaultForeColor)});
    m_foreRef = ChimeiDefaultForeColor;
    m_image.fill(0);
}

void DotStrip::setHeight(int height)
{
    height = qMax(1, height);
    if (height != m_image.height()) {
        const QList<QRgb> table = m_image.colorTable();
        m_image = QImage(kStripWidth, height, QImage::Format_Indexed8);
        m_image.setColorTable(table);
    }
    m_image.fill(0);
}

void DotStrip::clear()
{
    m_image.fill(0);
}

void DotStrip::setBackColor(quint32 colorRef)
{
    m_image.setColor(0, rgbFromBgr(colorRef));
}

void DotStrip::setForeColor(quint32 colorRef)
{
    if (colorRef == m_foreRef)
        return;
    m_foreRef = colorRef;
    const QRgb rgb = rgbFromBgr(colorRef);
    // Reuse an entry that no dot uses any more, else add one; a full palette
    // (255 colours on one strip) gives the newest colour to the oldest entry.
    QList<QRgb> table = m_image.colorTable();
    std::vector<bool> used(size_t(table.size()), false);
    for (int y = 0; y < m_image.height(); ++y) {
        const uchar* line = m_image.constScanLine(y);
        for (int x = 0; x < kStripWidth; ++x)
            used[line[x]] = true;
    }
    int entry = -1;
    for (int i = 1; i < table.size() && entry < 0; ++i)
        if (!used[size_t(i)])
            entry = i;
    if (entry < 0 && table.size() < 256) {
        table.append(rgb);
        m_image.setColorTable(table);
        entry = int(table.size()) - 1;
    }
    if (entry < 0)
        entry = m_fore == 255 ? 1 : m_fore + 1;
    m_image.setColor(entry, rgb);
    m_fore = uchar(entry);
}

void DotStrip::plot(qint32 x, qint32 y, const Dots16& dots)
{
    for (int dy = 0; dy < 16; ++dy) {
        const quint16 row = dots.rows[size_t(dy)];
        if (!row)
            continue;
        const qint64 py = qint64(y) + 2 * dy;
        if (py < 0 || py >= m_image.height())
            continue;
        uchar* line = m_image.scanLine(int(py));
        for (int dx = 0; dx < 16; ++dx) {
            const qint64 px = qint64(x) + 2 * dx;
            if ((row >> (15 - dx)) & 1u && px >= 0 && px < kStripWidth)
                line[px] = m_fore;
        }
    }
}

bool DotStrip::isLit(int x, int y) const
{
    return x >= 0 && y >= 0 && x < kStripWidth && y < m_image.height() &&
           m_image.constScanLine(y)[x] != 0;
}

NameLayout drawName(DotStrip& strip, GlyphSource& glyphs, const QString& text, qint16 mode,
                    qint16 fontMode, bool fontBold)
{
    // Every character is at least one byte, so this keeps all cells that fit.
    const QString kept = text.size() > 2 * kMaxCells ? text.left(2 * kMaxCells) : text;
    const QByteArray sjisText = sjis::fromUnicode(kept);
    const auto bytes = qint32(sjisText.size());
    const NameLayout l = nameLayout(bytes, mode);
    strip.setHeight(l.stripHeight);
    qint32 charStart = 0; // the first character boundary at or after the cell
    // Cells beyond the last byte are empty and draw nothing; stop there.
    for (qint32 i = 1; 2 * i - 1 <= bytes && i <= kMaxCells; ++i) {
        const qint32 start = 2 * i - 2;
        QByteArrayView cell = QByteArrayView(sjisText).sliced(start, std::min(2, bytes - start));
        while (charStart < start)
            charStart += sjis::isLeadByte(uchar(sjisText[charStart])) ? 2 : 1;
        QByteArray reread;
        if (charStart != start && sjis::isLeadByte(uchar(cell[0]))) {
            reread = sjis::fromUnicode(sjis::toUnicode(cell).remove(QChar::ReplacementCharacter));
            cell = reread;
        }
        strip.plot(kCellX, l.y0 + (i - 1) * l.pitch, cellDots(glyphs, cell, fontMode, fontBold));
    }
    return l;
}

} // namespace lumena
