// Writing a picture as an 8-bit RGB PNG file (native tools only).
#pragma once

#include "offscreen_canvas.h"

#include <string>

// False when the file cannot be written; the alpha channel is left out.
bool writePng(const RgbaPicture& picture, const std::string& path);
