// The settings dialog as a user meets it: the real Corvessa.scr /c in a folder of its own, with
// real pointer moves, clicks and keys, checked by what the screen shows and by Corvessa.ini
// byte for byte. Here: the first start, a stored choice, the music file and a choice that
// cannot be stored.
#include <gtest/gtest.h>

#include <string>

#include "frontend_scenario.h"
#include "process.h"
#include "settings_dialog_fixture.h"
#include "user_input.h"
#include "windows_probe.h"

using scenario::Renderer;
using settings_scenario::Dialog;
using settings_scenario::firstDescendant;
using settings_scenario::settingsFile;
using settings_scenario::windowText;

namespace {

void store(const std::string& folder, const char* kind, const char* track, const std::string& file) {
    const std::string path = settingsFile(folder);
    WritePrivateProfileStringA("Section", "BGM区分", kind, path.c_str());
    WritePrivateProfileStringA("Section", "BGMﾘﾋﾟｰﾄ", track, path.c_str());
    WritePrivateProfileStringA("Section", "BGMﾌｧｲﾙ", file.c_str(), path.c_str());
}

void writeFile(const std::string& path, const char* bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes, static_cast<DWORD>(strlen(bytes)), &written, nullptr);
    CloseHandle(file);
}

}  // namespace

TEST(SettingsDialog, FirstStartShowsNoMusicAndSavesWhatTheUserChose) {
    ASSERT_EQ(GetACP(), 932u) << "run under the Japanese locale";
    const std::string folder = scenario::saverFolder("dialog-first", Renderer::StandIn);
    Dialog dialog;
    ASSERT_TRUE(dialog.open(folder));

    // Its size and place: 7185 x 3780 twips inside, centred, its top at a third of the free height.
    RECT inner{};
    GetClientRect(dialog.window, &inner);
    EXPECT_EQ(inner.right, 479);
    EXPECT_EQ(inner.bottom, 252);
    RECT outer{};
    GetWindowRect(dialog.window, &outer);
    const int freeWidthTwips = (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) * 15;
    const int freeHeightTwips = (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) * 15;
    EXPECT_EQ(outer.left, (freeWidthTwips / 2 + 7) / 15);
    EXPECT_EQ(outer.top, (freeHeightTwips / 3 + 7) / 15);
    EXPECT_EQ(windowText(dialog.window), "<Corvessa>");

    EXPECT_TRUE(e2e::waitFor([&] { return dialog.selectedKind() == 0; })) << "無し";
    EXPECT_EQ(windowText(dialog.trackBox), "");
    EXPECT_FALSE(IsWindowEnabled(dialog.trackBox));
    EXPECT_FALSE(IsWindowEnabled(dialog.fileButton));
    EXPECT_TRUE(dialog.focusIsIn(dialog.panel)) << "the panel, not a button, holds the focus at first";

    // A second start while the dialog is open ends at once and leaves the first alone.
    e2e::Process second;
    ASSERT_TRUE(second.start(scenario::saverCommand(folder, "/c"), folder));
    EXPECT_TRUE(second.waitForExit(10000).has_value());
    EXPECT_TRUE(IsWindowVisible(dialog.window));

    dialog.chooseKind(1);
    EXPECT_TRUE(e2e::waitFor([&] { return dialog.selectedKind() == 1; })) << "音楽CD";
    EXPECT_TRUE(IsWindowEnabled(dialog.trackBox));
    EXPECT_EQ(dialog.trackEntries(), 31);
    dialog.typeTrack("2.5");
    EXPECT_EQ(windowText(dialog.trackBox), "2.5");

    // Enter and Escape neither save nor close.
    e2e::pressKey(dialog.window, VK_RETURN);
    e2e::pressKey(dialog.window, VK_ESCAPE);
    EXPECT_FALSE(dialog.closed(500));
    EXPECT_EQ(e2e::fileBytes(settingsFile(folder)), std::nullopt);

    dialog.click(dialog.save);
    ASSERT_TRUE(dialog.closed());
    EXPECT_EQ(e2e::fileBytes(settingsFile(folder)),
              "[Section]\r\nBGM区分=1\r\nBGMﾘﾋﾟｰﾄ=2\r\nBGMﾌｧｲﾙ=\r\n");
}

