#pragma once

#include "device/objc/runtime.h"
#include "device/uikit/index_path.h"
#include "device/uikit/table_view.h"

namespace velmora::protection {

void tableViewDidSelectRowAtIndexPath(device::objc::id self, device::objc::SEL cmd,
                                      device::uikit::UITableView* tableView, device::uikit::NSIndexPath indexPath);

}  // namespace velmora::protection
