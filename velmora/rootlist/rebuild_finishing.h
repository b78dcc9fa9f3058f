#pragma once

#include "velmora/rootlist/rebuild_settings.h"

#include "device/preferences/list_controller.h"

namespace velmora::rootlist {

// Removes empty groups, applies the stored order, records the sections for arrange mode, stops a
// finished pull-to-refresh and starts or stops the swipe timer.
void finishRootList(device::preferences::PSListController& root, const RebuildSettings& settings);

}  // namespace velmora::rootlist
