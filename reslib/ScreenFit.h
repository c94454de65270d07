#pragma once
// Where a window goes so that the user can reach it. A position stored on a
// larger screen, or on a screen that is no longer there, must not put a
// window out of sight: the program has no other way back to it.

#include <QList>
#include <QPoint>
#include <QRect>

namespace lumena {

// The top-left corner for a window whose outer rectangle (frame included) is
// `frame`, given the available areas of the screens (`screens`, the primary
// first; empty areas are ignored).
// - A window that lies wholly on screen keeps its place. On screen means
//   inside the areas taken together, so a window across two screens side by
//   side stays.
// - Otherwise it goes to the screen it overlaps most (overlapping none, the
//   screen nearest to it; on a tie, the earlier one) and moves as little as
//   needed to lie wholly inside it. A window wider or taller than that screen
//   puts its left or top edge on the screen's, so its top-left part shows.
// - With no screen known, the window keeps its place.
QPoint onScreenPosition(const QRect& frame, const QList<QRect>& screens);

} // namespace lumena
