// Loading, showing and unloading forms.
#include "form.h"

#include "focus_order.h"
#include "forms_app.h"
#include "twips.h"

namespace forms {
namespace {

DWORD styleOf(BorderStyle border) {
    return border == BorderStyle::None ? WS_POPUP | WS_CLIPCHILDREN
                                       : WS_POPUP | WS_CAPTION | WS_SYSMENU | WS_CLIPCHILDREN;
}

}  // namespace

Form::Form(FormDesign design) : design_(std::move(design)) { setBackColour(design_.backColour); }

Form::~Form() {
    if (HWND window = hWnd()) {
        // Torn down without an unload (the process is ending): no events any more.
        unloading_ = true;
        DestroyWindow(window);
    }
}

void Form::load() {
    if (loaded()) return;
    App& app = App::current();
    const DWORD style = styleOf(design_.border);
    RECT outer{0, 0, twipsToPixels(design_.clientWidthTwips, app.dpiX()),
               twipsToPixels(design_.clientHeightTwips, app.dpiY())};
    AdjustWindowRectEx(&outer, style, FALSE, 0);
    HWND window = CreateWindowExA(0, app.names().formClass.c_str(), design_.title.c_str(), style, 0, 0,
                                  outer.right - outer.left, outer.bottom - outer.top,
                                  app.ownerWindow(), nullptr, app.instance(), static_cast<Container*>(this));
    if (!window) return;
    unloading_ = false;
    reportedSize_ = SIZE{-1, -1};
    lastFocus_ = nullptr;
    attachWindow(window);
    app.formLoaded(this);
    Form_Load();
}

void Form::show() {
    load();
    if (HWND window = hWnd()) {
        // A form inside another program's window must not take the activation from it.
        const bool child = (GetWindowLongPtrA(window, GWL_STYLE) & WS_CHILD) != 0;
        ShowWindow(window, child ? SW_SHOWNA : SW_SHOWNORMAL);
        reportResize();
        UpdateWindow(window);
    }
}

void Form::showModal() {
    show();
    MSG message;
    while (loaded()) {
        const BOOL got = GetMessageA(&message, nullptr, 0, 0);
        if (got == 0 || got == -1) {
            // The process is being asked to end: leave that to the outer loop.
            if (got == 0) PostQuitMessage(static_cast<int>(message.wParam));
            break;
        }
        if (handleTabKey(message)) continue;
        TranslateMessage(&message);
        DispatchMessageA(&message);
    }
}

void Form::unload(UnloadMode mode) {
    HWND window = hWnd();
    if (!window || unloading_) return;
    if (!runUnloadEvents(mode, mode == UnloadMode::ControlMenu || mode == UnloadMode::Code)) return;
    DestroyWindow(window);
}

bool Form::runUnloadEvents(UnloadMode mode, bool mayCancel) {
    bool cancel = false;
    unloading_ = true;
    Form_QueryUnload(cancel, mode);
    if (cancel && mayCancel) {
        unloading_ = false;
        return false;
    }
    Form_Unload();
    return true;
}

void Form::setTitle(const std::string& title) {
    design_.title = title;
    if (HWND window = hWnd()) SetWindowTextA(window, title.c_str());
}

RECT Form::outerRectInParent() const {
    RECT outer{};
    HWND window = hWnd();
    if (!window) return outer;
    GetWindowRect(window, &outer);
    if (HWND parent = GetAncestor(window, GA_PARENT); parent && parent != GetDesktopWindow()) {
        MapWindowPoints(nullptr, parent, reinterpret_cast<POINT*>(&outer), 2);
    }
    return outer;
}

int Form::left() const { return pixelsToTwips(outerRectInParent().left, App::current().dpiX()); }
int Form::top() const { return pixelsToTwips(outerRectInParent().top, App::current().dpiY()); }
int Form::width() const {
    const RECT outer = outerRectInParent();
    return pixelsToTwips(outer.right - outer.left, App::current().dpiX());
}
int Form::height() const {
    const RECT outer = outerRectInParent();
    return pixelsToTwips(outer.bottom - outer.top, App::current().dpiY());
}

void Form::move(int left, int top, int width, int height) {
    const App& app = App::current();
    movePixels(twipsToPixels(left, app.dpiX()), twipsToPixels(top, app.dpiY()),
               twipsToPixels(width, app.dpiX()), twipsToPixels(height, app.dpiY()));
}

void Form::movePixels(int left, int top, int width, int height) {
    if (HWND window = hWnd()) MoveWindow(window, left, top, width, height, TRUE);
}

void Form::restoreFocus() {
    HWND window = hWnd();
    if (lastFocus_ && IsChild(window, lastFocus_) && canTakeFocus(lastFocus_)) {
        SetFocus(lastFocus_);
    } else if (!focusFirstStop(window)) {
        SetFocus(window);
    }
}

void Form::reportResize() {
    HWND window = hWnd();
    if (!window || !IsWindowVisible(window)) return;
    const SIZE inner{scaleWidth(), scaleHeight()};
    if (inner.cx == reportedSize_.cx && inner.cy == reportedSize_.cy) return;
    reportedSize_ = inner;
    Form_Resize();
}

LRESULT Form::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_CLOSE:
        unload(UnloadMode::ControlMenu);
        return 0;
    case WM_ACTIVATE:
        if (LOWORD(wParam) == WA_INACTIVE) {
            HWND focus = GetFocus();
            lastFocus_ = IsChild(hWnd(), focus) ? focus : nullptr;
        } else if (!HIWORD(wParam)) {  // not while minimised
            restoreFocus();
        }
        return 0;
    case WM_QUERYENDSESSION:
        return TRUE;
    case WM_ENDSESSION:
        if (wParam) unload(UnloadMode::WindowsShutdown);
        return 0;
    case WM_SIZE:
        Container::handleMessage(message, wParam, lParam);
        reportResize();
        return 0;
    case WM_DESTROY:
        // Destroyed without an unload of ours: the host of a preview went away.
        if (!unloading_) runUnloadEvents(UnloadMode::WindowDestroyed, false);
        return 0;
    case WM_NCDESTROY:
        App::current().formUnloaded(this);
        return Container::handleMessage(message, wParam, lParam);
    default:
        return Container::handleMessage(message, wParam, lParam);
    }
}

}  // namespace forms