TEST(SettingsDialog, ShowsTheStoredChoiceAndLeavesTheFileAloneUnlessSaved) {
    const std::string folder = scenario::saverFolder("dialog-stored", Renderer::StandIn);
    store(folder, "1", "5", "");
    const auto before = e2e::fileBytes(settingsFile(folder));

    {
        Dialog dialog;
        ASSERT_TRUE(dialog.open(folder));
        EXPECT_TRUE(e2e::waitFor([&] { return dialog.selectedKind() == 1; })) << "音楽CD";
        EXPECT_EQ(windowText(dialog.trackBox), "5");
        EXPECT_TRUE(IsWindowEnabled(dialog.trackBox));
        EXPECT_EQ(dialog.trackEntries(), 31);

        // Tab and Shift+Tab follow the tab order through what can take the focus: the panel,
        // the track box, then "設定", "ｷｬﾝｾﾙ" and "その他の作品" ("..." is disabled).
        const HWND order[] = {dialog.trackBox, dialog.save, dialog.cancel, dialog.otherWorks, dialog.panel};
        for (HWND next : order) {
            e2e::pressKey(dialog.window, VK_TAB);
            EXPECT_TRUE(e2e::waitFor([&] { return dialog.focusIsIn(next); }, 2000));
        }
        e2e::keyDown(dialog.window, VK_SHIFT);
        e2e::pressKey(dialog.window, VK_TAB);
        e2e::keyUp(dialog.window, VK_SHIFT);
        EXPECT_TRUE(e2e::waitFor([&] { return dialog.focusIsIn(dialog.otherWorks); }, 2000));

        dialog.chooseKind(0);
        EXPECT_TRUE(e2e::waitFor([&] { return dialog.selectedKind() == 0; })) << "無し";
        EXPECT_FALSE(IsWindowEnabled(dialog.trackBox));
        EXPECT_EQ(windowText(dialog.trackBox), "5") << "the track box keeps its text";
        dialog.chooseKind(2);
        EXPECT_TRUE(e2e::waitFor([&] { return dialog.selectedKind() == 2; })) << "MP3、WAV";
        EXPECT_TRUE(IsWindowEnabled(dialog.fileButton));

        // "その他の作品" leaves the dialog open.
        dialog.click(dialog.otherWorks);
        EXPECT_FALSE(dialog.closed(1000));
        EXPECT_TRUE(IsWindowVisible(dialog.window));

        dialog.click(dialog.cancel);
        ASSERT_TRUE(dialog.closed());
        EXPECT_EQ(e2e::fileBytes(settingsFile(folder)), before) << "ｷｬﾝｾﾙ writes nothing";
    }
    {
        Dialog dialog;
        ASSERT_TRUE(dialog.open(folder));
        dialog.chooseKind(0);
        EXPECT_TRUE(e2e::waitFor([&] { return dialog.selectedKind() == 0; }));
        TITLEBARINFO bar{};
        bar.cbSize = sizeof bar;
        ASSERT_TRUE(GetTitleBarInfo(dialog.window, &bar));
        // The close box is the last button at the right end of the caption.
        const RECT& caption = bar.rcTitleBar;
        dialog.clickAt(POINT{caption.right - GetSystemMetrics(SM_CXSIZE) / 2 - 1, (caption.top + caption.bottom) / 2});
        ASSERT_TRUE(dialog.closed());
        EXPECT_EQ(e2e::fileBytes(settingsFile(folder)), before) << "the close box writes nothing";
    }
}

