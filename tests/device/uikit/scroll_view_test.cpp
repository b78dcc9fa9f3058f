#include "device/settings/prefs_list_controller.h"
#include "device/uikit/pan_gesture_recognizer.h"
#include "device/uikit/refresh_control.h"
#include "device/uikit/touchscreen.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::uikit {
namespace {

using testing_support::BootedDevice;
using testing_support::Library;
using testing_support::rowLabelled;
using testing_support::selector;
using testing_support::TouchRecorder;
using Calls = std::vector<std::string>;

// Moves the finger down the screen by `distance` in steps of 10 points.
void dragBy(Touchscreen& screen, CGPoint from, double distance)
{
    screen.press(from);
    for (int step = 1; step * 10 <= std::abs(distance); ++step) {
        screen.move({from.x, from.y + (distance > 0 ? 10 : -10) * step});
    }
}

TEST(Scrolling, TheListFollowsAVerticalDragAndStaysWhereItIsLeft)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    UITableView* table = phone.root()->table();
    Touchscreen screen;

    dragBy(screen, {100, 450}, -200);
    EXPECT_TRUE(table->isDragging());
    EXPECT_EQ(table->contentOffset().y, 190) << "the first ten points only start the drag";
    screen.release();
    EXPECT_FALSE(table->isDragging());
    EXPECT_EQ(table->contentOffset().y, 190);
    EXPECT_EQ(phone.device().app().navigation()->viewControllers().size(), 1u) << "a drag opens no row";

    dragBy(screen, {100, 200}, 300);
    screen.release();
    EXPECT_EQ(table->contentOffset().y, 0) << "let go above the top, the list springs back";

    screen.pan({300, 300}, {100, 300}, 10);
    EXPECT_EQ(table->contentOffset().y, 0) << "a sideways pan does not scroll";
}

TEST(Scrolling, PullingPastTheThresholdAndLettingGoStartsTheRefreshControl)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    UITableView* table = phone.root()->table();
    auto recorder = TouchRecorder::make();
    auto control = objc::create<UIRefreshControl>();
    control->addTargetActionForControlEvents(recorder.get(), selector("valueChanged:"), UIControlEventValueChanged);
    table->insertSubviewAtIndex(control, 0);
    Touchscreen screen;

    dragBy(screen, {100, 150}, UIScrollView::kRefreshThreshold);
    screen.release();
    EXPECT_TRUE(recorder->calls.empty()) << "pulled by 50 points only";
    EXPECT_EQ(table->contentOffset().y, 0);

    dragBy(screen, {100, 150}, UIScrollView::kRefreshThreshold + 10);
    EXPECT_TRUE(recorder->calls.empty()) << "nothing happens until the finger lifts";
    screen.release();
    EXPECT_EQ(recorder->calls, (Calls{"value changed"}));
    EXPECT_TRUE(control->isRefreshing());
    EXPECT_EQ(table->contentOffset().y, -control->frame().height()) << "the control stays in sight";

    control->endRefreshing();
    EXPECT_EQ(table->contentOffset().y, 0);
}

TEST(Scrolling, ARecogniserOnARowKeepsTheListStillUnlessItMayRecogniseWithIt)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    UITableView* table = phone.root()->table();
    UITableViewCell* row = rowLabelled(*table, "Wi-Fi");
    ASSERT_NE(row, nullptr);
    auto recorder = TouchRecorder::make();
    auto pan = UIPanGestureRecognizer::initWithTargetAction(recorder.get(), selector("panned:"));
    row->addGestureRecognizer(pan);
    CGPoint onRow = testing_support::centreOf(*row->textLabel());
    Touchscreen screen;

    dragBy(screen, onRow, -100);
    EXPECT_FALSE(table->isDragging());
    screen.release();
    EXPECT_EQ(table->contentOffset().y, 0);
    ASSERT_FALSE(recorder->calls.empty());
    EXPECT_EQ(recorder->calls.back(), "pan ended");

    pan->setDelegate(recorder.get());
    recorder->allowsSimultaneous = true;
    dragBy(screen, onRow, -100);
    EXPECT_TRUE(table->isDragging());
    EXPECT_EQ(recorder->calls.back(), "pan changed");
    screen.release();
    EXPECT_EQ(table->contentOffset().y, 90);
}

}  // namespace
}  // namespace device::uikit
