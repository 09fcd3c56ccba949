// Paths of the front end's files, in the ANSI code page: the program's directory, the files
// beside it, and the form in which a path is tested for existence.
#pragma once

#include <string>

inline constexpr const char* kRendererFileName = "Corvessa.dll";
inline constexpr const char* kSettingsFileName = "Corvessa.ini";

// The folder of a full program path, without a trailing separator ("C:" for a root folder).
std::string directoryOf(const std::string& programPath);

// `directory` + "\" + `fileName`, plain concatenation.
std::string besideProgram(const std::string& directory, const char* fileName);

// The path with one trailing "\" dropped. Character-wise: the second byte of a Japanese
// character such as "ソ" is 0x5C too, and that character must stay.
std::string withoutTrailingSeparator(const std::string& path);
