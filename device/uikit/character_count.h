#pragma once

#include <algorithm>
#include <cstddef>
#include <string_view>

namespace device::uikit {

// The characters of UTF-8 text, for the rough measures of text that need no font.
inline std::size_t characterCount(std::string_view text)
{
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) { return (c & 0xC0) != 0x80; }));
}

}  // namespace device::uikit
