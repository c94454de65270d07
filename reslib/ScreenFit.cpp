#include "reslib/ScreenFit.h"

#include <algorithm>
#include <limits>

namespace lumena {

namespace {

// Whether the areas together cover `r`. Cut along every area edge that
// crosses it, `r` falls into pieces that each lie wholly inside or wholly
// outside every area, so one corner of a piece tells which.
bool covered(const QRect& r, const QList<QRect>& areas)
{
    QList<int> xs{r.left(), r.right() + 1};
    QList<int> ys{r.top(), r.bottom() + 1};
    for (const QRect& a : areas) {
        for (int x : {a.left(), a.right() + 1})
            if (x > r.left() && x <= r.right())
                xs << x;
        for (int y : {a.top(), a.bottom() + 1})
            if (y > r.top() && y <= r.bottom())
                ys << y;
    }
    std::sort(xs.begin(), xs.end());
    std::sort(ys.begin(), ys.end());
    xs.erase(std::unique(xs.begin(), xs.end()), xs.end());
    ys.erase(std::unique(ys.begin(), ys.end()), ys.end());
    for (qsizetype i = 0; i + 1 < xs.size(); ++i) {
        for (qsizetype j = 0; j + 1 < ys.size(); ++j) {
            const QPoint corner(xs[i], ys[j]);
            if (std::none_of(areas.begin(), areas.end(),
                             [&](const QRect& a) { return a.contains(corner); }))
                return false;
        }
    }
    return true;
}

qint64 overlap(const QRect& a, const QRect& b)
{
    const QRect both = a & b;
    return both.isEmpty() ? 0 : qint64(both.width()) * both.height();
}

// Squared length of the shortest step from one rectangle to the other.
qint64 gap(const QRect& a, const QRect& b)
{
    const qint64 dx = std::max({0, b.left() - a.right() - 1, a.left() - b.right() - 1});
    const qint64 dy = std::max({0, b.top() - a.bottom() - 1, a.top() - b.bottom() - 1});
    return dx * dx + dy * dy;
}

// The coordinate nearest to `at` that keeps [at, at + size) inside
// [low, high); the low end where the size does not fit.
int clampInto(int at, int size, int low, int high)
{
    return std::max(low, std::min(at, high - size));
}

} // namespace

QPoint onScreenPosition(const QRect& frame, const QList<QRect>& screens)
{
    QList<QRect> areas;
    for (const QRect& s : screens)
        if (!s.isEmpty())
            areas << s;
    if (areas.isEmpty() || covered(frame, areas))
        return frame.topLeft();

    const QRect* target = nullptr;
    qint64 bestOverlap = -1;
    qint64 bestGap = std::numeric_limits<qint64>::max();
    for (const QRect& a : areas) {
        const qint64 o = overlap(frame, a);
        const qint64 g = o > 0 ? 0 : gap(frame, a);
        if (o > bestOverlap || (o == bestOverlap && g < bestGap)) {
            target = &a;
            bestOverlap = o;
            bestGap = g;
        }
    }
    return QPoint(clampInto(frame.left(), frame.width(), target->left(), target->right() + 1),
                  clampInto(frame.top(), frame.height(), target->top(), target->bottom() + 1));
}

} // namespace lumena
