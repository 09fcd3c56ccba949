// Choosing the window's pixel format: the scoring as a pure function over plain records, so
// that the choice is tested without a driver. The Win32 side only gathers the records.
#pragma once

#include <cstdint>
#include <vector>

// What the choice looks at in one pixel format descriptor.
struct PixelFormatRecord {
    int index = 0;              // 1-based pixel format index of the device context
    std::uint32_t flags = 0;    // PFD_* flags as the driver reports them
    int pixelType = 0;          // PFD_TYPE_RGBA (0) or PFD_TYPE_COLORINDEX (1)
    int colorBits = 0;          // colour bits per pixel
    int depthBits = 0;          // depth buffer bits per pixel
};

// The PFD_* values the scoring needs, repeated here so that this file stays portable.
inline constexpr std::uint32_t kPfdDoubleBuffer = 0x00000001;
inline constexpr std::uint32_t kPfdDrawToWindow = 0x00000004;
inline constexpr std::uint32_t kPfdSupportOpenGl = 0x00000020;
inline constexpr std::uint32_t kPfdGenericFormat = 0x00000040;
inline constexpr std::uint32_t kPfdGenericAccelerated = 0x00001000;
inline constexpr int kPfdTypeRgba = 0;

// True for a double-buffered RGBA format that OpenGL can draw to a window with.
bool isUsablePixelFormat(const PixelFormatRecord& format);

// The format's score: colour bits plus twice the depth bits, a small penalty for colour
// beyond 16 bits, and a large bonus for a hardware (non-generic) or accelerated format.
int scorePixelFormat(const PixelFormatRecord& format);

// The index of the best usable format (the lowest index on a tie), or 0 when none is usable.
int choosePixelFormatIndex(const std::vector<PixelFormatRecord>& formats);
