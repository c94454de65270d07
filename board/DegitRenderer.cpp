#include "board/DegitRenderer.h"

#include <QPainter>
#include <QPolygonF>
#include <cmath>

namespace lumena {

namespace {

QImage paintCell(const DegitLook& look, std::uint8_t mask, QRgb color)
{
    const DegitSizeClass& cls = degitSizeClass(look.sizeClass);
    const int w = static_cast<int>(std::ceil(cls.cellWidth() * look.dpr));
    const int h = static_cast<int>(std::ceil(cls.height() * look.dpr));
    QImage cell(w, h, QImage::Format_ARGB32_Premultiplied);
    cell.fill(Qt::transparent);
    if (mask == 0)
        return cell;
    QPainter p(&cell);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor::fromRgb(color));
    const auto outlines = degitSegmentOutlines(degitCellStyle(look.style), look.bold);
    const double sx = cls.cellWidth() * look.dpr, sy = cls.height() * look.dpr;
    for (int s = 0; s < 7; ++s) {
        if (!(mask & (1u << s)))
            continue;
        QPolygonF poly;
        poly.reserve(static_cast<qsizetype>(outlines[s].size()));
        for (const QPointF& pt : outlines[s])
            poly << QPointF(pt.x() * sx, pt.y() * sy);
        p.drawPolygon(poly);
    }
    return cell;
}

} // namespace

QRgb degitColor(quint32 bgr)
{
    return qRgb(bgr & 0xff, (bgr >> 8) & 0xff, (bgr >> 16) & 0xff);
}

int DegitRenderer::cellAdvance(const DegitLook& look)
{
    return degitSizeClass(look.sizeClass).cellWidth() + look.charExtra;
}

void DegitRenderer::prepare(const DegitLook& look)
{
    if (m_prepared && m_look == look)
        return;
    m_look = look;
    m_prepared = true;
    m_litGlyphs.clear();
    m_unlit = paintCell(look, kAllSegments, degitColor(look.baseColor));
}

const QImage& DegitRenderer::litGlyph(char16_t c)
{
    auto it = m_litGlyphs.find(c);
    if (it == m_litGlyphs.end())
        it = m_litGlyphs.insert(
            c, paintCell(m_look, degitSegmentMask(c), degitColor(m_look.litColor)));
    return *it;
}

void DegitRenderer::render(QImage& target, QSize size, const DegitLook& look, int keta,
                           const QString& lit)
{
    prepare(look);
    const QSize device(static_cast<int>(std::ceil(size.width() * look.dpr)),
                       static_cast<int>(std::ceil(size.height() * look.dpr)));
    if (target.size() != device || target.format() != QImage::Format_ARGB32_Premultiplied)
        target = QImage(device, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(1.0);
    target.fill(degitColor(look.backColor));
    if (device.isEmpty())
        return;

    const int advance = cellAdvance(look);
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    auto blit = [&](int xLogical, const QImage& cell) {
        const int x = static_cast<int>(std::lround(xLogical * look.dpr));
        if (x < device.width() && x + cell.width() > 0)
            p.drawImage(QPoint(x, 0), cell);
    };
    // Unlit pass from the left edge; cells beyond the image are not drawn.
    const int unlitCells = std::min(keta, size.width() / std::max(1, advance) + 1);
    for (int k = 0; k < unlitCells; ++k)
        blit(k * advance, m_unlit);
    // Lit pass right-aligned to the image's own width, as the element's width
    // may differ from its cell count when a host has given it another extent.
    const int textWidth = static_cast<int>(lit.size()) * advance;
    const int left = size.width() - textWidth;
    for (qsizetype j = 0; j < lit.size(); ++j) {
        const int x = left + static_cast<int>(j) * advance;
        if (x + advance <= 0)
            continue;
        if (degitSegmentMask(lit[j].unicode()) != 0)
            blit(x, litGlyph(lit[j].unicode()));
    }
    p.end();
    target.setDevicePixelRatio(look.dpr);
}

} // namespace lumena
