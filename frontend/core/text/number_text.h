// Reading a decimal number from text the way the front end's settings take it: blanks around,
// an optional sign, digits with an optional fraction and exponent. Portable.
#pragma once

#include <optional>
#include <string>

// The value of a digit in `base` (up to 16, either case), or -1 when `c` is none.
int digitValue(char c, int base);

// `text` without the blanks (spaces and tabs) around it, as every number of the settings is read.
std::string trimmed(const std::string& text);

// The integer nearest to the number the whole text spells, halves to the even neighbour,
// decided on the decimal digits themselves: a double cannot tell 2.50000000000000000001 from
// 2.5, nor 32767.49999999999999 from 32767.5. Exact within 2^53, and an infinity of the
// number's sign from 10^18 on. Nothing for text that is not such a number ("inf", "nan",
// hexadecimal, a number followed by anything but blanks).
std::optional<double> nearestIntegerOf(const std::string& text);

// The largest integer not above the number the whole text spells, decided on its digits in
// the same way (5.99999999999999999999 gives 5, -0.00000000000000000001 gives -1).
std::optional<double> floorIntegerOf(const std::string& text);

// `value` to the nearest integer, halves to the even neighbour (2.5 gives 2, 3.5 gives 4).
double roundHalfEven(double value);
