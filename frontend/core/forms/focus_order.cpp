// Tab stops as a window property, gathered from the form's window tree when Tab is pressed.
#include "focus_order.h"

#include <vector>

#include "container.h"
#include "forms_app.h"
#include "tab_order.h"

namespace forms {
namespace {

// The window property that holds the tab index + 1, so that a missing property (0) differs
// from index 0.
const char* tabIndexProperty() { return App::current().names().tabIndexProperty.c_str(); }

BOOL CALLBACK collectStop(HWND window, LPARAM lParam) {
    if (tabIndexOf(window) >= 0) reinterpret_cast<std::vector<HWND>*>(lParam)->push_back(window);
    return TRUE;
}

// Every stop inside `form`, in the order of its window tree.
std::vector<HWND> stopsOf(HWND form) {
    std::vector<HWND> stops;
    EnumChildWindows(form, collectStop, reinterpret_cast<LPARAM>(&stops));
    return stops;
}

// The stop that holds the focus or holds the window that does (the edit field of a combo box).
HWND stopHolding(HWND form, HWND focus) {
    for (HWND window = focus; window && window != form; window = GetParent(window)) {
        if (tabIndexOf(window) >= 0) return window;
    }
    return nullptr;
}

// Focuses the stop after `current` (nothing: from the start) in `form`'s order.
bool focusAfter(HWND form, HWND current, bool backwards) {
    const std::vector<HWND> windows = stopsOf(form);
    std::vector<TabStop> stops;
    int position = -1;
    for (HWND window : windows) {
        if (window == current) position = static_cast<int>(stops.size());
        stops.push_back(TabStop{tabIndexOf(window), canTakeFocus(window)});
    }
    const int next = nextTabStop(stops, position, backwards);
    if (next < 0) return false;
    SetFocus(windows[static_cast<size_t>(next)]);
    return true;
}

}  // namespace

void setTabIndex(HWND window, int tabIndex) {
    if (!window || tabIndex < 0) return;
    SetPropA(window, tabIndexProperty(), reinterpret_cast<HANDLE>(static_cast<INT_PTR>(tabIndex) + 1));
}

void clearTabIndex(HWND window) {
    if (window) RemovePropA(window, tabIndexProperty());
}

int tabIndexOf(HWND window) {
    const INT_PTR stored = reinterpret_cast<INT_PTR>(GetPropA(window, tabIndexProperty()));
    return stored > 0 ? static_cast<int>(stored - 1) : -1;
}

bool canTakeFocus(HWND window) {
    if (!IsWindowVisible(window)) return false;
    for (; window; window = GetParent(window)) {
        if (!IsWindowEnabled(window)) return false;
        if (!(GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD)) break;  // up to the form
    }
    return true;
}

bool moveFocus(HWND form, bool backwards) { return focusAfter(form, stopHolding(form, GetFocus()), backwards); }

bool focusFirstStop(HWND form) { return focusAfter(form, nullptr, false); }

bool handleTabKey(const MSG& message) {
    if (message.message != WM_KEYDOWN || message.wParam != VK_TAB) return false;
    if (GetKeyState(VK_CONTROL) < 0 || GetKeyState(VK_MENU) < 0) return false;
    const HWND form = message.hwnd ? GetAncestor(message.hwnd, GA_ROOT) : nullptr;
    if (!hasWindowClass(form, App::current().names().formClass)) return false;
    return moveFocus(form, GetKeyState(VK_SHIFT) < 0);
}

}  // namespace forms
