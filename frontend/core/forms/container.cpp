// Painting, kept drawing, mouse routing and timer ticks of forms, picture boxes and user controls.
#include "container.h"

#include <windowsx.h>

#include <algorithm>

#include "focus_order.h"
#include "forms_app.h"
#include "timer.h"
#include "twips.h"
#include "windowless_control.h"

namespace forms {
namespace {

void registerClass(HINSTANCE instance, const char* name, WNDPROC procedure, HICON icon) {
    WNDCLASSA windowClass{};
    windowClass.style = CS_DBLCLKS;
    windowClass.lpfnWndProc = procedure;
    windowClass.hInstance = instance;
    windowClass.hIcon = icon;
    windowClass.hCursor = LoadCursor(nullptr, IDC_ARROW);
    windowClass.lpszClassName = name;
    RegisterClassA(&windowClass);
}

void fillWithColour(HDC dc, const RECT& area, COLORREF colour) {
    GdiObject<HBRUSH> brush(CreateSolidBrush(colour));
    FillRect(dc, &area, brush.get());
}

int shiftState() {
    int shift = 0;
    if (GetKeyState(VK_SHIFT) < 0) shift |= kShiftKey;
    if (GetKeyState(VK_CONTROL) < 0) shift |= kCtrlKey;
    if (GetKeyState(VK_MENU) < 0) shift |= kAltKey;
    return shift;
}

int buttonOf(UINT message) {
    switch (message) {
    case WM_LBUTTONDOWN: case WM_LBUTTONUP: case WM_LBUTTONDBLCLK: return kLeftButton;
    case WM_RBUTTONDOWN: case WM_RBUTTONUP: case WM_RBUTTONDBLCLK: return kRightButton;
    case WM_MBUTTONDOWN: case WM_MBUTTONUP: case WM_MBUTTONDBLCLK: return kMiddleButton;
    default: return 0;
    }
}

int heldButtons(WPARAM wParam) {
    return ((wParam & MK_LBUTTON) ? kLeftButton : 0) | ((wParam & MK_RBUTTON) ? kRightButton : 0) |
           ((wParam & MK_MBUTTON) ? kMiddleButton : 0);
}

}  // namespace

bool hasWindowClass(HWND window, const std::string& className) {
    char name[64] = {};
    return window && GetClassNameA(window, name, sizeof name) && className == name;
}

void registerContainerClasses(HINSTANCE instance, const RegisteredNames& names) {
    // Icon 1 is the program's own; a missing one leaves the class with the default.
    registerClass(instance, names.formClass.c_str(), Container::windowProc, LoadIcon(instance, MAKEINTRESOURCE(1)));
    registerClass(instance, names.pictureBoxClass.c_str(), Container::windowProc, nullptr);
    registerClass(instance, names.userControlClass.c_str(), Container::windowProc, nullptr);
}

void unregisterContainerClasses(HINSTANCE instance, const RegisteredNames& names) {
    UnregisterClassA(names.formClass.c_str(), instance);
    UnregisterClassA(names.pictureBoxClass.c_str(), instance);
    UnregisterClassA(names.userControlClass.c_str(), instance);
}

Container::~Container() {
    for (Timer* timer : timers_) timer->containerGone();
}

void Container::setBackColour(COLORREF colour) {
    backColour_ = colour;
    cls();
}

int Container::scaleWidth() const {
    RECT inner{};
    if (window_) GetClientRect(window_, &inner);
    return inner.right - inner.left;
}

int Container::scaleHeight() const {
    RECT inner{};
    if (window_) GetClientRect(window_, &inner);
    return inner.bottom - inner.top;
}

void Container::ensureKeptImage() {
    const int width = std::max(scaleWidth(), 1);
    const int height = std::max(scaleHeight(), 1);
    if (keptImage_ && keptSize_.cx >= width && keptSize_.cy >= height) return;
    // A grown area keeps what was drawn so far and shows the background beyond it.
    ScreenDc screen;
    GdiObject<HBITMAP> grown(CreateCompatibleBitmap(screen.get(), width, height));
    if (!grown) return;
    MemoryDc target(screen.get());
    SelectedObject selectTarget(target.get(), grown.get());
    fillWithColour(target.get(), RECT{0, 0, width, height}, backColour_);
    if (keptImage_) {
        MemoryDc source(screen.get());
        SelectedObject selectSource(source.get(), keptImage_.get());
        BitBlt(target.get(), 0, 0, keptSize_.cx, keptSize_.cy, source.get(), 0, 0, SRCCOPY);
    }
    keptImage_ = std::move(grown);
    keptSize_ = SIZE{width, height};
}

void Container::drawLine(int x1, int y1, int x2, int y2, COLORREF colour) {
    {
        KeptCanvas canvas(*this);
        if (!canvas.dc()) return;
        GdiObject<HPEN> pen(CreatePen(PS_SOLID, 1, colour));
        SelectedObject selectPen(canvas.dc(), pen.get());
        MoveToEx(canvas.dc(), x1, y1, nullptr);
        LineTo(canvas.dc(), x2, y2);
    }
    refresh();
}

void Container::cls() {
    // Cleared in place, and only where something was drawn: nothing to make for an empty one.
    if (keptImage_) {
        MemoryDc dc;
        SelectedObject selectImage(dc.get(), keptImage_.get());
        fillWithColour(dc.get(), RECT{0, 0, keptSize_.cx, keptSize_.cy}, backColour_);
    }
    refresh();
}

Container::KeptCanvas::KeptCanvas(Container& container) {
    container.ensureKeptImage();
    if (dc_.get() && container.keptImage_) previous_ = SelectObject(dc_.get(), container.keptImage_.get());
}

Container::KeptCanvas::~KeptCanvas() {
    if (previous_) SelectObject(dc_.get(), previous_);
}

void Container::paintSurface(HDC dc, int width, int height) {
    fillWithColour(dc, RECT{0, 0, width, height}, backColour_);
    if (keptImage_) {
        MemoryDc kept(dc);
        SelectedObject selectKept(kept.get(), keptImage_.get());
        BitBlt(dc, 0, 0, keptSize_.cx, keptSize_.cy, kept.get(), 0, 0, SRCCOPY);
    }
}

void Container::surfaceMouse(MouseEvent, int, int, int, int) {}

void Container::paintTo(HDC dc) {
    const int width = scaleWidth();
    const int height = scaleHeight();
    if (width <= 0 || height <= 0) return;
    // Composed off screen, so that the background never flashes between the controls.
    MemoryDc buffer(dc);
    GdiObject<HBITMAP> bufferImage(CreateCompatibleBitmap(dc, width, height));
    if (!buffer.get() || !bufferImage) return;
    SelectedObject selectBuffer(buffer.get(), bufferImage.get());
    paintSurface(buffer.get(), width, height);
    for (WindowlessControl* control : controls_) {
        if (!control->visible()) continue;
        const RECT area = control->pixelRect();
        if (area.right <= area.left || area.bottom <= area.top) continue;
        const int saved = SaveDC(buffer.get());
        IntersectClipRect(buffer.get(), area.left, area.top, area.right, area.bottom);
        control->paint(buffer.get(), area);
        RestoreDC(buffer.get(), saved);
    }
    BitBlt(dc, 0, 0, width, height, buffer.get(), 0, 0, SRCCOPY);
}

void Container::refresh() {
    if (window_) InvalidateRect(window_, nullptr, FALSE);
}

void Container::addControl(WindowlessControl* control) {
    controls_.push_back(control);
    refresh();
}

void Container::removeControl(WindowlessControl* control) {
    controls_.erase(std::remove(controls_.begin(), controls_.end(), control), controls_.end());
    if (mouseCapture_ == control) {
        // The rest of the press goes to the surface rather than to a control that is gone.
        mouseCapture_ = nullptr;
    }
    refresh();
}

void Container::addTimer(Timer* timer) { timers_.push_back(timer); }

void Container::removeTimer(Timer* timer) {
    timers_.erase(std::remove(timers_.begin(), timers_.end(), timer), timers_.end());
}

void Container::attachWindow(HWND window) {
    window_ = window;
    for (Timer* timer : timers_) timer->windowReady();
}

void Container::detachWindow() {
    for (Timer* timer : timers_) timer->windowGone();
    window_ = nullptr;
    keptImage_.reset();
    keptSize_ = SIZE{};
}

WindowlessControl* Container::controlAt(POINT at) const {
    for (auto it = controls_.rbegin(); it != controls_.rend(); ++it) {
        WindowlessControl* control = *it;
        const RECT area = control->pixelRect();
        if (control->visible() && control->takesMouse() && PtInRect(&area, at)) return control;
    }
    return nullptr;
}

void Container::dispatchMouse(UINT message, WPARAM wParam, LPARAM lParam) {
    const POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
    const MouseEvent event = message == WM_MOUSEMOVE ? MouseEvent::Move
                             : (message == WM_LBUTTONUP || message == WM_RBUTTONUP || message == WM_MBUTTONUP)
                                 ? MouseEvent::Up
                                 : MouseEvent::Down;
    WindowlessControl* target = capturing_ ? mouseCapture_ : controlAt(at);
    if (event == MouseEvent::Down && !capturing_) {
        // Presses go on to where they began, as with a windowed control.
        SetCapture(window_);
        capturing_ = true;
        mouseCapture_ = target;
    } else if (event == MouseEvent::Up && heldButtons(wParam) == 0 && capturing_) {
        ReleaseCapture();  // WM_CAPTURECHANGED forgets the target
    }
    const App& app = App::current();
    const int button = event == MouseEvent::Move ? heldButtons(wParam) : buttonOf(message);
    const int shift = shiftState();
    if (!target) {
        surfaceMouse(event, button, shift, pixelsToTwips(at.x, app.dpiX()), pixelsToTwips(at.y, app.dpiY()));
        return;
    }
    const RECT area = target->pixelRect();
    const int x = pixelsToTwips(at.x - area.left, app.dpiX());
    const int y = pixelsToTwips(at.y - area.top, app.dpiY());
    const int index = target->index();
    const MouseHandler& handler = event == MouseEvent::Move ? target->MouseMove
                                  : event == MouseEvent::Up  ? target->MouseUp
                                                             : target->MouseDown;
    if (handler) handler(index, button, shift, x, y);
}

LRESULT Container::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_ERASEBKGND:
        return 1;  // paintTo covers every pixel
    case WM_PAINT: {
        PAINTSTRUCT paint;
        HDC dc = BeginPaint(window_, &paint);
        if (dc) paintTo(dc);
        EndPaint(window_, &paint);
        return 0;
    }
    case WM_PRINTCLIENT:
        paintTo(reinterpret_cast<HDC>(wParam));
        return 0;
    case WM_SIZE:
        ensureKeptImage();
        refresh();
        return 0;
    case WM_TIMER:
        for (Timer* timer : timers_) {
            if (timer->id() == wParam) {
                timer->tick();
                break;
            }
        }
        return 0;
    case WM_CAPTURECHANGED:
        capturing_ = false;
        mouseCapture_ = nullptr;
        return 0;
    case WM_MOUSEMOVE:
    case WM_LBUTTONDOWN: case WM_RBUTTONDOWN: case WM_MBUTTONDOWN:
    case WM_LBUTTONDBLCLK: case WM_RBUTTONDBLCLK: case WM_MBUTTONDBLCLK:
    case WM_LBUTTONUP: case WM_RBUTTONUP: case WM_MBUTTONUP:
        dispatchMouse(message, wParam, lParam);
        return 0;
    default:
        return DefWindowProcA(window_, message, wParam, lParam);
    }
}

LRESULT CALLBACK Container::windowProc(HWND window, UINT message, WPARAM wParam, LPARAM lParam) {
    if (message == WM_NCCREATE) {
        auto* create = reinterpret_cast<CREATESTRUCTA*>(lParam);
        auto* self = static_cast<Container*>(create->lpCreateParams);
        SetWindowLongPtrA(window, GWLP_USERDATA, reinterpret_cast<LONG_PTR>(self));
        self->window_ = window;
    }
    auto* self = reinterpret_cast<Container*>(GetWindowLongPtrA(window, GWLP_USERDATA));
    if (!self) return DefWindowProcA(window, message, wParam, lParam);
    LRESULT result = 0;
    try {
        result = self->handleMessage(message, wParam, lParam);
    } catch (...) {
        // An event handler that failed is passed over, as every front-end step is.
        result = DefWindowProcA(window, message, wParam, lParam);
    }
    if (message == WM_NCDESTROY) {
        clearTabIndex(window);
        SetWindowLongPtrA(window, GWLP_USERDATA, 0);
        self->detachWindow();
    }
    return result;
}

}  // namespace forms
