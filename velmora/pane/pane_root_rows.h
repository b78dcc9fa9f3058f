#pragma once

#include "velmora/core/shared_state.h"

#include "device/foundation/plist_value.h"

#include <vector>

namespace velmora::pane {

struct PaneSettings {
    bool masterSwitch = false;
    bool tagsAsGroups = false;
    bool tweaksInPane = false;
    bool tagTitles = false;
    device::foundation::PlistDictionary hideStore;
    std::vector<device::foundation::PlistDictionary> tags;

    static PaneSettings read();
};

struct PaneRows {
    core::EntryList rows;
    int tagCount = 0;
};

// What the pane root lists after its fixed rows: the tweak section's entries that are not hidden,
// under their tags (each tag may begin with a title row) and/or flat when they belong to no tag.
PaneRows tweakRows(const core::EntryList& tweakSection, const PaneSettings& settings, device::objc::id target);

}  // namespace velmora::pane
