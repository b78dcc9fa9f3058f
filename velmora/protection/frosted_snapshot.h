#pragma once

#include "device/graphics/vimage.h"
#include "device/uikit/image.h"

#include <memory>

namespace velmora::protection {

// The screen picture frosted for a page laid over it: strongly blurred (a Gaussian of 30 points, as three box
// passes), more saturated, and veiled by a faint white, at the picture's own size and scale.
std::shared_ptr<device::uikit::UIImage> frostedSnapshot(const device::uikit::UIImage& picture);

// The blur and the saturation of a picture at the given scale, on its two working bitmaps of the same size:
// premultiplied RGBA, the picture in a, the effect left in a.
void frostBitmaps(const device::graphics::vImage_Buffer& a, const device::graphics::vImage_Buffer& b, double scale);

}  // namespace velmora::protection
