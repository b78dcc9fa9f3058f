#include "device/foundation/plist_value.h"

#include <algorithm>
#include <climits>
#include <cmath>
#include <type_traits>

namespace device::foundation {

namespace {

bool isSpace(char c)
{
    return c == ' ' || c == '\t' || c == '\n' || c == '\v' || c == '\f' || c == '\r';
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

// Skips the leading whitespace and an optional sign; reports whether the sign was a minus.
std::string_view skipToDigits(std::string_view text, bool& negative)
{
    std::size_t pos = 0;
    while (pos < text.size() && isSpace(text[pos])) {
        ++pos;
    }
    negative = pos < text.size() && text[pos] == '-';
    if (pos < text.size() && (text[pos] == '-' || text[pos] == '+')) {
        ++pos;
    }
    return text.substr(pos);
}

int clampToInt(double value)
{
    if (std::isnan(value)) {
        return 0;
    }
    if (value >= static_cast<double>(INT_MAX)) {
        return INT_MAX;
    }
    if (value <= static_cast<double>(INT_MIN)) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

int clampToInt(std::int64_t value)
{
    if (value > INT_MAX) {
        return INT_MAX;
    }
    if (value < INT_MIN) {
        return INT_MIN;
    }
    return static_cast<int>(value);
}

}  // namespace

bool stringBoolValue(std::string_view text)
{
    bool negative = false;
    std::string_view rest = skipToDigits(text, negative);
    std::size_t pos = 0;
    while (pos < rest.size() && rest[pos] == '0') {
        ++pos;
    }
    if (pos == rest.size()) {
        return false;
    }
    char c = rest[pos];
    return c == 'Y' || c == 'y' || c == 'T' || c == 't' || (c >= '1' && c <= '9');
}

int stringIntValue(std::string_view text)
{
    bool negative = false;
    std::string_view digits = skipToDigits(text, negative);
    // Accumulating one past INT_MAX is enough to know that the result saturates.
    constexpr std::int64_t kLimit = std::int64_t{INT_MAX} + 1;
    std::int64_t magnitude = 0;
    for (std::size_t pos = 0; pos < digits.size() && isDigit(digits[pos]); ++pos) {
        magnitude = std::min(kLimit, magnitude * 10 + (digits[pos] - '0'));
    }
    return clampToInt(negative ? -magnitude : magnitude);
}

bool PlistValue::boolValue() const
{
    return std::visit(
        [](const auto& value) -> bool {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>) {
                return value;
            } else if constexpr (std::is_same_v<T, std::int64_t> || std::is_same_v<T, double>) {
                return value != 0;
            } else if constexpr (std::is_same_v<T, std::string>) {
                return stringBoolValue(value);
            } else {
                return false;
            }
        },
        m_storage);
}

int PlistValue::intValue() const
{
    return std::visit(
        [](const auto& value) -> int {
            using T = std::decay_t<decltype(value)>;
            if constexpr (std::is_same_v<T, bool>) {
                return value ? 1 : 0;
            } else if constexpr (std::is_same_v<T, std::int64_t> || std::is_same_v<T, double>) {
                return clampToInt(value);
            } else if constexpr (std::is_same_v<T, std::string>) {
                return stringIntValue(value);
            } else {
                return 0;
            }
        },
        m_storage);
}

}  // namespace device::foundation
