// The preview form.
#include "vantrel_r_win32.h"

#include "forms_app.h"

namespace {

// Design size of the image: the usual preview area, 152 x 112 pixels.
constexpr int kDesignWidthTwips = 152 * 15;
constexpr int kDesignHeightTwips = 112 * 15;

}  // namespace

Vantrel_R::Vantrel_R()
    : forms::Form(forms::FormDesign{"Preview Window", forms::BorderStyle::None, kDesignWidthTwips,
                                    kDesignHeightTwips, RGB(0, 0, 0)}),
      Img_Prev(*this) {
    Img_Prev.move(0, 0, kDesignWidthTwips, kDesignHeightTwips);
    // A host of another size gets the whole picture, scaled to fit.
    Img_Prev.setStretch(true);
    Img_Prev.setPicture(forms::loadPictureResource(forms::App::current().instance(), kPreviewPictureResource));
}

void Vantrel_R::Form_Unload() {
    // The form lived inside another program's window; only closing our owner ends our process.
    forms::App& app = forms::App::current();
    HWND owner = hWnd() ? GetWindow(hWnd(), GW_OWNER) : nullptr;
    PostMessageA(owner ? owner : app.ownerWindow(), WM_CLOSE, 0, 0);
}
