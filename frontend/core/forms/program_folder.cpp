// The program's folder and the paths in it that only the Unicode calls reach.
#include "program_folder.h"

#include <windows.h>

#include "path_text.h"
#include "system_text.h"

namespace forms {

ProgramFolder programFolderOf(const std::wstring& folder) {
    ProgramFolder named;
    named.wide = folder;
    if (const std::optional<std::string> ansi = ansiNameOf(folder)) {
        named.ansi = *ansi;
    } else {
        // What the ANSI calls would have made of it: "?" where the code page has no character.
        const int length = static_cast<int>(folder.size());
        const int needed = WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, folder.data(), length, nullptr, 0,
                                               "?", nullptr);
        named.ansi.assign(static_cast<size_t>(needed > 0 ? needed : 0), '\0');
        if (needed > 0) {
            WideCharToMultiByte(CP_ACP, WC_NO_BEST_FIT_CHARS, folder.data(), length, &named.ansi[0], needed, "?",
                                nullptr);
        }
        named.unicodeOnly = true;
    }
    return named;
}

std::optional<std::wstring> unicodeOnlyPathOf(const std::string& path, const ProgramFolder& folder) {
    if (!folder.unicodeOnly) return std::nullopt;
    const std::optional<std::string> rest = pathInFolder(path, folder.ansi);
    if (!rest) return std::nullopt;
    return folder.wide + L"\\" + wideOfAnsi(*rest);
}

}  // namespace forms
