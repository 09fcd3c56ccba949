// Frame pacing: due times a frame period apart, tolerant of a display that sets the pace.
#include "frame_pacer.h"

#include <algorithm>
#include <cmath>

namespace {

constexpr double kPeriodMs = 1000.0 / kFramesPerSecond;
// A display's own pace (a swap that waits for its refresh) brings the loop back close to
// the due time, a little early or late. Within this much before it, the frame is drawn
// rather than waited for: waiting would miss the refresh and halve the frame rate.
constexpr double kSlackMs = 3.0;
// How far one early frame may pull the schedule forwards. Enough to follow a display a
// little faster than 60 Hz; small enough that timers waking early cannot raise the rate
// by more than a few percent.
constexpr double kMaxPullMs = 0.5;
// Refresh rates within this of a multiple of 60 count as that multiple (59.94 Hz is 60).
constexpr double kRefreshToleranceHz = 1.5;

}  // namespace

int swapIntervalFor(double refreshHz) {
    if (!(refreshHz > 1.0)) return 1;
    const double multiple = std::round(refreshHz / kFramesPerSecond);
    if (multiple < 1.0 || std::fabs(refreshHz - multiple * kFramesPerSecond) > kRefreshToleranceHz) {
        return 1;
    }
    return static_cast<int>(std::min(multiple, 8.0));
}

PaceDecision FramePacer::decide(double nowMs) const {
    PaceDecision d;
    if (!started_ || nowMs >= dueMs_ - kSlackMs) {
        d.drawNow = true;
        return d;
    }
    d.waitMs = dueMs_ - nowMs;
    return d;
}

void FramePacer::frameStarted(double nowMs) {
    double anchor = dueMs_;
    if (!started_ || nowMs - dueMs_ >= kPeriodMs) {
        anchor = nowMs;  // the first frame, or one that fell behind: no catch-up
    } else if (nowMs < dueMs_) {
        anchor = dueMs_ - std::min(dueMs_ - nowMs, kMaxPullMs);
    }
    started_ = true;
    dueMs_ = anchor + kPeriodMs;
}
