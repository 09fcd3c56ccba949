// The Command button on a real form: made by its type name, found inside picture boxes,
// and taking its part in the form's tab order with picture boxes and combo boxes.
#include <gtest/gtest.h>

#include <algorithm>
#include <memory>

#include "command_button_win32.h"
#include "forms/combo_box.h"
#include "forms/focus_order.h"
#include "forms/form.h"
#include "forms/picture_box.h"

namespace {

struct CommandForm : ::testing::Test {
    static void SetUpTestSuite() { Command::registerType(); }
    void SetUp() override {
        form.load();
        panel = std::make_unique<forms::PictureBox>(form);
        panel->move(180, 240, 4000, 2000);
        panel->setTabIndex(1);
    }
    void TearDown() override { form.unload(); }

    std::unique_ptr<Command> placeButton(forms::Container& host, const char* caption, int top, int tabIndex) {
        forms::PropertyStore saved;
        saved.write("Caption", std::string(caption));
        auto button = forms::createUserControlAs<Command>(Command::kTypeName, host, &saved);
        if (!button) return nullptr;
        button->move(300, top, 1095, 375);
        button->setTabIndex(tabIndex);
        button->Initialize();
        return button;
    }

    forms::Form form{forms::FormDesign{"Command form", forms::BorderStyle::FixedSingle, 7185, 3780, RGB(192, 192, 192)}};
    std::unique_ptr<forms::PictureBox> panel;
};

}  // namespace

TEST_F(CommandForm, ButtonsAreMadeByTypeNameAndFoundInsidePictureBoxes) {
    auto onForm = placeButton(form, "設定", 2500, 3);
    auto inPanel = placeButton(*panel, "ｷｬﾝｾﾙ", 300, 2);
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

TEST_F(CommandForm, TabFollowsTheTabIndexThroughPanelComboAndButtons) {
    auto first = placeButton(form, "設定", 2500, 2);
    forms::ComboBox box(*panel);
    box.move(300, 900, 1200, 300);
    box.setTabIndex(3);
    auto disabled = placeButton(*panel, "無効", 300, 4);
    auto last = placeButton(form, "ｷｬﾝｾﾙ", 3000, 5);
    disabled->setEnabled(false);
    form.show();
    EXPECT_EQ(GetFocus(), panel->hWnd()) << "the panel, first of the order, has the focus at opening";

    ASSERT_TRUE(forms::moveFocus(form.hWnd(), false));
    EXPECT_EQ(GetFocus(), first->hWnd());
    EXPECT_EQ(first->fields().ButtonState, kStateSelected);
    ASSERT_TRUE(forms::moveFocus(form.hWnd(), false));
    EXPECT_TRUE(IsChild(box.hWnd(), GetFocus())) << "the combo box's edit field";
    EXPECT_EQ(first->fields().ButtonState, kStateNormal);

    // Tab pressed in the edit field, as the message loops see it.
    MSG tab{GetFocus(), WM_KEYDOWN, VK_TAB, 0, 0, {}};
    ASSERT_TRUE(forms::handleTabKey(tab));
    EXPECT_EQ(GetFocus(), last->hWnd()) << "the disabled button is passed over";
    ASSERT_TRUE(forms::moveFocus(form.hWnd(), false));
    EXPECT_EQ(GetFocus(), panel->hWnd()) << "round to the start";
    ASSERT_TRUE(forms::moveFocus(form.hWnd(), true));
    EXPECT_EQ(GetFocus(), last->hWnd()) << "Shift+Tab goes back";
    MSG letter{GetFocus(), WM_KEYDOWN, 'A', 0, 0, {}};
    EXPECT_FALSE(forms::handleTabKey(letter));
}
