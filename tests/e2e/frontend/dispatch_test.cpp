// What every start checks first: a running instance, the renderer beside the program; and
// the settings mode's modal form.
#include <gtest/gtest.h>

#include "frontend_scenario.h"
#include "process.h"
#include "program_contract.h"
#include "windows_probe.h"

using scenario::Renderer;

namespace {

constexpr const char* kAllModes[] = {"/s", "/S", "-s", "", "/c", "/c:1234", "/a", "s", "/p 1234"};

}  // namespace

TEST(InstanceGuard, AnyModeEndsAtOnceBesideARunningInstance) {
    for (const char* marker : {"Vantrel_Main", "<Corvessa>"}) {
        scenario::HostWindow running(700, 500, 152, 112, marker);
        scenario::HostWindow host(40, 40, 152, 112);
        ASSERT_NE(running.hWnd(), nullptr);
        const std::string folder = scenario::saverFolder("guard", Renderer::StandIn);
        for (std::string arguments : kAllModes) {
            if (arguments == "/p 1234") arguments = "/p " + std::to_string(reinterpret_cast<UINT_PTR>(host.hWnd()));
            SCOPED_TRACE(std::string(marker) + " " + arguments);
            e2e::Process frontEnd;
            ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, arguments), folder));
            EXPECT_TRUE(frontEnd.waitForExit(10000).has_value());
            EXPECT_EQ(FindWindowA(nullptr, kRendererWindowTitle), nullptr);
            EXPECT_EQ(FindWindowExA(host.hWnd(), nullptr, nullptr, "Preview Window"), nullptr);
            EXPECT_EQ(FindWindowA("#32770", "Corvessa (ScreenSaver)"), nullptr);
        }
    }
}

TEST(RendererCheck, EveryModeButPreviewShowsTheMessageAndEndsWhenDismissed) {
    const std::string folder = scenario::saverFolder("no-renderer", Renderer::None);
    for (const char* arguments : {"/s", "", "/c", "/c:1234", "/a", "s"}) {
        SCOPED_TRACE(arguments);
        e2e::Process frontEnd;
        ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, arguments), folder));
        const scenario::MessageBoxView box = scenario::waitForMessageBox("Corvessa (ScreenSaver)", 15000);
        ASSERT_NE(box.window, nullptr);
        EXPECT_EQ(box.text, "Corvessa.dll が Corvessa.scr と同じﾌｫﾙﾀﾞに見つかりません！");
        EXPECT_EQ(box.text,
                  "Corvessa.dll \x82\xaa Corvessa.scr \x82\xc6\x93\xaf\x82\xb6\xcc\xab\xd9\xc0\xde\x82\xc9"
                  "\x8c\xa9\x82\xc2\x82\xa9\x82\xe8\x82\xdc\x82\xb9\x82\xf1\x81\x49");
        EXPECT_EQ(box.buttons, 1);
        EXPECT_FALSE(box.hasIcon);
        EXPECT_TRUE(frontEnd.running()) << "the box must wait for the user";
        PostMessageA(box.window, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(frontEnd.waitForExit(5000).has_value());
        EXPECT_EQ(FindWindowA(nullptr, "<Corvessa>"), nullptr);
        EXPECT_EQ(FindWindowA(nullptr, "Vantrel_Main"), nullptr);
    }
}

TEST(SettingsMode, OpensTheModalFormAndEndsWhenItCloses) {
    const std::string folder = scenario::saverFolder("settings", Renderer::StandIn);
    for (const char* arguments : {"/c", "/c:1234", "/C"}) {
        SCOPED_TRACE(arguments);
        e2e::Process frontEnd;
        ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, arguments), folder));
        HWND dialog = scenario::waitForWindowOfProcess("<Corvessa>", frontEnd.id(), 15000);
        ASSERT_NE(dialog, nullptr);
        // Found as soon as it is made; shown once loaded.
        for (int i = 0; i < 500 && !IsWindowVisible(dialog); ++i) Sleep(10);
        EXPECT_TRUE(IsWindowVisible(dialog));
        RECT inner{};
        GetClientRect(dialog, &inner);
        EXPECT_EQ(inner.right, 479);  // 7185 x 3780 twips at 96 dpi
        EXPECT_EQ(inner.bottom, 252);
        EXPECT_FALSE(frontEnd.waitForExit(300).has_value());
        EXPECT_EQ(FindWindowA(nullptr, kRendererWindowTitle), nullptr) << "the settings start no renderer";
        PostMessageA(dialog, WM_CLOSE, 0, 0);
        EXPECT_TRUE(frontEnd.waitForExit(5000).has_value());
    }
}
