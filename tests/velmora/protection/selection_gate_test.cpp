#include "tests/velmora/support/library_test.h"

#include "device/foundation/run_loop.h"
#include "device/objc/message.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/scroll_view.h"
#include "device/uikit/table_view_cell.h"

#include <gtest/gtest.h>

namespace velmora::testing {
namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;

class SelectionGateTest : public LibraryTest {};

// A row whose swipe buttons are open first slides them away; the host opens the row when they are gone.
TEST_F(SelectionGateTest, AnOpenRowClosesItsSwipeButtonsBeforeTheHostOpensIt)
{
    auto root = rootList({group(), row("Wi-Fi"), row("General")});
    auto navigation = uikit::UINavigationController::initWithRootViewController(root);
    uikit::NSIndexPath general{0, 1};
    uikit::UITableViewCell* cell = root->table()->cellForRowAtIndexPath(general);
    ASSERT_NE(cell, nullptr);
    auto* scroller = dynamic_cast<uikit::UIScrollView*>(cell->subviews()[0].get());
    ASSERT_NE(scroller, nullptr);
    auto hide = objc::create<uikit::UIView>(uikit::CGRectMake(200, 0, 80, 44));
    hide->setTag(1000);
    auto more = objc::create<uikit::UIView>(uikit::CGRectMake(120, 0, 80, 44));
    more->setTag(2000);
    scroller->addSubview(hide);
    scroller->addSubview(more);
    scroller->setContentOffset({160, 0});

    objc::msgSend<void>(root.get(), "tableView:didSelectRowAtIndexPath:", root->table(), general);
    device::foundation::RunLoop::main().advance(0.2);
    EXPECT_EQ(navigation->topViewController(), root.get());
    device::foundation::RunLoop::main().advance(0.1);
    EXPECT_EQ(navigation->topViewController()->title(), "General");
    EXPECT_EQ(scroller->contentOffset(), (uikit::CGPoint{0, 0}));
    EXPECT_EQ(hide->frame(), uikit::CGRectMake(scroller->frame().width(), 0, 80, 44));
    EXPECT_EQ(more->frame(), uikit::CGRectMake(120, 0, 80, 44));
}

}  // namespace
}  // namespace velmora::testing
