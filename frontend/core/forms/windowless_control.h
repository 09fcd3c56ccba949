// Base of the controls that have no window of their own (image, label, shape): their container
// paints them over its own background in the order they were placed and hands them the mouse.
// Placement is kept in twips relative to the container's inner area.
#pragma once

#include <windows.h>

#include <functional>

namespace forms {

class Container;

// A mouse event: the control-array index (-1 outside an array), the button code, the shift
// state, and the pointer in twips relative to the control.
using MouseHandler = std::function<void(int index, int button, int shift, int x, int y)>;

class WindowlessControl {
public:
    WindowlessControl(Container& container, int index);
    virtual ~WindowlessControl();
    WindowlessControl(const WindowlessControl&) = delete;
    WindowlessControl& operator=(const WindowlessControl&) = delete;

    int index() const { return index_; }
    Container& container() const { return container_; }

    // Placement in twips.
    void move(int left, int top, int width, int height);
    // The same, given in pixels (kept in twips, so exact at the usual DPIs).
    void movePixels(int left, int top, int width, int height);
    int left() const { return left_; }
    int top() const { return top_; }
    int width() const { return width_; }
    int height() const { return height_; }
    RECT pixelRect() const;

    bool visible() const { return visible_; }
    void setVisible(bool visible);

    MouseHandler MouseDown;
    MouseHandler MouseMove;
    MouseHandler MouseUp;

    // Draws the control into `dc` inside `area` (pixels of the container).
    virtual void paint(HDC dc, const RECT& area) = 0;
    // Whether presses over it reach it rather than the container.
    virtual bool takesMouse() const { return true; }

protected:
    // Asks the container to repaint the control's area.
    void refresh() const;

private:
    Container& container_;
    int index_;
    int left_ = 0;
    int top_ = 0;
    int width_ = 0;
    int height_ = 0;
    bool visible_ = true;
};

}  // namespace forms
