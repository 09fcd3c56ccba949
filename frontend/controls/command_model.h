// The Command button's properties and persistence: its fields, what its caption label shows,
// whether its surface is opaque, what every property access does at once, ApplyEnabled,
// RefreshFace, the first-run rule, and reading and writing the per-instance property store.
// Portable: the control around it paints what `drawFace` is asked for and copies `caption()`
// and `opaque()` into its label and surface after every call.
#pragma once

#include <cstdint>
#include <functional>
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

class CommandModel {
public:
    // DrawFace: repaint the whole face with this picture. The gradient direction in fields()
    // has been taken for it already.
    std::function<void(StatePicture)> drawFace;
    // The notice to the host that a stored property changed, with its name.
    std::function<void(const std::string&)> propertyChanged;
    std::function<void()> click;

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
    void DrawFace(StatePicture picture);

private:
    void react(const Reaction& reaction);
    void announce(const char* name);

    CommandFields fields_;
    CaptionState caption_;
    bool opaque_ = true;
};
