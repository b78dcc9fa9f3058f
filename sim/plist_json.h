#pragma once

#include "device/foundation/plist_value.h"

#include <nlohmann/json.hpp>

namespace sim {

// Data becomes a base64 string and a date an ISO 8601 time in UTC; a real that JSON cannot hold
// (infinite, not a number) becomes null.
nlohmann::ordered_json plistToJson(const device::foundation::PlistValue& value);

}  // namespace sim
