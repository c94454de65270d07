#pragma once
// The panel's copy menu: the preview picture onto the clipboard.

#include <QImage>

namespace lumena {

// Clears the clipboard and puts `image` on it as a picture.
void copyPreviewToClipboard(const QImage& image);

} // namespace lumena
