// The Command button's property accesses, repaint operations and persistence.
#include "command_model.h"

namespace {

// Names in the property store and their defaults. "Caption" reads back "Command1" when
// nothing is stored, yet "Command" counts as not worth storing.
constexpr const char* kEnabledName = "Enabled";
constexpr const char* kCaptionName = "Caption";
constexpr const char* kFontName = "Font";
constexpr const char* kFirstRunName = "FirstRun";
constexpr const char* kFontColourName = "FontColour";
constexpr const char* kVisibleName = "Visible";
constexpr const char* kCaptionReadDefault = "Command1";
constexpr const char* kCaptionWriteDefault = "Command";

// Surface styles as stored under "Visible".
constexpr int kTransparentStyle = 0;
constexpr int kOpaqueStyle = 1;

std::string numberText(long long value) { return std::to_string(value); }

}  // namespace

template <class Edit>
void CommandModel::changeCaption(Edit edit) {
    edit(caption_);
    if (view_) view_->showCaption(caption_);
}

void CommandModel::setView(CommandView* view) {
    view_ = view;
    if (!view_) return;
    view_->showCaption(caption_);
    view_->showSurface(opaque_);
    view_->showEnabled(fields_.Enabled);
}

void CommandModel::Initialize() { fields_.ButtonState = kStateNormal; }

bool CommandModel::Visible() {
    const bool opaque = opaque_;
    if (opaque) RefreshFace();
    return opaque;
}

void CommandModel::setVisible(bool New_Visible) {
    changeSurface(New_Visible);
    if (New_Visible) RefreshFace();
    announce(kVisibleName);
}

std::uint32_t CommandModel::FontColour() {
    const std::uint32_t colour = caption_.colour;
    RefreshFace();
    return colour;
}

void CommandModel::setFontColour(std::uint32_t New_FontColour) {
    changeCaption([&](CaptionState& caption) { caption.colour = New_FontColour; });
    RefreshFace();
    announce(kFontColourName);
}

bool CommandModel::Enabled() {
    if (fields_.FirstRun == 0) {
        RefreshFace();  // nothing yet: Enabled is still false
        fields_.FirstRun = 1;
        changeEnabled(true);
    }
    const bool enabled = fields_.Enabled;
    ApplyEnabled();
    return enabled;
}

void CommandModel::setEnabled(bool New_Enabled) {
    changeEnabled(New_Enabled);
    announce(kEnabledName);
    ApplyEnabled();
}

void CommandModel::setCaption(const std::string& New_Caption) {
    changeCaption([&](CaptionState& caption) { caption.text = New_Caption; });
    announce(kCaptionName);
}

void CommandModel::setFont(const forms::FontDescription& New_Font) {
    changeCaption([&](CaptionState& caption) { caption.font = New_Font; });
    announce(kFontName);
}

void CommandModel::UserControl_ReadProperties(const forms::PropertyStore& store,
                                              const forms::FontDescription& ambientFont) {
    // Each step on its own: a stored value that does not convert leaves its field as it was.
    if (const auto enabled = forms::propertyBoolean(store.read(kEnabledName, forms::booleanText(true)))) {
        changeEnabled(*enabled);
    }
    if (const auto text = forms::propertyText(store.read(kCaptionName, std::string(kCaptionReadDefault)))) {
        changeCaption([&](CaptionState& caption) { caption.text = *text; });
    }
    if (const auto font = forms::propertyFont(store.read(kFontName, ambientFont))) {
        changeCaption([&](CaptionState& caption) { caption.font = *font; });
    }
    if (const auto firstRun = forms::propertyNumber(store.read(kFirstRunName, std::string("1")), 0, 255)) {
        fields_.FirstRun = static_cast<std::uint8_t>(*firstRun);
    }
    // A 32-bit colour, as signed or unsigned text.
    if (const auto colour = forms::propertyNumber(store.read(kFontColourName, std::string("0")),
                                                  -2147483648LL, 4294967295LL)) {
        changeCaption([&](CaptionState& caption) { caption.colour = static_cast<std::uint32_t>(*colour); });
    }
    if (const auto style = forms::propertyNumber(store.read(kVisibleName, std::string("1")), -32768, 32767)) {
        // Only the two surface styles exist; another number is refused like any failing step.
        if (*style == kTransparentStyle || *style == kOpaqueStyle) changeSurface(*style == kOpaqueStyle);
    }
    RefreshFace();
}

void CommandModel::UserControl_WriteProperties(forms::PropertyStore& store,
                                               const forms::FontDescription& ambientFont) {
    store.write(kEnabledName, forms::booleanText(fields_.Enabled), forms::booleanText(true));
    store.write(kCaptionName, caption_.text, std::string(kCaptionWriteDefault));
    store.write(kFirstRunName, numberText(fields_.FirstRun), std::string("1"));
    store.write(kFontName, caption_.font, ambientFont);
    store.write(kFontColourName, numberText(caption_.colour), std::string("0"));
    store.write(kVisibleName, numberText(opaque_ ? kOpaqueStyle : kTransparentStyle), std::string("1"));
    RefreshFace();
}

void CommandModel::UserControl_MouseDown(int button) { react(onMouseDown(fields_, button)); }
void CommandModel::UserControl_MouseMove() { react(onMouseMove(fields_)); }
void CommandModel::UserControl_MouseUp(int button) { react(onMouseUp(fields_, button)); }
void CommandModel::UserControl_GotFocus() { react(onGotFocus(fields_)); }
void CommandModel::UserControl_LostFocus() { react(onLostFocus(fields_)); }
void CommandModel::UserControl_Resize() { ApplyEnabled(); }
void CommandModel::MouseLeave() { react(onMouseLeave(fields_)); }

void CommandModel::ApplyEnabled() {
    if (fields_.Enabled) {
        drawFace(StatePicture::Normal);
        changeCaption([](CaptionState& caption) { caption.enabled = true; });
    } else {
        drawFace(StatePicture::Disable);
        changeCaption([](CaptionState& caption) { caption.enabled = false; });
    }
}

void CommandModel::RefreshFace() {
    if (!fields_.Enabled) return;
    changeCaption([this](CaptionState& caption) {
        caption.enabled = true;
        if (fields_.FirstRun == 0) caption.colour = 0;
    });
    drawFace(StatePicture::Normal);
}

void CommandModel::takeGradientDirection() { ::takeGradientDirection(fields_); }

void CommandModel::react(const Reaction& reaction) {
    if (reaction.paint) drawFace(*reaction.paint);
    // Last: the host's Click handler may unload the form that holds the control.
    if (reaction.click && view_) view_->raiseClick();
}

void CommandModel::drawFace(StatePicture picture) {
    if (view_) view_->DrawFace(picture);
}

void CommandModel::changeSurface(bool opaque) {
    opaque_ = opaque;
    if (view_) view_->showSurface(opaque_);
}

void CommandModel::changeEnabled(bool enabled) {
    fields_.Enabled = enabled;
    if (view_) view_->showEnabled(fields_.Enabled);
}

void CommandModel::announce(const char* name) {
    if (view_) view_->announce(name);
}
