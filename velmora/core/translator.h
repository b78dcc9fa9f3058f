#pragma once

#include <string>
#include <string_view>

namespace velmora::core {

inline constexpr std::string_view kNoTranslation = "(null)";

// The text of a text key in the interface language, else in English, else "(null)". Advanced options
// are stored under these results, so they must not depend on anything but the files.
std::string Translator(std::string_view key);

}  // namespace velmora::core
