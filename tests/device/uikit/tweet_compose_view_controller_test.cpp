#include "device/uikit/tweet_compose_view_controller.h"

#include "device/uikit/application.h"
#include "device/uikit/screen.h"
#include "device/uikit/touchscreen.h"
#include "tests/device/uikit/find_button.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::uikit {
namespace {

using testing_support::BootedDevice;
using testing_support::findButton;
using testing_support::Library;
using testing_support::centreOf;

UIViewController* presenter()
{
    return UIApplication::sharedApplication().keyWindow()->rootViewController();
}

std::shared_ptr<TWTweetComposeViewController> presentComposer(std::string text)
{
    auto composer = objc::create<TWTweetComposeViewController>();
    EXPECT_TRUE(composer->setInitialText(std::move(text)));
    presenter()->presentViewControllerAnimated(composer, true);
    return composer;
}

TEST(TWTweetComposeViewController, ShowsItsTextFullScreenOnAPhoneAndCancelClosesIt)
{
    BootedDevice phone("phone", Library::None);
    auto& device = phone.boot();
    ASSERT_TRUE(TWTweetComposeViewController::canSendTweet());
    auto composer = presentComposer("I organise my settings");
    device.advance(1);
    EXPECT_EQ(composer->view()->frameInWindow(), UIScreen::mainScreen().bounds());
    EXPECT_FALSE(composer->setInitialText("Too late"));
    EXPECT_EQ(composer->initialText(), "I organise my settings");

    Touchscreen().tap(centreOf(*findButton(*composer->view(), "Cancel")));
    device.advance(1);
    EXPECT_EQ(presenter()->presentedViewController(), nullptr);
}

TEST(TWTweetComposeViewController, IsAFormSheetOnATabletAndSendClosesIt)
{
    BootedDevice tablet("tablet", Library::None);
    auto& device = tablet.boot();
    auto composer = presentComposer("Hello");
    device.advance(1);
    CGRect frame = composer->view()->frameInWindow();
    EXPECT_LT(frame.width(), UIScreen::mainScreen().bounds().width());
    UIButton* send = findButton(*composer->view(), "Send");
    ASSERT_NE(send, nullptr);
    EXPECT_LE(send->frameInWindow().maxX(), frame.maxX());

    Touchscreen().tap(centreOf(*send));
    device.advance(1);
    EXPECT_EQ(presenter()->presentedViewController(), nullptr);
}

}  // namespace
}  // namespace device::uikit
