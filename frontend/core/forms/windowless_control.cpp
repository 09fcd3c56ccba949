// Placement and repaint requests of windowless controls.
#include "windowless_control.h"

#include "container.h"
#include "forms_app.h"
#include "twips.h"

namespace forms {

WindowlessControl::WindowlessControl(Container& container, int index)
    : container_(container), index_(index) {
    container_.addControl(this);
}

WindowlessControl::~WindowlessControl() { container_.removeControl(this); }

void WindowlessControl::move(int left, int top, int width, int height) {
    refresh();
    left_ = left;
    top_ = top;
    width_ = width < 0 ? 0 : width;
    height_ = height < 0 ? 0 : height;
    refresh();
}

void WindowlessControl::movePixels(int left, int top, int width, int height) {
    const App& app = App::current();
    move(pixelsToTwips(left, app.dpiX()), pixelsToTwips(top, app.dpiY()),
         pixelsToTwips(width, app.dpiX()), pixelsToTwips(height, app.dpiY()));
}

RECT WindowlessControl::pixelRect() const {
    const App& app = App::current();
    const int x = twipsToPixels(left_, app.dpiX());
    const int y = twipsToPixels(top_, app.dpiY());
    return RECT{x, y, x + twipsToPixels(width_, app.dpiX()), y + twipsToPixels(height_, app.dpiY())};
}

void WindowlessControl::setVisible(bool visible) {
    visible_ = visible;
    refresh();
}

void WindowlessControl::refresh() const {
    if (HWND window = container_.hWnd()) {
        const RECT area = pixelRect();
        InvalidateRect(window, &area, FALSE);
    }
}

}  // namespace forms
