// The shape control: a windowless rectangle outline (optionally filled) that presses pass
// through to whatever lies below.
#pragma once

#include "windowless_control.h"

namespace forms {

class ShapeControl : public WindowlessControl {
public:
    explicit ShapeControl(Container& container, int index = -1) : WindowlessControl(container, index) {}

    void setBorderColour(COLORREF colour);
    // Outline width in pixels; 0 draws no outline.
    void setBorderWidth(int pixels);
    // Fill with `colour`, or no fill (the default) so the background shows inside.
    void setFill(bool filled, COLORREF colour = RGB(0, 0, 0));

    void paint(HDC dc, const RECT& area) override;
    bool takesMouse() const override { return false; }

private:
    COLORREF borderColour_ = RGB(0, 0, 0);
    int borderWidth_ = 1;
    bool filled_ = false;
    COLORREF fillColour_ = RGB(0, 0, 0);
};

}  // namespace forms
