// What the forms layer decides without the platform: the tab order and the property store.
#include <gtest/gtest.h>

#include "property_store.h"
#include "tab_order.h"

using forms::TabStop;

TEST(TabOrder, FollowsTheTabIndexPassingOverWhatCannotTakeTheFocus) {
    // Window order differs from tab order; a tie keeps the window order.
    const std::vector<TabStop> stops{{9, true}, {1, true}, {2, false}, {10, true}, {9, true}};
    EXPECT_EQ(forms::nextTabStop(stops, -1, false), 1) << "from nowhere to the first";
    EXPECT_EQ(forms::nextTabStop(stops, 1, false), 0) << "2 is disabled";
    EXPECT_EQ(forms::nextTabStop(stops, 0, false), 4);
    EXPECT_EQ(forms::nextTabStop(stops, 4, false), 3);
    EXPECT_EQ(forms::nextTabStop(stops, 3, false), 1) << "wraps around";
    EXPECT_EQ(forms::nextTabStop(stops, 1, true), 3) << "Shift+Tab wraps the other way";
    EXPECT_EQ(forms::nextTabStop(stops, 4, true), 0);
    EXPECT_EQ(forms::nextTabStop(stops, -1, true), 3);
}

TEST(TabOrder, AloneOrWithNothingToTakeIt) {
    EXPECT_EQ(forms::nextTabStop({{3, true}}, 0, false), 0);
    EXPECT_EQ(forms::nextTabStop({{3, false}, {4, false}}, -1, false), -1);
    EXPECT_EQ(forms::nextTabStop({}, -1, true), -1);
}

TEST(PropertyStore, StoredTextConvertsToNumbersAndBooleans) {
    EXPECT_EQ(forms::numberFromText(" -12 "), -12);
    EXPECT_EQ(forms::numberFromText("&HC6C5D7"), 0xC6C5D7);
    EXPECT_EQ(forms::numberFromText("&hff"), 255);
    for (const char* bad : {"", "-", "1.5", "12a", "&H", "&HG1", "&H123456789", "1234567890123456789"}) {
        EXPECT_FALSE(forms::numberFromText(bad).has_value()) << bad;
    }
    EXPECT_EQ(forms::propertyNumber(std::string("255"), 0, 255), 255);
    EXPECT_FALSE(forms::propertyNumber(std::string("256"), 0, 255).has_value());
    EXPECT_EQ(forms::propertyBoolean(std::string("true")), true);
    EXPECT_EQ(forms::propertyBoolean(std::string("0")), false);
    EXPECT_EQ(forms::propertyBoolean(forms::booleanText(false)), false);
    EXPECT_FALSE(forms::propertyBoolean(std::string("yes")).has_value());
}
