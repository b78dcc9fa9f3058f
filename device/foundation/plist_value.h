#pragma once

#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

namespace device::foundation {

struct PlistDate {
    double secondsSinceReferenceDate = 0;  // the platform's reference date, 2001-01-01 UTC
    bool operator==(const PlistDate&) const = default;
};

using PlistData = std::vector<std::uint8_t>;
class PlistValue;
using PlistArray = std::vector<PlistValue>;
using PlistDictionary = std::map<std::string, PlistValue>;

// One property-list value: boolean, integer, real, string, data, date, array or dictionary.
class PlistValue {
public:
    // An object (NSNumber, NSString, NSDictionary…) on the platform; a value here.
    static constexpr bool encodesAsObject = true;

    using Storage =
        std::variant<bool, std::int64_t, double, std::string, PlistData, PlistDate, PlistArray, PlistDictionary>;

    PlistValue() : m_storage(PlistDictionary{}) {}
    PlistValue(bool value) : m_storage(value) {}
    PlistValue(int value) : m_storage(std::int64_t{value}) {}
    PlistValue(std::int64_t value) : m_storage(value) {}
    PlistValue(double value) : m_storage(value) {}
    PlistValue(const char* value) : m_storage(std::string(value)) {}
    PlistValue(std::string value) : m_storage(std::move(value)) {}
    PlistValue(std::string_view value) : m_storage(std::string(value)) {}
    PlistValue(PlistData value) : m_storage(std::move(value)) {}
    PlistValue(PlistDate value) : m_storage(value) {}
    PlistValue(PlistArray value) : m_storage(std::move(value)) {}
    PlistValue(PlistDictionary value) : m_storage(std::move(value)) {}

    bool isBool() const { return std::holds_alternative<bool>(m_storage); }
    bool isInteger() const { return std::holds_alternative<std::int64_t>(m_storage); }
    bool isReal() const { return std::holds_alternative<double>(m_storage); }
    bool isString() const { return std::holds_alternative<std::string>(m_storage); }
    bool isArray() const { return std::holds_alternative<PlistArray>(m_storage); }
    bool isDictionary() const { return std::holds_alternative<PlistDictionary>(m_storage); }

    const std::string* string() const { return std::get_if<std::string>(&m_storage); }
    const PlistArray* array() const { return std::get_if<PlistArray>(&m_storage); }
    PlistArray* array() { return std::get_if<PlistArray>(&m_storage); }
    const PlistDictionary* dictionary() const { return std::get_if<PlistDictionary>(&m_storage); }
    PlistDictionary* dictionary() { return std::get_if<PlistDictionary>(&m_storage); }
    const Storage& storage() const { return m_storage; }

    // The platform's readings: a boolean, a number (non-zero is true) or a string whose text reads as
    // true; anything else is false. intValue reads numbers by truncation and strings by their leading
    // decimal digits.
    bool boolValue() const;
    int intValue() const;

    bool operator==(const PlistValue&) const = default;

private:
    Storage m_storage;
};

// NSString's readings.
bool stringBoolValue(std::string_view text);
int stringIntValue(std::string_view text);

}  // namespace device::foundation
