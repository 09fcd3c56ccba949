// PNG output through libpng.
#include "png_file.h"

#include <png.h>

#include <cstdio>
#include <memory>
#include <vector>

namespace {

struct FileCloser {
    void operator()(std::FILE* f) const { std::fclose(f); }
};

}  // namespace

bool writePng(const RgbaPicture& picture, const std::string& path) {
    std::unique_ptr<std::FILE, FileCloser> file(std::fopen(path.c_str(), "wb"));
    if (!file) {
        return false;
    }
    png_image image{};
    image.version = PNG_IMAGE_VERSION;
    image.width = static_cast<png_uint_32>(picture.width);
    image.height = static_cast<png_uint_32>(picture.height);
    // The canvas's alpha means nothing on screen: keep red, green and blue only.
    std::vector<std::uint8_t> rgb;
    rgb.reserve(static_cast<size_t>(picture.width) * static_cast<size_t>(picture.height) * 3);
    for (size_t i = 0; i < picture.rgba.size(); i += 4) {
        rgb.insert(rgb.end(), {picture.rgba[i], picture.rgba[i + 1], picture.rgba[i + 2]});
    }
    image.format = PNG_FORMAT_RGB;
    const int ok = png_image_write_to_stdio(&image, file.get(), 0, rgb.data(), 0, nullptr);
    png_image_free(&image);
    return ok != 0 && std::fflush(file.get()) == 0;
}
