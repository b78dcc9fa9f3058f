#pragma once

#include "velmora/pane/pane_list_controller.h"

#include "device/foundation/plist_value.h"

#include <string>
#include <string_view>

namespace device::uikit {
class UIActionSheet;
class UISearchBar;
}  // namespace device::uikit

namespace velmora::rootlist {

// The page of a tag folder entry, which lists the tag's members. It knows its tag by its title, the
// folder entry's name. From it members are added (add mode), filtered (the search header),
// reordered and removed (arrange mode).
class TagFolder : public pane::PaneListController<device::preferences::PSListController, core::PageList::TagFolder> {
public:
    static constexpr std::string_view className = "TagFolder";

    void viewWillAppear(bool animated);
    void addButton();
    void ChooseEdit();
    void actionSheetClickedButtonAtIndex(device::uikit::UIActionSheet* sheet, long index);
    void actionSheetCancel(device::uikit::UIActionSheet* sheet);
    void hideKeyBoard();

    // Add mode.
    void Edit();
    void Done();
    void setFolderSpecifierValueForSpecifier(device::foundation::PlistValue value,
                                             device::preferences::PSSpecifier* row);
    device::foundation::PlistValue isSpecifierInFolder(device::preferences::PSSpecifier* row);

    // The search header.
    void searchBarTextDidBeginEditing(device::uikit::UISearchBar* searchBar);
    void searchBarTextDidEndEditing(device::uikit::UISearchBar* searchBar);
    void searchBarTextDidChange(device::uikit::UISearchBar* searchBar, std::string text);

    // Arrange mode: in the page itself on a phone, in a form sheet on a tablet.
    void setEditing();
    void ArrangeComplete();
    void removeAll();

    // The members in stored order, as the page last built them: the list arrange mode works on.
    static core::EntryList& folderEntries() { return pageList(); }

protected:
    void buildRows(core::EntryList& list) override;

private:
    void installSearchHeader();
    void setEditingInPage();
    void presentArrangeSheet();
};

void registerTagFolder();

}  // namespace velmora::rootlist
