// The Command button's properties: what each access paints and announces, the first-run rule,
// and the way an instance is saved to and restored from its property store.
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_model.h"

namespace {

struct Recorded {
    std::vector<StatePicture> painted;
    std::vector<bool> reversedWhenPainted;
    std::vector<std::string> announced;
    int clicks = 0;
};

// Stands in for the control: records the repaints (with the gradient direction that the
// control's DrawFace takes first), the notices and the clicks.
struct RecordingView : CommandView {
    RecordingView(CommandModel& m, Recorded& r) : model(m), seen(r) {}
    void DrawFace(StatePicture picture) override {
        model.takeGradientDirection();
        seen.painted.push_back(picture);
        seen.reversedWhenPainted.push_back(model.fields().GradientReversed);
    }
    void showCaption(const CaptionState&) override {}
    void showSurface(bool) override {}
    void showEnabled(bool) override {}
    void announce(const std::string& name) override { seen.announced.push_back(name); }
    void raiseClick() override { ++seen.clicks; }

    CommandModel& model;
    Recorded& seen;
};

// A model whose repaints, notices and clicks are recorded.
struct CommandCase : ::testing::Test {
    void SetUp() override { model.setView(&view); }
    // An instance as a host loads it from what it saved.
    void loadFrom(const forms::PropertyStore& store) {
        model.Initialize();
        model.UserControl_ReadProperties(store, ambient);
        seen = Recorded{};
    }

    forms::FontDescription ambient{"ＭＳ ゴシック", 12, 700, false, 128};
    CommandModel model;
    Recorded seen;
    RecordingView view{model, seen};
};

using Pictures = std::vector<StatePicture>;

}  // namespace

TEST_F(CommandCase, AnInstanceLoadedFromAnEmptyStoreIsAnEnabledCommand1) {
    model.Initialize();
    model.UserControl_ReadProperties(forms::PropertyStore{}, ambient);
    EXPECT_TRUE(model.fields().Enabled);
    EXPECT_EQ(model.fields().FirstRun, 1);
    EXPECT_EQ(model.Caption(), "Command1");
    EXPECT_EQ(model.Font(), ambient);
    EXPECT_EQ(model.caption().colour, 0u);
    EXPECT_TRUE(model.opaque());
    EXPECT_EQ(seen.painted, Pictures{StatePicture::Normal});
    EXPECT_TRUE(seen.announced.empty()) << "restoring is no change";
}

TEST_F(CommandCase, AFreshInstanceIgnoresTheMouseUntilEnabledIsReadOnce) {
    model.Initialize();
    model.UserControl_MouseMove();
    model.UserControl_GotFocus();
    EXPECT_TRUE(seen.painted.empty());
    EXPECT_EQ(model.Caption(), "Command");
    EXPECT_TRUE(model.Enabled());
    EXPECT_EQ(model.fields().FirstRun, 1);
    EXPECT_EQ(seen.painted, Pictures{StatePicture::Normal});
    model.UserControl_MouseMove();
    EXPECT_EQ(seen.painted.back(), StatePicture::HighLight);
}

TEST_F(CommandCase, FontColourStaysBlackOnAnEnabledInstanceThatNeverRan) {
    model.Initialize();
    model.setEnabled(true);  // enabled, yet FirstRun still 0
    model.setFontColour(0x0000FF);
    EXPECT_EQ(model.caption().colour, 0u);
    EXPECT_EQ(seen.announced, (std::vector<std::string>{"Enabled", "FontColour"}));

    CommandModel disabled;
    disabled.setFontColour(0x0000FF);
    EXPECT_EQ(disabled.caption().colour, 0x0000FFu) << "RefreshFace does nothing while disabled";

    loadFrom(forms::PropertyStore{});
    model.setFontColour(0x0000FF);
    EXPECT_EQ(model.FontColour(), 0x0000FFu);
    EXPECT_EQ(seen.painted, (Pictures{StatePicture::Normal, StatePicture::Normal}));
}

