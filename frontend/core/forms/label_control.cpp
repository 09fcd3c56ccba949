// Painting a label.
#include "label_control.h"

#include <cmath>

#include "forms_app.h"
#include "twips.h"

namespace forms {

HFONT createFont(const FontDescription& font) {
    LOGFONTA description{};
    description.lfHeight = -static_cast<LONG>(std::lround(font.points * App::current().dpiY() / 72.0));
    description.lfWeight = font.weight;
    description.lfItalic = font.italic ? TRUE : FALSE;
    description.lfCharSet = font.charset;
    lstrcpynA(description.lfFaceName, font.face.c_str(), LF_FACESIZE);
    return CreateFontIndirectA(&description);
}

void LabelControl::setCaption(const std::string& caption) {
    caption_ = caption;
    fitToText();
    refresh();
}

void LabelControl::setForeColour(COLORREF colour) {
    foreColour_ = colour;
    refresh();
}

void LabelControl::setEnabled(bool enabled) {
    enabled_ = enabled;
    refresh();
}

void LabelControl::setTransparent(bool transparent) {
    transparent_ = transparent;
    refresh();
}

void LabelControl::setBackColour(COLORREF colour) {
    backColour_ = colour;
    refresh();
}

void LabelControl::setAlignment(TextAlignment alignment) {
    alignment_ = alignment;
    refresh();
}

void LabelControl::setBorder(bool singleLine) {
    border_ = singleLine;
    refresh();
}

void LabelControl::setFont(const FontDescription& font) {
    font_ = font;
    madeFont_.reset();
    fitToText();
    refresh();
}

void LabelControl::setAutoSize(bool autoSize) {
    autoSize_ = autoSize;
    fitToText();
}

HGDIOBJ LabelControl::fontObject() {
    if (!madeFont_) madeFont_.reset(createFont(font_));
    return madeFont_ ? static_cast<HGDIOBJ>(madeFont_.get()) : GetStockObject(DEFAULT_GUI_FONT);
}

int LabelControl::lineHeightPixels() {
    ScreenDc screen;
    if (!screen.get()) return 0;
    SelectedObject selectFont(screen.get(), fontObject());
    TEXTMETRICA metrics{};
    return GetTextMetricsA(screen.get(), &metrics) ? metrics.tmHeight : 0;
}

void LabelControl::fitToText() {
    if (!autoSize_) return;
    ScreenDc screen;
    if (!screen.get()) return;
    SelectedObject selectFont(screen.get(), fontObject());
    RECT text{0, 0, 0, 0};
    DrawTextA(screen.get(), caption_.c_str(), static_cast<int>(caption_.size()), &text, DT_CALCRECT | DT_NOPREFIX);
    const App& app = App::current();
    move(left(), top(), pixelsToTwips(text.right - text.left, app.dpiX()),
         pixelsToTwips(text.bottom - text.top, app.dpiY()));
}

void LabelControl::paint(HDC dc, const RECT& area) {
    RECT text = area;
    if (!transparent_) {
        GdiObject<HBRUSH> background(CreateSolidBrush(backColour_));
        FillRect(dc, &area, background.get());
    }
    if (border_) {
        FrameRect(dc, &area, static_cast<HBRUSH>(GetStockObject(BLACK_BRUSH)));
        InflateRect(&text, -2, -1);
    }
    SelectedObject selectFont(dc, fontObject());
    SetBkMode(dc, TRANSPARENT);
    SetTextColor(dc, enabled_ ? foreColour_ : GetSysColor(COLOR_GRAYTEXT));
    UINT format = DT_WORDBREAK | DT_NOPREFIX;
    if (alignment_ == TextAlignment::Centre) format |= DT_CENTER;
    if (alignment_ == TextAlignment::Right) format |= DT_RIGHT;
    DrawTextA(dc, caption_.c_str(), static_cast<int>(caption_.size()), &text, format);
}

}  // namespace forms
