#pragma once

#include "device/objc/runtime.h"

namespace velmora::core {

// The shared state outlives every root list controller, so a controller created later in the
// process still finds valid containers; ending a controller only runs the host's own dealloc.
void dealloc(device::objc::id self, device::objc::SEL cmd);

// The host never rebuilds the root list on its own when the app returns to the foreground.
bool shouldReloadSpecifiersOnResume(device::objc::id self, device::objc::SEL cmd);

}  // namespace velmora::core
