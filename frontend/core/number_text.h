// Reading a decimal number from text the way the front end's settings take it: blanks around,
// an optional sign, digits with an optional fraction and exponent. Portable.
#pragma once

#include <optional>
#include <string>

// The number the whole text spells, or nothing when it is not such a number (also for
// "inf", "nan", hexadecimal and a number followed by anything but blanks). Blanks are spaces
// and tabs. A number too large for a double comes back as an infinity.
std::optional<double> decimalNumberOf(const std::string& text);

// `value` to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);
