#pragma once

#include "velmora/pane/pane_list_controller.h"

#include "device/foundation/plist_value.h"

#include <string_view>

namespace velmora::pane {

// Creates a tag from a typed name and an icon chosen on the icon chooser.
class addTagController
    : public PaneListController<device::preferences::PSListController, core::PageList::AddTag> {
public:
    static constexpr std::string_view className = "addTagController";

    device::foundation::PlistValue getFolders(device::preferences::PSSpecifier* row);
    void doNothingForSpecifier(device::foundation::PlistValue value, device::preferences::PSSpecifier* row);
    device::foundation::PlistValue getNameTag(device::preferences::PSSpecifier* row);
    device::foundation::PlistValue getIconTag(device::preferences::PSSpecifier* row);
    void Save();
    void addButton();
    void viewWillAppear(bool animated);

protected:
    void buildRows(core::EntryList& list) override;
};

void registerAddTagController();

}  // namespace velmora::pane
