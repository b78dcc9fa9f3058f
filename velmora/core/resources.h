#pragma once

#include <string_view>

namespace velmora::core {

inline constexpr std::string_view kResourceDirectory = "/Library/Application Support/Velmora/";

}  // namespace velmora::core
