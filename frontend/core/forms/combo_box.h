// The combo box: a real editable drop-down list control, child of a form or picture box.
// Made when its parent's window exists, so it is placed from Form_Load on.
#pragma once

#include <windows.h>

#include <string>

#include "label_control.h"

namespace forms {

class Container;

class ComboBox {
public:
    ComboBox(Container& parent, int index = -1);
    ~ComboBox();
    ComboBox(const ComboBox&) = delete;
    ComboBox& operator=(const ComboBox&) = delete;

    HWND hWnd() const { return window_; }
    int index() const { return index_; }
    // Placement in twips; the height is that of the closed box, the list drops below it.
    void move(int left, int top, int width, int height);

    std::string text() const;
    void setText(const std::string& text);
    // Appends an entry to the list; the edit field keeps its text.
    void addItem(const std::string& item);
    int listCount() const;
    bool enabled() const;
    void setEnabled(bool enabled);
    void setFont(const FontDescription& font);
    // The position in the form's tab order (see focus_order.h); Tab leaves the edit field too.
    void setTabIndex(int tabIndex);

private:
    HWND window_ = nullptr;
    int index_;
    GdiObject<HFONT> font_;
};

}  // namespace forms
