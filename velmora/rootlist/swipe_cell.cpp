#include "velmora/rootlist/swipe_cell.h"

#include "velmora/core/shared_state.h"
#include "velmora/store/advanced_options.h"
#include "velmora/store/store_definitions.h"

#include "device/objc/object.h"

namespace velmora::rootlist {

namespace uikit = device::uikit;

uikit::UIScrollView* contentScroller(uikit::UIView& cell)
{
    return cell.subviews().empty() ? nullptr : device::objc::as<uikit::UIScrollView>(cell.subviews().front().get());
}

bool isSystemEntryName(std::string_view name)
{
    return name == "Bluetooth" || name == "iCloud";
}

void removeEntryNamed(device::preferences::PSListController& root, const std::string& name)
{
    for (const auto& entry : root.specifiers()) {
        if (entry->name() == name) {
            auto removed = entry;
            root.removeSpecifierAnimated(removed.get(), store::advancedOption(store::options::kAnimate));
            return;
        }
    }
}

void closeOpenCellNow()
{
    core::SharedState& state = core::sharedState();
    auto open = state.openCellScroller.lock();
    if (auto* scroller = device::objc::as<uikit::UIScrollView>(open.get())) {
        scroller->setContentOffset({0, 0});
    }
    state.swipeRestOffset = 0;
}

}  // namespace velmora::rootlist
