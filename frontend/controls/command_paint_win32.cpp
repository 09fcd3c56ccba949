// Painting the Command button's face into its kept drawing: clear, gradient, the eight border
// pieces of a state picture, the caption placed. The window shows the result in one paint.
#include <cmath>

#include "command_button_win32.h"
#include "command_face.h"
#include "forms_app.h"
#include "twips.h"

namespace {

using GradientFillFunction = BOOL(WINAPI*)(HDC, PTRIVERTEX, ULONG, PVOID, ULONG, ULONG);

// GradientFill, bound by name at its first use and kept for the process; null where the
// library or the entry is missing (the gradient is then left out).
GradientFillFunction gradientFill() {
    static const GradientFillFunction function = []() -> GradientFillFunction {
        HMODULE library = LoadLibraryA("msimg32.dll");
        FARPROC entry = library ? GetProcAddress(library, "GradientFill") : nullptr;
        // Through the generic function pointer type, which may be cast to any other.
        return entry ? reinterpret_cast<GradientFillFunction>(reinterpret_cast<void (*)()>(entry)) : nullptr;
    }();
    return function;
}

TRIVERTEX vertexOf(const GradientVertex& vertex) {
    TRIVERTEX out{};
    out.x = vertex.x;
    out.y = vertex.y;
    out.Red = vertex.colour.red;
    out.Green = vertex.colour.green;
    out.Blue = vertex.colour.blue;
    out.Alpha = 0;
    return out;
}

}  // namespace

void Command::DrawFace(StatePicture picture) {
    model_.DrawFace(picture);
    applyModel();
}

void Command::DrawGradient() {
    {
        forms::Container::KeptCanvas canvas(*this);
        if (canvas.dc()) drawGradientOn(canvas.dc());
    }
    refresh();
}

void Command::drawGradientOn(HDC dc) {
    const auto vertices = gradientVertices(scaleWidth(), scaleHeight(), fields().GradientReversed);
    const GradientFillFunction fill = gradientFill();
    if (!vertices || !fill) return;
    TRIVERTEX corners[4] = {vertexOf((*vertices)[0]), vertexOf((*vertices)[1]), {}, {}};  // 2 and 3 unused
    // Named from the bottom-right vertex to the top-left one; the fill orders them by place, so
    // vertex 0's colour is on the top row.
    GRADIENT_RECT rectangle{1, 0};
    fill(dc, corners, 4, &rectangle, 1, GRADIENT_FILL_RECT_V);
}

void Command::paintFace(StatePicture picture) {
    const forms::App& app = forms::App::current();
    const double width = pixelsToTwips(scaleWidth(), app.dpiX());
    const double height = pixelsToTwips(scaleHeight(), app.dpiY());
    {
        forms::Container::KeptCanvas canvas(*this);
        if (HDC dc = canvas.dc()) {
            const RECT all{0, 0, scaleWidth(), scaleHeight()};
            SetDCBrushColor(dc, backColour());
            FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
            drawGradientOn(dc);
            const forms::Picture& source = pictureOf(picture);
            forms::MemoryDc pictureDc(dc);
            if (source && source->bitmap() && pictureDc.get()) {
                forms::SelectedObject selectPicture(pictureDc.get(), source->bitmap());
                // Rows and columns dropped or doubled, never blended: the pieces keep their colours.
                SetStretchBltMode(dc, COLORONCOLOR);
                for (const auto& slice : faceSlicePixels(scaleWidth(), scaleHeight(), app.dpiX(), app.dpiY())) {
                    if (!slice) continue;  // an extent beyond 16 bits: that piece is skipped
                    const PixelRect& to = slice->destination;
                    const PixelRect& from = slice->source;
                    StretchBlt(dc, to.x, to.y, to.width, to.height, pictureDc.get(), from.x, from.y, from.width,
                               from.height, SRCCOPY);
                }
            }
        }
    }
    refresh();
    fitCaptionFont();
    const int top = static_cast<int>(std::lround(captionTop(height, LblMsg.height())));
    // The face's refresh repaints the caption already; moving it again would only add work.
    if (LblMsg.left() != 0 || LblMsg.top() != top || LblMsg.width() != static_cast<int>(width)) {
        LblMsg.move(0, top, static_cast<int>(width), LblMsg.height());
    }
}

void Command::fitCaptionFont() {
    const forms::FontDescription& font = model_.caption().font;
    if (captionFitted_ && LblMsg.font() == font) return;
    LblMsg.setFont(font);
    const forms::App& app = forms::App::current();
    LblMsg.move(LblMsg.left(), LblMsg.top(), pixelsToTwips(scaleWidth(), app.dpiX()),
                pixelsToTwips(LblMsg.lineHeightPixels(), app.dpiY()));
    captionFitted_ = true;
}

const forms::Picture& Command::pictureOf(StatePicture picture) const {
    switch (picture) {
    case StatePicture::HighLight: return HighLight;
    case StatePicture::Pressed: return Pressed;
    case StatePicture::Normal: return Normal;
    case StatePicture::Disable: return Disable;
    case StatePicture::HighLightSelect: return HighLightSelect;
    case StatePicture::Selected: return Selected;
    }
    return Normal;
}
