#pragma once

#include "device/foundation/plist_value.h"

#include <optional>
#include <string_view>

namespace velmora::pane {

// Why a new tag name is refused, as the text key of the message that says so; none when it is
// fine apart from being a duplicate, which the caller checks against the tags it knows.
std::optional<std::string_view> refusedTagName(std::string_view name);

// Whether a tag of the store has exactly this name.
bool tagNameTaken(const device::foundation::PlistDictionary& tagStore, std::string_view name);

}  // namespace velmora::pane
