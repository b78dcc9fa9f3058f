#pragma once

#include "device/uikit/image.h"

#include <memory>

namespace velmora::protection {

// The key window as it is drawn now: opaque, its bounds' size, at the screen's scale. None without a key window.
std::shared_ptr<device::uikit::UIImage> keyWindowPicture();

}  // namespace velmora::protection
