#pragma once

#include "device/preferences/list_controller.h"
#include "device/uikit/image.h"

#include <cstddef>
#include <memory>

namespace velmora::protection {

// The keypad finds the lock screen's views by their place among the content view's subviews.
inline constexpr std::size_t kFirstDotIndex = 3;
inline constexpr std::size_t kDotCount = 4;
inline constexpr std::size_t kFirstKeyIndex = kFirstDotIndex + kDotCount;
inline constexpr std::size_t kKeyCount = 10;
inline constexpr std::size_t kCancelLabelIndex = kFirstKeyIndex + kKeyCount;
// The hairline of an empty dot or key; a filled one has none.
inline constexpr double kRingBorderWidth = 1.5;

// Covers the screen with a frosted picture of itself and a passcode keypad whose keys and cancel label send
// their actions to the root list controller.
void presentLockScreen(device::preferences::PSListController& root, std::shared_ptr<device::uikit::UIImage> icon);

}  // namespace velmora::protection
