#pragma once

#include "device/objc/runtime.h"
#include "device/uikit/button.h"
#include "device/uikit/label.h"

#include <memory>
#include <string>
#include <string_view>

// The parts that alerts and sheets are built from.
namespace device::uikit {

inline constexpr double kModalButtonHeight = 44;

// The height that text wrapped to width takes: a rough measure of the system font, enough to size a
// box.
double wrappedTextHeight(std::string_view text, UIFont font, double width);

std::shared_ptr<UILabel> makeWrappedLabel(std::string text, UIFont font, UIColor color, CGRect frame);

// A button numbered by its tag, whose tap reaches action on target.
std::shared_ptr<UIButton> makeNumberedButton(std::string title, long index, objc::id target, std::string_view action);

}  // namespace device::uikit
