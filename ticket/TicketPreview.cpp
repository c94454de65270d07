#include "ticket/TicketPreview.h"

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

QSize twipsToPixels(int widthTwips, int heightTwips)
{
    return {std::max(1, (widthTwips + 7) / 15), std::max(1, (heightTwips + 7) / 15)};
}

QImage blankPreviewImage(const QSize& pixels)
{
    QImage image(pixels, QImage::Format_RGB32);
    image.fill(Qt::white);
    return image;
}

} // namespace lumena
