#pragma once

#include "device/objc/runtime.h"
#include "device/preferences/view_controller.h"
#include "device/uikit/index_path.h"
#include "device/uikit/table_view.h"

#include <memory>
#include <string_view>

namespace velmora::rootlist {

// Data source and delegate of the root list's arrange table; one instance serves the whole process.
// Everything it shows comes from the section map of the last rebuild, which moves change in place.
class test : public device::preferences::PSViewController {
public:
    static constexpr std::string_view className = "test";

    long numberOfSectionsInTableView(device::uikit::UITableView* table);
    long tableViewNumberOfRowsInSection(device::uikit::UITableView* table, long section);
    bool tableViewCanMoveRowAtIndexPath(device::uikit::UITableView* table, device::uikit::NSIndexPath indexPath);
    device::uikit::UITableViewCellEditingStyle tableViewEditingStyleForRowAtIndexPath(
        device::uikit::UITableView* table, device::uikit::NSIndexPath indexPath);
    bool tableViewShouldIndentWhileEditingRowAtIndexPath(device::uikit::UITableView* table,
                                                         device::uikit::NSIndexPath indexPath);
    std::shared_ptr<device::uikit::UITableViewCell> tableViewCellForRowAtIndexPath(
        device::uikit::UITableView* table, device::uikit::NSIndexPath indexPath);
    void tableViewMoveRowAtIndexPathToIndexPath(device::uikit::UITableView* table, device::uikit::NSIndexPath from,
                                                device::uikit::NSIndexPath to);
};

void registerArrangeTable();

}  // namespace velmora::rootlist
