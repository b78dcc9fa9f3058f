#pragma once

#include "device/render/font.h"
#include "device/uikit/font.h"

namespace device::render {

// The face that draws a toolkit font at a screen scale.
Font fontOf(const uikit::UIFont& font, double scale);

}  // namespace device::render
