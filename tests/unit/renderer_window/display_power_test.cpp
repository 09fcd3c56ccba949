// Whether the saver draws, from the display's power notifications.
#include "display_power.h"

#include <gtest/gtest.h>

namespace {

using Setting = DisplayPowerSetting;

TEST(DisplayPower, OffStopsTheFramesDimmedAndOnDrawThemOfEitherSetting) {
    DisplayPower power;
    EXPECT_TRUE(power.displayOn()) << "drawn before any notification";

    EXPECT_TRUE(power.notify(Setting::SessionDisplayStatus, 4, 0));
    EXPECT_FALSE(power.displayOn());
    EXPECT_TRUE(power.notify(Setting::SessionDisplayStatus, 4, 2)) << "dimmed can be seen";
    EXPECT_TRUE(power.displayOn());
    EXPECT_FALSE(power.notify(Setting::SessionDisplayStatus, 4, 1)) << "dimmed to on is no change";

    EXPECT_TRUE(power.notify(Setting::MonitorPowerOn, 4, 0));
    EXPECT_FALSE(power.displayOn());
    EXPECT_FALSE(power.notify(Setting::MonitorPowerOn, 4, 0));
    EXPECT_TRUE(power.notify(Setting::MonitorPowerOn, 4, 1));
    EXPECT_TRUE(power.displayOn());
}

TEST(DisplayPower, OtherSettingsWrongLengthsAndUnknownValuesChangeNothing) {
    for (const bool startOn : {true, false}) {
        DisplayPower power;
        if (!startOn) power.notify(Setting::SessionDisplayStatus, 4, 0);
        const std::uint32_t value = startOn ? 0 : 1;  // what would change it
        EXPECT_FALSE(power.notify(Setting::Other, 4, value));
        EXPECT_FALSE(power.notify(Setting::SessionDisplayStatus, 0, value));
        EXPECT_FALSE(power.notify(Setting::SessionDisplayStatus, 1, value));
        EXPECT_FALSE(power.notify(Setting::MonitorPowerOn, 8, value));
        EXPECT_FALSE(power.notify(Setting::SessionDisplayStatus, 4, 3));
        EXPECT_FALSE(power.notify(Setting::MonitorPowerOn, 4, 2)) << "no dimmed state here";
        EXPECT_EQ(power.displayOn(), startOn);
    }
}

}  // namespace
