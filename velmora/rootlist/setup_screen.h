#pragma once

#include "device/preferences/list_controller.h"

namespace velmora::rootlist {

// The one-time set-up screen over the root list. Its "done" button sends viewWillAppear: to the root
// controller, which dismisses it.
void presentSetupScreen(device::preferences::PSListController& root);

}  // namespace velmora::rootlist
