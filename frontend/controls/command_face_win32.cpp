// Clearing, the background gradient and the border pieces of a Command face, on a device context.
#include "command_face_win32.h"

#include "command_face.h"

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

void clearFace(HDC dc, const FaceLayout& face, COLORREF colour) {
    const RECT all{0, 0, face.pixels.cx, face.pixels.cy};
    SetDCBrushColor(dc, colour);
    FillRect(dc, &all, static_cast<HBRUSH>(GetStockObject(DC_BRUSH)));
}

void fillFaceGradient(HDC dc, const FaceLayout& face, bool reversed) {
    const auto vertices = gradientVertices(face.pixels.cx, face.pixels.cy, reversed);
    const GradientFillFunction fill = gradientFill();
    if (!vertices || !fill) return;
    TRIVERTEX corners[4] = {vertexOf((*vertices)[0]), vertexOf((*vertices)[1]), {}, {}};  // 2 and 3 unused
    // Named from the bottom-right vertex to the top-left one; the fill orders them by place, so
    // vertex 0's colour is on the top row.
    GRADIENT_RECT rectangle{1, 0};
    fill(dc, corners, 4, &rectangle, 1, GRADIENT_FILL_RECT_V);
}

void copyFacePieces(HDC dc, const FaceLayout& face, const forms::Picture& picture) {
    forms::MemoryDc pictureDc(dc);
    if (!picture || !picture->bitmap() || !pictureDc.get()) return;
    forms::SelectedObject selectPicture(pictureDc.get(), picture->bitmap());
    SetStretchBltMode(dc, COLORONCOLOR);
    for (const auto& slice : faceSlicePixels(face.pixels.cx, face.pixels.cy, face.dpiX, face.dpiY)) {
        if (!slice) continue;  // an extent beyond 16 bits: that piece is skipped
        const PixelRect& to = slice->destination;
        const PixelRect& from = slice->source;
        StretchBlt(dc, to.x, to.y, to.width, to.height, pictureDc.get(), from.x, from.y, from.width, from.height,
                   SRCCOPY);
    }
}
