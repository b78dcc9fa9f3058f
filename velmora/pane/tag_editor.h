#pragma once

#include "velmora/pane/pane_list_controller.h"

#include "device/foundation/plist_value.h"

#include <string_view>

namespace velmora::pane {

// One tag's page: its name, its icon, a switch per entry that may belong to it, and its removal.
// The page knows its tag by its title, the name on the link that opened it.
class FolderTagController
    : public PaneListController<device::preferences::PSListController, core::PageList::TagEditor> {
public:
    static constexpr std::string_view className = "FolderTagController";

    device::foundation::PlistValue getTagName(device::preferences::PSSpecifier* row);
    void setTagName(device::foundation::PlistValue value, device::preferences::PSSpecifier* row);
    void setFolderSpecifierValueForSpecifier(device::foundation::PlistValue value,
                                             device::preferences::PSSpecifier* row);
    device::foundation::PlistValue isSpecifierInFolder(device::preferences::PSSpecifier* row);
    void RemoveCurrent();
    void viewWillAppear(bool animated);
    void viewWillDisappear(bool animated);
    void hideKeyBoard();
    void addButton();

protected:
    void buildRows(core::EntryList& list) override;

private:
    core::Entry memberSwitch(const core::Entry& entry);
    void loadIconIntoScratch();
};

void registerFolderTagController();

}  // namespace velmora::pane
