#pragma once

#include <string_view>

namespace device::foundation {

// A language as the system lists its preferred ones: "en", "fr", "pt-BR", "zh-Hans", "en_GB".
bool isLanguageCode(std::string_view code);

}  // namespace device::foundation
