#pragma once

#include "device/objc/runtime.h"

namespace velmora::rootlist {

// The replacement of the root list's viewWillAppear:. Besides the host, the set-up screen's "done"
// button and arrange mode call it.
void viewWillAppear(device::objc::id self, device::objc::SEL cmd, bool animated);

}  // namespace velmora::rootlist
