#include "device/uikit/url_scheme.h"

#include <algorithm>
#include <cctype>

namespace device::uikit {

bool isURLSchemeName(std::string_view name)
{
    return !name.empty() && std::isalpha(static_cast<unsigned char>(name.front()))
           && std::ranges::all_of(name, [](char c) {
                  return std::isalnum(static_cast<unsigned char>(c)) || c == '+' || c == '-' || c == '.';
              });
}

}  // namespace device::uikit
