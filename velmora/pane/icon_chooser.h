#pragma once

#include "velmora/pane/pane_list_controller.h"

#include "device/foundation/plist_value.h"

#include <string>
#include <string_view>

namespace velmora::pane {

// The icon pictures of the current theme, and a field for the path of any other picture.
class IconController
    : public PaneListController<device::preferences::PSListItemsController, core::PageList::Icons> {
public:
    static constexpr std::string_view className = "IconController";

    std::string theme() const;
    void listItemSelected(device::uikit::NSIndexPath indexPath);
    void setValueForSpecifierDefaultValue(device::preferences::PSSpecifier* selected,
                                          device::foundation::PlistValue defaultValue);
    void viewWillAppear(bool animated);
    void doNothing(device::foundation::PlistValue value, device::preferences::PSSpecifier* row);
    device::foundation::PlistValue getIconTag(device::preferences::PSSpecifier* row);

protected:
    void buildRows(core::EntryList& list) override;

private:
    std::string iconFolder() const;
    void showTicks(const device::foundation::PlistDictionary& icons);
};

void registerIconController();

}  // namespace velmora::pane
