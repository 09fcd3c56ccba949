// When the saver form ends the saver.
#include <gtest/gtest.h>

#include "renderer_watch.h"

namespace {

WatchObservation at(std::uint64_t ms, bool window, bool processEnded = false) {
    return WatchObservation{window, processEnded, ms};
}

}  // namespace

TEST(RendererWatch, WaitsForASlowRendererWindow) {
    RendererWatch watch(6000);
    for (std::uint64_t ms = 50; ms < 6000; ms += 50) {
        ASSERT_FALSE(watch.saverShouldEnd(at(ms, false))) << ms;
    }
    EXPECT_FALSE(watch.saverShouldEnd(at(6000, true)));
}

TEST(RendererWatch, EndsAtTheFirstTickWithoutTheWindowOnceItWasSeen) {
    RendererWatch watch(6000);
    EXPECT_FALSE(watch.saverShouldEnd(at(50, false)));
    EXPECT_FALSE(watch.saverShouldEnd(at(100, true)));
    EXPECT_FALSE(watch.saverShouldEnd(at(150, true)));
    EXPECT_TRUE(watch.saverShouldEnd(at(200, false)));
}

TEST(RendererWatch, EndsWhenTheRendererDiedBeforeItsWindow) {
    RendererWatch watch(6000);
    EXPECT_FALSE(watch.saverShouldEnd(at(50, false, false)));
    EXPECT_TRUE(watch.saverShouldEnd(at(100, false, true)));
}

TEST(RendererWatch, EndsAtOnceWhenTheRendererCouldNotStart) {
    RendererWatch watch(6000);
    EXPECT_TRUE(watch.saverShouldEnd(at(50, false, true)));
}

TEST(RendererWatch, GivesUpOnARendererThatNeverMakesItsWindow) {
    RendererWatch watch(6000);
    EXPECT_FALSE(watch.saverShouldEnd(at(5950, false)));
    EXPECT_TRUE(watch.saverShouldEnd(at(6000, false)));
}

TEST(RendererWatch, AnotherProgramsWindowKeepsTheSaverAlive) {
    // Our renderer ended (a second instance quits at once) while another one's window stands.
    RendererWatch watch(6000);
    for (std::uint64_t ms = 50; ms < 20000; ms += 50) {
        ASSERT_FALSE(watch.saverShouldEnd(at(ms, true, true))) << ms;
    }
    EXPECT_TRUE(watch.saverShouldEnd(at(20000, false, true)));
}
