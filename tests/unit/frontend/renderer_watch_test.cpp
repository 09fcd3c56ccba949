// When the saver form ends the saver, and when it ends a renderer that keeps the screen.
#include <gtest/gtest.h>

#include "renderer_watch.h"

namespace {

using Verdict = WatchVerdict;

WatchObservation at(std::uint64_t ms, bool window, bool processEnded = false) {
    WatchObservation seen;
    seen.rendererWindowExists = seen.ownWindowExists = window;
    seen.rendererProcessEnded = processEnded;
    seen.elapsedMs = seen.tickMs = static_cast<std::uint32_t>(ms);  // untouched since the start
    return seen;
}

// A saver run past its start, ticking every 50 ms, whose renderer's window is up and shown.
struct SaverRun {
    explicit SaverRun(std::uint32_t startTickMs = 7000000) {
        seen = at(0, true);
        seen.ownWindowShown = true;
        seen.tickMs = startTickMs;
        seen.lastInputTickMs = startTickMs - 60000;  // what started the saver's wait
        seen.awakeMs = 5000000;
    }
    void pass(std::uint64_t ms, std::uint64_t awakeMs) {
        seen.elapsedMs += ms;
        seen.tickMs += static_cast<std::uint32_t>(ms);
        seen.awakeMs += awakeMs;
    }
    void userActs() { seen.lastInputTickMs = seen.tickMs + 1; }  // just after the last tick
    // One tick; an ask it asks for finds `renderer`.
    Verdict tick(AskOutcome renderer = AskOutcome::Answered, std::uint64_t ms = 50) {
        pass(ms, ms);
        const Verdict verdict = watch.tick(seen);
        asked = verdict == Verdict::AskRenderer;
        return asked ? watch.asked(renderer) : verdict;
    }
    // Ticks for `ms`, the user acting at every one; the first end, or KeepWatching.
    Verdict actFor(std::uint64_t ms, AskOutcome renderer, std::uint64_t tickMs = 50) {
        for (std::uint64_t t = 0; t < ms; t += tickMs) {
            userActs();
            if (const Verdict v = tick(renderer, tickMs); v != Verdict::KeepWatching) return v;
        }
        return Verdict::KeepWatching;
    }

    RendererWatch watch;
    WatchObservation seen;
    bool asked = false;
};

}  // namespace

TEST(RendererWatch, WaitsForASlowRendererWindow) {
    RendererWatch watch(6000);
    for (std::uint64_t ms = 50; ms < 6000; ms += 50) {
        ASSERT_EQ(watch.tick(at(ms, false)), Verdict::KeepWatching) << ms;
    }
    EXPECT_EQ(watch.tick(at(6000, true)), Verdict::KeepWatching);
}

TEST(RendererWatch, EndsAtTheFirstTickWithoutTheWindowOnceItWasSeen) {
    RendererWatch watch(6000);
    EXPECT_EQ(watch.tick(at(50, false)), Verdict::KeepWatching);
    EXPECT_EQ(watch.tick(at(100, true)), Verdict::KeepWatching);
    EXPECT_EQ(watch.tick(at(150, true)), Verdict::KeepWatching);
    EXPECT_EQ(watch.tick(at(200, false)), Verdict::EndSaver);
}

TEST(RendererWatch, EndsWhenTheRendererDiedBeforeItsWindow) {
    RendererWatch watch(6000);
    EXPECT_EQ(watch.tick(at(50, false, false)), Verdict::KeepWatching);
    EXPECT_EQ(watch.tick(at(100, false, true)), Verdict::EndSaver);
}

TEST(RendererWatch, EndsAtOnceWhenTheRendererCouldNotStart) {
    RendererWatch watch(6000);
    EXPECT_EQ(watch.tick(at(50, false, true)), Verdict::EndSaver);
}

TEST(RendererWatch, GivesUpOnARendererThatNeverMakesItsWindowAndEndsIt) {
    RendererWatch watch(6000);
    EXPECT_EQ(watch.tick(at(5950, false)), Verdict::KeepWatching);
    // Left running, it would hand every later saver over to a window that never comes.
    EXPECT_EQ(watch.tick(at(6000, false)), Verdict::EndRendererAndSaver);
}

