#pragma once

#include "device/objc/runtime.h"
#include "device/uikit/view.h"

namespace velmora::rootlist {

// The replacement of the root list's viewWillAppear:. Besides the host, the set-up screen's "done"
// button and arrange mode call it.
void viewWillAppear(device::objc::id self, device::objc::SEL cmd, bool animated);

// Takes the pull-to-refresh control out of a table; whatever else lies in the table stays.
void removeRefreshControls(device::uikit::UIView& table);

}  // namespace velmora::rootlist
