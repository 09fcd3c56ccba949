// Screen captures through BitBlt from the screen DC into a DIB section.
#include "screen_capture.h"

#include <algorithm>
#include <cstdio>

namespace e2e {
namespace {

Picture captureRect(int left, int top, int width, int height) {
    Picture picture;
    if (width <= 0 || height <= 0) return picture;
    HDC screen = GetDC(nullptr);
    HDC memory = CreateCompatibleDC(screen);
    BITMAPINFO info{};
    info.bmiHeader.biSize = sizeof info.bmiHeader;
    info.bmiHeader.biWidth = width;
    info.bmiHeader.biHeight = -height;  // top-down rows
    info.bmiHeader.biPlanes = 1;
    info.bmiHeader.biBitCount = 32;
    info.bmiHeader.biCompression = BI_RGB;
    void* bits = nullptr;
    HBITMAP bitmap = CreateDIBSection(memory, &info, DIB_RGB_COLORS, &bits, nullptr, 0);
    if (bitmap && bits) {
        HGDIOBJ previous = SelectObject(memory, bitmap);
        BitBlt(memory, 0, 0, width, height, screen, left, top, SRCCOPY);
        GdiFlush();
        picture.width = width;
        picture.height = height;
        const auto* source = static_cast<const std::uint32_t*>(bits);
        picture.pixels.assign(source, source + static_cast<size_t>(width) * height);
        for (auto& p : picture.pixels) p &= 0x00FFFFFFu;
        SelectObject(memory, previous);
    }
    if (bitmap) DeleteObject(bitmap);
    DeleteDC(memory);
    ReleaseDC(nullptr, screen);
    return picture;
}

int channel(std::uint32_t p, int shift) { return static_cast<int>((p >> shift) & 0xFF); }

}  // namespace

size_t Picture::countBrighterThan(int threshold) const {
    return static_cast<size_t>(std::count_if(pixels.begin(), pixels.end(), [&](std::uint32_t p) {
        return std::max({channel(p, 16), channel(p, 8), channel(p, 0)}) > threshold;
    }));
}

size_t Picture::countColoured(int spread) const {
    return static_cast<size_t>(std::count_if(pixels.begin(), pixels.end(), [&](std::uint32_t p) {
        int r = channel(p, 16), g = channel(p, 8), b = channel(p, 0);
        return std::max({r, g, b}) - std::min({r, g, b}) > spread;
    }));
}

bool Picture::saveBmp(const std::string& path) const {
    FILE* file = std::fopen(path.c_str(), "wb");
    if (!file) return false;
    int rowBytes = (width * 3 + 3) & ~3;
    BITMAPFILEHEADER header{};
    BITMAPINFOHEADER info{};
    header.bfType = 0x4D42;
    header.bfOffBits = sizeof header + sizeof info;
    header.bfSize = header.bfOffBits + static_cast<DWORD>(rowBytes * height);
    info.biSize = sizeof info;
    info.biWidth = width;
    info.biHeight = height;  // bottom-up
    info.biPlanes = 1;
    info.biBitCount = 24;
    std::fwrite(&header, sizeof header, 1, file);
    std::fwrite(&info, sizeof info, 1, file);
    std::vector<unsigned char> row(static_cast<size_t>(rowBytes));
    for (int y = height - 1; y >= 0; --y) {
        for (int x = 0; x < width; ++x) {
            std::uint32_t p = at(x, y);
            row[static_cast<size_t>(x) * 3 + 0] = static_cast<unsigned char>(p);
            row[static_cast<size_t>(x) * 3 + 1] = static_cast<unsigned char>(p >> 8);
            row[static_cast<size_t>(x) * 3 + 2] = static_cast<unsigned char>(p >> 16);
        }
        std::fwrite(row.data(), 1, row.size(), file);
    }
    std::fclose(file);
    return true;
}

Picture captureScreen() {
    return captureRect(0, 0, GetSystemMetrics(SM_CXSCREEN), GetSystemMetrics(SM_CYSCREEN));
}

Picture captureScreenRect(const RECT& rect) {
    return captureRect(rect.left, rect.top, rect.right - rect.left, rect.bottom - rect.top);
}

Picture captureClient(HWND window) {
    RECT client{};
    GetClientRect(window, &client);
    POINT origin{0, 0};
    ClientToScreen(window, &origin);
    return captureRect(origin.x, origin.y, client.right, client.bottom);
}

size_t countDifferences(const Picture& a, const Picture& b) {
    if (a.width != b.width || a.height != b.height) return std::max(a.pixels.size(), b.pixels.size());
    size_t differences = 0;
    for (size_t i = 0; i < a.pixels.size(); ++i) differences += a.pixels[i] != b.pixels[i];
    return differences;
}

}  // namespace e2e
