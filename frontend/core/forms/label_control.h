// The label control: windowless text in a font and colour, optionally over its own background
// and with a single-line border; disabled labels show their text greyed.
#pragma once

#include <string>

#include "font_description.h"
#include "win_handles.h"
#include "windowless_control.h"

namespace forms {

enum class TextAlignment { Left, Right, Centre };

class LabelControl : public WindowlessControl {
public:
    explicit LabelControl(Container& container, int index = -1) : WindowlessControl(container, index) {}

    const std::string& caption() const { return caption_; }
    void setCaption(const std::string& caption);
    COLORREF foreColour() const { return foreColour_; }
    void setForeColour(COLORREF colour);
    bool enabled() const { return enabled_; }
    void setEnabled(bool enabled);
    // Transparent labels draw only their text over what lies behind them.
    void setTransparent(bool transparent);
    void setBackColour(COLORREF colour);
    void setAlignment(TextAlignment alignment);
    void setBorder(bool singleLine);
    const FontDescription& font() const { return font_; }
    void setFont(const FontDescription& font);
    // Sized to its text: from now on the label's width and height follow its caption in its
    // font, one line per line of the caption; the top-left corner stays.
    void setAutoSize(bool autoSize);
    // Height in pixels of one line of text in the label's font.
    int lineHeightPixels();

    void paint(HDC dc, const RECT& area) override;

private:
    void fitToText();
    // The label's font as a GDI object, made at its first use after a change.
    HGDIOBJ fontObject();

    std::string caption_;
    COLORREF foreColour_ = RGB(0, 0, 0);
    COLORREF backColour_ = RGB(192, 192, 192);
    bool enabled_ = true;
    bool transparent_ = false;
    bool border_ = false;
    bool autoSize_ = false;
    TextAlignment alignment_ = TextAlignment::Left;
    FontDescription font_;
    GdiObject<HFONT> madeFont_;  // made from font_ at the first paint after a change
};

// The GDI font for `font` at the screen's DPI.
HFONT createFont(const FontDescription& font);

}  // namespace forms
