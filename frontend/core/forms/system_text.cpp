// Conversions between the program's texts, the system's ANSI code page and UTF-16.
#include "system_text.h"

#include <vector>

#include "path_text.h"

namespace forms {

bool systemShowsProgramText() { return GetACP() == kProgramCodePage; }

std::wstring wideOfAnsi(const std::string& text, UINT codePage) {
    if (text.empty()) return std::wstring();
    const int length = static_cast<int>(text.size());
    const int needed = MultiByteToWideChar(codePage, 0, text.data(), length, nullptr, 0);
    if (needed <= 0) return std::wstring();
    std::wstring wide(static_cast<size_t>(needed), L'\0');
    MultiByteToWideChar(codePage, 0, text.data(), length, &wide[0], needed);
    return wide;
}

std::wstring wideOfProgramText(const std::string& text) { return wideOfAnsi(text, kProgramCodePage); }

std::optional<std::string> exactAnsiOf(const std::wstring& text, UINT codePage) {
    if (text.empty()) return std::string();
    const int length = static_cast<int>(text.size());
    BOOL usedDefault = FALSE;
    const int needed =
        WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, nullptr, 0, nullptr, &usedDefault);
    if (needed <= 0 || usedDefault) return std::nullopt;
    std::string ansi(static_cast<size_t>(needed), '\0');
    WideCharToMultiByte(codePage, WC_NO_BEST_FIT_CHARS, text.data(), length, &ansi[0], needed, nullptr, &usedDefault);
    if (usedDefault) return std::nullopt;
    return ansi;
}

std::optional<std::string> ansiNameOf(const std::wstring& path) {
    std::optional<std::string> shortForm;
    const std::optional<std::string> longForm = exactAnsiOf(path);
    if (!longForm) {
        const DWORD needed = GetShortPathNameW(path.c_str(), nullptr, 0);
        std::vector<wchar_t> buffer(needed + 1);
        const DWORD length = needed ? GetShortPathNameW(path.c_str(), buffer.data(), needed + 1) : 0;
        if (length > 0 && length <= needed) shortForm = exactAnsiOf(std::wstring(buffer.data(), length));
    }
    return ansiFolderName(longForm, shortForm);
}

}  // namespace forms
