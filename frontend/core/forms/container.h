// What forms and picture boxes share: a window that keeps its own drawing (lines drawn into it
// stay when it is covered and uncovered), paints its windowless controls (images, labels,
// shapes) over that background, routes mouse presses to them, and runs its timers.
#pragma once

#include <windows.h>

#include <vector>

#include "win_handles.h"

namespace forms {

class Timer;
class WindowlessControl;

// Mouse buttons and shift keys as the events report them.
enum MouseButtonCode { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftCode { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

// Window classes of forms and picture boxes; registered once by the App.
inline constexpr const char* kFormClass = "CorvessaForm";
inline constexpr const char* kPictureBoxClass = "CorvessaPictureBox";
void registerContainerClasses(HINSTANCE instance);
void unregisterContainerClasses(HINSTANCE instance);

class Container {
public:
    virtual ~Container();
    Container(const Container&) = delete;
    Container& operator=(const Container&) = delete;

    HWND hWnd() const { return window_; }

    // Background colour (red in the low byte); clears the kept drawing.
    COLORREF backColour() const { return backColour_; }
    void setBackColour(COLORREF colour);

    // Inner size in pixels.
    int scaleWidth() const;
    int scaleHeight() const;

    // Kept drawing, in pixels of the inner area: a line from (x1, y1) to (x2, y2), the end
    // point excluded as GDI draws it; and clearing to the background colour.
    void drawLine(int x1, int y1, int x2, int y2, COLORREF colour);
    void cls();

    // Paints background, kept drawing and windowless controls into `dc` (WM_PAINT and
    // WM_PRINTCLIENT share it).
    void paintTo(HDC dc);
    void refresh();

    // Registration by the controls and timers that live on this container.
    void addControl(WindowlessControl* control);
    void removeControl(WindowlessControl* control);
    void addTimer(Timer* timer);
    void removeTimer(Timer* timer);

    // Shared window procedure of forms and picture boxes; no exception leaves it.
    static LRESULT CALLBACK windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam);

protected:
    Container() = default;

    // Called by the subclass once CreateWindowEx has returned its window.
    void attachWindow(HWND window);
    // The window is being destroyed: timers stop, the handle is forgotten.
    void detachWindow();

    // Messages a subclass does not finish itself.
    virtual LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam);

private:
    void ensureKeptImage();
    void dispatchMouse(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    COLORREF backColour_ = RGB(0, 0, 0);
    GdiObject<HBITMAP> keptImage_;
    SIZE keptSize_{};
    std::vector<WindowlessControl*> controls_;  // in painting order, the last on top
    std::vector<Timer*> timers_;
    WindowlessControl* mouseCapture_ = nullptr;
};

}  // namespace forms