TEST_F(CommandCase, SavedPropertiesComeBackAndDefaultsAreNotStored) {
    loadFrom(forms::PropertyStore{});
    model.setCaption("設定");
    model.setFont(forms::FontDescription{});
    EXPECT_TRUE(seen.painted.empty()) << "caption and font change without a repaint";
    EXPECT_EQ(seen.announced, (std::vector<std::string>{"Caption", "Font"}));
    model.setFontColour(0xFFFFFF);
    model.setVisible(false);
    model.setEnabled(false);
    forms::PropertyStore saved;
    model.UserControl_WriteProperties(saved, ambient);
    EXPECT_FALSE(saved.contains("FirstRun"));
    EXPECT_EQ(saved.size(), 5u);

    CommandModel reloaded;
    reloaded.UserControl_ReadProperties(saved, ambient);
    EXPECT_EQ(reloaded.Caption(), "設定");
    EXPECT_EQ(reloaded.Font(), forms::FontDescription{});
    EXPECT_EQ(reloaded.caption().colour, 0xFFFFFFu);
    EXPECT_FALSE(reloaded.opaque());
    EXPECT_FALSE(reloaded.fields().Enabled);

    // The caption "Command" equals its write default, so nothing is kept and the read default shows.
    model.setCaption("Command");
    model.setFont(ambient);
    model.UserControl_WriteProperties(saved, ambient);
    EXPECT_FALSE(saved.contains("Caption"));
    EXPECT_FALSE(saved.contains("Font"));
    CommandModel again;
    again.UserControl_ReadProperties(saved, ambient);
    EXPECT_EQ(again.Caption(), "Command1");
}

TEST_F(CommandCase, StoredValuesThatDoNotConvertLeaveTheirFieldAlone) {
    forms::PropertyStore store;
    store.write("Visible", std::string("2"), std::string("1"));
    store.write("FirstRun", std::string("300"), std::string("1"));
    store.write("FontColour", std::string("red"), std::string("0"));
    store.write("Enabled", std::string("perhaps"), std::string("True"));
    store.write("Caption", forms::FontDescription{}, std::string("Command"));
    CommandModel loaded;
    loaded.UserControl_ReadProperties(store, ambient);
    EXPECT_TRUE(loaded.opaque());
    EXPECT_EQ(loaded.fields().FirstRun, 0);
    EXPECT_FALSE(loaded.fields().Enabled);
    EXPECT_EQ(loaded.Caption(), "Command");
    store.write("Enabled", std::string("-1"), std::string("True"));
    store.write("FontColour", std::string("&HFF"), std::string("0"));
    loaded.UserControl_ReadProperties(store, ambient);
    EXPECT_TRUE(loaded.fields().Enabled);
    EXPECT_EQ(loaded.caption().colour, 0u) << "enabled before the first run: black";
}

TEST_F(CommandCase, DisablingPaintsDisableAndGreysTheCaptionButKeepsTheState) {
    loadFrom(forms::PropertyStore{});
    model.UserControl_MouseMove();
    model.setEnabled(false);
    EXPECT_EQ(seen.painted.back(), StatePicture::Disable);
    EXPECT_FALSE(model.caption().enabled);
    model.MouseLeave();
    model.UserControl_MouseUp(kLeftButtonCode);
    EXPECT_EQ(seen.clicks, 0);
    EXPECT_EQ(model.fields().ButtonState, kStateHighLight);
    EXPECT_FALSE(model.Enabled());
    EXPECT_EQ(seen.painted.back(), StatePicture::Disable) << "reading Enabled repaints too";
    model.setEnabled(true);
    EXPECT_EQ(seen.painted.back(), StatePicture::Normal);
    EXPECT_TRUE(model.caption().enabled);
    EXPECT_EQ(model.fields().ButtonState, kStateHighLight);
}

TEST_F(CommandCase, ResizeAndPropertyReadsPaintNormalEvenWhileHovered) {
    loadFrom(forms::PropertyStore{});
    model.UserControl_MouseMove();
    model.UserControl_Resize();
    model.Visible();
    model.FontColour();
    EXPECT_EQ(seen.painted, (Pictures{StatePicture::HighLight, StatePicture::Normal, StatePicture::Normal,
                                      StatePicture::Normal}));
    EXPECT_EQ(seen.reversedWhenPainted, (std::vector<bool>{true, true, true, true}))
        << "the gradient direction follows ButtonState, not the picture";
    model.setVisible(false);
    model.Visible();
    EXPECT_EQ(seen.painted.size(), 4u) << "a transparent surface is not repainted";
    EXPECT_EQ(seen.announced, std::vector<std::string>{"Visible"});
}
