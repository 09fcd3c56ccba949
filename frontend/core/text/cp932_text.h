// Character-wise access to text in the ANSI code page of the saver (Shift_JIS, code page 932).
// A Japanese character is two bytes whose second byte may look like an ASCII letter or even a
// backslash, so "the second character" or "the last three characters" must not count bytes.
#pragma once

#include <cstddef>
#include <string>

namespace cp932 {

// True for a byte that starts a two-byte character.
bool isLeadByte(unsigned char byte);

// Number of characters in `text` (a lead byte at the very end counts as one character).
std::size_t characterCount(const std::string& text);

// The `count` characters starting at character `first` (0-based); fewer at the end of the text.
std::string characters(const std::string& text, std::size_t first, std::size_t count);

// Everything from character `first` (0-based) on; empty when the text is shorter.
std::string fromCharacter(const std::string& text, std::size_t first);

// The last `count` characters (the whole text when it is shorter).
std::string lastCharacters(const std::string& text, std::size_t count);

// ASCII letters upper-cased; both bytes of Japanese characters are left alone.
std::string upperAscii(const std::string& text);

}  // namespace cp932
