// The program's argument text: its command line without its own name. Portable.
#pragma once

#include <string>

// The command line without the program's own name (quoted or not) and the blanks after it.
std::string argumentTextOf(const std::string& fullCommandLine);
