#pragma once

#include "device/foundation/plist_value.h"

#include <optional>
#include <string>
#include <string_view>
#include <vector>

// A tag's membership lives in its TagStore record (one flag per member name; leaving writes NO),
// its order in a file of its own named after the tag.
namespace velmora::store {

// The flag stored for entryName in the record of the tag named tagName, as stored; none when the
// tag or the flag is missing.
std::optional<device::foundation::PlistValue> memberFlag(std::string_view tagName, std::string_view entryName);

// Stores the flag for every name in the tag's record and writes the TagStore whole; nothing is
// written when no record carries that tag name. False only when the store could not be written.
bool setMemberFlags(std::string_view tagName, const std::vector<std::string>& entryNames, bool member);

// The member names of the tag's order file, "0", "1", ... in key order; a missing key is skipped.
// A tag name that would name a file outside the preferences folder has no order.
std::vector<std::string> loadTagOrder(std::string_view tagName);
// Replaces the order file with the names under consecutive keys from "0". False only when the file
// could not be written.
bool saveTagOrder(std::string_view tagName, const std::vector<std::string>& names);

}  // namespace velmora::store
