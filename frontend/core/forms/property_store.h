// The per-instance property store that a host keeps for each user control it places: what
// the host saved for the instance, read back with a default and written with a default.
// Values are text (numbers in decimal, booleans as "True" / "False") or fonts. Portable.
#pragma once

#include <cstddef>
#include <map>
#include <optional>
#include <string>
#include <variant>

#include "font_description.h"

namespace forms {

using PropertyValue = std::variant<std::string, FontDescription>;

class PropertyStore {
public:
    // The value stored under `name`, or `readDefault` when none is.
    PropertyValue read(const std::string& name, const PropertyValue& readDefault) const;
    // Stores `value` under `name`. A value equal to `writeDefault` is not kept (one stored
    // earlier goes), so it reads back as whatever default the reader gives.
    void write(const std::string& name, const PropertyValue& value, const PropertyValue& writeDefault);
    // Stores `value` under `name` whatever it is: what a host puts in for an instance it places.
    void write(const std::string& name, const PropertyValue& value) { values_[name] = value; }

    bool contains(const std::string& name) const { return values_.count(name) != 0; }
    std::size_t size() const { return values_.size(); }

private:
    std::map<std::string, PropertyValue> values_;
};

// The whole number a text spells: blanks around, an optional sign and decimal digits, or
// "&H" and up to eight hexadecimal digits. Nothing for any other text.
std::optional<long long> numberFromText(const std::string& text);

// Stored values as the types the readers want; nothing when the value does not convert.
std::optional<std::string> propertyText(const PropertyValue& value);
std::optional<FontDescription> propertyFont(const PropertyValue& value);
// "True" and "False" in any case, or a number (non-zero is true).
std::optional<bool> propertyBoolean(const PropertyValue& value);
// A number within [lowest, highest].
std::optional<long long> propertyNumber(const PropertyValue& value, long long lowest, long long highest);

// How booleans are stored.
std::string booleanText(bool value);

}  // namespace forms
