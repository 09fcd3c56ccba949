// Cutting the program's name off its command line.
#include "argument_text.h"

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }

}  // namespace

std::string argumentTextOf(const std::string& fullCommandLine) {
    std::size_t i = 0;
    // The program's name ends at its closing quote, or at the first blank when unquoted.
    if (i < fullCommandLine.size() && fullCommandLine[i] == '"') {
        const std::size_t close = fullCommandLine.find('"', 1);
        i = close == std::string::npos ? fullCommandLine.size() : close + 1;
    } else {
        while (i < fullCommandLine.size() && !isBlank(fullCommandLine[i])) ++i;
    }
    while (i < fullCommandLine.size() && isBlank(fullCommandLine[i])) ++i;
    return fullCommandLine.substr(i);
}
