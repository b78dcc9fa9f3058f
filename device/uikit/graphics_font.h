#pragma once

#include "device/graphics/font.h"
#include "device/uikit/font.h"

namespace device::uikit {

// The face that draws a toolkit font at a screen scale.
graphics::Font fontOf(const UIFont& font, double scale);

}  // namespace device::uikit
