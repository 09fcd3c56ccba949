// A picture as the image controls hold it: a device-independent bitmap with its size in pixels.
// Pictures are shared between controls (one image's picture copied to another) and never
// change once made.
#pragma once

#include <windows.h>

#include <memory>

#include "win_handles.h"

namespace forms {

class StoredPicture {
public:
    // Takes ownership of `bitmap`.
    explicit StoredPicture(HBITMAP bitmap);
    HBITMAP bitmap() const { return bitmap_.get(); }
    int width() const { return width_; }
    int height() const { return height_; }

private:
    GdiObject<HBITMAP> bitmap_;
    int width_ = 0;
    int height_ = 0;
};

using Picture = std::shared_ptr<const StoredPicture>;

// Decodes a picture file held in memory (JPEG, BMP, GIF) with the platform's picture loader.
// Empty when the data cannot be decoded.
Picture decodePicture(const void* data, size_t size);

// Decodes the RCDATA resource `id` of the program. Empty when it is missing or undecodable.
Picture loadPictureResource(HINSTANCE instance, int id);

// The BITMAP resource `id` of the program, its pixels as stored. Empty when it is missing.
Picture loadBitmapResource(HINSTANCE instance, int id);

}  // namespace forms
