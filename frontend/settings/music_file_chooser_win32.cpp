// The music-file chooser.
#include "music_file_chooser_win32.h"

#include <commdlg.h>

#include <array>
#include <cstddef>

#include "system_text.h"

namespace {

// The chooser's buffers: 255 characters, the path included.
constexpr DWORD kFileBufferSize = 255;
// One filter, its list ending in two NULs (the literal adds the last one).
constexpr char kFilter[] = "BGMﾌｧｲﾙ (MP3 WAV)\0*.MP3;*.WAV\0";
constexpr const char* kTitle = "ﾌｧｲﾙを開く";

// The chooser's record without the three fields that later systems added. Its size differs
// between the 32-bit (76 bytes) and the 64-bit build, and the call fails on a wrong one.
template <class Record>
constexpr DWORD chooserRecordSize() {
    return static_cast<DWORD>(offsetof(Record, lpTemplateName) + sizeof(Record::lpTemplateName));
}
static_assert(sizeof(void*) != 4 || chooserRecordSize<OPENFILENAMEA>() == 76, "the 32-bit chooser record is the 76-byte one");

// Fills the record's fields that do not depend on the character width.
template <class Record, class Char>
void prepare(Record& chooser, HWND owner, HINSTANCE instance, std::array<Char, kFileBufferSize>& file,
             std::array<Char, kFileBufferSize>& fileTitle) {
    chooser.lStructSize = chooserRecordSize<Record>();
    chooser.hwndOwner = owner;
    chooser.hInstance = instance;
    chooser.lpstrFile = file.data();
    chooser.nMaxFile = kFileBufferSize;
    chooser.lpstrFileTitle = fileTitle.data();
    chooser.nMaxFileTitle = kFileBufferSize;
    chooser.Flags = 0;
}

std::optional<std::string> chooseThroughAnsiCall(HWND owner, HINSTANCE instance) {
    std::array<char, kFileBufferSize> file{};
    std::array<char, kFileBufferSize> fileTitle{};
    OPENFILENAMEA chooser{};
    prepare(chooser, owner, instance, file, fileTitle);
    chooser.lpstrFilter = kFilter;
    chooser.lpstrTitle = kTitle;
    if (GetOpenFileNameA(&chooser) <= 0) return std::nullopt;
    file.back() = '\0';
    return std::string(file.data());
}

// The texts converted from their CP932 bytes; the chosen path back into the ANSI code page,
// or its short form where that code page cannot write it.
std::optional<std::string> chooseThroughUnicodeCall(HWND owner, HINSTANCE instance) {
    std::array<wchar_t, kFileBufferSize> file{};
    std::array<wchar_t, kFileBufferSize> fileTitle{};
    const std::wstring filter = forms::wideOfProgramText(std::string(kFilter, sizeof kFilter));
    const std::wstring title = forms::wideOfProgramText(kTitle);
    OPENFILENAMEW chooser{};
    prepare(chooser, owner, instance, file, fileTitle);
    chooser.lpstrFilter = filter.c_str();
    chooser.lpstrTitle = title.c_str();
    if (GetOpenFileNameW(&chooser) <= 0) return std::nullopt;
    file.back() = L'\0';
    return forms::ansiNameOf(file.data());
}

}  // namespace

std::optional<std::string> chooseMusicFile(HWND owner, HINSTANCE instance) {
    return forms::systemShowsProgramText() ? chooseThroughAnsiCall(owner, instance)
                                           : chooseThroughUnicodeCall(owner, instance);
}
