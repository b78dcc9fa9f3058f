#pragma once

#include "device/settings/prefs_list_controller.h"
#include "device/uikit/bar_button_item.h"

namespace device::settings {

// A host page whose rows the user arranges, as the keyboards list: its "Edit" button puts the table
// into editing mode ("Done" ends it), where rows are moved by their reorder controls and deleted by
// their delete controls; out of editing mode a row swiped left offers "Delete". The page's rows
// stay as arranged for as long as the app runs.
class HostEditablePageController : public HostPageController {
public:
    static constexpr std::string_view className = "HostEditablePageController";

    void toggleEditing(uikit::UIBarButtonItem* sender);
    void tableViewCommitEditingStyleForRowAtIndexPath(uikit::UITableView* table, uikit::UITableViewCellEditingStyle style,
                                                      uikit::NSIndexPath indexPath);
    void tableViewMoveRowAtIndexPathToIndexPath(uikit::UITableView* table, uikit::NSIndexPath from,
                                                uikit::NSIndexPath to);

protected:
    std::shared_ptr<uikit::UIView> loadView() override;

private:
    void showEditButton(bool editing);
};

void registerEditablePageClass();

}  // namespace device::settings
