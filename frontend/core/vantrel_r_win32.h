// Form Vantrel_R: the preview titled "Preview Window", a black borderless form whose image
// Img_Prev shows the picture shipped in the program. Main makes it a child of the host window;
// when it unloads (its host went away) it closes the owner window so that the process ends.
#pragma once

#include "form.h"
#include "frontend_resources.h"
#include "image_control.h"

// The preview picture's RCDATA resource (152 x 112 pixels, JPEG).
inline constexpr int kPreviewPictureResource = IDR_PREVIEW_PICTURE;

class Vantrel_R : public forms::Form {
public:
    Vantrel_R();

    forms::ImageControl Img_Prev;

protected:
    void Form_Unload() override;
};
