// User controls: reusable controls with a window of their own, made by a host (a form or a
// picture box) by their type name. Each is a child window of its host with the surface of a
// container (kept drawing, windowless controls such as its caption label, timers), an opaque
// or transparent surface, focus and mouse events, a tab index, the notice that a stored
// property changed, and the host's font as its ambient font.
//
// A host makes an instance from Form_Load on (its own window must exist), hands it the
// property store it saved for it, places it in twips and subscribes to its events:
//
//     forms::PropertyStore saved;  // what the host keeps for its OK button: caption and font
//     saved.write("Caption", std::string("OK"));
//     saved.write("Font", forms::FontDescription{});
//     std::unique_ptr<Button> okButton = forms::createUserControlAs<Button>("Example.Button", *this, &saved);
//     okButton->move(4800, 3000, 1095, 375);
//     okButton->setTabIndex(10);
//     okButton->Click = [this] { okButton_Click(); };
//
// The host owns the instance; its window goes with the host's window. An event handler may
// unload the form that holds the control, but must not destroy the control itself.
#pragma once

#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "container.h"
#include "property_store.h"

namespace forms {

class UserControl : public Container {
public:
    ~UserControl() override;

    const std::string& typeName() const { return typeName_; }
    int index() const { return index_; }
    Container& host() const { return host_; }
    // The window of the form that holds the control, also through picture boxes.
    HWND parentFormWindow() const;

    // Placement in twips relative to the host's inner area; a new size runs UserControl_Resize.
    void move(int left, int top, int width, int height);
    int left() const;
    int top() const;
    int width() const;
    int height() const;

    // The position in the form's tab order (see focus_order.h).
    void setTabIndex(int tabIndex);
    void setFocus();
    bool hasFocus() const;

    // Opaque (the default) shows the surface; transparent shows what lies behind the control
    // instead, under its windowless controls, and lets the mouse through to the host there.
    bool opaque() const { return opaque_; }
    void setOpaque(bool opaque);

    // Called with a stored property's name when the control changes it.
    std::function<void(const std::string& name)> PropertyChanged;

protected:
    // Creates the window on `host`, sized `widthTwips` x `heightTwips` at the host's origin.
    UserControl(Container& host, std::string typeName, int index, int widthTwips, int heightTwips);

    const FontDescription& ambientFont() const { return host_.font(); }
    void announcePropertyChanged(const std::string& name);

    // Events of the control's own window; mouse positions in twips of its inner area.
    virtual void UserControl_Resize() {}
    virtual void UserControl_GotFocus() {}
    virtual void UserControl_LostFocus() {}
    virtual void UserControl_MouseDown(int button, int shift, int x, int y);
    virtual void UserControl_MouseMove(int button, int shift, int x, int y);
    virtual void UserControl_MouseUp(int button, int shift, int x, int y);

    LRESULT handleMessage(UINT message, WPARAM wParam, LPARAM lParam) override;
    void paintSurface(HDC dc, int width, int height) override;
    void surfaceMouse(MouseEvent event, int button, int shift, int x, int y) override;

private:
    RECT rectInHost() const;

    Container& host_;
    std::string typeName_;
    int index_;
    bool opaque_ = true;
};

// Makes an instance on `host`: restored from `saved` when given, then sized.
using UserControlMaker = std::unique_ptr<UserControl> (*)(Container& host, const PropertyStore* saved, int index);

// Makes `typeName` known; the program's entry (and every test host) registers its types once.
void registerUserControlType(const std::string& typeName, UserControlMaker make);

// An instance of a registered type on `host`; nothing for an unknown type or a host without a
// window.
std::unique_ptr<UserControl> createUserControl(const std::string& typeName, Container& host,
                                               const PropertyStore* saved = nullptr, int index = -1);

// The same, as the class the caller expects; nothing when the type makes another class.
template <class T>
std::unique_ptr<T> createUserControlAs(const std::string& typeName, Container& host,
                                       const PropertyStore* saved = nullptr, int index = -1) {
    std::unique_ptr<UserControl> made = createUserControl(typeName, host, saved, index);
    if (!dynamic_cast<T*>(made.get())) return nullptr;
    return std::unique_ptr<T>(static_cast<T*>(made.release()));
}

// Every user control inside `container` (inside its picture boxes too), in window order.
std::vector<UserControl*> userControlsIn(const Container& container);

}  // namespace forms
