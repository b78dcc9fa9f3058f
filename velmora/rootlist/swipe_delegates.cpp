#include "velmora/rootlist/swipe_delegates.h"

#include "velmora/core/shared_state.h"
#include "velmora/rootlist/swipe_cell.h"
#include "velmora/rootlist/tag_chooser.h"
#include "velmora/rootlist/tags_table.h"

#include "device/objc/class_builder.h"

namespace velmora::rootlist {

namespace {

constexpr long kAddToTag = 0;
constexpr long kRemoveForNow = 1;

}  // namespace

void swipeable::actionSheetClickedButtonAtIndex(device::uikit::UIActionSheet*, long index)
{
    core::SharedState& state = core::sharedState();
    auto root = std::dynamic_pointer_cast<device::preferences::PSListController>(state.tu.lock());
    if (!root) {
        return;
    }
    if (index == kAddToTag) {
        presentTagChooser(*root);
        state.windowSnapshot.reset();
        closeOpenCellNow();
    } else if (index == kRemoveForNow) {
        removeEntryNamed(*root, state.texto);
    }
}

void registerSwipeClasses()
{
    device::objc::ClassBuilder<GestureRec>(device::uikit::UIGestureRecognizer::className)
        .method<&GestureRec::gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer>(
            "gestureRecognizer:shouldRecognizeSimultaneouslyWithGestureRecognizer:");
    device::objc::ClassBuilder<swipeable>(device::uikit::UIView::className)
        .method<&swipeable::actionSheetClickedButtonAtIndex>("actionSheet:clickedButtonAtIndex:");
    registerTagsTable();
}

}  // namespace velmora::rootlist
