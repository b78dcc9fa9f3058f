#pragma once

#include "device/foundation/plist_value.h"

#include <vector>

namespace velmora::store {

// The records of a TagStore, "1", "2", ... up to the first missing number: a gap hides every later
// tag. A record that is not a dictionary counts as a record with no keys.
std::vector<device::foundation::PlistDictionary> tagRecords(const device::foundation::PlistDictionary& tagStore);

}  // namespace velmora::store
