// The preview picture shipped in the program: decoded by the platform's picture loader and
// painted by the preview form edge to edge. Checked inside the process, where the drawing can
// be read back.
#include <gtest/gtest.h>

#include <cstdint>
#include <vector>

#include "forms_app.h"
#include "vantrel_r_win32.h"

namespace {

// The pixels of a DC's bitmap area as 0x00RRGGBB, rows top to bottom.
std::vector<std::uint32_t> pixelsOf(HBITMAP bitmap, int width, int height) {
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    std::vector<std::uint32_t> pixels(static_cast<size_t>(width) * height);
    HDC screen = GetDC(nullptr);
    GetDIBits(screen, bitmap, 0, static_cast<UINT>(height), pixels.data(), &info, DIB_RGB_COLORS);
    ReleaseDC(nullptr, screen);
    for (auto& pixel : pixels) pixel &= 0xFFFFFF;
    return pixels;
}

// What a form paints into a fresh bitmap of its inner size.
std::vector<std::uint32_t> paintedBy(HWND window, int width, int height) {
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    HBITMAP target = CreateCompatibleBitmap(screen, width, height);
    HGDIOBJ previous = SelectObject(memory, target);
    SendMessageA(window, WM_PRINTCLIENT, reinterpret_cast<WPARAM>(memory), PRF_CLIENT);
    SelectObject(memory, previous);
    std::vector<std::uint32_t> pixels = pixelsOf(target, width, height);
    DeleteObject(target);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return pixels;
}

int brightness(std::uint32_t pixel) {
    return static_cast<int>(((pixel >> 16) & 0xFF) + ((pixel >> 8) & 0xFF) + (pixel & 0xFF));
}

}  // namespace

TEST(PreviewPicture, DecodesTo152By112Pixels) {
    const forms::Picture picture = forms::loadPictureResource(GetModuleHandleA(nullptr), kPreviewPictureResource);
    ASSERT_TRUE(picture);
    EXPECT_EQ(picture->width(), 152);
    EXPECT_EQ(picture->height(), 112);
    const std::vector<std::uint32_t> pixels = pixelsOf(picture->bitmap(), 152, 112);
    int darkest = 3 * 255, brightest = 0;
    for (std::uint32_t pixel : pixels) {
        darkest = std::min(darkest, brightness(pixel));
        brightest = std::max(brightest, brightness(pixel));
    }
    EXPECT_GT(brightest - darkest, 100) << "a picture, not a flat area";
}

TEST(PreviewPicture, UndecodableDataGivesNoPicture) {
    const char rubbish[] = "not a picture at all";
    EXPECT_FALSE(forms::decodePicture(rubbish, sizeof rubbish));
    EXPECT_FALSE(forms::decodePicture(nullptr, 0));
    EXPECT_FALSE(forms::loadPictureResource(GetModuleHandleA(nullptr), 4321));
}

TEST(PreviewPicture, TheFormShowsTheWholePictureEdgeToEdge) {
    Vantrel_R form;
    form.load();
    ASSERT_NE(form.hWnd(), nullptr);
    EXPECT_EQ(form.title(), "Preview Window");
    EXPECT_FALSE(IsWindowVisible(form.hWnd())) << "loading does not show";
    EXPECT_EQ(GetWindow(form.hWnd(), GW_OWNER), forms::App::current().ownerWindow());
    ASSERT_EQ(form.scaleWidth(), 152);
    ASSERT_EQ(form.scaleHeight(), 112);

    const forms::Picture picture = form.Img_Prev.picture();
    ASSERT_TRUE(picture);
    EXPECT_EQ(paintedBy(form.hWnd(), 152, 112), pixelsOf(picture->bitmap(), 152, 112));
}

TEST(PreviewPicture, ALargerHostGetsThePictureScaledToFit) {
    Vantrel_R form;
    form.load();
    form.movePixels(0, 0, 304, 224);
    form.Img_Prev.movePixels(0, 0, 304, 224);
    const std::vector<std::uint32_t> painted = paintedBy(form.hWnd(), 304, 224);
    const std::vector<std::uint32_t> original = pixelsOf(form.Img_Prev.picture()->bitmap(), 152, 112);
    // Corners and centre come from the matching places of the picture.
    for (auto [x, y] : {std::pair{4, 4}, std::pair{299, 219}, std::pair{152, 112}, std::pair{4, 219}}) {
        const int expected = brightness(original[static_cast<size_t>(y / 2) * 152 + x / 2]);
        EXPECT_NEAR(brightness(painted[static_cast<size_t>(y) * 304 + x]), expected, 40) << x << "," << y;
    }
}
