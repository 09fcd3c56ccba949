// The preview: a child window inside the host named on the command line, alive as long as the
// host. (Its picture is checked inside a process, see the preview picture unit test: drawing of
// a child whose parent belongs to another process does not reach screen captures here.)
#include <gtest/gtest.h>

#include <string>

#include "frontend_scenario.h"
#include "process.h"
#include "program_contract.h"
#include "windows_probe.h"

using scenario::Renderer;

namespace {

HWND waitForPreviewIn(HWND host, DWORD timeoutMs) {
    const DWORD start = GetTickCount();
    do {
        if (HWND preview = FindWindowExA(host, nullptr, nullptr, "Preview Window")) {
            if (IsWindowVisible(preview)) return preview;
        }
        Sleep(10);
    } while (GetTickCount() - start < timeoutMs);
    return nullptr;
}

std::string handleText(HWND window) { return std::to_string(reinterpret_cast<UINT_PTR>(window)); }

}  // namespace

TEST(PreviewMode, CoversTheHostAndEndsWithIt) {
    const std::string folder = scenario::saverFolder("preview", Renderer::StandIn);
    for (const char* separator : {" ", ":"}) {
        SCOPED_TRACE(separator);
        scenario::HostWindow host(60, 60, 152, 112);
        ASSERT_NE(host.hWnd(), nullptr);
        e2e::Process frontEnd;
        ASSERT_TRUE(frontEnd.start(
            scenario::saverCommand(folder, std::string("/p") + separator + handleText(host.hWnd())), folder));
        HWND preview = waitForPreviewIn(host.hWnd(), 15000);
        ASSERT_NE(preview, nullptr);

        EXPECT_EQ(e2e::windowProcessId(preview), frontEnd.id());
        EXPECT_NE(GetWindowLongA(preview, GWL_STYLE) & WS_CHILD, 0);
        EXPECT_EQ(GetAncestor(preview, GA_PARENT), host.hWnd());
        RECT hostRect{}, previewRect{};
        GetWindowRect(host.hWnd(), &hostRect);
        GetWindowRect(preview, &previewRect);
        EXPECT_EQ(previewRect.left, hostRect.left);
        EXPECT_EQ(previewRect.top, hostRect.top);
        EXPECT_EQ(previewRect.right - previewRect.left, 152);
        EXPECT_EQ(previewRect.bottom - previewRect.top, 112);

        EXPECT_FALSE(frontEnd.waitForExit(500).has_value());
        EXPECT_EQ(FindWindowA(nullptr, kRendererWindowTitle), nullptr) << "a preview starts no renderer";

        host.destroy();
        EXPECT_TRUE(frontEnd.waitForExit(5000).has_value()) << "the preview outlived its host";
    }
}

TEST(PreviewMode, AHandleOfNoWindowEndsAtOnce) {
    const std::string folder = scenario::saverFolder("preview-nohost", Renderer::StandIn);
    // A window that has gone leaves a handle that names nothing.
    HWND gone = nullptr;
    {
        scenario::HostWindow host(60, 60, 152, 112);
        gone = host.hWnd();
    }
    for (const std::string& arguments : {std::string("/p ") + handleText(gone), std::string("/p"),
                                         std::string("/p:rubbish")}) {
        SCOPED_TRACE(arguments);
        e2e::Process frontEnd;
        ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, arguments), folder));
        EXPECT_TRUE(frontEnd.waitForExit(10000).has_value());
    }
}

TEST(PreviewMode, NeedsNoRendererBesideIt) {
    const std::string folder = scenario::saverFolder("preview-alone", Renderer::None);
    scenario::HostWindow host(60, 60, 152, 112);
    e2e::Process frontEnd;
    ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, "/p " + handleText(host.hWnd())), folder));
    EXPECT_NE(waitForPreviewIn(host.hWnd(), 15000), nullptr);
    EXPECT_EQ(FindWindowA("#32770", "Corvessa (ScreenSaver)"), nullptr);
    host.destroy();
    EXPECT_TRUE(frontEnd.waitForExit(5000).has_value());
}
