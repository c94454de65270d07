#include "board/PanelImage.h"

#include "board/BoardLayout.h"
#include "board/BoardScale.h"
#include "board/SeirikenNum.h"

#include <QFont>
#include <QPainter>
#include <QPainterPath>

namespace lumena::panel_image {

namespace {

QFont gothic(int pixelSize, bool bold)
{
    QFont f(boardFontFamily(QStringLiteral("ＭＳ ゴシック")));
    f.setPixelSize(pixelSize);
    f.setBold(bold);
    return f;
}

// One unlit seven-segment cell in the w x h box at `origin` (the look of a
// fare element's "8" in its base colour, so the picture reads right even
// where no element is drawn over it).
void drawUnlitEight(QPainter& p, QPoint origin, int w, int h)
{
    const int t = 2; // stroke
    const int l = origin.x() + 2, r = origin.x() + w - 3;
    const int top = origin.y() + 2, mid = origin.y() + h / 2 - 1, bot = origin.y() + h - 4;
    p.fillRect(QRect(l + 1, top, r - l - 1, t), QColor::fromRgb(UnlitColor));
    p.fillRect(QRect(l + 1, mid, r - l - 1, t), QColor::fromRgb(UnlitColor));
    p.fillRect(QRect(l + 1, bot, r - l - 1, t), QColor::fromRgb(UnlitColor));
    p.fillRect(QRect(l, top + 1, t, mid - top), QColor::fromRgb(UnlitColor));
    p.fillRect(QRect(r - 1, top + 1, t, mid - top), QColor::fromRgb(UnlitColor));
    p.fillRect(QRect(l, mid + 1, t, bot - mid), QColor::fromRgb(UnlitColor));
    p.fillRect(QRect(r - 1, mid + 1, t, bot - mid), QColor::fromRgb(UnlitColor));
}

void drawCell(QPainter& p, int i)
{
    const QRect band = layout::seiriNumRect(i);
    const QRect field = layout::degitRect(i);
    const QRect frame = band.united(field).adjusted(-1, -1, 1, 1);
    p.fillRect(frame, QColor::fromRgb(CellFrameColor));
    p.fillRect(field, QColor::fromRgb(FieldColor));
    p.fillRect(band, QColor::fromRgb(BandColor));
    // Four cells of 195 twips each, right-aligned like the element's digits.
    const int cellWidth = twipsToPixels(195);
    for (int k = 0; k < 4; ++k)
        drawUnlitEight(p, QPoint(field.left() + k * cellWidth, field.top()), cellWidth,
                       field.height());
}

void drawStrip(QPainter& p)
{
    const QRect strip = layout::chimeiRect();
    p.fillRect(strip, QColor::fromRgb(FieldColor));
    // The dot matrix: 16 dots across at a 2-pixel pitch from x = 2.
    const QColor dot(0x72, 0x72, 0x72);
    for (int y = strip.top() + 1; y < strip.bottom(); y += 2) {
        for (int dx = 0; dx < 16; ++dx)
            p.fillRect(QRect(strip.left() + 2 + 2 * dx, y, 1, 1), dot);
    }
}

} // namespace

QImage builtInPanelImage(int scale)
{
    scale = clampBoardScale(scale);
    QImage img(layout::BoardSize * scale, QImage::Format_RGB32);
    img.fill(SurroundColor);
    QPainter p(&img);
    if (scale > 1)
        p.scale(scale, scale); // everything below is in the 1x grid

    QPainterPath board;
    board.addRoundedRect(QRectF(BoardRect), BoardRadius, BoardRadius);
    p.setRenderHint(QPainter::Antialiasing, true);
    p.fillPath(board, QColor::fromRgb(BoardColor));
    p.setRenderHint(QPainter::Antialiasing, false);

    drawStrip(p);
    for (int i = 1; i <= layout::CellCount; ++i)
        drawCell(p, i);

    p.setPen(Qt::white);
    p.setFont(gothic(12, true));
    p.drawText(UnchinWaRect, Qt::AlignCenter, QStringLiteral("運賃は"));
    p.drawText(MadeRect, Qt::AlignCenter, QStringLiteral("まで"));

    p.setRenderHint(QPainter::Antialiasing, true);
    p.setPen(QPen(Qt::white, 1));
    p.drawRoundedRect(QRectF(TagRect).adjusted(0.5, 0.5, -0.5, -0.5), 3, 3);
    p.setFont(gothic(11, true));
    p.drawText(TagRect, Qt::AlignCenter, QStringLiteral("整理券"));

    p.setPen(QColor::fromRgb(NoticeColor));
    p.setFont(gothic(12, true));
    p.drawText(NoticeRect, Qt::AlignCenter,
               QStringLiteral("小児の運賃は大人の半額です（10円未満の端数は10円に切り上げます）"));
    p.end();
    return img;
}

} // namespace lumena::panel_image
