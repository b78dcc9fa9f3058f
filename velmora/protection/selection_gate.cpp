#include "velmora/protection/selection_gate.h"

#include "velmora/core/shared_state.h"

#include "device/objc/message.h"

namespace velmora::protection {

void tableViewDidSelectRowAtIndexPath(device::objc::id self, device::objc::SEL cmd,
                                      device::uikit::UITableView* tableView, device::uikit::NSIndexPath indexPath)
{
    device::objc::callImp<void>(core::sharedState().previous(core::InstalledMethod::TableViewDidSelectRowAtIndexPath),
                                self, cmd, tableView, indexPath);
}

}  // namespace velmora::protection
