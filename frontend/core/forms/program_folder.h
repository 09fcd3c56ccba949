// The program's own folder as the system's calls can reach it: by an ANSI path wherever the
// code page writes the folder's long or short form, else only by the Unicode calls. The
// front end joins its files to the ANSI path either way; the few calls that take the folder
// (the renderer test, the settings file, the renderer's start) ask here whether they must go
// through the Unicode calls instead.
#pragma once

#include <optional>
#include <string>

namespace forms {

struct ProgramFolder {
    // The long form, else the short one. Where neither names the folder: the long form with
    // "?" for what the code page cannot write, which names no file on any system.
    std::string ansi;
    std::wstring wide;  // the long form
    bool unicodeOnly = false;
};

// How the system's calls reach `folder`, a full path without a trailing separator.
ProgramFolder programFolderOf(const std::wstring& folder);

// The Unicode path of `path` where it lies in `folder` and only the Unicode calls reach that;
// nothing where the ANSI calls name it.
std::optional<std::wstring> unicodeOnlyPathOf(const std::string& path, const ProgramFolder& folder);

}  // namespace forms
