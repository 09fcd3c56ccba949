// The settings dialog where the system's code page cannot write everything: installed in a
// folder whose name code page 932 cannot write, and on a system whose ANSI code page is 1252.
#include <gtest/gtest.h>

#include <string>

#include "frontend_scenario.h"
#include "process.h"
#include "program_contract.h"
#include "settings_dialog_fixture.h"
#include "system_text.h"
#include "user_input.h"
#include "windows_probe.h"

using scenario::Renderer;
using settings_scenario::Dialog;
using settings_scenario::firstDescendant;
using settings_scenario::settingsFile;

namespace {

std::wstring windowTextW(HWND window) {
    wchar_t text[512] = {};
    SendMessageW(window, WM_GETTEXT, 512, reinterpret_cast<LPARAM>(text));
    return text;
}

// A message box's text as Unicode: what the user reads whatever the code page.
std::wstring boxTextW(HWND box) {
    std::wstring text;
    for (int i = 0; i < 100 && text.empty(); ++i) {
        text = windowTextW(GetDlgItem(box, 0xFFFF));
        if (text.empty()) Sleep(20);
    }
    return text;
}

// A descendant window whose text, or whose combo box's selected entry, is `text`.
HWND findDescendantShowing(HWND parent, const std::wstring& text) {
    for (HWND child = FindWindowExW(parent, nullptr, nullptr, nullptr); child;
         child = FindWindowExW(parent, child, nullptr, nullptr)) {
        if (windowTextW(child) == text) return child;
        if (e2e::windowClass(child) == "ComboBox") {
            const LRESULT selected = SendMessageW(child, CB_GETCURSEL, 0, 0);
            wchar_t entry[256] = {};
            if (selected >= 0 && SendMessageW(child, CB_GETLBTEXTLEN, static_cast<WPARAM>(selected), 0) < 256) {
                SendMessageW(child, CB_GETLBTEXT, static_cast<WPARAM>(selected), reinterpret_cast<LPARAM>(entry));
                if (text == entry) return child;
            }
        }
        if (HWND below = findDescendantShowing(child, text)) return below;
    }
    return nullptr;
}

}  // namespace

// Installed in a folder whose name code page 932 cannot write ("Zoë") and started by its long
// path: the program finds its renderer and its settings file there.
TEST(SettingsDialog, WorksFromAFolderTheCodePageCannotName) {
    ASSERT_EQ(GetACP(), 932u) << "run under the generated Japanese locale";
    const std::wstring programs = forms::wideOfAnsi(e2e::programDir());
    const std::wstring folder = programs + L"\\scenario-Zo\u00EB";
    CreateDirectoryW(folder.c_str(), nullptr);
    DeleteFileW(e2e::inFolder(folder, kSettingsFileName).c_str());
    ASSERT_TRUE(CopyFileW(e2e::inFolder(programs, kFrontEndFileName).c_str(),
                          e2e::inFolder(folder, kFrontEndFileName).c_str(), FALSE));
    ASSERT_TRUE(CopyFileW(e2e::inFolder(programs, "stand_in_renderer.exe").c_str(),
                          e2e::inFolder(folder, kRendererFileName).c_str(), FALSE));
    const std::wstring program = L"\"" + e2e::inFolder(folder, kFrontEndFileName) + L"\"";

    Dialog dialog;
    ASSERT_TRUE(dialog.process.start(program + L" /c", folder));
    dialog.window = scenario::waitForWindowOfProcess("<Corvessa>", dialog.process.id(), 15000);
    EXPECT_EQ(FindWindowA("#32770", "Corvessa (ScreenSaver)"), nullptr) << "no message about a missing renderer";
    ASSERT_TRUE(dialog.window && e2e::waitFor([&] { return IsWindowVisible(dialog.window) != FALSE; }));
    e2e::waitUntilIdle(dialog.window);
    ASSERT_TRUE(dialog.attach());
    dialog.chooseKind(1);
    EXPECT_TRUE(e2e::waitFor([&] { return dialog.selectedKind() == 1; })) << "音楽CD";
    dialog.typeTrack("4");
    dialog.click(dialog.save);
    ASSERT_TRUE(dialog.closed());
    EXPECT_EQ(e2e::fileBytes(e2e::inFolder(folder, kSettingsFileName)), "[Section]\r\nBGM区分=1\r\nBGMﾘﾋﾟｰﾄ=4\r\nBGMﾌｧｲﾙ=\r\n");

    // The saver starts the renderer from there and ends with it.
    e2e::Process saver;
    ASSERT_TRUE(saver.start(program + L" /s", folder));
    const HWND renderer = e2e::waitForWindow(kRendererWindowTitle, 15000);
    ASSERT_NE(renderer, nullptr) << "the renderer did not start";
    e2e::waitForKeyboard(renderer);
    e2e::pressKey(renderer, VK_SPACE);
    EXPECT_TRUE(saver.waitForExit(10000).has_value());
}

