// The renderer's window as the front end and the user see it, its start-up rules and the
// resources the program carries.
#include "running_renderer.h"
#include "user_input.h"
#include "windows_probe.h"

#include <gtest/gtest.h>

#include <cstring>
#include <string>

using namespace e2e;

namespace {

void expectTopmostFullScreenPopup(HWND window) {
    EXPECT_EQ(windowClass(window), kRendererWindowClass);
    EXPECT_EQ(windowTitle(window), kRendererWindowTitle);
    LONG_PTR style = GetWindowLongPtrA(window, GWL_STYLE);
    LONG_PTR exStyle = GetWindowLongPtrA(window, GWL_EXSTYLE);
    EXPECT_TRUE(style & WS_POPUP);
    EXPECT_TRUE(style & WS_VISIBLE);
    EXPECT_FALSE(style & WS_CAPTION);
    EXPECT_TRUE(exStyle & WS_EX_TOPMOST);
    RECT rect{};
    GetWindowRect(window, &rect);
    EXPECT_EQ(rect.left, 0);
    EXPECT_EQ(rect.top, 0);
    EXPECT_EQ(rect.right, GetSystemMetrics(SM_CXSCREEN));
    EXPECT_EQ(rect.bottom, GetSystemMetrics(SM_CYSCREEN));
    EXPECT_EQ(GetParent(window), nullptr);
}

void closeWithKeyAndExpectExitCodeZero(RunningRenderer& renderer) {
    pressKey(renderer.window(), VK_ESCAPE);
    EXPECT_TRUE(waitForNoWindow(kRendererWindowTitle, 3000));
    std::optional<DWORD> code = renderer.waitForClose();
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
}

// A window of the saver's class that still carries its creation title, as a saver that is
// being created would.
class StartingSaverStandIn {
public:
    StartingSaverStandIn() {
        WNDCLASSA wc{};
        wc.lpfnWndProc = DefWindowProcA;
        wc.hInstance = GetModuleHandleA(nullptr);
        wc.lpszClassName = kRendererWindowClass;
        RegisterClassA(&wc);
        window_ = CreateWindowExA(0, kRendererWindowClass, "Screensaver", WS_POPUP | WS_VISIBLE, 300,
                                  300, 100, 100, nullptr, nullptr, wc.hInstance, nullptr);
    }
    ~StartingSaverStandIn() {
        if (window_) DestroyWindow(window_);
        UnregisterClassA(kRendererWindowClass, GetModuleHandleA(nullptr));
    }
    StartingSaverStandIn(const StartingSaverStandIn&) = delete;
    StartingSaverStandIn& operator=(const StartingSaverStandIn&) = delete;
    HWND window() const { return window_; }

private:
    HWND window_ = nullptr;
};

}  // namespace

TEST(RendererWindow, IsATopmostFullScreenPopupOfTheSaverClassTitledForTheFrontEnd) {
    RunningRenderer renderer;
    ASSERT_TRUE(renderer.window());
    expectTopmostFullScreenPopup(renderer.window());
    // The front end watches the title: it stays while the renderer runs.
    for (int i = 0; i < 10; ++i) {
        Sleep(10);
        ASSERT_EQ(windowTitle(renderer.window()), kRendererWindowTitle) << i;
    }
    // Only the saver window shows; the system may keep hidden helper windows in the process.
    EXPECT_EQ(visibleWindowsOfProcess(renderer.process().id()).size(), 1u);
    closeWithKeyAndExpectExitCodeZero(renderer);
}

class RendererArguments : public testing::TestWithParam<const char*> {};

TEST_P(RendererArguments, AreIgnoredAndTheRendererRunsFullScreen) {
    RunningRenderer renderer(GetParam());
    ASSERT_TRUE(renderer.window());
    expectTopmostFullScreenPopup(renderer.window());
    closeWithKeyAndExpectExitCodeZero(renderer);
}

INSTANTIATE_TEST_SUITE_P(Renderer, RendererArguments, testing::Values("/c", "/p 123", "/s x"));

