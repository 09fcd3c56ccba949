// Paths as text in the ANSI code page: a program's folder, the files beside it, the form in
// which a path is tested for existence, and the name by which a folder is reached.
#pragma once

#include <optional>
#include <string>

// The folder of a full program path, without a trailing separator ("C:" for a root folder).
std::string directoryOf(const std::string& programPath);

// `directory` + "\" + `fileName`, plain concatenation.
std::string besideProgram(const std::string& directory, const char* fileName);

// The path with one trailing "\" dropped. Character-wise: the second byte of a Japanese
// character such as "ソ" is 0x5C too, and that character must stay.
std::string withoutTrailingSeparator(const std::string& path);

// The ANSI text by which the front end names its own folder: the long form where the ANSI code
// page writes it exactly, else the short (8.3) form; nothing where neither can be written (no
// short names on the volume), and the few calls that take the folder then use the Unicode ones.
// A form the code page cannot write is given as nothing.
std::optional<std::string> ansiFolderName(const std::optional<std::string>& longForm,
                                          const std::optional<std::string>& shortForm);

// What follows `folder` and one separator in `path`; nothing when the path does not lie there.
// Byte-wise: `folder` is a whole path, so the byte after it starts a character.
std::optional<std::string> pathInFolder(const std::string& path, const std::string& folder);
