#pragma once

#include "device/foundation/plist_value.h"

#include <optional>
#include <string_view>
#include <vector>

namespace velmora::store {

// The records of a TagStore, "1", "2", ... up to the first missing number: a gap hides every later
// tag. A record that is not a dictionary counts as a record with no keys.
std::vector<device::foundation::PlistDictionary> tagRecords(const device::foundation::PlistDictionary& tagStore);
// The same records, taken out of a store read for them alone.
std::vector<device::foundation::PlistDictionary> tagRecords(device::foundation::PlistDictionary&& tagStore);

// The number a new tag is stored under: the first one from 1 that the store does not hold, so that
// every walk from 1 finds it.
long firstFreeTagNumber(const device::foundation::PlistDictionary& tagStore);

// The number of the first record, walking from 1, whose "Name" is exactly tagName.
std::optional<long> findTag(const device::foundation::PlistDictionary& tagStore, std::string_view tagName);

}  // namespace velmora::store
