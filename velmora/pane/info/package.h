#pragma once

#include <string>
#include <string_view>

namespace velmora::pane {

inline constexpr std::string_view kProductName = "Velmora";
inline constexpr std::string_view kMakerName = "Corvane";
inline constexpr std::string_view kPackageIdentifier = "com.corvane.velmora";
inline constexpr std::string_view kContactAddress = "velmora@corvane.example";
inline constexpr std::string_view kSocialHandle = "corvane";

// The installed package's version, from "informations.plist"; empty when it cannot be read.
std::string installedVersion();

// Opens a package's page in the package manager, when the package manager is installed.
void openPackagePage(std::string_view packageIdentifier);

}  // namespace velmora::pane
