// The combo box over the system's COMBOBOX control.
#include "combo_box.h"

#include <vector>

#include "container.h"
#include "focus_order.h"
#include "forms_app.h"
#include "twips.h"

namespace forms {
namespace {

// How far the list drops below the closed box, in pixels.
constexpr int kDropDownPixels = 200;

}  // namespace

ComboBox::ComboBox(Container& parent, int index) : index_(index) {
    window_ = CreateWindowExA(WS_EX_CLIENTEDGE, "COMBOBOX", "",
                              WS_CHILD | WS_VISIBLE | WS_TABSTOP | WS_VSCROLL | CBS_DROPDOWN | CBS_AUTOHSCROLL,
                              0, 0, 0, 0, parent.hWnd(), nullptr, App::current().instance(), nullptr);
    if (window_) SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(GetStockObject(DEFAULT_GUI_FONT)), FALSE);
}

ComboBox::~ComboBox() {
    if (!window_ || !IsWindow(window_)) return;
    clearTabIndex(window_);
    DestroyWindow(window_);
}

void ComboBox::move(int left, int top, int width, int height) {
    if (!window_) return;
    const App& app = App::current();
    MoveWindow(window_, twipsToPixels(left, app.dpiX()), twipsToPixels(top, app.dpiY()),
               twipsToPixels(width, app.dpiX()), twipsToPixels(height, app.dpiY()) + kDropDownPixels, TRUE);
}

std::string ComboBox::text() const {
    if (!window_) return {};
    const int length = GetWindowTextLengthA(window_);
    std::vector<char> buffer(static_cast<size_t>(length) + 1);
    const int got = GetWindowTextA(window_, buffer.data(), length + 1);
    return std::string(buffer.data(), got > 0 ? static_cast<size_t>(got) : 0);
}

void ComboBox::setText(const std::string& text) {
    if (window_) SetWindowTextA(window_, text.c_str());
}

void ComboBox::addItem(const std::string& item) {
    // Without CBS_SORT the list keeps the order of appending.
    if (window_) SendMessageA(window_, CB_ADDSTRING, 0, reinterpret_cast<LPARAM>(item.c_str()));
}

int ComboBox::listCount() const {
    return window_ ? static_cast<int>(SendMessageA(window_, CB_GETCOUNT, 0, 0)) : 0;
}

bool ComboBox::enabled() const { return window_ && IsWindowEnabled(window_); }

void ComboBox::setEnabled(bool enabled) {
    if (window_) EnableWindow(window_, enabled);
}

void ComboBox::setFont(const FontDescription& font) {
    font_.reset(createFont(font));
    if (window_ && font_) SendMessageA(window_, WM_SETFONT, reinterpret_cast<WPARAM>(font_.get()), TRUE);
}

void ComboBox::setTabIndex(int tabIndex) { forms::setTabIndex(window_, tabIndex); }

}  // namespace forms
