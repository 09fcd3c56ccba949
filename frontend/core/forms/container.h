// What forms, picture boxes and user controls share: a window that keeps its own drawing (what
// is drawn into it stays when it is covered and uncovered), paints its windowless controls
// (images, labels, shapes) over that background, routes mouse presses to them, runs its
// timers, and has a font that the controls placed on it take as their ambient font.
#pragma once

#include <windows.h>

#include <string>
#include <vector>

#include "font_description.h"
#include "win_handles.h"

namespace forms {

class Timer;
class WindowlessControl;
struct RegisteredNames;

// Mouse buttons and shift keys as the events report them.
enum MouseButtonCode { kLeftButton = 1, kRightButton = 2, kMiddleButton = 4 };
enum ShiftCode { kShiftKey = 1, kCtrlKey = 2, kAltKey = 4 };

// Whether `window` is of the window class `className`.
bool hasWindowClass(HWND window, const std::string& className);

// The kinds of mouse event, for events on a container's own surface.
enum class MouseEvent { Down, Move, Up };
// The window classes of forms, picture boxes and user controls; registered once by the App.
void registerContainerClasses(HINSTANCE instance, const RegisteredNames& names);
void unregisterContainerClasses(HINSTANCE instance, const RegisteredNames& names);

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

    // The font of the container, the ambient font of the user controls placed on it.
    const FontDescription& font() const { return font_; }
    void setFont(const FontDescription& font) { font_ = font; }

    // Kept drawing, in pixels of the inner area: a line from (x1, y1) to (x2, y2), the end
    // point excluded as GDI draws it; and clearing to the background colour.
    void drawLine(int x1, int y1, int x2, int y2, COLORREF colour);
    void cls();

    // The kept drawing as a device context for one scope, for drawing of any kind; pixels of
    // the inner area. Its dc() is null when the drawing cannot be made. Call refresh() after.
    class KeptCanvas {
    public:
        explicit KeptCanvas(Container& container);
        ~KeptCanvas();
        KeptCanvas(const KeptCanvas&) = delete;
        KeptCanvas& operator=(const KeptCanvas&) = delete;
        HDC dc() const { return previous_ ? dc_.get() : nullptr; }

    private:
        MemoryDc dc_;
        HGDIOBJ previous_ = nullptr;
    };

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

    // Paints what lies under the windowless controls into the off-screen picture: by default
    // the background colour and the kept drawing.
    virtual void paintSurface(HDC dc, int width, int height);
    // A mouse event over no windowless control (or while the surface holds the capture); the
    // pointer in twips of the inner area. Nothing by default.
    virtual void surfaceMouse(MouseEvent event, int button, int shift, int x, int y);
    // The top visible windowless control at a point of the inner area that takes the mouse.
    WindowlessControl* controlAt(POINT at) const;

private:
    void ensureKeptImage();
    void dispatchMouse(UINT message, WPARAM wParam, LPARAM lParam);

    HWND window_ = nullptr;
    COLORREF backColour_ = RGB(0, 0, 0);
    GdiObject<HBITMAP> keptImage_;
    SIZE keptSize_{};
    std::vector<WindowlessControl*> controls_;  // in painting order, the last on top
    std::vector<Timer*> timers_;
    FontDescription font_;
    // While a button is held the events go where the press went: a control, or the surface.
    bool capturing_ = false;
    WindowlessControl* mouseCapture_ = nullptr;
};

}  // namespace forms
