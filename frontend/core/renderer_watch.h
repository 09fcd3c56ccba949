// When the saver ends: the decision behind the saver form's 50 ms renderer watch.
//
// The saver lives while a window with the renderer's title exists, whoever owns it. Once none exists
// it ends if the renderer's window had been seen before, if the renderer process it started has
// ended (or never started), or if the start-up limit has passed without any such window: a
// renderer that has not yet made its window at the first tick is not taken for a gone one.
#pragma once

#include <cstdint>

struct WatchObservation {
    bool rendererWindowExists = false;  // a window with the renderer's title, of any process
    bool rendererProcessEnded = false;  // the started process has ended, or could not start
    std::uint64_t elapsedMs = 0;        // since the renderer was started
};

class RendererWatch {
public:
    // Long enough for a slow renderer start under load, short enough that a renderer which
    // hangs before making its window does not keep the music playing for long.
    static constexpr std::uint64_t kStartupLimitMs = 6000;

    explicit RendererWatch(std::uint64_t startupLimitMs = kStartupLimitMs)
        : startupLimitMs_(startupLimitMs) {}

    // One tick; true when the saver should end now.
    bool saverShouldEnd(const WatchObservation& seen);

    bool windowSeen() const { return windowSeen_; }

private:
    std::uint64_t startupLimitMs_;
    bool windowSeen_ = false;
};
