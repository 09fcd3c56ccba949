// Reading the front end's command line.
#include "command_line.h"

#include "cp932_text.h"
#include "number_text.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string modeLetterOf(const std::string& argumentText) {
    return cp932::upperAscii(cp932::characters(argumentText, 1, 1));
}

std::uint32_t previewHostHandleOf(const std::string& argumentText) {
    const std::string text = cp932::fromCharacter(argumentText, 3);
    std::size_t i = 0;
    while (i < text.size() && isBlank(text[i])) ++i;
    bool negative = false;
    if (i < text.size() && (text[i] == '+' || text[i] == '-')) negative = text[i++] == '-';
    int base = 10;
    if (i + 1 < text.size() && text[i] == '0' && (text[i + 1] == 'x' || text[i + 1] == 'X')) {
        base = 16;
        i += 2;
    } else if (i + 1 < text.size() && text[i] == '&' && (text[i + 1] == 'h' || text[i + 1] == 'H')) {
        base = 16;
        i += 2;
    }
    constexpr std::uint64_t kLargest = 0xFFFFFFFFull;  // beyond this no 32-bit handle is meant
    std::uint64_t value = 0;
    bool anyDigit = false;
    for (; i < text.size(); ++i) {
        const int digit = digitValue(text[i], base);
        if (digit < 0) break;
        anyDigit = true;
        value = value * static_cast<std::uint64_t>(base) + static_cast<std::uint64_t>(digit);
        if (value > kLargest) return 0;
    }
    if (!anyDigit) return 0;
    if (negative) {
        if (value > 0x80000000ull) return 0;
        // A negative number names the handle with those bits as a signed 32-bit value.
        return static_cast<std::uint32_t>(0x100000000ull - value);
    }
    return static_cast<std::uint32_t>(value);
}

StartupAction startupActionFor(const std::string& argumentText) {
    const std::string mode = modeLetterOf(argumentText);
    if (mode == "P") return StartupAction::Preview;
    if (mode == "C") return StartupAction::Settings;
    if (mode == "S") return StartupAction::SaverHidingCursor;
    if (argumentText.empty()) return StartupAction::Saver;
    return StartupAction::QuitSilently;
}
