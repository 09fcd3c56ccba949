// The settings dialog as a user meets it: the real Corvessa.scr /c in a folder of its own, with
// real pointer moves, clicks and keys, checked by what the screen shows and by Corvessa.ini
// byte for byte.
#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

#include "command_pictures.h"
#include "frontend_scenario.h"
#include "process.h"
#include "screen_capture.h"
#include "system_text.h"
#include "twips.h"
#include "user_input.h"
#include "windows_probe.h"

using scenario::Renderer;

namespace {

// Places in twips, as the dialog lays them out: the panel Pic_C(0) at (180, 240); inside it the
// markers at x 300 and the kind names at x 540, on the rows 840 (kind 1), 1140 (kind 0) and
// 1440 (kind 2). The scenarios turn them into pixels at the dialog's scale.
constexpr int kPanelLeft = 180;
constexpr int kPanelTop = 240;
constexpr int kRowTop[3] = {1140, 840, 1440};
constexpr std::uint32_t kSelectedBlue = 0x2860DC;
constexpr std::uint32_t kEmptyPaper = 0xF4F4F8;
constexpr std::uint32_t kMarkerOutline = 0x283050;

// Sent, not read from the window's caption: the track box of another process holds its text in
// its edit field, which GetWindowText would not ask.
std::string windowText(HWND window) {
    char text[512] = {};
    SendMessageA(window, WM_GETTEXT, sizeof text, reinterpret_cast<LPARAM>(text));
    return text;
}

// The direct children of `parent` with this class, in window order.
std::vector<HWND> childrenOfClass(HWND parent, const char* className) {
    std::vector<HWND> found;
    for (HWND child = FindWindowExA(parent, nullptr, className, nullptr); child;
         child = FindWindowExA(parent, child, className, nullptr)) {
        found.push_back(child);
    }
    return found;
}

// The first window of this class below `parent`, depth first.
HWND firstDescendant(HWND parent, const char* className) {
    for (HWND child = FindWindowExA(parent, nullptr, nullptr, nullptr); child;
         child = FindWindowExA(parent, child, nullptr, nullptr)) {
        if (e2e::windowClass(child) == className) return child;
        if (HWND below = firstDescendant(child, className)) return below;
    }
    return nullptr;
}

// A child's rectangle in the client coordinates of `dialog`.
RECT rectInDialog(HWND dialog, HWND child) {
    RECT rect{};
    GetWindowRect(child, &rect);
    MapWindowPoints(nullptr, dialog, reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

// The dialog of one running Corvessa.scr /c and the windows a user works with.
struct Dialog {
    e2e::Process process;
    HWND window = nullptr;
    HWND panel = nullptr;
    HWND trackBox = nullptr;
    HWND fileButton = nullptr;  // "..."
    HWND otherWorks = nullptr;  // "その他の作品"
    HWND save = nullptr;        // "設定"
    HWND cancel = nullptr;      // "ｷｬﾝｾﾙ"
    int dpi = 96;               // the dialog's scale, told by its client width of 7185 twips

    bool open(const std::string& folder) {
        window = scenario::openSettingsDialog(process, folder);
        return attach();
    }
    // Finds the controls of `window`, once it is shown and idle.
    bool attach() {
        if (!window) return false;
        RECT inner{};
        GetClientRect(window, &inner);
        dpi = static_cast<int>(std::lround(inner.right * 1440.0 / 7185));
        panel = FindWindowExA(window, nullptr, "CorvessaPictureBox", nullptr);
        trackBox = FindWindowExA(panel, nullptr, "ComboBox", nullptr);
        const std::vector<HWND> inPanel = childrenOfClass(panel, "CorvessaUserControl");
        if (inPanel.size() == 1) fileButton = inPanel[0];
        // The three at the bottom, told apart by where they lie: left to right.
        std::vector<HWND> bottom = childrenOfClass(window, "CorvessaUserControl");
        std::sort(bottom.begin(), bottom.end(),
                  [&](HWND a, HWND b) { return rectInDialog(window, a).left < rectInDialog(window, b).left; });
        if (bottom.size() == 3) {
            otherWorks = bottom[0];
            save = bottom[1];
            cancel = bottom[2];
        }
        return panel && trackBox && fileButton && otherWorks && save && cancel;
    }

    int px(int twips) const { return twipsToPixels(twips, dpi); }
    int markerSize() const { return 12 * dpi / 96; }
    POINT toScreen(HWND of, int x, int y) const {
        POINT at{x, y};
        ClientToScreen(of, &at);
        return at;
    }
    void clickAt(POINT screen) const {
        e2e::movePointerTo(window, screen.x, screen.y);
        e2e::pressButton(window, e2e::MouseButton::Left);
        e2e::releaseButton(window, e2e::MouseButton::Left);
        e2e::waitUntilIdle(window);
    }
    POINT centreOf(HWND control) const {
        RECT inner{};
        GetClientRect(control, &inner);
        return toScreen(control, inner.right / 2, inner.bottom / 2);
    }
    void click(HWND control) const { clickAt(centreOf(control)); }
    // A click on the name of a music kind.
    void chooseKind(int kind) const { clickAt(toScreen(panel, px(540 + 120), px(kRowTop[kind] + 90))); }

    // Which marker shows the selected picture; -1 for none, -2 for a picture that is neither.
    int selectedKind() const {
        const e2e::Picture shown = e2e::captureClient(window);
        int selected = -1;
        for (int kind = 0; kind < 3; ++kind) {
            const std::uint32_t centre = shown.at(px(kPanelLeft + 300) + markerSize() / 2,
                                                  px(kPanelTop + kRowTop[kind]) + markerSize() / 2);
            if (centre == kSelectedBlue) selected = selected == -1 ? kind : -2;
            else if (centre != kEmptyPaper) return -2;
        }
        return selected;
    }
    int trackEntries() const { return static_cast<int>(SendMessageA(trackBox, CB_GETCOUNT, 0, 0)); }

    // The window that holds the keyboard focus in the dialog's thread.
    HWND focus() const {
        GUITHREADINFO info{};
        info.cbSize = sizeof info;
        GetGUIThreadInfo(GetWindowThreadProcessId(window, nullptr), &info);
        return info.hwndFocus;
    }
    bool focusIsIn(HWND control) const {
        const HWND focused = focus();
        return focused == control || (focused && GetParent(focused) == control);
    }

    // Types into the track box's edit field, replacing what it holds.
    void typeTrack(const std::string& text) const {
        click(trackBox);
        SendMessageA(trackBox, CB_SETEDITSEL, 0, MAKELPARAM(0, -1));
        e2e::pressKey(window, VK_DELETE);
        for (char c : text) e2e::pressKey(window, c == '.' ? VK_OEM_PERIOD : static_cast<WORD>(c));
    }

    bool closed(DWORD timeoutMs = 10000) { return process.waitForExit(timeoutMs).has_value(); }
};

std::string settingsFile(const std::string& folder) { return folder + "\\Corvessa.ini"; }

void store(const std::string& folder, const char* kind, const char* track, const std::string& file) {
    const std::string path = settingsFile(folder);
    WritePrivateProfileStringA("Section", "BGM区分", kind, path.c_str());
    WritePrivateProfileStringA("Section", "BGMﾘﾋﾟｰﾄ", track, path.c_str());
    WritePrivateProfileStringA("Section", "BGMﾌｧｲﾙ", file.c_str(), path.c_str());
}

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

void writeFile(const std::string& path, const char* bytes) {
    HANDLE file = CreateFileA(path.c_str(), GENERIC_WRITE, 0, nullptr, CREATE_ALWAYS, 0, nullptr);
    DWORD written = 0;
    WriteFile(file, bytes, static_cast<DWORD>(strlen(bytes)), &written, nullptr);
    CloseHandle(file);
}

// The screen's scale for the programs started while it stands: Wine reads LogPixels when a
// program starts. The value is put back as it was at once afterwards; the scenarios that use
// it run alone, so that no other program starts meanwhile.
class ScreenScale {
public:
    explicit ScreenScale(DWORD dpi) {
        RegCreateKeyExA(HKEY_CURRENT_USER, "Control Panel\\Desktop", 0, nullptr, 0, KEY_QUERY_VALUE | KEY_SET_VALUE,
                        nullptr, &key_, nullptr);
        DWORD size = sizeof kept_;
        hadValue_ = RegQueryValueExA(key_, "LogPixels", nullptr, nullptr, reinterpret_cast<BYTE*>(&kept_), &size) ==
                    ERROR_SUCCESS;
        set(dpi);
    }
    ~ScreenScale() {
        if (hadValue_) set(kept_);
        else RegDeleteValueA(key_, "LogPixels");
        RegCloseKey(key_);
    }
    ScreenScale(const ScreenScale&) = delete;
    ScreenScale& operator=(const ScreenScale&) = delete;

private:
    void set(DWORD dpi) { RegSetValueExA(key_, "LogPixels", 0, REG_DWORD, reinterpret_cast<BYTE*>(&dpi), sizeof dpi); }

    HKEY key_ = nullptr;
    DWORD kept_ = 96;
    bool hadValue_ = false;
};

// The Command button's state picture `id` as Corvessa.scr carries it, 64 x 25 pixels.
e2e::Picture statePicture(const std::string& folder, int id) {
    e2e::Picture picture;
    HMODULE program = LoadLibraryExA((folder + "\\Corvessa.scr").c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
    auto* bitmap = static_cast<HBITMAP>(LoadImageA(program, MAKEINTRESOURCEA(id), IMAGE_BITMAP, 0, 0, 0));
    HDC dc = CreateCompatibleDC(nullptr);
    if (bitmap) {
        HGDIOBJ previous = SelectObject(dc, bitmap);
        picture.width = 64;
        picture.height = 25;
        for (int y = 0; y < 25; ++y) {
            for (int x = 0; x < 64; ++x) {
                const COLORREF p = GetPixel(dc, x, y);
                picture.pixels.push_back(static_cast<std::uint32_t>(GetRValue(p)) << 16 |
                                         static_cast<std::uint32_t>(GetGValue(p)) << 8 | GetBValue(p));
            }
        }
        SelectObject(dc, previous);
        DeleteObject(bitmap);
    }
    DeleteDC(dc);
    if (program) FreeLibrary(program);
    return picture;
}

// Runs of equal neighbours made one: a strip as it looks whatever whole-pixel stretching did.
std::vector<std::uint32_t> withoutRepeats(const std::vector<std::uint32_t>& strip) {
    std::vector<std::uint32_t> kept;
    for (std::uint32_t p : strip) {
        if (kept.empty() || kept.back() != p) kept.push_back(p);
    }
    return kept;
}

// Whether the face shows the picture's 4-pixel ring on each of its four sides: across the middle
// of each side, from the edge inwards, the pixels of the picture's ring at about the same place
// along the side, each drawn once or more. A missing edge shows the gradient there instead.
::testing::AssertionResult showsRingOf(HWND button, const e2e::Picture& picture, int dpi) {
    const e2e::Picture face = e2e::captureClient(button);
    const int w = face.width;
    const int h = face.height;
    const int ring = twipsToPixels(60, dpi);
    if (picture.pixels.empty() || w < 3 * ring || h < 3 * ring) return ::testing::AssertionFailure() << "no face";
    struct Side {
        const char* name;
        bool across;  // the strip runs across the side (top, bottom) rather than along y
        int at;       // the face's column (top, bottom) or row (left, right) of the strip
        int from;     // its first pixel from the edge inwards
        int step;
        int pictureFrom;
        int pictureAt;  // the picture's column or row at the same place along the side
    };
    const int column = 4 + (w / 2 - ring) * 56 / (w - 2 * ring);
    const int row = 4 + (h / 2 - ring) * 17 / (h - 2 * ring);
    const Side sides[] = {{"top", true, w / 2, 0, 1, 0, column},
                          {"bottom", true, w / 2, h - 1, -1, 24, column},
                          {"left", false, h / 2, 0, 1, 0, row},
                          {"right", false, h / 2, w - 1, -1, 63, row}};
    for (const Side& side : sides) {
        std::vector<std::uint32_t> shown;
        for (int i = 0; i < ring; ++i) {
            const int inwards = side.from + side.step * i;
            shown.push_back(side.across ? face.at(side.at, inwards) : face.at(inwards, side.at));
        }
        bool found = false;
        for (int along = side.pictureAt - 2; along <= side.pictureAt + 2 && !found; ++along) {
            std::vector<std::uint32_t> drawn;
            for (int i = 0; i < 4; ++i) {
                const int inwards = side.pictureFrom + side.step * i;
                drawn.push_back(side.across ? picture.at(along, inwards) : picture.at(inwards, along));
            }
            found = withoutRepeats(shown) == withoutRepeats(drawn);
        }
        if (!found) return ::testing::AssertionFailure() << "the " << side.name << " edge is not the picture's ring";
    }
    return ::testing::AssertionSuccess();
}

::testing::AssertionResult showsFace(HWND button, const e2e::Picture& picture, int dpi, const char* name) {
    if (e2e::waitFor([&] { return static_cast<bool>(showsRingOf(button, picture, dpi)); })) {
        return ::testing::AssertionSuccess();
    }
    e2e::captureClient(button).saveBmp(e2e::programDir() + "\\face-not-" + name + ".bmp");
    return showsRingOf(button, picture, dpi) << " (" << name << ")";
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

// At 150 % and 125 %: the dialog grows with the screen's scale, its buttons draw their whole
// faces in every state, the markers are drawn pictures, and "設定" still saves.
class ScaledDialog : public ::testing::TestWithParam<int> {};

TEST_P(ScaledDialog, GrowsWithTheScreenAndDrawsEveryFaceWhole) {
    const int dpi = GetParam();
    const std::string folder = scenario::saverFolder("dialog-" + std::to_string(dpi) + "dpi", Renderer::StandIn);
    e2e::movePointerTo(nullptr, 1000, 740);  // off every button of the dialog to come
    Dialog dialog;
    {
        ScreenScale scale(static_cast<DWORD>(dpi));
        ASSERT_TRUE(dialog.open(folder));
    }
    RECT inner{};
    GetClientRect(dialog.window, &inner);
    EXPECT_EQ(inner.right, twipsToPixels(7185, dpi));  // 599 at 120 dpi, 719 at 144
    EXPECT_EQ(inner.bottom, twipsToPixels(3780, dpi));
    EXPECT_EQ(dialog.dpi, dpi);
    RECT outer{};
    GetWindowRect(dialog.window, &outer);
    EXPECT_NEAR(outer.left, (GetSystemMetrics(SM_CXSCREEN) - (outer.right - outer.left)) / 2, 1);
    EXPECT_NEAR(outer.top, (GetSystemMetrics(SM_CYSCREEN) - (outer.bottom - outer.top)) / 3, 1);

    // The selected marker is the picture drawn for this scale: its outline, paper and blue, no blend.
    ASSERT_TRUE(e2e::waitFor([&] { return dialog.selectedKind() == 0; })) << "無し";
    const e2e::Picture shown = e2e::captureClient(dialog.window);
    const int left = dialog.px(kPanelLeft + 300);
    const int top = dialog.px(kPanelTop + kRowTop[0]);
    const int size = dialog.markerSize();
    for (int y = top; y < top + size; ++y) {
        for (int x = left; x < left + size; ++x) {
            const std::uint32_t p = shown.at(x, y);
            const bool edge = x == left || y == top || x == left + size - 1 || y == top + size - 1;
            EXPECT_TRUE(edge ? p == kMarkerOutline : p == kSelectedBlue || p == kEmptyPaper || p == kMarkerOutline)
                << std::hex << p << " at " << std::dec << x - left << "," << y - top;
        }
    }

    const e2e::Picture normal = statePicture(folder, IDB_COMMAND_NORMAL);
    EXPECT_TRUE(showsFace(dialog.save, normal, dpi, "Normal"));
    EXPECT_TRUE(showsFace(dialog.cancel, normal, dpi, "Normal"));
    EXPECT_TRUE(showsFace(dialog.otherWorks, normal, dpi, "Normal"));
    EXPECT_TRUE(showsFace(dialog.fileButton, statePicture(folder, IDB_COMMAND_DISABLE), dpi, "Disable"));
    const POINT save = dialog.centreOf(dialog.save);
    e2e::movePointerTo(dialog.window, save.x, save.y);
    EXPECT_TRUE(showsFace(dialog.save, statePicture(folder, IDB_COMMAND_HIGHLIGHT), dpi, "HighLight"));
    e2e::pressButton(dialog.window, e2e::MouseButton::Left);
    EXPECT_TRUE(showsFace(dialog.save, statePicture(folder, IDB_COMMAND_PRESSED), dpi, "Pressed"));
    // Dragged off before the release: no click, and the focus shows.
    const POINT away = dialog.toScreen(dialog.window, 5, 5);
    e2e::movePointerTo(dialog.window, away.x, away.y);
    EXPECT_TRUE(showsFace(dialog.save, statePicture(folder, IDB_COMMAND_SELECTED), dpi, "Selected"));
    e2e::releaseButton(dialog.window, e2e::MouseButton::Left);
    EXPECT_FALSE(dialog.closed(300));

    dialog.chooseKind(1);
    EXPECT_TRUE(e2e::waitFor([&] { return dialog.selectedKind() == 1; })) << "音楽CD";
    dialog.typeTrack("12");
    dialog.click(dialog.save);
    ASSERT_TRUE(dialog.closed());
    EXPECT_EQ(e2e::fileBytes(settingsFile(folder)), "[Section]\r\nBGM区分=1\r\nBGMﾘﾋﾟｰﾄ=12\r\nBGMﾌｧｲﾙ=\r\n");
}

INSTANTIATE_TEST_SUITE_P(ScreenScales, ScaledDialog, ::testing::Values(144, 120),
                         [](const ::testing::TestParamInfo<int>& scale) { return std::to_string(scale.param) + "dpi"; });

// Installed in a folder whose name code page 932 cannot write ("Zoë") and started by its long
// path: the program finds its renderer and its settings file there.
TEST(SettingsDialog, WorksFromAFolderTheCodePageCannotName) {
    ASSERT_EQ(GetACP(), 932u) << "run under the generated Japanese locale";
    const std::wstring folder = forms::wideOfAnsi(e2e::programDir()) + L"\\scenario-Zo\u00EB";
    CreateDirectoryW(folder.c_str(), nullptr);
    DeleteFileW((folder + L"\\Corvessa.ini").c_str());
    ASSERT_TRUE(CopyFileW((forms::wideOfAnsi(e2e::programDir()) + L"\\Corvessa.scr").c_str(), (folder + L"\\Corvessa.scr").c_str(), FALSE));
    ASSERT_TRUE(CopyFileW((forms::wideOfAnsi(e2e::programDir()) + L"\\stand_in_renderer.exe").c_str(),
                          (folder + L"\\Corvessa.dll").c_str(), FALSE));
    const std::wstring program = L"\"" + folder + L"\\Corvessa.scr\"";

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
    EXPECT_EQ(e2e::fileBytes(folder + L"\\Corvessa.ini"), "[Section]\r\nBGM区分=1\r\nBGMﾘﾋﾟｰﾄ=4\r\nBGMﾌｧｲﾙ=\r\n");

    // The saver starts the renderer from there and ends with it.
    e2e::Process saver;
    ASSERT_TRUE(saver.start(program + L" /s", folder));
    const HWND renderer = e2e::waitForWindow("Vantrel_VC", 15000);
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
