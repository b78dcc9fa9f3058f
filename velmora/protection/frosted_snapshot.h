#pragma once

#include "device/uikit/image.h"

#include <memory>

namespace velmora::protection {

// The screen picture frosted for a page laid over it: strongly blurred (a Gaussian of 30 points, as three box
// passes), more saturated, and veiled by a faint white, at the picture's own size and scale.
std::shared_ptr<device::uikit::UIImage> frostedSnapshot(const device::uikit::UIImage& picture);

}  // namespace velmora::protection
