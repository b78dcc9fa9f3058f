#pragma once

#include "device/objc/runtime.h"
#include "device/preferences/list_controller.h"

namespace velmora::rootlist {

// The page that files the swiped entry into a tag, over a frosted picture of the screen as it was when
// "More" was tapped.
void presentTagChooser(device::preferences::PSListController& root);

bool _showCarrier(device::objc::id self, device::objc::SEL cmd);

}  // namespace velmora::rootlist
