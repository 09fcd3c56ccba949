// Pixel format selection on a window's device context.
#include "pixel_format_win32.h"

#include "pixel_format_score.h"

#include <vector>

namespace {

PixelFormatRecord toRecord(int index, const PIXELFORMATDESCRIPTOR& pfd) {
    PixelFormatRecord record;
    record.index = index;
    record.flags = pfd.dwFlags;
    record.pixelType = pfd.iPixelType;
    record.colorBits = pfd.cColorBits;
    record.depthBits = pfd.cDepthBits;
    return record;
}

std::vector<PixelFormatRecord> describeFormats(HDC hdc) {
    std::vector<PixelFormatRecord> records;
    PIXELFORMATDESCRIPTOR pfd{};
    for (int index = 1; DescribePixelFormat(hdc, index, sizeof pfd, &pfd) != 0; ++index) {
        records.push_back(toRecord(index, pfd));
    }
    return records;
}

PIXELFORMATDESCRIPTOR fallbackDescriptor() {
    PIXELFORMATDESCRIPTOR pfd{};
    pfd.nSize = sizeof pfd;
    pfd.nVersion = 1;
    pfd.dwFlags = PFD_DRAW_TO_WINDOW | PFD_SUPPORT_OPENGL | PFD_DOUBLEBUFFER;
    pfd.iPixelType = PFD_TYPE_RGBA;
    pfd.cColorBits = 24;
    pfd.cDepthBits = 24;
    pfd.iLayerType = PFD_MAIN_PLANE;
    return pfd;
}

}  // namespace

void selectPixelFormat(HDC hdc) {
    const int best = choosePixelFormatIndex(describeFormats(hdc));
    PIXELFORMATDESCRIPTOR pfd{};
    if (best != 0 && DescribePixelFormat(hdc, best, sizeof pfd, &pfd) != 0) {
        SetPixelFormat(hdc, best, &pfd);
        return;
    }
    pfd = fallbackDescriptor();
    // A zero from ChoosePixelFormat makes SetPixelFormat fail: deliberately no further
    // recovery, the window then simply stays black.
    SetPixelFormat(hdc, ChoosePixelFormat(hdc, &pfd), &pfd);
}
