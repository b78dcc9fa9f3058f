#pragma once

#include "device/preferences/list_controller.h"

namespace velmora::pane {

// The number of tags on a small grey pill at the right of the pane root's tags link. One badge is
// kept on the cell: a new build replaces the one before.
void showTagCountBadge(device::preferences::PSListController& paneRoot, int tagCount);

}  // namespace velmora::pane
