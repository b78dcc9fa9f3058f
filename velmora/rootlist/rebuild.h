#pragma once

#include "velmora/rootlist/rebuild_settings.h"

#include "device/objc/runtime.h"
#include "device/preferences/list_controller.h"

namespace velmora::rootlist {

// The replacement of the root list's reloadSpecifiers: the host builds its list, which is then
// reorganised from the stores and finished.
void reloadSpecifiers(device::objc::id self, device::objc::SEL cmd);

// Makes names unique, hides entries and dividers, moves the tweak section, folds tag members into
// folder entries and appends the library's own entry.
void reorganiseRootList(device::preferences::PSListController& root, const RebuildSettings& settings);

}  // namespace velmora::rootlist
