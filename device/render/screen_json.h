#pragma once

#include "device/render/screen_description.h"

#include <nlohmann/json.hpp>

namespace device::render {

// The simulator's `dump` object, keys in the documented order.
nlohmann::ordered_json screenToJson(const ScreenDescription& screen);

}  // namespace device::render
