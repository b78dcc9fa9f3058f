#include "velmora/protection/selection_gate.h"

#include "velmora/core/shared_state.h"
#include "velmora/protection/lock_screen.h"
#include "velmora/protection/protection_settings.h"
#include "velmora/store/store.h"

#include "device/objc/message.h"
#include "device/preferences/list_controller.h"
#include "device/uikit/image.h"
#include "device/uikit/scroll_view.h"
#include "device/uikit/table_view_cell.h"

namespace velmora::protection {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;

// The Hide swipe button a cell's scroller may hold.
constexpr long kHideButtonTag = 1000;

bool isProtected(const device::preferences::PSSpecifier& entry)
{
    auto protectedStore = store::load(store::Store::Protected);
    return store::readBool(protectedStore, entry.nameOrEmpty()) && protectionIsActive(protectedStore);
}

// Closes any swipe buttons open on the tapped cell, then lets the host open the row once they are away.
void open(objc::id self, objc::SEL cmd, uikit::UITableView* tableView, uikit::NSIndexPath indexPath)
{
    core::sharedState().unlockGranted = false;
    uikit::UITableViewCell* cell = tableView ? tableView->cellForRowAtIndexPath(indexPath) : nullptr;
    auto* scroller = cell && !cell->subviews().empty() ? dynamic_cast<uikit::UIScrollView*>(cell->subviews()[0].get())
                                                       : nullptr;
    uikit::UIView::animateWithDuration(0.25, [scroller] {
        if (!scroller) {
            return;
        }
        scroller->setContentOffset({0, 0});
        if (uikit::UIView* hide = scroller->viewWithTag(kHideButtonTag)) {
            uikit::CGRect frame = hide->frame();
            hide->setFrame(uikit::CGRectMake(scroller->frame().width(), 0, frame.width(), frame.height()));
        }
    }, [controller = objc::weakReference(self), table = objc::weakReference(tableView), cmd, indexPath](bool) {
        auto receiver = controller.lock();
        auto shownIn = std::dynamic_pointer_cast<uikit::UITableView>(table.lock());
        if (receiver && shownIn) {
            objc::callImp<void>(core::sharedState().previous(core::InstalledMethod::TableViewDidSelectRowAtIndexPath),
                                receiver.get(), cmd, shownIn.get(), indexPath);
        }
    });
}

}  // namespace

void tableViewDidSelectRowAtIndexPath(objc::id self, objc::SEL cmd, uikit::UITableView* tableView,
                                      uikit::NSIndexPath indexPath)
{
    auto* controller = dynamic_cast<device::preferences::PSListController*>(self);
    // The row the table shows there, whatever shape the list has: a section need not open with a group entry.
    auto entry = controller ? controller->specifierAtIndexPath(indexPath) : nullptr;
    core::SharedState& state = core::sharedState();
    if (state.unlockGranted || !entry || !isProtected(*entry)) {
        open(self, cmd, tableView, indexPath);
        return;
    }
    state.pendingSelection = {objc::weakReference(tableView), static_cast<std::int32_t>(indexPath.row),
                              static_cast<std::int32_t>(indexPath.section)};
    presentLockScreen(*controller, entry->objectProperty<uikit::UIImage>("iconImage"));
}

}  // namespace velmora::protection
