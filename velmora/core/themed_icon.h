#pragma once

#include "device/uikit/image.h"

#include <memory>
#include <string>
#include <string_view>

namespace velmora::core {

// The selected theme's folder name; "Default" when none is chosen.
std::string selectedTheme();
// "/Library/Application Support/Velmora/Themes/" + theme.
std::string themeFolder(std::string_view theme);

// The icon of the selected theme; none when that theme lacks it (there is no fallback theme).
std::shared_ptr<device::uikit::UIImage> themedIcon(std::string_view iconName);

}  // namespace velmora::core
