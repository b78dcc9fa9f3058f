#include "velmora/core/themed_icon.h"

#include "velmora/core/resources.h"
#include "velmora/store/store.h"

#include "device/foundation/file_manager.h"

namespace velmora::core {

namespace {

constexpr std::string_view kDefaultTheme = "Default";

}  // namespace

std::string selectedTheme()
{
    std::string theme = store::readString(store::load(store::Store::Theme), store::keys::kSelectedTheme);
    return theme.empty() ? std::string(kDefaultTheme) : theme;
}

std::string themeFolder(std::string_view theme)
{
    return std::string(kResourceDirectory).append("Themes/").append(theme);
}

std::shared_ptr<device::uikit::UIImage> themedIcon(std::string_view iconName)
{
    std::string path = themeFolder(selectedTheme()).append("/").append(iconName).append("@2x.png");
    if (!device::foundation::FileManager::defaultManager().fileExistsAtPath(path)) {
        return nullptr;
    }
    return device::uikit::UIImage::imageWithContentsOfFile(path);
}

}  // namespace velmora::core
