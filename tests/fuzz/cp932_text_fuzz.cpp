// Fuzz target: walking Shift_JIS text by characters, and the rules built on it (a path's folder
// and trailing separator, a music file's type). Input: the text, broken or not.
// Checked against a plain walk: a lead byte takes the next byte with it, whatever that is, and
// one left alone at the end is a character of its own.
#include "cp932_text.h"
#include "fuzz_target.h"
#include "music_type.h"
#include "path_text.h"

namespace {

std::vector<std::string> walk(const std::string& text) {
    std::vector<std::string> characters;
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = cp932::isLeadByte(static_cast<unsigned char>(text[i])) ? 2 : 1;
        characters.push_back(text.substr(i, length));
        i += length;
    }
    return characters;
}

std::string joined(const std::vector<std::string>& characters, std::size_t first, std::size_t count) {
    std::string text;
    for (std::size_t i = first; i < characters.size() && i - first < count; ++i) text += characters[i];
    return text;
}

void checkAt(const std::string& text, const std::vector<std::string>& chars, std::size_t first) {
    for (const std::size_t count : {std::size_t{0}, std::size_t{1}, std::size_t{3}, std::string::npos}) {
        fuzzCheck(cp932::characters(text, first, count) == joined(chars, first, count),
                  "characters() gives whole characters");
    }
    fuzzCheck(cp932::fromCharacter(text, first) == joined(chars, first, std::string::npos),
              "fromCharacter() starts at a character");
    const std::size_t last = first < chars.size() ? chars.size() - first : 0;
    fuzzCheck(cp932::lastCharacters(text, first) == joined(chars, last, std::string::npos),
              "lastCharacters() starts at a character");
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string text = inputText(data, size);
    const std::vector<std::string> chars = walk(text);
    fuzzCheck(cp932::characterCount(text) == chars.size(), "characterCount() counts characters");
    // Both ends and a few places between; every place would make long inputs slow to run.
    for (const std::size_t first : {std::size_t{0}, std::size_t{1}, std::size_t{2}, std::size_t{3},
                                    chars.size() / 2, chars.size() - 1, chars.size(), chars.size() + 1}) {
        checkAt(text, chars, first);
    }

    const std::string upper = cp932::upperAscii(text);
    std::string expectedUpper;
    for (const std::string& c : chars) {
        expectedUpper += c.size() == 1 && c[0] >= 'a' && c[0] <= 'z' ? std::string(1, static_cast<char>(c[0] - 32)) : c;
    }
    fuzzCheck(upper == expectedUpper, "upperAscii() touches single-byte letters only");

    const bool endsInSeparator = !chars.empty() && chars.back() == "\\";
    fuzzCheck(withoutTrailingSeparator(text) == (endsInSeparator ? text.substr(0, text.size() - 1) : text),
              "only a separator character is dropped from the end");
    std::size_t folderEnd = std::string::npos;
    for (std::size_t i = 0, at = 0; i < chars.size(); at += chars[i].size(), ++i) {
        if (chars[i] == "\\" || chars[i] == "/") folderEnd = at;
    }
    fuzzCheck(directoryOf(text) == (folderEnd == std::string::npos ? std::string() : text.substr(0, folderEnd)),
              "the folder ends at the last separator character");
    const std::string ending = cp932::upperAscii(joined(chars, chars.size() < 3 ? 0 : chars.size() - 3, 3));
    const MusicType type = ending == "WAV" ? MusicType::Wav : ending == "MP3" ? MusicType::Mp3 : MusicType::None;
    fuzzCheck(musicTypeOf(text) == type, "the music type is told by the last three characters");
    return 0;
}
