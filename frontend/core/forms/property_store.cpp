// Reading and writing a control's stored properties.
#include "property_store.h"

#include "cp932_text.h"
#include "number_text.h"

namespace forms {

PropertyValue PropertyStore::read(const std::string& name, const PropertyValue& readDefault) const {
    const auto it = values_.find(name);
    return it == values_.end() ? readDefault : it->second;
}

void PropertyStore::write(const std::string& name, const PropertyValue& value, const PropertyValue& writeDefault) {
    if (value == writeDefault) {
        values_.erase(name);
    } else {
        values_[name] = value;
    }
}

std::optional<long long> numberFromText(const std::string& text) {
    const std::string number = trimmed(text);
    if (number.size() > 2 && number[0] == '&' && (number[1] == 'H' || number[1] == 'h')) {
        if (number.size() > 10) return std::nullopt;
        long long value = 0;
        for (std::size_t i = 2; i < number.size(); ++i) {
            const int digit = digitValue(number[i], 16);
            if (digit < 0) return std::nullopt;
            value = value * 16 + digit;
        }
        return value;
    }
    std::size_t i = 0;
    const bool negative = !number.empty() && number[0] == '-';
    if (!number.empty() && (number[0] == '+' || number[0] == '-')) ++i;
    if (i == number.size() || number.size() - i > 18) return std::nullopt;  // no digits, or beyond any range we read
    long long value = 0;
    for (; i < number.size(); ++i) {
        if (number[i] < '0' || number[i] > '9') return std::nullopt;
        value = value * 10 + (number[i] - '0');
    }
    return negative ? -value : value;
}

std::optional<std::string> propertyText(const PropertyValue& value) {
    if (const auto* text = std::get_if<std::string>(&value)) return *text;
    return std::nullopt;
}

std::optional<FontDescription> propertyFont(const PropertyValue& value) {
    if (const auto* font = std::get_if<FontDescription>(&value)) return *font;
    return std::nullopt;
}

std::optional<bool> propertyBoolean(const PropertyValue& value) {
    const auto text = propertyText(value);
    if (!text) return std::nullopt;
    const std::string word = cp932::upperAscii(trimmed(*text));
    if (word == "TRUE") return true;
    if (word == "FALSE") return false;
    if (const auto number = numberFromText(word)) return *number != 0;
    return std::nullopt;
}

std::optional<long long> propertyNumber(const PropertyValue& value, long long lowest, long long highest) {
    const auto text = propertyText(value);
    if (!text) return std::nullopt;
    const auto number = numberFromText(*text);
    if (!number || *number < lowest || *number > highest) return std::nullopt;
    return number;
}

std::string booleanText(bool value) { return value ? "True" : "False"; }

}  // namespace forms
