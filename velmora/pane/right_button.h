#pragma once

#include "device/uikit/view_controller.h"

#include <string>
#include <string_view>

namespace velmora::pane {

// A bordered bar button with a title at the right of the page's navigation bar, sending action to
// the page.
void setRightButton(device::uikit::UIViewController& page, std::string title, std::string_view action);

}  // namespace velmora::pane
