// The Command button's properties and persistence: its fields, what its caption label shows,
// whether its surface is opaque, what every property access does at once, ApplyEnabled,
// RefreshFace, the first-run rule, and reading and writing the per-instance property store.
// Portable: the control around it is its CommandView, told of every change as it happens.
#pragma once

#include <cstdint>
#include <string>

#include "command_states.h"
#include "font_description.h"
#include "property_store.h"

// What the caption label LblMsg shows. Colours are 32-bit, red in the low byte.
struct CaptionState {
    std::string text = "Command";  // the design text
    std::uint32_t colour = 0;
    bool enabled = true;
    forms::FontDescription font;  // "ＭＳ Ｐゴシック" 9.75 pt, normal weight, Shift_JIS
};

// The one way the model's changes reach the control: each call comes at the step that makes
// the change, in the order the steps run.
class CommandView {
public:
    virtual ~CommandView() = default;
    // Repaint the whole face with `picture`; the control's DrawFace takes the gradient
    // direction first (takeGradientDirection).
    virtual void DrawFace(StatePicture picture) = 0;
    // The caption label is to show `caption`.
    virtual void showCaption(const CaptionState& caption) = 0;
    // The surface is to be opaque, or transparent.
    virtual void showSurface(bool opaque) = 0;
    // Whether the control takes the mouse and the focus.
    virtual void showEnabled(bool enabled) = 0;
    // The notice to the host that a stored property changed, with its name.
    virtual void announce(const std::string& name) = 0;
    virtual void raiseClick() = 0;
};

class CommandModel {
public:
    // The view is told at once what the model holds now, then of every change. Without a view
    // the model only keeps its state.
    void setView(CommandView* view);

    const CommandFields& fields() const { return fields_; }
    const CaptionState& caption() const { return caption_; }
    bool opaque() const { return opaque_; }

    // ButtonState becomes Normal; the control starts its leave timer beside it.
    void Initialize();

    // Reading Visible (when true), FontColour or Enabled repaints the face as a side effect.
    bool Visible();
    void setVisible(bool New_Visible);
    std::uint32_t FontColour();
    void setFontColour(std::uint32_t New_FontColour);
    // The first read of an instance that was never initialised enables it (the first-run rule).
    bool Enabled();
    void setEnabled(bool New_Enabled);
    const std::string& Caption() const { return caption_.text; }
    void setCaption(const std::string& New_Caption);
    const forms::FontDescription& Font() const { return caption_.font; }
    void setFont(const forms::FontDescription& New_Font);

    // Restore and save the instance; `ambientFont` is the host's font, the default of "Font".
    void UserControl_ReadProperties(const forms::PropertyStore& store,
                                    const forms::FontDescription& ambientFont);
    void UserControl_WriteProperties(forms::PropertyStore& store,
                                     const forms::FontDescription& ambientFont);

    // Host events, through the state machine of command_states.h; Resize runs ApplyEnabled.
    void UserControl_MouseDown(int button);
    void UserControl_MouseMove();
    void UserControl_MouseUp(int button);
    void UserControl_GotFocus();
    void UserControl_LostFocus();
    void UserControl_Resize();
    void MouseLeave();

    // Normal and the caption enabled, or Disable and the caption greyed.
    void ApplyEnabled();
    // Normal whatever ButtonState holds, on an enabled instance; black caption before the first run.
    void RefreshFace();
    // The first step of the control's DrawFace: GradientReversed from ButtonState.
    void takeGradientDirection();

private:
    void react(const Reaction& reaction);
    void drawFace(StatePicture picture);
    // The only writers of what the view shows; each tells it at once.
    template <class Edit>
    void changeCaption(Edit edit);
    void changeSurface(bool opaque);
    void changeEnabled(bool enabled);
    void announce(const char* name);

    CommandView* view_ = nullptr;
    CommandFields fields_;
    CaptionState caption_;
    bool opaque_ = true;
};
