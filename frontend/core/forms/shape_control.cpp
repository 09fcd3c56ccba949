// Painting a rectangle shape.
#include "shape_control.h"

#include "win_handles.h"

namespace forms {

void ShapeControl::setBorderColour(COLORREF colour) {
    borderColour_ = colour;
    refresh();
}

void ShapeControl::setBorderWidth(int pixels) {
    borderWidth_ = pixels < 0 ? 0 : pixels;
    refresh();
}

void ShapeControl::setFill(bool filled, COLORREF colour) {
    filled_ = filled;
    fillColour_ = colour;
    refresh();
}

void ShapeControl::paint(HDC dc, const RECT& area) {
    if (filled_) {
        GdiObject<HBRUSH> fill(CreateSolidBrush(fillColour_));
        FillRect(dc, &area, fill.get());
    }
    if (borderWidth_ == 0) return;
    GdiObject<HBRUSH> border(CreateSolidBrush(borderColour_));
    RECT ring = area;
    for (int i = 0; i < borderWidth_ && ring.right > ring.left && ring.bottom > ring.top; ++i) {
        FrameRect(dc, &ring, border.get());
        InflateRect(&ring, -1, -1);
    }
}

}  // namespace forms
