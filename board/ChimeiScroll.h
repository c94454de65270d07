#pragma once
// Where a scrolling stop name stands after a given time, free of timers.
//
// The strip moves by steps of Speed / 200 pixels, nominally 2000 steps a
// second (so Speed 5 moves 50 pixels a second). Each cycle starts with the
// strip's top at the viewport's lower edge and a pause of ScrollStartWait;
// then the strip rises until its lower edge has travelled one full viewport
// height above the viewport, where the step that gets it there puts it back at
// the lower edge and the next cycle begins.
//
// Positions are exact: they are kept in 1/200 pixel.

#include <chrono>
#include <cstdint>

namespace lumena {

struct ScrollPlan {
    int viewportHeight = 192;
    int stripHeight = 224;
    int speed = 5;          // below 1 moves as 1
    int startWaitMs = 1500; // below 0 waits nothing
    // The first cycle may begin elsewhere (after Speed or the viewport changed
    // during a scroll): its pause and its starting top, in 1/200 pixel.
    std::chrono::nanoseconds firstPause{-1}; // -1: a full startWaitMs
    std::int64_t firstTop = INT64_MIN;       // INT64_MIN: the viewport height

    static constexpr std::chrono::nanoseconds kStep{500'000}; // 2000 steps a second
};

struct ScrollPoint {
    std::int64_t top = 0;   // strip top in 1/200 pixel
    bool paused = false;    // inside a ScrollStartWait pause
    std::int64_t cycle = 0; // wraps so far
    // Time left in this pause or until the next step.
    std::chrono::nanoseconds untilChange{0};
    // Time until pixelTop() next changes (a step across a pixel, the end of
    // the pause, or the wrap): a frame timer need not wake up earlier.
    std::chrono::nanoseconds untilNewPixel{0};
    // Whole-pixel top for drawing (rounded to the nearest pixel, halves up).
    int pixelTop() const;
};

// The strip's position `t` after the scroll started (t >= 0).
ScrollPoint scrollAt(const ScrollPlan& plan, std::chrono::nanoseconds t);

// A plan with `newPlan`'s values whose start continues from where `oldPlan`
// stands at `t`: the pause in progress runs out, a moving strip moves on from
// its current top at the new speed.
ScrollPlan continuePlan(const ScrollPlan& oldPlan, std::chrono::nanoseconds t, ScrollPlan newPlan);

} // namespace lumena
