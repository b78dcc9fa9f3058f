#pragma once

#include "device/uikit/button.h"
#include "device/uikit/view.h"

#include <string_view>

namespace testing_support {

// The first button titled so inside root, searching front to back.
device::uikit::UIButton* findButton(device::uikit::UIView& root, std::string_view title);

}  // namespace testing_support
