#pragma once

#include "device/preferences/list_controller.h"
#include "device/uikit/scroll_view.h"

#include <string>
#include <string_view>

namespace velmora::rootlist {

// The swipe buttons inside a cell's content scroller.
inline constexpr long kHideButtonTag = 1000;
inline constexpr long kMoreButtonTag = 2000;

// The horizontally scrollable view that carries a cell's content: its first subview.
device::uikit::UIScrollView* contentScroller(device::uikit::UIView& cell);

// Entries whose cells the system keeps as they are.
bool isSystemEntryName(std::string_view name);

// Takes the first entry of that name off the list, animated as the animation option says. The stores are
// untouched: the next rebuild brings the entry back unless a store keeps it away.
void removeEntryNamed(device::preferences::PSListController& root, const std::string& name);

// The open cell shut at once, as a page laid over the list leaves it.
void closeOpenCellNow();

}  // namespace velmora::rootlist
