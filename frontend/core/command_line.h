// What the front end's argument text asks for: the mode letter, the preview host's window handle
// and the start-up action. Portable; the entry applies the answers.
#pragma once

#include <cstdint>
#include <string>

// The second character of the argument text, ASCII letters upper-cased; empty when the text
// has fewer than two characters. The first character (normally '/' or '-') is not looked at.
std::string modeLetterOf(const std::string& argumentText);

// The preview host's window handle as its 32 handle bits (0: none), read from the fourth
// character of the argument text on, so "/p 1234" and "/p:1234" both give 1234.
// Accepted: leading blanks, an optional sign, then decimal digits or a "0x"/"&H" hexadecimal
// number; reading stops at the first character that cannot continue the number. No number,
// or a value outside -2147483648 ... 4294967295, gives 0.
std::uint32_t previewHostHandleOf(const std::string& argumentText);

enum class StartupAction {
    Preview,            // "P": the picture inside the host window
    Settings,           // "C": the settings dialog, modal
    Saver,              // empty argument text: the saver, cursor untouched
    SaverHidingCursor,  // "S": the saver with the cursor hidden
    QuitSilently,       // anything else
};

StartupAction startupActionFor(const std::string& argumentText);
