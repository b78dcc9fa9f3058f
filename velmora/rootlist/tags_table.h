#pragma once

#include "device/uikit/table_view.h"

#include <memory>
#include <optional>
#include <string_view>

namespace velmora::rootlist {

// Data source and delegate of the tag chooser's table: a cancel row, then one row per tag. It reads the
// TagStore afresh at every question and keeps nothing.
class Tags : public device::uikit::UITableView {
public:
    static constexpr std::string_view className = "Tags";

    long numberOfSectionsInTableView(device::uikit::UITableView* table);
    long tableViewNumberOfRowsInSection(device::uikit::UITableView* table, long section);
    std::shared_ptr<device::uikit::UITableViewCell> tableViewCellForRowAtIndexPath(device::uikit::UITableView* table,
                                                                                  device::uikit::NSIndexPath indexPath);
    bool tableViewCanMoveRowAtIndexPath(device::uikit::UITableView* table, device::uikit::NSIndexPath indexPath);
    device::uikit::UITableViewCellEditingStyle tableViewEditingStyleForRowAtIndexPath(
        device::uikit::UITableView* table, device::uikit::NSIndexPath indexPath);
    bool tableViewShouldIndentWhileEditingRowAtIndexPath(device::uikit::UITableView* table,
                                                        device::uikit::NSIndexPath indexPath);
    void tableViewDidSelectRowAtIndexPath(device::uikit::UITableView* table, device::uikit::NSIndexPath indexPath);
};

void registerTagsTable();

}  // namespace velmora::rootlist
