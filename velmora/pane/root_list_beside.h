#pragma once

#include "device/preferences/view_controller.h"

namespace velmora::pane {

// The host's root list up the chain of parent controllers, at any depth; none when the page was not
// reached from it.
device::preferences::PSViewController* rootListAbove(device::preferences::PSViewController& page);

// On a tablet the root list stays on screen beside the pane, so a change it shows must reach it at
// once. It is the first page up the chain of parent controllers that is the host's root list: a
// fixed number of levels would miss it from pages that can be reached more than one way.
void rebuildRootListBeside(device::preferences::PSViewController& page);

// The same, through the root list's appearance, which also follows the master switch.
void refreshRootListBeside(device::preferences::PSViewController& page);

}  // namespace velmora::pane
