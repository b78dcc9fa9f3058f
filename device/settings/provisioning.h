#pragma once

#include <filesystem>
#include <optional>
#include <string>
#include <vector>

namespace device::settings {

// Lays the installed files (the library, its resources, the host's icons) into a device root, and
// the folders and system preferences a fresh device has. Files under the preferences folder that
// are already there are kept. Answers an error message, or nothing on success.
std::optional<std::string> provisionDeviceRoot(const std::filesystem::path& stage, const std::filesystem::path& root,
                                               const std::vector<std::string>& languages);

// Empties a device root for a freshly installed device. Refuses any folder that is not empty and
// does not carry the mark a provisioned root has, so that a mistyped path never loses anything.
std::optional<std::string> eraseDeviceRoot(const std::filesystem::path& root);

}  // namespace device::settings
