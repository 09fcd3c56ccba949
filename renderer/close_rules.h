// The renderer's close rules: when user input ends the animation. Portable (no <windows.h>):
// the window procedure decodes messages into the calls below and applies the reactions.
#pragma once

#include <cstdint>

// A cursor position in screen pixels.
struct ScreenPoint {
    std::int32_t x = 0;
    std::int32_t y = 0;
};

// Largest accepted pointer movement between two move messages, in pixels, measured as
// |dx| + |dy| against the baseline. Anything smaller is hand tremor or a bumped desk.
inline constexpr std::int32_t mouseMoveThreshold = 4;

// How long after a display change the pointer's moves are taken for the system's. Long enough
// for the system to settle the pointer on the new monitors, short beside a user's reach for
// the mouse; keys and buttons close meanwhile as always.
inline constexpr std::uint32_t displayChangeSettleMs = 1000;

// Input the window procedure hands over, already decoded from its message.
enum class SaverInput {
    WindowShown,     // WM_SHOWWINDOW with a nonzero wParam
    CursorQuery,     // WM_SETCURSOR
    CloseAction,     // key or system-key press, left/right/middle button press, losing activation
    Other,           // everything else: releases, characters, the wheel, window management
};

// What the window procedure must do with a message, in this order.
struct SaverReaction {
    bool hideCursor = false;     // SetCursor(null)
    bool postClose = false;      // post WM_CLOSE to the window itself
    bool checkPassword = false;  // run the password check, then report it to closeVerdict()
    bool passToDefault = true;   // hand the message to DefWindowProcA; else return `result`
    std::intptr_t result = 0;
};

class CloseRules {
public:
    // `cursorAtCreation` is where movement is measured from until the first accepted move.
    CloseRules() = default;
    explicit CloseRules(ScreenPoint cursorAtCreation) : baseline_(cursorAtCreation) {}

    void resetBaseline(ScreenPoint cursor) { baseline_ = cursor; }

    // The monitors changed at `nowMs`: the system may move the pointer onto a monitor that
    // remains, and that is not the user. It may do so more than once, as its own picture of
    // the monitors catches up, so for displayChangeSettleMs the moves only carry the baseline
    // along; a real move after that closes as before.
    void displayChanged(ScreenPoint cursorNow, std::uint32_t nowMs) {
        baseline_ = cursorNow;
        displayChangedAt_ = nowMs;
        displaySettling_ = true;
    }

    // WM_CLOSE, from the window itself or from outside.
    SaverReaction closeRequest();
    // Outcome of the password check that closeRequest() asked for; `cursorNow` becomes the
    // baseline when the close is refused, so movement made during the check does not count.
    SaverReaction closeVerdict(bool mayClose, ScreenPoint cursorNow);
    // WM_MOUSEMOVE at `nowMs`, a millisecond clock that may wrap; `cursorNow` is read from
    // the system, not from the message.
    SaverReaction mouseMove(ScreenPoint cursorNow, std::uint32_t nowMs);
    SaverReaction input(SaverInput what);

    // Bracket the system's password dialog: input that reaches the window meanwhile is ignored.
    void passwordCheckStarted() { passwordActive_ = true; }
    void passwordCheckEnded() { passwordActive_ = false; }

    bool passwordActive() const { return passwordActive_; }
    bool closeArmed() const { return closeArmed_; }
    bool firstMoveSeen() const { return firstMoveSeen_; }
    ScreenPoint baseline() const { return baseline_; }

private:
    ScreenPoint baseline_{};
    bool passwordActive_ = false;
    bool closeArmed_ = false;     // set by the first close-worthy action; never cleared
    bool firstMoveSeen_ = false;  // set by the first move message; never cleared
    bool displaySettling_ = false;  // moves may still be the system's, after a display change
    std::uint32_t displayChangedAt_ = 0;
};

// True for the system commands the saver swallows: switching to the next or previous window,
// and starting a screen saver. Only the command bits take part: the platform keeps private
// flags in the low four bits of the word.
bool isSwallowedSystemCommand(std::uint32_t command);
