// Decimal number text.
#include "number_text.h"

#include <algorithm>
#include <cmath>
#include <limits>

namespace {

bool isBlank(char c) { return c == ' ' || c == '\t'; }
bool isDigit(char c) { return c >= '0' && c <= '9'; }

// Length of the run of digits at `i`.
std::size_t digitsAt(const std::string& text, std::size_t i) {
    std::size_t n = 0;
    while (i + n < text.size() && isDigit(text[i + n])) ++n;
    return n;
}

// A number of the accepted form taken apart: its sign, its digits with the point dropped, and
// how many of them stand before the point once the exponent is applied.
struct DecimalDigits {
    bool negative = false;
    std::string digits;
    long long pointAt = 0;
};

// Beyond this the exponent saturates: no text is long enough for its digits to tell.
constexpr long long kExponentLimit = 1'000'000'000'000LL;

// `number`, trimmed already, taken apart; nothing unless it is a decimal number of the form
// accepted.
std::optional<DecimalDigits> digitsOf(const std::string& number) {
    DecimalDigits parts;
    std::size_t i = 0;
    if (i < number.size() && (number[i] == '+' || number[i] == '-')) {
        parts.negative = number[i] == '-';
        ++i;
    }
    const std::size_t whole = digitsAt(number, i);
    parts.digits = number.substr(i, whole);
    i += whole;
    std::size_t fraction = 0;
    if (i < number.size() && number[i] == '.') {
        fraction = digitsAt(number, i + 1);
        parts.digits += number.substr(i + 1, fraction);
        i += 1 + fraction;
    }
    if (whole + fraction == 0) return std::nullopt;
    long long exponent = 0;
    if (i < number.size() && (number[i] == 'e' || number[i] == 'E')) {
        std::size_t j = i + 1;
        const bool negativeExponent = j < number.size() && number[j] == '-';
        if (j < number.size() && (number[j] == '+' || number[j] == '-')) ++j;
        const std::size_t digits = digitsAt(number, j);
        if (digits == 0) return std::nullopt;
        for (std::size_t k = j; k < j + digits; ++k) {
            exponent = std::min(exponent * 10 + (number[k] - '0'), kExponentLimit);
        }
        if (negativeExponent) exponent = -exponent;
        i = j + digits;
    }
    if (i != number.size()) return std::nullopt;
    parts.pointAt = static_cast<long long>(whole) + exponent;
    return parts;
}

}  // namespace

int digitValue(char c, int base) {
    int value = -1;
    if (c >= '0' && c <= '9') value = c - '0';
    else if (c >= 'a' && c <= 'f') value = c - 'a' + 10;
    else if (c >= 'A' && c <= 'F') value = c - 'A' + 10;
    return value < base ? value : -1;
}

std::string trimmed(const std::string& text) {
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && isBlank(text[begin])) ++begin;
    while (end > begin && isBlank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

namespace {

enum class Rounding { Nearest, Down };

// The number's integer by `rounding`, decided on its decimal digits.
std::optional<double> integerOf(const std::string& text, Rounding rounding) {
    const std::optional<DecimalDigits> number = digitsOf(trimmed(text));
    if (!number) return std::nullopt;
    const std::string& digits = number->digits;
    const long long size = static_cast<long long>(digits.size());
    const long long point = number->pointAt;
    // The digit at place `i`, counted from the first one; zero beyond either end.
    const auto digitAt = [&](long long i) { return i >= 0 && i < size ? digits[static_cast<std::size_t>(i)] - '0' : 0; };
    const std::size_t firstNonZero = digits.find_first_not_of('0');
    if (firstNonZero == std::string::npos) return 0.0;
    if (point - static_cast<long long>(firstNonZero) > 18) {
        return number->negative ? -std::numeric_limits<double>::infinity() : std::numeric_limits<double>::infinity();
    }
    long long whole = 0;
    for (long long i = static_cast<long long>(firstNonZero); i < point; ++i) whole = whole * 10 + digitAt(i);
    const auto nonZeroFrom = [&](long long i) {
        return i < size && digits.find_first_not_of('0', static_cast<std::size_t>(std::max(i, 0LL))) != std::string::npos;
    };
    if (rounding == Rounding::Nearest) {
        // The fraction against one half: its first digit, then any other digit that is not zero.
        const int firstFraction = digitAt(point);
        if (firstFraction > 5 || (firstFraction == 5 && (nonZeroFrom(point + 1) || whole % 2 == 1))) ++whole;
    } else if (number->negative && nonZeroFrom(point)) {
        ++whole;  // down from a negative number with a fraction is away from zero
    }
    const double value = static_cast<double>(whole);
    return number->negative ? -value : value;
}

}  // namespace

std::optional<double> nearestIntegerOf(const std::string& text) { return integerOf(text, Rounding::Nearest); }

std::optional<double> floorIntegerOf(const std::string& text) { return integerOf(text, Rounding::Down); }

double roundHalfEven(double value) {
    if (std::fabs(value - std::trunc(value)) == 0.5) return 2.0 * std::round(value / 2.0);
    return std::round(value);
}
