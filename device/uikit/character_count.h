#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

// UTF-8 text taken character by character, for typing and for the rough measures of text that need no font.
namespace device::uikit {

inline bool startsCharacter(char byte)
{
    return (static_cast<unsigned char>(byte) & 0xC0) != 0x80;
}

inline std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), startsCharacter));
}

// The length in bytes of the character that starts the (non-empty) text.
inline std::size_t firstCharacterLength(std::string_view text)
{
    auto lead = static_cast<unsigned char>(text.front());
    std::size_t length = lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
    return std::min(length, text.size());
}

}  // namespace device::uikit
