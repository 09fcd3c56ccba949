// The pixel work of the Command button's face, on any device context: the clear, the vertical
// background gradient and the eight border pieces of a state picture. The control's DrawFace
// and DrawGradient run these on its kept drawing; where the pieces go is command_face.h.
#pragma once

#include <windows.h>

#include "stored_picture.h"

// The face as it is drawn: its size in pixels, at the screen's dots per inch across and down.
struct FaceLayout {
    SIZE pixels;
    int dpiX;
    int dpiY;
};

// The whole face in one colour.
void clearFace(HDC dc, const FaceLayout& face, COLORREF colour);

// The gradient over the whole face, white at the top unless `reversed`. Nothing where
// GradientFill cannot be had (it is bound by name at its first use).
void fillFaceGradient(HDC dc, const FaceLayout& face, bool reversed);

// The eight border pieces of `picture`, in painting order; rows and columns are dropped or
// doubled, never blended, so the pieces keep their colours.
void copyFacePieces(HDC dc, const FaceLayout& face, const forms::Picture& picture);
