#pragma once

#include "device/preferences/view_controller.h"
#include "device/uikit/index_path.h"
#include "device/uikit/table_view.h"

#include <memory>
#include <string_view>

namespace velmora::rootlist {

// Data source and delegate of a tag folder's arrange table; one instance serves the whole process.
// It shows and changes the members of the page built last, in place: what it reorders or removes
// is what that page writes as its order.
class Editable : public device::preferences::PSViewController {
public:
    static constexpr std::string_view className = "Editable";

    long numberOfSectionsInTableView(device::uikit::UITableView* table);
    long tableViewNumberOfRowsInSection(device::uikit::UITableView* table, long section);
    bool tableViewCanMoveRowAtIndexPath(device::uikit::UITableView* table, device::uikit::NSIndexPath indexPath);
    device::uikit::UITableViewCellEditingStyle tableViewEditingStyleForRowAtIndexPath(
        device::uikit::UITableView* table, device::uikit::NSIndexPath indexPath);
    bool tableViewShouldIndentWhileEditingRowAtIndexPath(device::uikit::UITableView* table,
                                                         device::uikit::NSIndexPath indexPath);
    std::shared_ptr<device::uikit::UITableViewCell> tableViewCellForRowAtIndexPath(device::uikit::UITableView* table,
                                                                                  device::uikit::NSIndexPath indexPath);
    void tableViewMoveRowAtIndexPathToIndexPath(device::uikit::UITableView* table, device::uikit::NSIndexPath from,
                                                device::uikit::NSIndexPath to);
    // The delete control takes the member out of the tag at once.
    void tableViewCommitEditingStyleForRowAtIndexPath(device::uikit::UITableView* table,
                                                      device::uikit::UITableViewCellEditingStyle style,
                                                      device::uikit::NSIndexPath indexPath);
};

void registerFolderArrangeTable();

}  // namespace velmora::rootlist
