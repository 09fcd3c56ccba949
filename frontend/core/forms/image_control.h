// The image control: a windowless picture, shown unscaled at its top-left corner or stretched
// to its size. A picture can be copied from another image; the copy shares it.
#pragma once

#include "stored_picture.h"
#include "windowless_control.h"

namespace forms {

class ImageControl : public WindowlessControl {
public:
    explicit ImageControl(Container& container, int index = -1) : WindowlessControl(container, index) {}

    const Picture& picture() const { return picture_; }
    void setPicture(Picture picture);

    bool stretch() const { return stretch_; }
    void setStretch(bool stretch);

    void paint(HDC dc, const RECT& area) override;

private:
    Picture picture_;
    bool stretch_ = false;
};

}  // namespace forms
