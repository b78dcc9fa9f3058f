#pragma once

#include "device/foundation/plist_value.h"

#include <optional>
#include <string_view>

namespace device::foundation {

// NSDictionary dictionaryWithContentsOfFile: — none when the file is missing, unreadable,
// malformed or not a dictionary at its root.
std::optional<PlistDictionary> dictionaryWithContentsOfFile(std::string_view path);
std::optional<PlistArray> arrayWithContentsOfFile(std::string_view path);
std::optional<PlistValue> propertyListWithContentsOfFile(std::string_view path);

// writeToFile:atomically: with atomic writing; reports whether the file was written.
bool writeToFile(const PlistValue& value, std::string_view path);

}  // namespace device::foundation
