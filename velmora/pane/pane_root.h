#pragma once

#include "velmora/pane/pane_list_controller.h"

#include "device/foundation/plist_value.h"

#include <string_view>

namespace velmora::pane {

// The library's own pane, opened from its entry at the end of the root list: the master switch,
// the links to the configuration pages, and the tweak section's entries grouped by tag or flat.
class VelmoraController
    : public PaneListController<device::preferences::PSListController, core::PageList::PaneRoot> {
public:
    static constexpr std::string_view className = "VelmoraController";

    device::foundation::PlistValue isEnabledd(device::preferences::PSSpecifier* row);
    void setEnabled(device::foundation::PlistValue value, device::preferences::PSSpecifier* row);
    void viewWillAppear(bool animated);
    void viewWillDisappear(bool animated);
    void Tweet();
    void addButton();
    void reloadSpecs();
};

void registerVelmoraController();

}  // namespace velmora::pane
