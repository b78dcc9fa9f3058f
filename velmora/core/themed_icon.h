#pragma once

#include "device/uikit/image.h"

#include <memory>
#include <string_view>

namespace velmora::core {

// The icon of the selected theme; none when that theme lacks it (there is no fallback theme).
std::shared_ptr<device::uikit::UIImage> themedIcon(std::string_view iconName);

}  // namespace velmora::core
