// The Command button's event table. Conditions run in the order listed, each on the state the
// line before left.
#include "command_states.h"

namespace {

// One line of the table that changes the state: the new ButtonState and the picture it paints.
void become(CommandFields& fields, Reaction& reaction, ButtonStateValue state, StatePicture picture) {
    fields.ButtonState = state;
    reaction.paint = picture;
}

}  // namespace

Reaction onMouseMove(CommandFields& fields) {
    Reaction reaction;
    if (!fields.Enabled) return reaction;
    if (fields.ButtonState == kStateNormal) become(fields, reaction, kStateHighLight, StatePicture::HighLight);
    // Held down since a press that dragged off, the button does not light up again.
    if (fields.ButtonState == kStateSelected && !fields.LeftButtonDown) {
        become(fields, reaction, kStateHighLightSelect, StatePicture::HighLightSelect);
    }
    return reaction;
}

Reaction onMouseDown(CommandFields& fields, int button) {
    Reaction reaction;
    if (!fields.Enabled || button != kLeftButtonCode) return reaction;
    fields.LeftButtonDown = true;
    reaction.paint = StatePicture::Pressed;
    return reaction;
}

Reaction onMouseUp(CommandFields& fields, int button) {
    Reaction reaction;
    if (!fields.Enabled) return reaction;
    if (button == kLeftButtonCode) {
        fields.LeftButtonDown = false;
        if (fields.ButtonState == kStateHighLight) reaction.paint = StatePicture::Normal;
        if (fields.ButtonState == kStateHighLightSelect) reaction.paint = StatePicture::HighLightSelect;
    }
    // Any button's release counts; Selected means the pointer went off the button meanwhile.
    reaction.click = fields.ButtonState != kStateSelected;
    return reaction;
}

Reaction onGotFocus(CommandFields& fields) {
    Reaction reaction;
    if (!fields.Enabled) return reaction;
    if (fields.ButtonState != kStateHighLight) become(fields, reaction, kStateSelected, StatePicture::Selected);
    if (fields.ButtonState == kStateHighLight) become(fields, reaction, kStateHighLightSelect, StatePicture::Pressed);
    return reaction;
}

Reaction onLostFocus(CommandFields& fields) {
    Reaction reaction;
    if (!fields.Enabled) return reaction;
    if (fields.ButtonState != kStateNormal) become(fields, reaction, kStateNormal, StatePicture::Normal);
    return reaction;
}

Reaction onMouseLeave(CommandFields& fields) {
    Reaction reaction;
    if (!fields.Enabled) return reaction;
    if (fields.ButtonState == kStateHighLight) become(fields, reaction, kStateNormal, StatePicture::Normal);
    if (fields.ButtonState == kStateHighLightSelect) become(fields, reaction, kStateSelected, StatePicture::Selected);
    return reaction;
}

void takeGradientDirection(CommandFields& fields) {
    switch (fields.ButtonState) {
    case kStateNormal: fields.GradientReversed = false; break;
    case kStateHighLight: fields.GradientReversed = true; break;
    case kStateSelected: fields.GradientReversed = false; break;
    default: break;  // HighLightSelect (and an uninitialised 0) keep the last direction
    }
}
