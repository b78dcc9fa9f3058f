#pragma once

#include "velmora/rootlist/arrange_table.h"

#include "device/objc/runtime.h"
#include "device/preferences/list_controller.h"

namespace velmora::rootlist {

void setEditingState(device::objc::id self, device::objc::SEL cmd);
void ArrangeCompleted(device::objc::id self, device::objc::SEL cmd);
void resetPos(device::objc::id self, device::objc::SEL cmd);

// Ends arrange mode without writing an order: on a tablet the sheet goes and the list rebuilds, on a
// phone the root table gets its own data source and delegate back and stops editing.
void closeArrangeMode(device::preferences::PSListController& root);

}  // namespace velmora::rootlist
