#include "device/uikit/action_sheet.h"

#include "device/uikit/application.h"
#include "device/uikit/screen.h"
#include "device/uikit/touchscreen.h"
#include "tests/device/uikit/find_button.h"
#include "tests/device/uikit/recording_delegate.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::uikit {
namespace {

using testing_support::BootedDevice;
using testing_support::findButton;
using testing_support::titlesOf;
using testing_support::Library;
using testing_support::RecordingDelegate;
using testing_support::centreOf;
using Calls = std::vector<std::string>;

std::shared_ptr<UIActionSheet> sortSheet(objc::id delegate, bool withReset)
{
    return UIActionSheet::initWithTitleDelegateCancelButtonTitleDestructiveButtonTitleOtherButtonTitles(
        "Sort", delegate, "Cancel", withReset ? std::optional<std::string>("Reset") : std::nullopt, {"A->Z", "Z->A"});
}

TEST(UIActionSheet, NumbersTheDestructiveButtonFirstThenTheOthersThenCancel)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto withReset = sortSheet(nullptr, true);
    EXPECT_EQ(titlesOf(*withReset), (std::vector<std::string>{"Reset", "A->Z", "Z->A", "Cancel"}));
    EXPECT_EQ(withReset->destructiveButtonIndex(), 0);
    EXPECT_EQ(withReset->cancelButtonIndex(), 3);

    auto withoutReset = sortSheet(nullptr, false);
    EXPECT_EQ(titlesOf(*withoutReset), (std::vector<std::string>{"A->Z", "Z->A", "Cancel"}));
    EXPECT_EQ(withoutReset->destructiveButtonIndex(), -1);
    EXPECT_EQ(withoutReset->cancelButtonIndex(), 2);

    // Buttons added later come after the cancel button, which keeps its number.
    EXPECT_EQ(withoutReset->addButtonWithTitle("Later"), 3);
    EXPECT_EQ(withoutReset->cancelButtonIndex(), 2);
}

TEST(UIActionSheet, OnAPhoneRisesFromTheBottomWithItsCancelButtonApartBelow)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    auto delegate = RecordingDelegate::make();
    auto sheet = sortSheet(delegate.get(), true);
    sheet->showInView(UIApplication::sharedApplication().keyWindow());
    ASSERT_EQ(UIActionSheet::visibleSheet(), sheet.get());
    EXPECT_FALSE(sheet->isPopover());

    double screenBottom = UIScreen::mainScreen().bounds().height();
    CGRect cancel = findButton(*sheet, "Cancel")->frameInWindow();
    CGRect last = findButton(*sheet, "Z->A")->frameInWindow();
    EXPECT_GT(cancel.maxY(), screenBottom - 20);
    EXPECT_GT(cancel.minY() - last.maxY(), 4);
    EXPECT_LT(findButton(*sheet, "Reset")->frameInWindow().minY(), findButton(*sheet, "A->Z")->frameInWindow().minY());

    Touchscreen().tap(centreOf(*findButton(*sheet, "Z->A")));
    EXPECT_EQ(delegate->calls, (Calls{"clicked 2"}));
    device.advance(1);
    EXPECT_EQ(delegate->calls, (Calls{"clicked 2", "dismissed 2"}));
    EXPECT_EQ(UIActionSheet::visibleSheet(), nullptr);
}

TEST(UIActionSheet, OnAPhoneATapOnTheDimmedScreenDoesNothing)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    auto delegate = RecordingDelegate::make();
    auto sheet = sortSheet(delegate.get(), false);
    sheet->showInView(UIApplication::sharedApplication().keyWindow());
    Touchscreen().tap({160, 40});
    device.advance(1);
    EXPECT_EQ(UIActionSheet::visibleSheet(), sheet.get());
    EXPECT_TRUE(delegate->calls.empty());
}

TEST(UIActionSheet, OnATabletIsAPopoverWithoutCancelThatATapOutsideCancels)
{
    BootedDevice tablet("tablet", Library::None);
    auto& device = tablet.boot();
    auto delegate = RecordingDelegate::make();
    auto item = UIBarButtonItem::initWithTitle("Order", UIBarButtonItemStyle::Bordered, nullptr, nullptr);
    tablet.root()->navigationItem()->setRightBarButtonItem(item);
    auto sheet = sortSheet(delegate.get(), true);
    sheet->showFromBarButtonItemAnimated(item.get(), true);
    ASSERT_EQ(UIActionSheet::visibleSheet(), sheet.get());
    EXPECT_TRUE(sheet->isPopover());
    EXPECT_EQ(findButton(*sheet, "Cancel"), nullptr);
    EXPECT_EQ(sheet->cancelButtonIndex(), 3);
    CGRect button = findButton(*UIApplication::sharedApplication().keyWindow(), "Order")->frameInWindow();
    CGRect reset = findButton(*sheet, "Reset")->frameInWindow();
    EXPECT_LT(reset.width(), UIScreen::mainScreen().bounds().width() / 2);
    EXPECT_GT(reset.minY(), button.maxY());
    EXPECT_LT(reset.minX(), button.maxX());
    EXPECT_GT(reset.maxX(), button.minX());

    Touchscreen().tap({300, 700});
    EXPECT_EQ(delegate->calls, (Calls{"cancel", "clicked 3"}));
    device.advance(1);
    EXPECT_EQ(delegate->calls, (Calls{"cancel", "clicked 3", "dismissed 3"}));
    EXPECT_EQ(UIActionSheet::visibleSheet(), nullptr);
}

TEST(UIActionSheet, OnATabletShownFromARectHangsBesideIt)
{
    BootedDevice tablet("tablet", Library::None);
    auto& device = tablet.boot();
    auto delegate = RecordingDelegate::make();
    auto sheet = sortSheet(delegate.get(), false);
    UIWindow* window = UIApplication::sharedApplication().keyWindow();
    sheet->showFromRectInViewAnimated(CGRectMake(500, 300, 0, 0), window, true);
    CGRect first = findButton(*sheet, "A->Z")->frameInWindow();
    EXPECT_LE(first.minX(), 500);
    EXPECT_GE(first.maxX(), 500);
    EXPECT_GT(first.minY(), 300);

    Touchscreen().tap(centreOf(*findButton(*sheet, "A->Z")));
    device.advance(1);
    EXPECT_EQ(delegate->calls, (Calls{"clicked 0", "dismissed 0"}));
}

TEST(UIActionSheet, ShowingAnotherSheetDismissesTheOneOnScreen)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto firstDelegate = RecordingDelegate::make();
    auto first = sortSheet(firstDelegate.get(), false);
    auto second = sortSheet(nullptr, false);
    UIWindow* window = UIApplication::sharedApplication().keyWindow();
    first->showInView(window);
    second->showInView(window);
    EXPECT_EQ(UIActionSheet::visibleSheet(), second.get());
    EXPECT_FALSE(first->isVisible());
    EXPECT_EQ(firstDelegate->calls, (Calls{"dismissed 2"}));
}

}  // namespace
}  // namespace device::uikit
