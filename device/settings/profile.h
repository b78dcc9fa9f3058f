#pragma once

#include "device/foundation/plist_value.h"
#include "device/uikit/geometry.h"

#include <filesystem>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace device::settings {

// One row of the host's root list, or of a page behind it.
struct ProfileEntry {
    std::string cell;                       // "PSGroupCell", "PSLinkCell", ...
    std::optional<std::string> label;
    std::optional<std::string> identifier;
    std::optional<std::string> icon;        // a host icon name
    std::optional<foundation::PlistValue> value;
    std::optional<std::string> footer;
    std::vector<ProfileEntry> page;
    // The page's rows can be reordered and deleted, behind an "Edit" button.
    bool editable = false;
};

// A device profile: what the phone is and what its Settings root list holds.
struct DeviceProfile {
    std::string name;
    std::string model;
    std::string machine;
    std::string systemVersion = "7.1.2";
    uikit::CGSize screenSize;
    double screenScale = 2;
    std::vector<std::string> languages{"en"};
    // The URL schemes of the installed applications, without ':'; the browser's come with the device.
    std::vector<std::string> urlSchemes;
    std::vector<ProfileEntry> entries;

    bool isTablet() const { return model.starts_with("iPad"); }
};

struct ProfileError {
    std::string message;  // names the file and what is wrong in it
};

std::variant<DeviceProfile, ProfileError> loadProfile(const std::filesystem::path& file);
// The profile in bytes read from the file named file.
std::variant<DeviceProfile, ProfileError> readProfile(std::span<const std::uint8_t> bytes, const std::string& file);
// "phone" and "tablet" name the built-in profiles; anything else is a profile file.
std::variant<DeviceProfile, ProfileError> loadProfileNamed(const std::string& nameOrFile);

}  // namespace device::settings