// On a system whose ANSI code page is 1252 (an English one), what the front end shows through the
// system reads in Japanese all the same, and a file whose name 1252 cannot write is kept by the
// short name that reaches it.
TEST(CodePage1252, MessagesAndTheFileChooserReadInJapanese) {
    if (GetACP() != 1252) GTEST_SKIP() << "runs under en_US.UTF-8 (code page 1252)";
    {
        const std::string folder = scenario::saverFolder("cp1252-no-renderer", Renderer::None);
        e2e::Process frontEnd;
        ASSERT_TRUE(frontEnd.start(scenario::saverCommand(folder, "/c"), folder));
        const scenario::MessageBoxView box = scenario::waitForMessageBox("Corvessa (ScreenSaver)", 15000);
        ASSERT_NE(box.window, nullptr);
        EXPECT_EQ(boxTextW(box.window), L"Corvessa.dll \u304C Corvessa.scr \u3068\u540C\u3058\uFF8C\uFF6B\uFF99\uFF80\uFF9E"
                                        L"\u306B\u898B\u3064\u304B\u308A\u307E\u305B\u3093\uFF01");
        PostMessageA(box.window, WM_COMMAND, IDOK, 0);
        EXPECT_TRUE(frontEnd.waitForExit(5000).has_value());
    }

    const std::string folder = scenario::saverFolder("cp1252-dialog", Renderer::StandIn);
    const std::wstring song = forms::wideOfAnsi(folder) + L"\\\u66F2.mp3";  // "曲.mp3"
    CloseHandle(CreateFileW(song.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr));
    Dialog dialog;
    ASSERT_TRUE(dialog.open(folder));
    dialog.chooseKind(2);
    dialog.click(dialog.fileButton);
    HWND chooser = nullptr;
    ASSERT_TRUE(e2e::waitFor([&] {
        for (HWND w = FindWindowExW(nullptr, nullptr, L"#32770", nullptr); w && !chooser;
             w = FindWindowExW(nullptr, w, L"#32770", nullptr)) {
            if (e2e::windowProcessId(w) == dialog.process.id() && IsWindowVisible(w)) chooser = w;
        }
        return chooser != nullptr;
    }, 15000));
    EXPECT_EQ(windowTextW(chooser), L"\uFF8C\uFF67\uFF72\uFF99\u3092\u958B\u304F");  // "ﾌｧｲﾙを開く"
    const HWND types = findDescendantShowing(chooser, L"BGM\uFF8C\uFF67\uFF72\uFF99 (MP3 WAV)");
    EXPECT_NE(types, nullptr) << "the filter \"BGMﾌｧｲﾙ (MP3 WAV)\"";
    const HWND name = firstDescendant(chooser, "Edit");
    ASSERT_NE(name, nullptr);
    SendMessageW(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(song.c_str()));
    PostMessageW(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDOK)));
    ASSERT_TRUE(e2e::waitFor([&] { return !IsWindow(chooser); }));

    // A track out of range, then a settings file that cannot be written: both said in Japanese.
    dialog.chooseKind(1);
    dialog.typeTrack("65536");
    dialog.click(dialog.save);
    scenario::MessageBoxView box = scenario::waitForMessageBox("Corvessa (ScreenSaver)", 10000);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(boxTextW(box.window), L"\u66F2\u76EE\u306F -32768 \u304B\u3089 32767 \u307E\u3067\u306E\u6570\u3067"
                                    L"\u5165\u529B\u3057\u3066\u304F\u3060\u3055\u3044\uFF01");
    PostMessageA(box.window, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::waitFor([&] { return !IsWindow(box.window); }));
    DeleteFileA(settingsFile(folder).c_str());
    ASSERT_TRUE(CreateDirectoryA(settingsFile(folder).c_str(), nullptr));
    dialog.typeTrack("3");
    dialog.click(dialog.save);
    box = scenario::waitForMessageBox("Corvessa (ScreenSaver)", 10000);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(boxTextW(box.window), L"\u8A2D\u5B9A\u3092\u4FDD\u5B58\u3067\u304D\u307E\u305B\u3093\u3067\u3057\u305F"
                                    L"\uFF01\r\n" + forms::wideOfAnsi(settingsFile(folder)) +
                                    L" \u306B\u66F8\u304D\u8FBC\u3081\u307E\u305B\u3093\u3002");
    PostMessageA(box.window, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::waitFor([&] { return !IsWindow(box.window); }));
    RemoveDirectoryA(settingsFile(folder).c_str());

    // Saved now: the chosen file under a name that reaches it.
    dialog.click(dialog.save);
    ASSERT_TRUE(dialog.closed());
    char stored[300] = {};
    GetPrivateProfileStringA("Section", "BGMﾌｧｲﾙ", "", stored, sizeof stored, settingsFile(folder).c_str());
    EXPECT_NE(GetFileAttributesA(stored), INVALID_FILE_ATTRIBUTES) << stored;
    wchar_t reached[MAX_PATH] = {};
    GetLongPathNameW(forms::wideOfAnsi(stored).c_str(), reached, MAX_PATH);
    EXPECT_EQ(lstrcmpiW(reached, song.c_str()), 0);
}
