#pragma once
// The ticket preview on the operation panel: its toggle states and the
// picture it keeps.

#include <QImage>
#include <QSize>
#include <QString>

namespace lumena {

inline constexpr int PanelNormalWidthTwips = 5385;
inline constexpr int PanelPreviewWidthTwips = 9000;
// The preview area's size until a plug-in sets it.
inline constexpr int PreviewDefaultWidthTwips = 3300;
inline constexpr int PreviewDefaultHeightTwips = 1395;

// What the toggle Check4 shows and the panel's width for each state.
struct PreviewToggleState {
    int panelWidthTwips;
    QString caption;
    QString toolTip;
};
PreviewToggleState previewToggleState(bool open);

// The preview area of a size in twips, in whole pixels (at least one each way).
QSize previewPixels(int widthTwips, int heightTwips);

// A cleared preview picture of that size: white, as the empty preview area.
QImage blankPreviewImage(const QSize& pixels);

} // namespace lumena
