// Picture boxes as child windows of the container class.
#include "picture_box.h"

#include "focus_order.h"
#include "forms_app.h"
#include "twips.h"

namespace forms {

PictureBox::PictureBox(Container& parent, int index, PanelBorder border) : index_(index) {
    setBackColour(RGB(192, 192, 192));
    App& app = App::current();
    const DWORD style = WS_CHILD | WS_VISIBLE | WS_CLIPCHILDREN | WS_CLIPSIBLINGS |
                        (border == PanelBorder::Single ? WS_BORDER : 0);
    HWND window = CreateWindowExA(0, app.names().pictureBoxClass.c_str(), "", style, 0, 0, 0, 0, parent.hWnd(), nullptr,
                                  app.instance(), static_cast<Container*>(this));
    if (window) attachWindow(window);
}

PictureBox::~PictureBox() {
    if (HWND window = hWnd()) DestroyWindow(window);
}

void PictureBox::move(int left, int top, int width, int height) {
    const App& app = App::current();
    if (HWND window = hWnd()) {
        MoveWindow(window, twipsToPixels(left, app.dpiX()), twipsToPixels(top, app.dpiY()),
                   twipsToPixels(width, app.dpiX()), twipsToPixels(height, app.dpiY()), TRUE);
    }
}

void PictureBox::setEnabled(bool enabled) {
    if (HWND window = hWnd()) EnableWindow(window, enabled);
}

void PictureBox::setTabIndex(int tabIndex) { forms::setTabIndex(hWnd(), tabIndex); }

}  // namespace forms
