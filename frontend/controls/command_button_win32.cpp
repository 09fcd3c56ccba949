// The Command button: its properties and host events over the model, the leave timer, and its
// making by type name.
#include "command_button_win32.h"

#include <map>
#include <memory>

#include "command_pictures.h"
#include "forms_app.h"

namespace {

// The leave test runs this often from Initialize on, in every state.
constexpr UINT kLeaveTestMs = 100;

// The six pictures are the same for every button: loaded once and shared while any button
// holds them (the dialog has four buttons), freed with the last one.
forms::Picture statePicture(int id) {
    static std::map<int, std::weak_ptr<const forms::StoredPicture>> loaded;
    forms::Picture picture = loaded[id].lock();
    if (!picture) {
        picture = forms::loadBitmapResource(forms::App::current().instance(), id);
        loaded[id] = picture;
    }
    return picture;
}

}  // namespace

Command::Command(forms::Container& host, int index)
    : forms::UserControl(host, kTypeName, index, kDefaultWidthTwips, kDefaultHeightTwips),
      TmrMouse(*this, kLeaveTestMs, false, [this] { TmrMouse_Timer(); }),
      HighLight(statePicture(IDB_COMMAND_HIGHLIGHT)),
      Pressed(statePicture(IDB_COMMAND_PRESSED)),
      Normal(statePicture(IDB_COMMAND_NORMAL)),
      LblMsg(*this),
      Disable(statePicture(IDB_COMMAND_DISABLE)),
      HighLightSelect(statePicture(IDB_COMMAND_HIGHLIGHTSELECT)),
      Selected(statePicture(IDB_COMMAND_SELECTED)) {
    // The face colour the state pictures blend into; it shows only where nothing is painted.
    setBackColour(RGB(0xEC, 0xE9, 0xD8));
    model_.drawFace = [this](StatePicture picture) { paintFace(picture); };
    model_.propertyChanged = [this](const std::string& name) { announcePropertyChanged(name); };
    model_.click = [this] { clickPending_ = true; };
    LblMsg.setTransparent(true);
    LblMsg.setAlignment(forms::TextAlignment::Centre);
    // The caption is part of the button: its mouse events are the button's.
    LblMsg.MouseDown = [this](int, int button, int shift, int x, int y) { UserControl_MouseDown(button, shift, x, y); };
    LblMsg.MouseMove = [this](int, int button, int shift, int x, int y) { UserControl_MouseMove(button, shift, x, y); };
    LblMsg.MouseUp = [this](int, int button, int shift, int x, int y) { UserControl_MouseUp(button, shift, x, y); };
    applyModel();
}

void Command::registerType() { forms::registerUserControlType(kTypeName, &Command::make); }

std::unique_ptr<forms::UserControl> Command::make(forms::Container& host, const forms::PropertyStore* saved,
                                                  int index) {
    auto made = std::make_unique<Command>(host, index);
    if (saved) made->UserControl_ReadProperties(*saved);
    made->UserControl_Resize();  // placed on the host at its first size
    return made;
}

bool Command::Visible() {
    const bool visible = model_.Visible();
    applyModel();
    return visible;
}

void Command::setVisible(bool New_Visible) {
    model_.setVisible(New_Visible);
    applyModel();
}

COLORREF Command::FontColour() {
    const COLORREF colour = model_.FontColour();
    applyModel();
    return colour;
}

void Command::setFontColour(COLORREF New_FontColour) {
    model_.setFontColour(New_FontColour);
    applyModel();
}

bool Command::Enabled() {
    const bool enabled = model_.Enabled();
    applyModel();
    return enabled;
}

void Command::setEnabled(bool New_Enabled) {
    model_.setEnabled(New_Enabled);
    applyModel();
}

void Command::setCaption(const std::string& New_Caption) {
    model_.setCaption(New_Caption);
    applyModel();
}

void Command::setFont(const forms::FontDescription& New_Font) {
    model_.setFont(New_Font);
    applyModel();
}

void Command::Initialize() {
    model_.Initialize();
    TmrMouse.setEnabled(true);
    TmrMouse.setInterval(kLeaveTestMs);
}

void Command::UserControl_ReadProperties(const forms::PropertyStore& store) {
    model_.UserControl_ReadProperties(store, ambientFont());
    applyModel();
}

void Command::UserControl_WriteProperties(forms::PropertyStore& store) {
    model_.UserControl_WriteProperties(store, ambientFont());
    applyModel();
}

void Command::MouseLeave() {
    model_.MouseLeave();
    applyModel();
}

void Command::UserControl_Resize() {
    model_.UserControl_Resize();
    applyModel();
}

void Command::UserControl_GotFocus() {
    model_.UserControl_GotFocus();
    applyModel();
}

void Command::UserControl_LostFocus() {
    model_.UserControl_LostFocus();
    applyModel();
}

void Command::UserControl_MouseDown(int button, int, int, int) {
    model_.UserControl_MouseDown(button);
    applyModel();
}

void Command::UserControl_MouseMove(int, int, int, int) {
    model_.UserControl_MouseMove();
    applyModel();
}

void Command::UserControl_MouseUp(int button, int, int, int) {
    model_.UserControl_MouseUp(button);
    applyModel();
    // Last of all: the handler may unload the form that holds the button.
    if (clickPending_) {
        clickPending_ = false;
        if (Click) Click();
    }
}

void Command::TmrMouse_Timer() {
    POINT pointer{};
    GetCursorPos(&pointer);  // on failure (0, 0): somewhere else, as good as any other answer
    const HWND under = WindowFromPoint(pointer);
    // Over the form itself, or over any window that is not the button's own: the pointer has
    // left. The caption has no window, so over it the button's own window is found.
    if (under == parentFormWindow() || under != hWnd()) MouseLeave();
}

void Command::applyModel() {
    const CaptionState& caption = model_.caption();
    if (LblMsg.caption() != caption.text) LblMsg.setCaption(caption.text);
    if (LblMsg.foreColour() != caption.colour) LblMsg.setForeColour(caption.colour);
    if (LblMsg.enabled() != caption.enabled) LblMsg.setEnabled(caption.enabled);
    fitCaptionFont();
    if (opaque() != model_.opaque()) setOpaque(model_.opaque());
    // A disabled button takes neither the mouse nor the focus, so Tab passes over it.
    const bool enabled = model_.fields().Enabled;
    if (HWND window = hWnd(); window && (IsWindowEnabled(window) != FALSE) != enabled) EnableWindow(window, enabled);
}

std::vector<Command*> commandButtonsOn(const forms::Container& container) {
    std::vector<Command*> buttons;
    for (forms::UserControl* control : forms::userControlsIn(container)) {
        if (auto* button = dynamic_cast<Command*>(control)) buttons.push_back(button);
    }
    return buttons;
}
