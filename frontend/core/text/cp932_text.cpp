// Character-wise access to Shift_JIS text.
#include "cp932_text.h"

#include <vector>

namespace cp932 {
namespace {

// Byte offsets at which each character starts.
std::vector<std::size_t> characterStarts(const std::string& text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size();) {
        starts.push_back(i);
        i += isLeadByte(static_cast<unsigned char>(text[i])) && i + 1 < text.size() ? 2 : 1;
    }
    return starts;
}

}  // namespace

bool isLeadByte(unsigned char byte) {
    return (byte >= 0x81 && byte <= 0x9F) || (byte >= 0xE0 && byte <= 0xFC);
}

std::size_t characterCount(const std::string& text) { return characterStarts(text).size(); }

std::string characters(const std::string& text, std::size_t first, std::size_t count) {
    const std::vector<std::size_t> starts = characterStarts(text);
    if (first >= starts.size() || count == 0) return {};
    // Compared as a remainder: first + count may not fit a size_t.
    const std::size_t end = count < starts.size() - first ? starts[first + count] : text.size();
    return text.substr(starts[first], end - starts[first]);
}

std::string fromCharacter(const std::string& text, std::size_t first) {
    const std::vector<std::size_t> starts = characterStarts(text);
    return first < starts.size() ? text.substr(starts[first]) : std::string();
}

std::string lastCharacters(const std::string& text, std::size_t count) {
    const std::vector<std::size_t> starts = characterStarts(text);
    if (count == 0) return {};
    if (count >= starts.size()) return text;
    return text.substr(starts[starts.size() - count]);
}

std::string upperAscii(const std::string& text) {
    std::string upper = text;
    for (std::size_t i = 0; i < upper.size(); ++i) {
        const unsigned char byte = static_cast<unsigned char>(upper[i]);
        if (isLeadByte(byte)) {
            ++i;  // the trail byte may be in 'a'..'z' and is not a letter
        } else if (byte >= 'a' && byte <= 'z') {
            upper[i] = static_cast<char>(byte - 'a' + 'A');
        }
    }
    return upper;
}

}  // namespace cp932
