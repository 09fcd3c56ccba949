// A font as forms and controls describe it: face, size in points, weight, italic, character
// set. Portable, so that control logic can keep and compare fonts without the platform.
#pragma once

#include <string>

namespace forms {

inline constexpr int kNormalWeight = 400;       // FW_NORMAL
inline constexpr unsigned char kShiftJisCharset = 128;  // SHIFTJIS_CHARSET

struct FontDescription {
    std::string face = "ＭＳ Ｐゴシック";
    double points = 9.75;
    int weight = kNormalWeight;
    bool italic = false;
    unsigned char charset = kShiftJisCharset;

    friend bool operator==(const FontDescription& a, const FontDescription& b) {
        return a.face == b.face && a.points == b.points && a.weight == b.weight &&
               a.italic == b.italic && a.charset == b.charset;
    }
    friend bool operator!=(const FontDescription& a, const FontDescription& b) { return !(a == b); }
};

}  // namespace forms
