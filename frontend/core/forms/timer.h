// The timer control: an interval in milliseconds, an enabled flag and one tick event. Ticks
// arrive between other messages of the container's window, one at a time: a tick that comes
// due while the previous one is still running (a message box inside the handler) is dropped.
#pragma once

#include <windows.h>

#include <functional>

namespace forms {

class Container;

class Timer {
public:
    // Placed on `container`; runs `onTick` every `intervalMs` while enabled and the container's
    // window exists. An interval of 0 never ticks.
    Timer(Container& container, UINT intervalMs, bool enabled, std::function<void()> onTick);
    ~Timer();
    Timer(const Timer&) = delete;
    Timer& operator=(const Timer&) = delete;

    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    UINT interval() const { return intervalMs_; }
    void setInterval(UINT intervalMs);

    // Used by the container.
    UINT_PTR id() const { return reinterpret_cast<UINT_PTR>(this); }
    void tick();
    void windowReady() { apply(); }
    void windowGone();
    void containerGone() { container_ = nullptr; }

private:
    void apply();

    Container* container_;
    UINT intervalMs_;
    bool enabled_;
    bool running_ = false;
    bool ticking_ = false;
    std::function<void()> onTick_;
};

}  // namespace forms
