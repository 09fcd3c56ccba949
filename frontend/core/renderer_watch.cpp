// The renderer watch's decision.
#include "renderer_watch.h"

bool inputSince(std::uint32_t sinceTickMs, std::uint32_t inputTickMs, std::uint32_t nowTickMs) {
    // Unsigned differences are exact across the wrap. An input time "after now" is one from
    // before `since` seen across a wrap (or none at all, which Wine reports as 0): not newer.
    const std::uint32_t toInput = inputTickMs - sinceTickMs;
    return toInput != 0 && toInput <= nowTickMs - sinceTickMs;
}

WatchVerdict RendererWatch::tick(const WatchObservation& seen) {
    if (!firstTickSeen_) {
        firstTickSeen_ = true;
        // Input from before the renderer started is not an act of the user at the saver.
        lastAnswerTickMs_ = seen.tickMs - static_cast<std::uint32_t>(seen.elapsedMs);
    }
    lastTick_ = seen;
    if (!seen.rendererWindowExists) {
        if (windowSeen_ || seen.rendererProcessEnded) return WatchVerdict::EndSaver;
        return seen.elapsedMs >= startupLimitMs_ ? WatchVerdict::EndRendererAndSaver
                                                 : WatchVerdict::KeepWatching;
    }
    windowSeen_ = true;
    // Another program's window of that title keeps the saver alive, but is never asked.
    if (!seen.ownWindowExists) return WatchVerdict::KeepWatching;
    if (!ownWindowSeen_) {
        ownWindowSeen_ = true;
        ownWindowSeenAwakeMs_ = seen.awakeMs;
    }
    ownWindowSeenShown_ = ownWindowSeenShown_ || seen.ownWindowShown;
    return inputSince(lastAnswerTickMs_, seen.lastInputTickMs, seen.tickMs) ? WatchVerdict::AskRenderer
                                                                            : WatchVerdict::KeepWatching;
}

WatchVerdict RendererWatch::asked(AskOutcome outcome) {
    switch (outcome) {
    case AskOutcome::ReportedHung:
        return WatchVerdict::EndRendererAndSaver;
    case AskOutcome::Answered:
        // The tick's own time, read before the ask: input that came during the ask is newer.
        lastAnswerTickMs_ = lastTick_.tickMs;
        everAnswered_ = true;
        silentAsks_ = 0;
        return WatchVerdict::KeepWatching;
    case AskOutcome::Unanswered:
        return unanswered(lastTick_.awakeMs);
    }
    return WatchVerdict::KeepWatching;
}

WatchVerdict RendererWatch::unanswered(std::uint64_t awakeMs) {
    if (silentAsks_ == 0 || awakeMs - lastSilentAskAwakeMs_ > kLongestAskPauseMs) {
        silentAsks_ = 0;
        // A renderer still in its start-up has been silent since its window was first seen:
        // a key then ends it, as the user wants. Once shown it may simply never have been
        // asked, and its silence counts from this ask.
        const bool startingUp = !everAnswered_ && !ownWindowSeenShown_;
        silentSinceAwakeMs_ = startingUp ? ownWindowSeenAwakeMs_ : awakeMs;
    }
    ++silentAsks_;
    lastSilentAskAwakeMs_ = awakeMs;
    const bool silentLongEnough = awakeMs - silentSinceAwakeMs_ >= kSilenceLimitMs;
    return silentAsks_ >= kSilentAsksToEnd && silentLongEnough ? WatchVerdict::EndRendererAndSaver
                                                               : WatchVerdict::KeepWatching;
}