TEST(SettingsDialog, ChoosesAMusicFileAndSaysWhenTheChoiceCannotBeStored) {
    const std::string folder = scenario::saverFolder("dialog-file", Renderer::StandIn);
    RemoveDirectoryA(settingsFile(folder).c_str());
    const std::string stored = folder + "\\tone.mp3";
    const std::string chosen = folder + "\\other.wav";
    writeFile(stored, "ID3");
    writeFile(chosen, "RIFF");
    store(folder, "2", "0", stored);

    {
        Dialog dialog;
        ASSERT_TRUE(dialog.open(folder));
        EXPECT_TRUE(e2e::waitFor([&] { return dialog.selectedKind() == 2; })) << "MP3、WAV";
        EXPECT_TRUE(IsWindowEnabled(dialog.fileButton));
        EXPECT_FALSE(IsWindowEnabled(dialog.trackBox));

        dialog.click(dialog.fileButton);
        HWND chooser = nullptr;
        ASSERT_TRUE(e2e::waitFor([&] {
            chooser = scenario::waitForWindowOfProcess("ﾌｧｲﾙを開く", dialog.process.id(), 100);
            return chooser && IsWindowVisible(chooser);
        }, 15000));
        EXPECT_EQ(windowText(chooser), "\xCC\xA7\xB2\xD9\x82\xF0\x8A\x4A\x82\xAD");
        // The name field of the chooser (an edit inside its file-name box), typed in and confirmed.
        const HWND name = firstDescendant(chooser, "Edit");
        ASSERT_NE(name, nullptr);
        SendMessageA(name, WM_SETTEXT, 0, reinterpret_cast<LPARAM>(chosen.c_str()));
        PostMessageA(chooser, WM_COMMAND, MAKEWPARAM(IDOK, BN_CLICKED), reinterpret_cast<LPARAM>(GetDlgItem(chooser, IDOK)));
        ASSERT_TRUE(e2e::waitFor([&] { return !IsWindow(chooser); }));

        dialog.click(dialog.save);
        ASSERT_TRUE(dialog.closed());
        EXPECT_EQ(GetPrivateProfileIntA("Section", "BGM区分", -1, settingsFile(folder).c_str()), 2);
        char file[300] = {};
        GetPrivateProfileStringA("Section", "BGMﾌｧｲﾙ", "", file, sizeof file, settingsFile(folder).c_str());
        EXPECT_EQ(lstrcmpiA(file, chosen.c_str()), 0) << file;
    }

    // A folder where the file should be: nothing can be written there, even by root.
    DeleteFileA(settingsFile(folder).c_str());
    ASSERT_TRUE(CreateDirectoryA(settingsFile(folder).c_str(), nullptr));
    Dialog dialog;
    ASSERT_TRUE(dialog.open(folder));
    dialog.chooseKind(1);
    EXPECT_TRUE(e2e::waitFor([&] { return dialog.selectedKind() == 1; }));

    // A track beyond the 16-bit range is refused before anything is written, never wrapped.
    dialog.typeTrack("65536");
    dialog.click(dialog.save);
    scenario::MessageBoxView box = scenario::waitForMessageBox("Corvessa (ScreenSaver)", 10000);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "曲目は -32768 から 32767 までの数で入力してください！");
    PostMessageA(box.window, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::waitFor([&] { return !IsWindow(box.window); }));
    EXPECT_FALSE(dialog.closed(300));

    // A failed write is said, with the place, and the dialog stays with the user's choice.
    dialog.typeTrack("3");
    dialog.click(dialog.save);
    box = scenario::waitForMessageBox("Corvessa (ScreenSaver)", 10000);
    ASSERT_NE(box.window, nullptr);
    EXPECT_EQ(box.text, "設定を保存できませんでした！\r\n" + settingsFile(folder) + " に書き込めません。");
    PostMessageA(box.window, WM_COMMAND, IDOK, 0);
    ASSERT_TRUE(e2e::waitFor([&] { return !IsWindow(box.window); }));
    EXPECT_FALSE(dialog.closed(300));
    EXPECT_EQ(dialog.selectedKind(), 1);
    EXPECT_EQ(windowText(dialog.trackBox), "3");

    dialog.click(dialog.cancel);
    EXPECT_TRUE(dialog.closed());
    EXPECT_NE(GetFileAttributesA(settingsFile(folder).c_str()) & FILE_ATTRIBUTE_DIRECTORY, 0u);
    RemoveDirectoryA(settingsFile(folder).c_str());
}
