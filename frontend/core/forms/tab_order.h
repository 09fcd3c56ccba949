// The order in which Tab and Shift+Tab move the keyboard focus through a form's controls:
// by tab index, ties in the order of the form's windows, passing over the controls that
// cannot take the focus now (hidden or disabled), and wrapping around at either end. Portable.
#pragma once

#include <vector>

namespace forms {

struct TabStop {
    int tabIndex = 0;
    bool canTakeFocus = true;
};

// `stops` in window order; `current` is the position in `stops` of the control that holds the
// focus, or -1 when none of them does. The position of the control to focus next (Shift+Tab:
// `backwards`), or -1 when no control can take the focus.
int nextTabStop(const std::vector<TabStop>& stops, int current, bool backwards);

}  // namespace forms
