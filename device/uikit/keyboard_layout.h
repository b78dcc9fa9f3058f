#pragma once

#include "device/uikit/text_field.h"
#include "device/uikit/view.h"

#include <memory>

namespace device::uikit {

// The keyboard's view for a keyboard type, as wide as the screen and as tall as given: a key for every
// character it types, the delete key, and for text the space bar and the return key.
std::shared_ptr<UIView> makeKeyboardView(UIKeyboardType type, CGSize size);

}  // namespace device::uikit
