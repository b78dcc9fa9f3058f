#pragma once

#include "device/graphics/font.h"

#include <optional>

namespace device::graphics {

// The installed font that fontconfig prefers for a character the system font lacks, sans-serif and as near
// the weight as there is: the CJK face for Chinese, for instance. None when no installed font has it.
std::optional<FontFile> fallbackFontFile(char32_t code, FontWeight weight);

}  // namespace device::graphics
