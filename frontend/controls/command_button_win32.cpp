// The Command button: its properties and host events handed to the model, the model's changes
// shown (the face, the caption, the surface, the window's enabled state), the leave timer, and
// its making by type name.
#include "command_button_win32.h"

#include <cmath>
#include <map>
#include <memory>

#include "command_face.h"
#include "command_pictures.h"
#include "forms_app.h"
#include "twips.h"

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
    LblMsg.setTransparent(true);
    LblMsg.setAlignment(forms::TextAlignment::Centre);
    // The caption is part of the button: its mouse events are the button's.
    LblMsg.MouseDown = [this](int, int button, int shift, int x, int y) { UserControl_MouseDown(button, shift, x, y); };
    LblMsg.MouseMove = [this](int, int button, int shift, int x, int y) { UserControl_MouseMove(button, shift, x, y); };
    LblMsg.MouseUp = [this](int, int button, int shift, int x, int y) { UserControl_MouseUp(button, shift, x, y); };
    model_.setView(this);
}

void Command::registerType() { forms::registerUserControlType(kTypeName, &Command::make); }

std::unique_ptr<forms::UserControl> Command::make(forms::Container& host, const forms::PropertyStore* saved,
                                                  int index) {
    auto made = std::make_unique<Command>(host, index);
    if (saved) made->UserControl_ReadProperties(*saved);
    made->UserControl_Resize();  // placed on the host at its first size
    return made;
}

bool Command::Visible() { return model_.Visible(); }
void Command::setVisible(bool New_Visible) { model_.setVisible(New_Visible); }
COLORREF Command::FontColour() { return model_.FontColour(); }
void Command::setFontColour(COLORREF New_FontColour) { model_.setFontColour(New_FontColour); }
bool Command::Enabled() { return model_.Enabled(); }
void Command::setEnabled(bool New_Enabled) { model_.setEnabled(New_Enabled); }
void Command::setCaption(const std::string& New_Caption) { model_.setCaption(New_Caption); }
void Command::setFont(const forms::FontDescription& New_Font) { model_.setFont(New_Font); }

void Command::Initialize() {
    model_.Initialize();
    TmrMouse.setEnabled(true);
    TmrMouse.setInterval(kLeaveTestMs);
}

void Command::UserControl_ReadProperties(const forms::PropertyStore& store) {
    model_.UserControl_ReadProperties(store, ambientFont());
}

void Command::UserControl_WriteProperties(forms::PropertyStore& store) {
    model_.UserControl_WriteProperties(store, ambientFont());
}

void Command::DrawFace(StatePicture picture) {
    model_.takeGradientDirection();
    const FaceLayout face = faceLayout();
    {
        forms::Container::KeptCanvas canvas(*this);
        if (HDC dc = canvas.dc()) {
            clearFace(dc, face, backColour());
            DrawGradient(dc);
            copyFacePieces(dc, face, pictureOf(picture));
        }
    }
    refresh();
    const double width = pixelsToTwips(face.pixels.cx, face.dpiX);
    const double height = pixelsToTwips(face.pixels.cy, face.dpiY);
    const int top = static_cast<int>(std::lround(captionTop(height, LblMsg.height())));
    // The face's refresh repaints the caption already; moving it again would only add work.
    if (LblMsg.left() != 0 || LblMsg.top() != top || LblMsg.width() != static_cast<int>(width)) {
        LblMsg.move(0, top, static_cast<int>(width), LblMsg.height());
    }
}

void Command::DrawGradient() {
    {
        forms::Container::KeptCanvas canvas(*this);
        if (HDC dc = canvas.dc()) DrawGradient(dc);
    }
    refresh();
}

void Command::DrawGradient(HDC face) { fillFaceGradient(face, faceLayout(), fields().GradientReversed); }

void Command::MouseLeave() { model_.MouseLeave(); }
void Command::UserControl_Resize() { model_.UserControl_Resize(); }
void Command::UserControl_GotFocus() { model_.UserControl_GotFocus(); }
void Command::UserControl_LostFocus() { model_.UserControl_LostFocus(); }
void Command::UserControl_MouseDown(int button, int, int, int) { model_.UserControl_MouseDown(button); }
void Command::UserControl_MouseMove(int, int, int, int) { model_.UserControl_MouseMove(); }
// Click, when the model raises it, comes last: its handler may unload the form that holds the button.
void Command::UserControl_MouseUp(int button, int, int, int) { model_.UserControl_MouseUp(button); }

void Command::TmrMouse_Timer() {
    POINT pointer{};
    GetCursorPos(&pointer);  // on failure (0, 0): somewhere else, as good as any other answer
    const HWND under = WindowFromPoint(pointer);
    // Over the form itself, or over any window that is not the button's own: the pointer has
    // left. The caption has no window, so over it the button's own window is found.
    if (under == parentFormWindow() || under != hWnd()) MouseLeave();
}

FaceLayout Command::faceLayout() const {
    const forms::App& app = forms::App::current();
    return FaceLayout{SIZE{scaleWidth(), scaleHeight()}, app.dpiX(), app.dpiY()};
}

void Command::showCaption(const CaptionState& caption) {
    if (LblMsg.caption() != caption.text) LblMsg.setCaption(caption.text);
    if (LblMsg.foreColour() != caption.colour) LblMsg.setForeColour(caption.colour);
    if (LblMsg.enabled() != caption.enabled) LblMsg.setEnabled(caption.enabled);
    fitCaptionFont(caption.font);
}

void Command::showSurface(bool opaque) {
    if (this->opaque() != opaque) setOpaque(opaque);
}

void Command::showEnabled(bool enabled) {
    // A disabled button takes neither the mouse nor the focus, so Tab passes over it.
    if (HWND window = hWnd(); window && (IsWindowEnabled(window) != FALSE) != enabled) EnableWindow(window, enabled);
}

void Command::announce(const std::string& name) { announcePropertyChanged(name); }

void Command::raiseClick() {
    if (Click) Click();
}

void Command::fitCaptionFont(const forms::FontDescription& font) {
    if (captionFitted_ && LblMsg.font() == font) return;
    LblMsg.setFont(font);
    const forms::App& app = forms::App::current();
    LblMsg.move(LblMsg.left(), LblMsg.top(), pixelsToTwips(scaleWidth(), app.dpiX()),
                pixelsToTwips(LblMsg.lineHeightPixels(), app.dpiY()));
    captionFitted_ = true;
}

const forms::Picture& Command::pictureOf(StatePicture picture) const {
    switch (picture) {
    case StatePicture::HighLight: return HighLight;
    case StatePicture::Pressed: return Pressed;
    case StatePicture::Normal: return Normal;
    case StatePicture::Disable: return Disable;
    case StatePicture::HighLightSelect: return HighLightSelect;
    case StatePicture::Selected: return Selected;
    }
    return Normal;
}

std::vector<Command*> commandButtonsOn(const forms::Container& container) {
    std::vector<Command*> buttons;
    for (forms::UserControl* control : forms::userControlsIn(container)) {
        if (auto* button = dynamic_cast<Command*>(control)) buttons.push_back(button);
    }
    return buttons;
}
