#include "board/DegitRenderer.h"

#include "board/BoardScale.h"
#include "reslib/Colors.h"

#include <QPainter>
#include <QPolygonF>
#include <algorithm>
#include <cmath>
#include <vector>

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
        return pixelScaled(cell, look.scale);
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
    p.end();
    return pixelScaled(cell, look.scale);
}

// The cells of the looks drawn last, most recent first. A handful covers the
// board, the clock and a dialog's sample; older looks are made again if needed.
constexpr std::size_t kSharedLooks = 8;
std::vector<std::shared_ptr<DegitRenderer::Cells>>& sharedCells()
{
    static std::vector<std::shared_ptr<DegitRenderer::Cells>> cells;
    return cells;
}

} // namespace

int DegitRenderer::cellAdvance(const DegitLook& look)
{
    return degitSizeClass(look.sizeClass).cellWidth() + look.charExtra;
}

void DegitRenderer::prepare(const DegitLook& look)
{
    if (m_cells && m_cells->look == look)
        return;
    auto& shared = sharedCells();
    const auto it =
        std::find_if(shared.begin(), shared.end(), [&](const auto& c) { return c->look == look; });
    if (it != shared.end()) {
        m_cells = *it;
        std::rotate(shared.begin(), it, it + 1);
        return;
    }
    m_cells = std::make_shared<Cells>();
    m_cells->look = look;
    m_cells->unlit = paintCell(look, kAllSegments, rgbFromBgr(look.baseColor));
    shared.insert(shared.begin(), m_cells);
    if (shared.size() > kSharedLooks)
        shared.pop_back();
}

const QImage& DegitRenderer::litGlyph(char16_t c)
{
    auto it = m_cells->lit.find(c);
    if (it == m_cells->lit.end())
        it = m_cells->lit.insert(
            c, paintCell(m_cells->look, degitSegmentMask(c), rgbFromBgr(m_cells->look.litColor)));
    return *it;
}

void DegitRenderer::render(QImage& target, QSize size, const DegitLook& look, int keta,
                           const QString& lit)
{
    prepare(look);
    const int scale = std::max(1, look.scale);
    const QSize device(static_cast<int>(std::ceil(size.width() * look.dpr)) * scale,
                       static_cast<int>(std::ceil(size.height() * look.dpr)) * scale);
    if (target.size() != device || target.format() != QImage::Format_ARGB32_Premultiplied)
        target = QImage(device, QImage::Format_ARGB32_Premultiplied);
    target.setDevicePixelRatio(1.0);
    target.fill(rgbFromBgr(look.backColor));
    if (device.isEmpty())
        return;

    const int advance = cellAdvance(look);
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_SourceOver);
    auto blit = [&](int xLogical, const QImage& cell) {
        const int x = static_cast<int>(std::lround(xLogical * look.dpr)) * scale;
        if (x < device.width() && x + cell.width() > 0)
            p.drawImage(QPoint(x, 0), cell);
    };
    // Unlit pass from the left edge; cells beyond the image are not drawn.
    const int unlitCells = std::min(keta, size.width() / std::max(1, advance) + 1);
    for (int k = 0; k < unlitCells; ++k)
        blit(k * advance, m_cells->unlit);
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
