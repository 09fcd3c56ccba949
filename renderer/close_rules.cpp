// The renderer's close rules as a state machine over decoded input.
#include "close_rules.h"

#include <cstdlib>

namespace {

// System command values of the platform's ABI.
constexpr std::uint32_t kSystemCommandMask = 0xFFF0;
constexpr std::uint32_t kNextWindow = 0xF040;
constexpr std::uint32_t kPrevWindow = 0xF050;
constexpr std::uint32_t kScreenSave = 0xF140;

SaverReaction finished(std::intptr_t result) {
    SaverReaction r;
    r.passToDefault = false;
    r.result = result;
    return r;
}

std::int64_t distance(ScreenPoint a, ScreenPoint b) {
    return std::llabs(std::int64_t{a.x} - b.x) + std::llabs(std::int64_t{a.y} - b.y);
}

}  // namespace

SaverReaction CloseRules::closeRequest() {
    // A close posted before the user did anything (the far first move, or a request from
    // outside) is dropped. While the system's password dialog runs, its answer decides:
    // a second request would stack a second dialog over the first.
    if (!closeArmed_ || passwordActive_) return finished(0);
    SaverReaction r = finished(0);
    r.checkPassword = true;
    return r;
}

SaverReaction CloseRules::closeVerdict(bool mayClose, ScreenPoint cursorNow) {
    if (mayClose) return SaverReaction{};
    baseline_ = cursorNow;
    return finished(0);
}

SaverReaction CloseRules::mouseMove(ScreenPoint cursorNow, std::uint32_t nowMs) {
    if (passwordActive_) return SaverReaction{};
    if (displaySettling_) {
        if (nowMs - displayChangedAt_ < displayChangeSettleMs) {
            baseline_ = cursorNow;
            return SaverReaction{};
        }
        displaySettling_ = false;
    }
    // The first move message is the system telling the window where the pointer is, not the
    // user: it only arms the rules for the next one.
    if (firstMoveSeen_) {
        closeArmed_ = true;
    } else {
        firstMoveSeen_ = true;
    }
    SaverReaction r;
    if (distance(baseline_, cursorNow) > mouseMoveThreshold) {
        r.postClose = true;
    } else {
        baseline_ = cursorNow;  // creeping is allowed: the baseline follows small moves
    }
    return r;
}

SaverReaction CloseRules::input(SaverInput what) {
    SaverReaction r;
    if (passwordActive_) return r;
    switch (what) {
    case SaverInput::WindowShown:
        r.hideCursor = true;
        break;
    case SaverInput::CursorQuery:
        r = finished(1);  // TRUE: the cursor was set (to none), so it stays hidden
        r.hideCursor = true;
        break;
    case SaverInput::CloseAction:
        closeArmed_ = true;
        r.postClose = true;
        break;
    case SaverInput::Other:
        break;
    }
    return r;
}

bool isSwallowedSystemCommand(std::uint32_t command) {
    std::uint32_t c = command & kSystemCommandMask;
    return c == kNextWindow || c == kPrevWindow || c == kScreenSave;
}
