// Decimal number text.
#include "number_text.h"

#include <cmath>
#include <cstdlib>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the run of digits at `i`.
std::size_t digitsAt(const std::string& text, std::size_t i) {
    std::size_t n = 0;
    while (i + n < text.size() && isDigit(text[i + n])) ++n;
    return n;
}

}  // namespace

std::optional<double> decimalNumberOf(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    const std::string number = text.substr(begin, end - begin);

    // Checked by hand first, so that strtod (which would also take "inf", "nan", hexadecimal
    // floats and a number followed by rubbish) only ever converts text of the accepted form.
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) ++i;
    const std::size_t whole = digitsAt(number, i);
    i += whole;
    std::size_t fraction = 0;
    if (i < number.size() && number[i] == '.') {
        fraction = digitsAt(number, i + 1);
        i += 1 + fraction;
    }
    if (whole + fraction == 0) return std::nullopt;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        std::size_t j = i + 1;
        if (j < number.size() && (number[j] == '+' || number[j] == '-')) ++j;
        const std::size_t exponent = digitsAt(number, j);
        if (exponent == 0) return std::nullopt;
        i = j + exponent;
    }
    if (i != number.size()) return std::nullopt;
    return std::strtod(number.c_str(), nullptr);
}

double roundHalfEven(double value) {
    const double nearest = std::round(value);  // halves away from zero
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return nearest;
}
