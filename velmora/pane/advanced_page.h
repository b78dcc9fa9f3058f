#pragma once

#include "velmora/pane/pane_list_controller.h"

#include "device/foundation/plist_value.h"

#include <string_view>

namespace velmora::pane {

// The advanced options: seven switches and the title of the library's entry, each stored under the
// translation of its label. The "title" option is on the page only while "groups" is on.
class advancedController
    : public PaneListController<device::preferences::PSListController, core::PageList::Advanced> {
public:
    static constexpr std::string_view className = "advancedController";

    void hideKeyBoard();
    void addButton();
    void viewWillAppear(bool animated);
    void setPreferenceForSpecifier(device::foundation::PlistValue value, device::preferences::PSSpecifier* row);
    device::foundation::PlistValue readPreference(device::preferences::PSSpecifier* row);

protected:
    void buildRows(core::EntryList& list) override;

private:
    void removeTitleOption(bool animated);
    void insertTitleOption(bool animated);
};

void registerAdvancedController();

}  // namespace velmora::pane
