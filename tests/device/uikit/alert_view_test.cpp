#include "device/uikit/alert_view.h"

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

TEST(UIAlertView, NumbersTheCancelButtonFirstThenTheOthersInOrder)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto withCancel = UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        "Title", "Message", nullptr, "Cancel", {"One", "Two"});
    EXPECT_EQ(withCancel->addButtonWithTitle("Three"), 3);
    EXPECT_EQ(withCancel->cancelButtonIndex(), 0);
    EXPECT_EQ(titlesOf(*withCancel), (std::vector<std::string>{"Cancel", "One", "Two", "Three"}));

    auto withoutCancel = UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        "Title", "Message", nullptr, std::nullopt, {"One"});
    EXPECT_EQ(withoutCancel->cancelButtonIndex(), -1);
    EXPECT_EQ(withoutCancel->numberOfButtons(), 1);
    EXPECT_EQ(withoutCancel->buttonTitleAtIndex(0), "One");
}

TEST(UIAlertView, ATappedButtonIsReportedThenTheAlertGoesAndReportsItsDismissal)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    auto delegate = RecordingDelegate::make();
    auto alert = UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        "Remove?", "It cannot be undone.", delegate.get(), "Cancel", {"Remove"});
    alert->show();
    ASSERT_EQ(UIAlertView::visibleAlert(), alert.get());

    Touchscreen().tap(centreOf(*findButton(*alert, "Remove")));
    EXPECT_EQ(delegate->calls, (Calls{"clicked 1"}));
    device.advance(1);
    EXPECT_EQ(delegate->calls, (Calls{"clicked 1", "dismissed 1"}));
    EXPECT_EQ(UIAlertView::visibleAlert(), nullptr);
    EXPECT_FALSE(alert->isVisible());
    EXPECT_EQ(alert->superview(), nullptr);
}

TEST(UIAlertView, LaysTwoButtonsSideBySideWithCancelOnTheLeftAndStacksMoreWithCancelAtTheBottom)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto two = UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles("Two", "", nullptr,
                                                                                           "Cancel", {"OK"});
    two->show();
    CGRect cancel = findButton(*two, "Cancel")->frameInWindow();
    CGRect ok = findButton(*two, "OK")->frameInWindow();
    EXPECT_EQ(cancel.minY(), ok.minY());
    EXPECT_LT(cancel.maxX(), ok.maxX());
    two->dismissWithClickedButtonIndexAnimated(0, false);

    auto three = UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        "Three", "", nullptr, "Cancel", {"First", "Second"});
    three->show();
    double first = findButton(*three, "First")->frameInWindow().minY();
    double second = findButton(*three, "Second")->frameInWindow().minY();
    double last = findButton(*three, "Cancel")->frameInWindow().minY();
    EXPECT_LT(first, second);
    EXPECT_LT(second, last);
}

TEST(UIAlertView, ASecondAlertWaitsUntilTheFirstIsDismissed)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    auto firstDelegate = RecordingDelegate::make();
    auto secondDelegate = RecordingDelegate::make();
    auto first = UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        "First", "", firstDelegate.get(), "OK");
    auto second = UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        "Second", "", secondDelegate.get(), "Fine");
    first->show();
    second->show();
    EXPECT_EQ(UIAlertView::visibleAlert(), first.get());
    EXPECT_FALSE(second->isVisible());
    EXPECT_EQ(second->superview(), nullptr);

    Touchscreen().tap(centreOf(*findButton(*first, "OK")));
    device.advance(1);
    EXPECT_EQ(UIAlertView::visibleAlert(), second.get());
    EXPECT_EQ(firstDelegate->calls, (Calls{"clicked 0", "dismissed 0"}));
    EXPECT_TRUE(secondDelegate->calls.empty());

    Touchscreen().tap(centreOf(*findButton(*second, "Fine")));
    device.advance(1);
    EXPECT_EQ(UIAlertView::visibleAlert(), nullptr);
    EXPECT_EQ(secondDelegate->calls, (Calls{"clicked 0", "dismissed 0"}));
}

TEST(UIAlertView, IgnoresTapsOnTheDimmedScreenAroundIt)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    auto delegate = RecordingDelegate::make();
    auto alert = UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles("Title", "Message",
                                                                                             delegate.get(), "OK");
    alert->show();
    Touchscreen().tap({10, 10});
    Touchscreen().tap({160, UIScreen::mainScreen().bounds().height() - 10});
    device.advance(1);
    EXPECT_EQ(UIAlertView::visibleAlert(), alert.get());
    EXPECT_TRUE(delegate->calls.empty());
}

TEST(UIAlertView, IsGoneAfterARelaunch)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles("Title", "", nullptr, "OK")->show();
    device.relaunch();
    EXPECT_EQ(UIAlertView::visibleAlert(), nullptr);
}

}  // namespace
}  // namespace device::uikit
