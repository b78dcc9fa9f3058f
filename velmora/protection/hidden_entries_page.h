#pragma once

#include "velmora/pane/pane_list_controller.h"

#include "device/foundation/plist_value.h"

#include <string_view>

namespace velmora::protection {

// Chooses the entries hidden from the root list, and whether its group dividers are hidden. Every
// entry the host lists is offered, hidden or not, so a hidden one can be shown again.
class allSpecifiersController
    : public pane::PaneListController<device::preferences::PSListController, core::PageList::HiddenEntries> {
public:
    static constexpr std::string_view className = "allSpecifiersController";

    device::foundation::PlistValue isHidden(device::preferences::PSSpecifier* row);
    void setHideSpecifierValueForSpecifier(device::foundation::PlistValue value, device::preferences::PSSpecifier* row);

protected:
    void buildRows(core::EntryList& list) override;
};

void registerAllSpecifiersController();

}  // namespace velmora::protection
