// The settings dialog at larger display scalings, set through the screen's LogPixels while the
// dialog starts; these scenarios run on their own (e2e.settings_dialog_scaled).
#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "command_pictures.h"
#include "frontend_scenario.h"
#include "program_contract.h"
#include "screen_capture.h"
#include "settings_dialog_fixture.h"
#include "twips.h"
#include "user_input.h"
#include "windows_probe.h"

using scenario::Renderer;
using settings_scenario::Dialog;
using settings_scenario::kEmptyPaper;
using settings_scenario::kMarkerOutline;
using settings_scenario::kPanelLeft;
using settings_scenario::kPanelTop;
using settings_scenario::kRowTop;
using settings_scenario::kSelectedBlue;
using settings_scenario::settingsFile;

namespace {

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
    HMODULE program = LoadLibraryExA(e2e::inFolder(folder, kFrontEndFileName).c_str(), nullptr, LOAD_LIBRARY_AS_DATAFILE);
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
