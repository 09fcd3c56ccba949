// Painting an image control.
#include "image_control.h"

namespace forms {

void ImageControl::setPicture(Picture picture) {
    picture_ = std::move(picture);
    refresh();
}

void ImageControl::setStretch(bool stretch) {
    stretch_ = stretch;
    refresh();
}

void ImageControl::paint(HDC dc, const RECT& area) {
    if (!picture_ || !picture_->bitmap()) return;  // an empty image lets the background show
    MemoryDc source(dc);
    SelectedObject select(source.get(), picture_->bitmap());
    const int width = area.right - area.left;
    const int height = area.bottom - area.top;
    if (stretch_ && (width != picture_->width() || height != picture_->height())) {
        SetStretchBltMode(dc, HALFTONE);
        SetBrushOrgEx(dc, 0, 0, nullptr);
        StretchBlt(dc, area.left, area.top, width, height,
                   source.get(), 0, 0, picture_->width(), picture_->height(), SRCCOPY);
    } else {
        // Unscaled (or already the right size): the pixels as decoded.
        BitBlt(dc, area.left, area.top, picture_->width(), picture_->height(), source.get(), 0, 0, SRCCOPY);
    }
}

}  // namespace forms
