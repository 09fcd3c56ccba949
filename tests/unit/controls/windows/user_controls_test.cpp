// The Command button on a real form: made by its type name and found inside picture boxes.
// (Its pixels and its place in the tab order are the end-to-end scenarios' part.)
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "command_button_win32.h"
#include "form.h"
#include "picture_box.h"

namespace {

struct CommandForm : ::testing::Test {
    static void SetUpTestSuite() { Command::registerType(); }
    void SetUp() override {
        form.load();
        panel = std::make_unique<forms::PictureBox>(form);
        panel->move(180, 240, 4000, 2000);
    }
    void TearDown() override { form.unload(); }

    std::unique_ptr<Command> placeButton(forms::Container& host, const char* caption, int top) {
        forms::PropertyStore saved;
        saved.write("Caption", std::string(caption));
        auto button = forms::createUserControlAs<Command>(Command::kTypeName, host, &saved);
        if (!button) return nullptr;
        button->move(300, top, 1095, 375);
        return button;
    }

    forms::Form form{forms::FormDesign{"Command form", forms::BorderStyle::FixedSingle, 7185, 3780,
                                       RGB(192, 192, 192)}};
    std::unique_ptr<forms::PictureBox> panel;
};

}  // namespace

TEST_F(CommandForm, ButtonsAreMadeByTypeNameAndFoundInsidePictureBoxes) {
    auto onForm = placeButton(form, "設定", 2500);
    auto inPanel = placeButton(*panel, "ｷｬﾝｾﾙ", 300);
    ASSERT_TRUE(onForm && inPanel);
    EXPECT_EQ(GetParent(inPanel->hWnd()), panel->hWnd());
    EXPECT_EQ(inPanel->parentFormWindow(), form.hWnd());
    EXPECT_EQ(inPanel->Caption(), "ｷｬﾝｾﾙ");
    EXPECT_EQ(inPanel->width(), 1095);
    EXPECT_TRUE(inPanel->fields().Enabled) << "restored from a store: enabled at once";
    EXPECT_EQ(forms::createUserControl("Vantrel.Unknown", form), nullptr);

    const std::vector<Command*> found = commandButtonsOn(form);
    ASSERT_EQ(found.size(), 2u);
    EXPECT_NE(std::find(found.begin(), found.end(), inPanel.get()), found.end());
    EXPECT_EQ(commandButtonsOn(*panel), std::vector<Command*>{inPanel.get()});

    Command fresh(form);
    EXPECT_FALSE(IsWindowEnabled(fresh.hWnd())) << "never initialised: disabled until Enabled is read";
    EXPECT_TRUE(fresh.Enabled());
    EXPECT_TRUE(IsWindowEnabled(fresh.hWnd()));
}
