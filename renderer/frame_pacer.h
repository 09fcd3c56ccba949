// When the next frame is due. Each frame is one step of the animation, so the frame rate is
// its speed: the pacer holds it at 60 frames per second at most, whatever the display's
// refresh rate and whether or not the driver honours the swap interval. Portable: the loop
// reads a clock and waits on its message queue; the decisions are here.
#pragma once

// The designed frame rate, and the refresh rate assumed where the system cannot tell.
inline constexpr double kFramesPerSecond = 60.0;

// The swap interval that lands frames on every n-th refresh where the refresh rate is a
// multiple of 60 (120 Hz gives 2, 240 Hz 4); 1 elsewhere, where only the timer can pace.
// A rate of 0 or 1 means the system does not know it, and counts as 60.
int swapIntervalFor(double refreshHz);

struct PaceDecision {
    bool drawNow = false;
    double waitMs = 0.0;  // how long to wait for the frame when it is not due yet
};

class FramePacer {
public:
    // `nowMs` is any steadily rising clock in milliseconds.
    PaceDecision decide(double nowMs) const;
    // A frame starts now: the next one is due a frame period after this one was due. A loop
    // that fell a whole period behind starts afresh from now instead of catching up.
    void frameStarted(double nowMs);

private:
    bool started_ = false;
    double dueMs_ = 0.0;  // when the next frame is due
};
