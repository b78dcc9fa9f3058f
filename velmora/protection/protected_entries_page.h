#pragma once

#include "velmora/pane/pane_list_controller.h"

#include "device/foundation/plist_value.h"

#include <string_view>

namespace velmora::protection {

// Chooses the entries of the root list that ask for the passcode, and leads to the passcode page.
// The selection gate reads the choices at every tap, so nothing is rebuilt here.
class protectionController
    : public pane::PaneListController<device::preferences::PSListController, core::PageList::ProtectedEntries> {
public:
    static constexpr std::string_view className = "protectionController";

    device::foundation::PlistValue isProtected(device::preferences::PSSpecifier* row);
    void setProtectedForSpecifier(device::foundation::PlistValue value, device::preferences::PSSpecifier* row);

protected:
    void buildRows(core::EntryList& list) override;
};

void registerProtectionController();

}  // namespace velmora::protection