TEST(SingleInstance, SaverStillBeingCreatedIsBroughtForwardAndNoSecondWindowIsMade) {
    StartingSaverStandIn starting;
    ASSERT_TRUE(starting.window());
    OtherApplicationWindow other;
    other.activate();
    Process process;
    ASSERT_TRUE(process.start("\"" + rendererPath() + "\"", programDir()));
    std::optional<DWORD> code = process.waitForExit(10000);
    ASSERT_TRUE(code.has_value());
    EXPECT_EQ(*code, 0u);
    EXPECT_EQ(FindWindowA(nullptr, kRendererWindowTitle), nullptr);
    pumpMessages(100);
    EXPECT_EQ(GetForegroundWindow(), starting.window());
}

TEST(SingleInstance, RunningRendererIsNotFoundByASecondOneSinceItWasRenamed) {
    RunningRenderer first;
    ASSERT_TRUE(first.window());
    Process second;
    ASSERT_TRUE(second.start("\"" + rendererPath() + "\"", programDir()));
    HWND secondWindow = nullptr;
    DWORD start = GetTickCount();
    while (!secondWindow && second.running() && GetTickCount() - start < 10000) {
        for (HWND w : windowsOfProcess(second.id()))
            if (windowTitle(w) == kRendererWindowTitle) secondWindow = w;
        Sleep(10);
    }
    EXPECT_TRUE(secondWindow);
    // Both end through the job objects of their Process handles.
}

namespace {

// The renderer's resources, read without running it.
class RendererImage {
public:
    RendererImage()
        : module_(LoadLibraryExA(rendererPath().c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE)) {}
    ~RendererImage() {
        if (module_) FreeLibrary(module_);
    }
    RendererImage(const RendererImage&) = delete;
    RendererImage& operator=(const RendererImage&) = delete;

    // The bytes of a resource, empty when it is missing.
    std::string resource(LPCSTR type, LPCSTR name) const {
        if (!module_) return {};
        HRSRC found = FindResourceA(module_, name, type);
        if (!found) return {};
        HGLOBAL loaded = LoadResource(module_, found);
        const void* bytes = loaded ? LockResource(loaded) : nullptr;
        if (!bytes) return {};
        return std::string(static_cast<const char*>(bytes), SizeofResource(module_, found));
    }

private:
    HMODULE module_;
};

#pragma pack(push, 2)
struct IconGroupEntry {
    BYTE width, height, colourCount, reserved;
    WORD planes, bitCount;
    DWORD bytesInRes;
    WORD id;
};
#pragma pack(pop)

}  // namespace

TEST(RendererResources, Icon7002Is32By32In16Colours) {
    RendererImage image;
    std::string group = image.resource(MAKEINTRESOURCEA(14) /*RT_GROUP_ICON*/, MAKEINTRESOURCEA(7002));
    ASSERT_GE(group.size(), 6u + sizeof(IconGroupEntry));
    WORD count = 0;
    std::memcpy(&count, group.data() + 4, sizeof count);
    ASSERT_EQ(count, 1);
    IconGroupEntry entry{};
    std::memcpy(&entry, group.data() + 6, sizeof entry);
    EXPECT_EQ(entry.width, 32);
    EXPECT_EQ(entry.height, 32);
    EXPECT_EQ(entry.colourCount, 16);
    EXPECT_EQ(entry.bitCount, 4);
}

TEST(RendererResources, ManifestDeclaresTheRendererPerMonitorDpiAwareWithTheOlderFallback) {
    RendererImage image;
    std::string manifest = image.resource(MAKEINTRESOURCEA(24) /*RT_MANIFEST*/, MAKEINTRESOURCEA(1));
    ASSERT_FALSE(manifest.empty());
    size_t at = manifest.find("<dpiAware ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_NE(manifest.find(">true</dpiAware>", at), std::string::npos);
    at = manifest.find("<dpiAwareness ");
    ASSERT_NE(at, std::string::npos);
    EXPECT_NE(manifest.find(">PerMonitorV2</dpiAwareness>", at), std::string::npos);
}
