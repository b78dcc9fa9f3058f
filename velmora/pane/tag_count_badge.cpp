#include "velmora/pane/tag_count_badge.h"

#include "velmora/core/tablet.h"

#include "device/uikit/label.h"
#include "device/uikit/table_view.h"

#include <string>

namespace velmora::pane {

namespace {

namespace uikit = device::uikit;

constexpr long kBadgeTag = 6540;
constexpr uikit::NSIndexPath kTagsLink{1, 3};
constexpr double kWidth = 45;
constexpr double kHeight = 25;

}  // namespace

void showTagCountBadge(device::preferences::PSListController& paneRoot, int tagCount)
{
    uikit::UITableView* table = paneRoot.table();
    uikit::UITableViewCell* cell = table ? table->cellForRowAtIndexPath(kTagsLink) : nullptr;
    if (!cell) {
        return;
    }
    if (uikit::UIView* earlier = cell->viewWithTag(kBadgeTag)) {
        earlier->removeFromSuperview();
    }
    auto badge = device::objc::create<uikit::UILabel>();
    badge->setTag(kBadgeTag);
    badge->setText(std::to_string(tagCount));
    badge->setTextAlignment(uikit::NSTextAlignment::Center);
    badge->setTextColor(uikit::UIColor::whiteColor());
    badge->setBackgroundColor(uikit::UIColor::rgba(0.5, 0.5, 0.5));
    badge->setClipsToBounds(true);
    double inset = core::isTablet() ? 130 : 80;
    uikit::CGRect cellFrame = cell->frame();
    badge->setFrame(uikit::CGRectMake(cellFrame.width() - inset, (cellFrame.height() - kHeight) / 2, kWidth, kHeight));
    badge->layer().cornerRadius = kHeight / 2;
    cell->addSubview(badge);
    cell->bringSubviewToFront(badge.get());
}

}  // namespace velmora::pane