TEST(RendererWatch, AnotherProgramsWindowKeepsTheSaverAliveAndIsNeverAsked) {
    // Our renderer ended (a second instance quits at once) while another one's window stands.
    RendererWatch watch(6000);
    for (std::uint64_t ms = 50; ms < 20000; ms += 50) {
        WatchObservation seen = at(ms, true, true);
        seen.ownWindowExists = false;
        seen.tickMs = seen.lastInputTickMs = static_cast<std::uint32_t>(ms);  // the user acts
        ASSERT_EQ(watch.tick(seen), Verdict::KeepWatching) << ms;
    }
    EXPECT_EQ(watch.tick(at(20000, false, true)), Verdict::EndSaver);
}

TEST(RendererWatch, AsksOnlyWhileThereIsInputNewerThanTheLastAnswerAcrossTheTickWrap) {
    SaverRun run(0xFFFFF000u);  // the input that started the saver's wait lies before the wrap
    for (int i = 0; i < 200; ++i) ASSERT_EQ(run.tick(AskOutcome::Unanswered), Verdict::KeepWatching);
    EXPECT_FALSE(run.asked) << "untouched, even a silent renderer is left alone";
    run.userActs();  // after the wrap
    run.tick();
    EXPECT_TRUE(run.asked);
    run.tick();
    EXPECT_FALSE(run.asked) << "answered since";
    // 1-pixel moves, which the renderer ignores, answered at every tick for 3 s.
    EXPECT_EQ(run.actFor(3000, AskOutcome::Answered), Verdict::KeepWatching);
    EXPECT_FALSE(inputSince(0x90000000u, 0, 0x90001000u)) << "Wine's 0 for no input at all";
}

TEST(RendererWatch, EndsARendererSilentForASecondOfAsksOrReportedHung) {
    SaverRun run;  // frozen; each ask waits out its 100 ms, so the ticks come 150 ms apart
    EXPECT_EQ(run.actFor(1050, AskOutcome::Unanswered, 150), Verdict::KeepWatching);
    EXPECT_EQ(run.tick(AskOutcome::Unanswered, 150), Verdict::EndRendererAndSaver) << "a second after the first";
    SaverRun hung;
    hung.userActs();
    EXPECT_EQ(hung.tick(AskOutcome::ReportedHung), Verdict::EndRendererAndSaver);

    SaverRun starting;  // its window titled, not yet shown: silent since first seen
    starting.seen.ownWindowShown = false;
    starting.tick();
    starting.pass(1200, 1200);
    EXPECT_EQ(starting.actFor(100, AskOutcome::Unanswered), Verdict::KeepWatching);
    EXPECT_EQ(starting.actFor(50, AskOutcome::Unanswered), Verdict::EndRendererAndSaver) << "the third ask";
}

TEST(RendererWatch, NeitherAHeldFrontEndNorSystemSleepMakesARendererLookSilent) {
    SaverRun run;
    run.pass(60000, 60000);  // shown a minute ago, never asked
    run.userActs();
    run.tick(AskOutcome::Unanswered);
    run.userActs();
    // The front end held for 3 s: its next ask is the first of a new run, however silent.
    EXPECT_EQ(run.tick(AskOutcome::Unanswered, 3000), Verdict::KeepWatching);
    EXPECT_EQ(run.actFor(800, AskOutcome::Unanswered), Verdict::KeepWatching);
    EXPECT_EQ(run.actFor(3000, AskOutcome::Answered), Verdict::KeepWatching);
    // A night's sleep after an unanswered ask: the tick count ran on, the awake clock did not.
    run.userActs();
    run.tick(AskOutcome::Unanswered);
    run.pass(8 * 3600 * 1000, 0);
    EXPECT_EQ(run.actFor(800, AskOutcome::Unanswered), Verdict::KeepWatching);
    EXPECT_EQ(run.actFor(300, AskOutcome::Unanswered), Verdict::EndRendererAndSaver);
}
