#include "device/settings/provisioning.h"

#include "device/foundation/file_manager.h"
#include "device/foundation/user_defaults.h"

#include <fstream>

namespace device::settings {

namespace {

constexpr const char* kRootMark = ".velmora-device";

}  // namespace

std::optional<std::string> provisionDeviceRoot(const std::filesystem::path& stage, const std::filesystem::path& root,
                                               const std::vector<std::string>& languages)
{
    namespace fs = std::filesystem;
    std::error_code error;
    fs::create_directories(root, error);
    if (error) {
        return "cannot create the device root " + root.string() + ": " + error.message();
    }
    if (!fs::exists(root / kRootMark)) {
        std::ofstream(root / kRootMark) << "velmora-sim device root\n";
    }
    if (!fs::is_directory(stage)) {
        return "the installed files are missing at " + stage.string() + " (build the project first)";
    }
    fs::copy(stage, root, fs::copy_options::recursive | fs::copy_options::overwrite_existing, error);
    if (error) {
        return "cannot install into the device root " + root.string() + ": " + error.message();
    }
    fs::create_directories(root / "var/mobile/Library/Preferences", error);
    if (error) {
        return "cannot create the preferences folder under " + root.string() + ": " + error.message();
    }
    foundation::DeviceRoot::set(root);
    auto& defaults = foundation::UserDefaults::standardUserDefaults();
    if (!defaults.objectForKey("AppleLanguages")) {
        foundation::PlistArray codes(languages.begin(), languages.end());
        if (!defaults.setObjectForKey(codes, "AppleLanguages")) {
            return "cannot write the system's preferred languages under " + root.string();
        }
    }
    return std::nullopt;
}

std::optional<std::string> eraseDeviceRoot(const std::filesystem::path& root)
{
    namespace fs = std::filesystem;
    std::error_code error;
    if (!fs::exists(root, error)) {
        return std::nullopt;
    }
    if (!fs::is_directory(root, error)) {
        return root.string() + " is not a folder";
    }
    if (!fs::is_empty(root, error) && !fs::exists(root / kRootMark, error)) {
        return "refusing to erase " + root.string() + ": it is not a device root made by velmora-sim";
    }
    for (const auto& entry : fs::directory_iterator(root, error)) {
        fs::remove_all(entry.path(), error);
        if (error) {
            return "cannot erase " + entry.path().string() + ": " + error.message();
        }
    }
    return std::nullopt;
}

}  // namespace device::settings
