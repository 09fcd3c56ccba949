// The Command button, type name "Vantrel.Command": the front end's own push button. A child
// window of its host (its own window handle, which the leave timer compares with the window
// under the pointer) that paints one of six state pictures over a vertical gradient, shows a
// centred caption in its windowless label LblMsg (the pointer over the caption counts as over
// the button), follows hover, focus and press, and raises Click on a mouse button's release.
// The decisions are in command_model.h and command_states.h; this file turns window messages
// into their calls, and as the model's CommandView shows each change it makes: the face
// (DrawFace), the caption label, the surface and the window's enabled state.
//
// Hosts make it by its type name (see forms/user_control.h): Command::registerType() once, then
//
//     forms::createUserControlAs<Command>(Command::kTypeName, host, &saved)
//
// with a property store of what the host saved for the instance: "Caption", "Font",
// "Enabled", "FontColour", "Visible", "FirstRun" (each missing one takes its default; an
// empty store gives an enabled "Command1" in the host's font). Then place it (move, twips),
// give it a tab index, set Click, and call Initialize, which starts the 100 ms leave timer.
// A disabled button (Enabled false) ignores the mouse and cannot take the focus, so Tab passes
// over it. The keyboard never raises Click. Forms find their Command buttons, also those in
// picture boxes, with commandButtonsOn.
#pragma once

#include <cstdint>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "command_face_win32.h"
#include "command_model.h"
#include "label_control.h"
#include "stored_picture.h"
#include "timer.h"
#include "user_control.h"

class Command : public forms::UserControl, private CommandView {
public:
    static constexpr const char* kTypeName = "Vantrel.Command";
    // A newly placed instance.
    static constexpr int kDefaultWidthTwips = 1755;
    static constexpr int kDefaultHeightTwips = 420;

    // Makes the type known to the forms layer; the program's entry calls it once.
    static void registerType();

    // A new instance on `host` with no saved properties: disabled until Enabled is first read.
    explicit Command(forms::Container& host, int index = -1);

    // Reading Visible (when true), FontColour or Enabled repaints the face.
    bool Visible();
    void setVisible(bool New_Visible);
    COLORREF FontColour();
    void setFontColour(COLORREF New_FontColour);
    bool Enabled();
    void setEnabled(bool New_Enabled);
    std::string Caption() const { return model_.Caption(); }
    void setCaption(const std::string& New_Caption);
    forms::FontDescription Font() const { return model_.Font(); }
    void setFont(const forms::FontDescription& New_Font);

    // ButtonState Normal and the leave timer running (every 100 ms, GetCursorPos and
    // WindowFromPoint); nothing is painted.
    void Initialize();

    // Raised by the release of any mouse button over the enabled button, unless the pointer
    // went off it while a button was held. No arguments.
    std::function<void()> Click;

    // Restoring and saving the instance through the host's property store.
    void UserControl_ReadProperties(const forms::PropertyStore& store);
    void UserControl_WriteProperties(forms::PropertyStore& store);

    // Repaints the whole face with a state picture: the gradient direction taken from the
    // state, clear, DrawGradient, eight border pieces of the picture, caption placed. Composed
    // in the kept drawing and shown in one paint.
    void DrawFace(StatePicture picture) override;
    // Fills the whole surface with the background gradient.
    void DrawGradient();
    // What the leave timer does when the pointer is elsewhere.
    void MouseLeave();

    // For tests and the dialog's state checks.
    const CommandFields& fields() const { return model_.fields(); }

protected:
    void UserControl_Resize() override;
    void UserControl_GotFocus() override;
    void UserControl_LostFocus() override;
    void UserControl_MouseDown(int button, int shift, int x, int y) override;
    void UserControl_MouseMove(int button, int shift, int x, int y) override;
    void UserControl_MouseUp(int button, int shift, int x, int y) override;

private:
    static std::unique_ptr<forms::UserControl> make(forms::Container& host, const forms::PropertyStore* saved,
                                                    int index);
    void TmrMouse_Timer();

    // DrawGradient into a face being composed in `face`, the kept drawing's device context.
    void DrawGradient(HDC face);
    FaceLayout faceLayout() const;
    // Gives LblMsg `font` and the height of one line of it.
    void fitCaptionFont(const forms::FontDescription& font);
    const forms::Picture& pictureOf(StatePicture picture) const;

    // What the model changes, shown (CommandView).
    void showCaption(const CaptionState& caption) override;
    void showSurface(bool opaque) override;
    void showEnabled(bool enabled) override;
    void announce(const std::string& name) override;
    void raiseClick() override;

    CommandModel model_;
    bool captionFitted_ = false;

    // The child elements, in the order they are made.
    forms::Timer TmrMouse;
    forms::Picture HighLight;
    forms::Picture Pressed;
    forms::Picture Normal;
    forms::LabelControl LblMsg;
    forms::Picture Disable;
    forms::Picture HighLightSelect;
    forms::Picture Selected;
};

// The Command buttons on `container` and inside its picture boxes, in window order.
std::vector<Command*> commandButtonsOn(const forms::Container& container);
