#include "board/ChimeiLayout.h"

#include "reslib/Colors.h"
#include "reslib/ShiftJis.h"

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

CellStyle cellStyle(const QString& text, qint16 fontMode)
{
    static const QString turned[] = {u"（"_s, u"）"_s, u"『"_s, u"』"_s, u"〔"_s, u"〕"_s, u"「"_s,
                                     u"」"_s, u"［"_s, u"］"_s, u"＜"_s, u"＞"_s, u"｛"_s, u"｝"_s,
                                     u"〈"_s, u"〉"_s, u"《"_s, u"》"_s, u"【"_s, u"】"_s, u"～"_s,
                                     u"＝"_s, u"→"_s,  u"←"_s,  u"⇒"_s,  u"⇔"_s};
    CellStyle s;
    s.text = text;
    if (text == u"ー"_s) {
        s.text = u"丨"_s; // a vertical stroke: the long vowel mark written downwards
    } else if (text == u"申"_s || text == u"山"_s) {
        // These two sit one pixel left of centre in the Gothic face.
        if (fontMode == 0 || fontMode == 2)
            s.ox = 1;
    } else if (text == u"。"_s || text == u"、"_s) {
        // From the lower left of the cell to the upper right, as in vertical writing.
        s.ox = 10;
        s.oy = -10;
    } else {
        for (const QString& t : turned) {
            if (text == t) {
                s.turned = true;
                break;
            }
        }
    }
    return s;
}

Dots16 cellDots(GlyphSource& glyphs, QString& text, qint16 fontMode, bool fontBold)
{
    if (text.isEmpty())
        return {};
    const CellStyle s = cellStyle(text, fontMode);
    text = s.text;
    const QByteArray code = sjis::fromUnicode(s.text);
    Dots16 d = glyphs.draw(s.text, typefaceFor(fontMode, code), fontBold).shifted(s.ox, s.oy);
    return s.turned ? d.transposed() : d;
}

DotStrip::DotStrip()
{
    m_image = QImage(kStripWidth, kStripHeight, QImage::Format_Indexed8);
    m_image.setColorTable({rgbFromBgr(0x00808080), rgbFromBgr(0x0000BEFF)});
    m_foreRef = 0x0000BEFF;
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
    // Cells beyond the last byte are empty and draw nothing; stop there.
    for (qint32 i = 1; 2 * i - 1 <= bytes && i <= kMaxCells; ++i) {
        QString cell = sjis::toUnicode(
            QByteArrayView(sjisText).sliced(2 * i - 2, std::min(2, bytes - (2 * i - 2))));
        strip.plot(kCellX, l.y0 + (i - 1) * l.pitch, cellDots(glyphs, cell, fontMode, fontBold));
    }
    return l;
}

} // namespace lumena
