// Fuzz target: the front end's command line as the system hands it over, program name and all.
// Input: the whole command line. Beyond not crashing, the start-up action must follow the mode
// letter, and a host handle written after any first three characters must be read back.
#include <cinttypes>
#include <cstdio>

#include "argument_text.h"
#include "command_line.h"
#include "cp932_text.h"
#include "fuzz_target.h"

namespace {

StartupAction expectedAction(const std::string& argumentText, const std::string& mode) {
    if (mode == "P") return StartupAction::Preview;
    if (mode == "C") return StartupAction::Settings;
    if (mode == "S") return StartupAction::SaverHidingCursor;
    return argumentText.empty() ? StartupAction::Saver : StartupAction::QuitSilently;
}

void checkModeAndAction(const std::string& text) {
    const std::string mode = modeLetterOf(text);
    fuzzCheck(mode.empty() == (cp932::characterCount(text) < 2), "a mode letter exactly from two characters on");
    fuzzCheck(mode.size() <= 2, "the mode letter is one character");
    fuzzCheck(!(mode.size() == 1 && mode[0] >= 'a' && mode[0] <= 'z'), "the mode letter is upper-cased");
    fuzzCheck(startupActionFor(text) == expectedAction(text, mode), "the action follows the mode letter");
    previewHostHandleOf(text);
}

// The handle `bits` written in the ways a host may pass it, after `firstThree` characters.
void checkHandleReadBack(const std::string& firstThree, std::uint32_t bits, const std::string& rest) {
    char decimal[32];
    char hexadecimal[32];
    char negative[32];
    std::snprintf(decimal, sizeof decimal, "%" PRIu32, bits);
    std::snprintf(hexadecimal, sizeof hexadecimal, "0x%" PRIX32, bits);
    std::snprintf(negative, sizeof negative, "-%" PRIu64, (std::uint64_t{1} << 32) - bits);
    fuzzCheck(previewHostHandleOf(firstThree + decimal) == bits, "a decimal handle is read back");
    fuzzCheck(previewHostHandleOf(firstThree + hexadecimal) == bits, "a hexadecimal handle is read back");
    fuzzCheck(previewHostHandleOf(firstThree + "  " + decimal + " " + rest) == bits,
              "blanks before the handle are skipped and a blank ends it");
    if (bits >= 0x80000000u) {
        fuzzCheck(previewHostHandleOf(firstThree + negative) == bits, "a handle printed signed names the same bits");
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::string commandLine = inputText(data, size);
    const std::string arguments = argumentTextOf(commandLine);
    fuzzCheck(arguments.size() <= commandLine.size() &&
                  commandLine.compare(commandLine.size() - arguments.size(), arguments.size(), arguments) == 0,
              "the argument text is the end of the command line");
    checkModeAndAction(commandLine);
    checkModeAndAction(arguments);

    std::uint32_t bits = 0;
    for (std::size_t i = 0; i < size && i < 4; ++i) bits = bits << 8 | data[i];
    checkHandleReadBack("/p ", bits, arguments);
    // Any first three characters, Japanese ones too, as long as the last is whole: a lead byte
    // left alone at their end would join the handle's first digit.
    const std::string firstThree = cp932::characters(arguments, 0, 3);
    if (cp932::characterCount(firstThree) == 3 &&
        cp932::characterCount(firstThree + "0") == 4) {
        checkHandleReadBack(firstThree, bits, arguments);
    }
    return 0;
}
