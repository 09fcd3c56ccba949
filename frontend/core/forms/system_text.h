// Text as it crosses the system. The program's own texts are CP932 bytes and paths are in the
// system's ANSI code page; where that code page is not 932 the program's texts reach the user
// through the Unicode calls instead, and a path the code page cannot write is named by its
// short (8.3) form.
#pragma once

#include <windows.h>

#include <optional>
#include <string>

namespace forms {

// The code page the program's own texts are written in.
inline constexpr UINT kProgramCodePage = 932;

// Whether the system's ANSI calls show the program's texts as written.
bool systemShowsProgramText();

// The program's CP932 bytes as UTF-16; every byte counts, embedded NULs too.
std::wstring wideOfProgramText(const std::string& text);

// ANSI text of `codePage` as UTF-16, as the ANSI calls take it; every byte counts.
std::wstring wideOfAnsi(const std::string& text, UINT codePage = CP_ACP);

// The ANSI form of `text` where `codePage` writes every character of it exactly (no best-fit
// letter, no default character); nothing otherwise.
std::optional<std::string> exactAnsiOf(const std::wstring& text, UINT codePage = CP_ACP);

// The ANSI text that names the existing file or folder `path`: its own form where the system's
// code page writes it, else its short form; nothing where neither does.
std::optional<std::string> ansiNameOf(const std::wstring& path);

}  // namespace forms
