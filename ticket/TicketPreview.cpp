#include "ticket/TicketPreview.h"

#include "reslib/Units.h"

#include <algorithm>

namespace lumena {

PreviewToggleState previewToggleState(bool open)
{
    if (open)
        return {PanelPreviewWidthTwips, QStringLiteral("<<"),
                QStringLiteral("整理券プレビューを隠します")};
    return {PanelNormalWidthTwips, QStringLiteral(">>"),
            QStringLiteral("整理券プレビューを開きます")};
}

QSize previewPixels(int widthTwips, int heightTwips)
{
    return {std::max(1, lumena::twipsToPixels(widthTwips)),
            std::max(1, lumena::twipsToPixels(heightTwips))};
}

QImage blankPreviewImage(const QSize& pixels)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace lumena
