// Timers over SetTimer on their container's window.
#include "timer.h"

#include "container.h"

namespace forms {

Timer::Timer(Container& container, UINT intervalMs, bool enabled, std::function<void()> onTick)
    : container_(&container), intervalMs_(intervalMs), enabled_(enabled), onTick_(std::move(onTick)) {
    container_->addTimer(this);
    apply();
}

Timer::~Timer() {
    enabled_ = false;
    apply();
    if (container_) container_->removeTimer(this);
}

void Timer::setEnabled(bool enabled) {
    enabled_ = enabled;
    apply();
}

void Timer::setInterval(UINT intervalMs) {
    intervalMs_ = intervalMs;
    // A new interval starts counting afresh, as re-arming does.
    if (running_ && container_ && container_->hWnd()) KillTimer(container_->hWnd(), id());
    running_ = false;
    apply();
}

void Timer::apply() {
    HWND window = container_ ? container_->hWnd() : nullptr;
    const bool wanted = enabled_ && intervalMs_ > 0 && window;
    if (wanted && !running_) {
        running_ = SetTimer(window, id(), intervalMs_, nullptr) != 0;
    } else if (!wanted && running_) {
        if (window) KillTimer(window, id());
        running_ = false;
    }
}

void Timer::windowGone() {
    if (running_ && container_ && container_->hWnd()) KillTimer(container_->hWnd(), id());
    running_ = false;
}

void Timer::tick() {
    // WM_TIMER can still be queued after the timer was switched off.
    if (!enabled_ || ticking_ || !onTick_) return;
    ticking_ = true;
    try {
        onTick_();
    } catch (...) {
        ticking_ = false;
        throw;
    }
    ticking_ = false;
}

}  // namespace forms
