#include "ticket/PreviewClipboard.h"

#include <QClipboard>
#include <QGuiApplication>

namespace lumena {

void copyPreviewToClipboard(const QImage& image)
{
    QClipboard* clipboard = QGuiApplication::clipboard();
    if (!clipboard)
        return;
    clipboard->clear();
    clipboard->setImage(image);
}

} // namespace lumena
