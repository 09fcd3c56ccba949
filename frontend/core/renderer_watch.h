// When the saver ends: the decision behind the saver form's 50 ms renderer watch.
//
// The saver lives while a window with the renderer's title exists, whoever owns it. Once none exists
// it ends if the renderer's window had been seen before, if the renderer process it started has
// ended (or never started), or if the start-up limit has passed without any such window: a
// renderer that has not yet made its window at the first tick is not taken for a gone one. At
// that limit the started renderer is ended too, or it would keep every later saver from starting.
//
// Only the renderer reads the user's input, so a renderer whose thread has stopped (a driver
// stalled in a call, a deadlock) would keep the screen for good. While the user has acted since
// the renderer last answered, the watch has the front end ask the renderer's own window (not a
// stranger's of that title) whether it answers; untouched, it is never asked. A window that
// leaves a run of asks unanswered for a second of awake time, or that the system reports hung,
// is ended with the saver; one still in its start-up (titled, not yet shown) that has never
// answered counts its silence from the tick that first saw it. Silence is measured on a clock that stops while the system sleeps,
// and a pause between asks longer than a late tick starts the count again, so that neither a
// night of sleep nor a front end held up makes a renderer look silent.
#pragma once

#include <cstdint>

struct WatchObservation {
    bool rendererWindowExists = false;  // a window with the renderer's title, of any process
    bool ownWindowExists = false;       // such a window of the renderer process the front end started
    bool ownWindowShown = false;        // and it is shown: the renderer is past its start-up
    bool rendererProcessEnded = false;  // the started process has ended, or could not start
    std::uint64_t elapsedMs = 0;        // since the renderer was started
    std::uint32_t tickMs = 0;           // the system's tick count now, wrapping at 2^32 ms
    std::uint32_t lastInputTickMs = 0;  // the tick count at the user's last input
    std::uint64_t awakeMs = 0;          // time the system has been awake; stands still in sleep
};

enum class WatchVerdict {
    KeepWatching,
    AskRenderer,          // ask the renderer's own window now and report with `asked`
    EndSaver,             // the renderer has gone: end the saver
    EndRendererAndSaver,  // the renderer keeps the screen from the user: end it, then the saver
};

enum class AskOutcome { Answered, Unanswered, ReportedHung };

class RendererWatch {
public:
    // Long enough for a slow renderer start under load, short enough that a renderer which
    // hangs before making its window does not keep the music playing for long.
    static constexpr std::uint64_t kStartupLimitMs = 6000;
    // How long a touched renderer may leave its asks unanswered: well beyond a slow frame or a
    // display waking, and short enough that the user is not left waiting.
    static constexpr std::uint64_t kSilenceLimitMs = 1000;
    // "Several asks in a row": a renderer ended for silence was found silent at least this often.
    static constexpr int kSilentAsksToEnd = 3;
    // Asks come every 50 ms tick, each waiting at most about 100 ms; a longer pause means the
    // front end itself was held, and what the renderer did meanwhile is unknown.
    static constexpr std::uint64_t kLongestAskPauseMs = 500;

    explicit RendererWatch(std::uint64_t startupLimitMs = kStartupLimitMs)
        : startupLimitMs_(startupLimitMs) {}

    // One tick: KeepWatching, AskRenderer, or the end of the saver.
    WatchVerdict tick(const WatchObservation& seen);
    // What the ask that this tick asked for found: KeepWatching or EndRendererAndSaver.
    WatchVerdict asked(AskOutcome outcome);

    bool windowSeen() const { return windowSeen_; }

private:
    WatchVerdict unanswered(std::uint64_t awakeMs);

    std::uint64_t startupLimitMs_;
    bool firstTickSeen_ = false;
    bool windowSeen_ = false;
    bool ownWindowSeen_ = false;
    bool ownWindowSeenShown_ = false;
    bool everAnswered_ = false;
    std::uint32_t lastAnswerTickMs_ = 0;  // the start, until the renderer first answers
    std::uint64_t ownWindowSeenAwakeMs_ = 0;
    WatchObservation lastTick_;
    int silentAsks_ = 0;                 // unanswered asks in a row
    std::uint64_t silentSinceAwakeMs_ = 0;
    std::uint64_t lastSilentAskAwakeMs_ = 0;
};

// Whether input at `inputTickMs` came after `sinceTickMs` and by `nowTickMs`: 32-bit tick
// counts compared as they wrap, modulo 2^32.
bool inputSince(std::uint32_t sinceTickMs, std::uint32_t inputTickMs, std::uint32_t nowTickMs);
