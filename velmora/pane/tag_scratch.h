#pragma once

#include "device/foundation/plist_value.h"

#include <string>
#include <string_view>

// The name and icon that the add-tag page, the icon chooser and the tag editor hand to each other,
// kept in the scratch store.
namespace velmora::pane {

// Nothing (an empty dictionary, as a getter answers for no value) when the key is absent.
device::foundation::PlistValue scratchValue(std::string_view key);
std::string scratchText(std::string_view key);
// Reports whether the scratch store was written.
bool setScratchText(std::string_view key, std::string text);

// The default tag icon, for a tag created without an icon that exists.
inline constexpr std::string_view kDefaultTagIcon = "/Library/Application Support/Velmora/defaulttagicon.png";
inline constexpr std::string_view kIconSuffix = "@2x.png";

}  // namespace velmora::pane
