// The keyboard focus inside a form: the controls that can take it (picture boxes, combo
// boxes, user controls) carry a tab index, and Tab and Shift+Tab move the focus along that
// order whichever window of the form holds it, the edit field of a combo box included.
// Labels, images and shapes never take the focus.
#pragma once

#include <windows.h>

namespace forms {

// Makes `window` (a child window somewhere inside a form) a stop of its form's tab order.
void setTabIndex(HWND window, int tabIndex);
// Takes the stop out of the order; for a window being destroyed, whose properties must go first.
void clearTabIndex(HWND window);
// The tab index of a stop; -1 for a window that is none.
int tabIndexOf(HWND window);

// Visible and enabled, with every window up to its form enabled too.
bool canTakeFocus(HWND window);

// Moves the focus of `form` to the next stop (Shift+Tab: the one before); false when no
// stop can take it.
bool moveFocus(HWND form, bool backwards);
// Focuses the first stop of `form`'s order; false when none can take the focus.
bool focusFirstStop(HWND form);

// For the message loops: a Tab press in a window of one of the forms moves the focus. True
// when it did; the message must then not be translated or dispatched.
bool handleTabKey(const MSG& message);

}  // namespace forms
