#pragma once

#include <string_view>

namespace device::uikit {

// A URL scheme's name: a letter followed by letters, digits, '+', '-' or '.'.
bool isURLSchemeName(std::string_view name);

}  // namespace device::uikit
