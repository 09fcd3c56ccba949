// Reading a decimal number from text the way the front end's settings take it: blanks around,
// an optional sign, digits with an optional fraction and exponent. Portable.
#pragma once

#include <optional>
#include <string>

// The number the whole text spells, or nothing when it is not such a number (also for
// "inf", "nan", hexadecimal and a number followed by anything but blanks). Blanks are spaces
// and tabs. A number too large for a double comes back as an infinity.
std::optional<double> decimalNumberOf(const std::string& text);

// The integer nearest to the number the whole text spells (the form decimalNumberOf takes),
// halves to the even neighbour, decided on the decimal digits themselves: a double cannot tell
// 2.50000000000000000001 from 2.5, nor 32767.49999999999999 from 32767.5. Nothing when the
// text is not such a number; exact within 2^53, and an infinity of the number's sign beyond
// 10^18.
std::optional<double> nearestIntegerOf(const std::string& text);

// `value` to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);
