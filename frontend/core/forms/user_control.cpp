// User controls as child windows of the container class, and their making by type name.
#include "user_control.h"

#include <windowsx.h>

#include <map>

#include "focus_order.h"
#include "forms_app.h"
#include "twips.h"

namespace forms {
namespace {

std::map<std::string, UserControlMaker>& registeredTypes() {
    static std::map<std::string, UserControlMaker> types;
    return types;
}

BOOL CALLBACK collectUserControl(HWND window, LPARAM lParam) {
    if (hasWindowClass(window, App::current().names().userControlClass)) {
        auto* container = reinterpret_cast<Container*>(GetWindowLongPtrA(window, GWLP_USERDATA));
        if (auto* control = dynamic_cast<UserControl*>(container)) {
            reinterpret_cast<std::vector<UserControl*>*>(lParam)->push_back(control);
        }
    }
    return TRUE;
}

}  // namespace

UserControl::UserControl(Container& host, std::string typeName, int index, int widthTwips, int heightTwips)
    : host_(host), typeName_(std::move(typeName)), index_(index) {
    const App& app = App::current();
    HWND window = CreateWindowExA(0, app.names().userControlClass.c_str(), "", WS_CHILD | WS_VISIBLE | WS_CLIPSIBLINGS,
                                  0, 0, twipsToPixels(widthTwips, app.dpiX()), twipsToPixels(heightTwips, app.dpiY()),
                                  host.hWnd(), nullptr, app.instance(), static_cast<Container*>(this));
    if (window) attachWindow(window);
}

UserControl::~UserControl() {
    if (HWND window = hWnd()) DestroyWindow(window);
}

HWND UserControl::parentFormWindow() const { return hWnd() ? GetAncestor(hWnd(), GA_ROOT) : nullptr; }

RECT UserControl::rectInHost() const {
    RECT rect{};
    if (!hWnd()) return rect;
    GetWindowRect(hWnd(), &rect);
    MapWindowPoints(nullptr, GetParent(hWnd()), reinterpret_cast<POINT*>(&rect), 2);
    return rect;
}

void UserControl::move(int left, int top, int width, int height) {
    const App& app = App::current();
    if (HWND window = hWnd()) {
        MoveWindow(window, twipsToPixels(left, app.dpiX()), twipsToPixels(top, app.dpiY()),
                   twipsToPixels(width, app.dpiX()), twipsToPixels(height, app.dpiY()), TRUE);
    }
}

int UserControl::left() const { return pixelsToTwips(rectInHost().left, App::current().dpiX()); }
int UserControl::top() const { return pixelsToTwips(rectInHost().top, App::current().dpiY()); }
int UserControl::width() const {
    const RECT rect = rectInHost();
    return pixelsToTwips(rect.right - rect.left, App::current().dpiX());
}
int UserControl::height() const {
    const RECT rect = rectInHost();
    return pixelsToTwips(rect.bottom - rect.top, App::current().dpiY());
}

void UserControl::setTabIndex(int tabIndex) { forms::setTabIndex(hWnd(), tabIndex); }

void UserControl::setFocus() {
    if (hWnd()) SetFocus(hWnd());
}

bool UserControl::hasFocus() const { return hWnd() && GetFocus() == hWnd(); }

void UserControl::setOpaque(bool opaque) {
    opaque_ = opaque;
    refresh();
}

void UserControl::announcePropertyChanged(const std::string& name) {
    if (PropertyChanged) PropertyChanged(name);
}

void UserControl::UserControl_MouseDown(int, int, int, int) {}
void UserControl::UserControl_MouseMove(int, int, int, int) {}
void UserControl::UserControl_MouseUp(int, int, int, int) {}

void UserControl::surfaceMouse(MouseEvent event, int button, int shift, int x, int y) {
    switch (event) {
    case MouseEvent::Down: UserControl_MouseDown(button, shift, x, y); break;
    case MouseEvent::Move: UserControl_MouseMove(button, shift, x, y); break;
    case MouseEvent::Up: UserControl_MouseUp(button, shift, x, y); break;
    }
}

void UserControl::paintSurface(HDC dc, int width, int height) {
    if (opaque_) {
        Container::paintSurface(dc, width, height);
        return;
    }
    // What lies behind: the host's own picture (its drawing and windowless controls) at the
    // control's place.
    const RECT place = rectInHost();
    POINT previous{};
    SetViewportOrgEx(dc, -place.left, -place.top, &previous);
    host_.paintTo(dc);
    SetViewportOrgEx(dc, previous.x, previous.y, nullptr);
}

LRESULT UserControl::handleMessage(UINT message, WPARAM wParam, LPARAM lParam) {
    switch (message) {
    case WM_NCHITTEST:
        if (!opaque_) {
            POINT at{GET_X_LPARAM(lParam), GET_Y_LPARAM(lParam)};
            ScreenToClient(hWnd(), &at);
            if (!controlAt(at)) return HTTRANSPARENT;
        }
        return Container::handleMessage(message, wParam, lParam);
    case WM_SIZE:
        Container::handleMessage(message, wParam, lParam);
        UserControl_Resize();
        return 0;
    case WM_SETFOCUS:
        UserControl_GotFocus();
        return 0;
    case WM_KILLFOCUS:
        UserControl_LostFocus();
        return 0;
    case WM_LBUTTONDOWN:
    case WM_LBUTTONDBLCLK:
        // A press takes the focus first, as a push button does, so GotFocus comes before MouseDown.
        if (GetFocus() != hWnd()) SetFocus(hWnd());
        return Container::handleMessage(message, wParam, lParam);
    default:
        return Container::handleMessage(message, wParam, lParam);
    }
}

void registerUserControlType(const std::string& typeName, UserControlMaker make) {
    registeredTypes()[typeName] = make;
}

std::unique_ptr<UserControl> createUserControl(const std::string& typeName, Container& host,
                                               const PropertyStore* saved, int index) {
    const auto found = registeredTypes().find(typeName);
    if (found == registeredTypes().end() || !host.hWnd()) return nullptr;
    std::unique_ptr<UserControl> made = found->second(host, saved, index);
    if (made && !made->hWnd()) return nullptr;
    return made;
}

std::vector<UserControl*> userControlsIn(const Container& container) {
    std::vector<UserControl*> controls;
    if (container.hWnd()) EnumChildWindows(container.hWnd(), collectUserControl, reinterpret_cast<LPARAM>(&controls));
    return controls;
}

}  // namespace forms
