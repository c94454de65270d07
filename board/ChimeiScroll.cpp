#include "board/ChimeiScroll.h"

#include <algorithm>

namespace lumena {

namespace {

using std::chrono::nanoseconds;

std::int64_t floorDiv(std::int64_t a, std::int64_t b)
{
    std::int64_t q = a / b;
    if ((a % b != 0) && ((a < 0) != (b < 0)))
        --q;
    return q;
}

// Steps from top `from` until the wrap: the loop steps first and tests after,
// so there is always at least one.
std::int64_t stepsToWrap(std::int64_t from, std::int64_t strip200, std::int64_t view200,
                         std::int64_t speed)
{
    const std::int64_t distance = from + strip200 + view200;
    return std::max<std::int64_t>(1, -floorDiv(-distance, speed));
}

// Position `r` into a cycle that pauses for `pause` at `top`, then takes
// `steps` steps of `speed`, the last of which wraps.
ScrollPoint inCycle(nanoseconds r, nanoseconds pause, std::int64_t top, std::int64_t steps,
                    std::int64_t speed)
{
    ScrollPoint p;
    if (r < pause) {
        p.top = top;
        p.paused = true;
        p.untilChange = pause - r;
        p.untilNewPixel = p.untilChange;
        return p;
    }
    const nanoseconds moving = r - pause;
    const std::int64_t done = moving / ScrollPlan::kStep;
    p.top = top - done * speed;
    p.untilChange = ScrollPlan::kStep - moving % ScrollPlan::kStep;
    // The pixel drops once the top is below (pixel * 200 - 100).
    const std::int64_t below = (p.pixelTop() * 200 - 100) - 1;
    const std::int64_t toPixel = -floorDiv(-(p.top - below), speed);
    const std::int64_t more = std::min(std::max<std::int64_t>(1, toPixel), steps - done);
    p.untilNewPixel = p.untilChange + (more - 1) * ScrollPlan::kStep;
    return p;
}

} // namespace

int ScrollPoint::pixelTop() const
{
    return int(floorDiv(top + 100, 200));
}

ScrollPoint scrollAt(const ScrollPlan& plan, nanoseconds t)
{
    const std::int64_t speed = std::max(1, plan.speed);
    const std::int64_t view200 = std::int64_t(plan.viewportHeight) * 200;
    const std::int64_t strip200 = std::int64_t(plan.stripHeight) * 200;
    const nanoseconds wait = std::chrono::milliseconds(std::max(0, plan.startWaitMs));
    t = std::max(t, nanoseconds(0));

    const nanoseconds pause0 = plan.firstPause < nanoseconds(0) ? wait : plan.firstPause;
    const std::int64_t top0 = plan.firstTop == INT64_MIN ? view200 : plan.firstTop;
    const std::int64_t steps0 = stepsToWrap(top0, strip200, view200, speed);
    const nanoseconds first = pause0 + steps0 * ScrollPlan::kStep;
    if (t < first)
        return inCycle(t, pause0, top0, steps0, speed);

    const std::int64_t steps = stepsToWrap(view200, strip200, view200, speed);
    const nanoseconds cycle = wait + steps * ScrollPlan::kStep;
    const nanoseconds since = t - first;
    ScrollPoint p = inCycle(since % cycle, wait, view200, steps, speed);
    p.cycle = 1 + since / cycle;
    return p;
}

ScrollPlan continuePlan(const ScrollPlan& oldPlan, nanoseconds t, ScrollPlan newPlan)
{
    const ScrollPoint p = scrollAt(oldPlan, t);
    newPlan.firstTop = p.top;
    newPlan.firstPause = p.paused ? p.untilChange : nanoseconds(0);
    return newPlan;
}

} // namespace lumena
