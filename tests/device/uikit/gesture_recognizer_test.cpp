#include "device/uikit/application.h"
#include "device/uikit/label.h"
#include "device/uikit/pan_gesture_recognizer.h"
#include "device/uikit/tap_gesture_recognizer.h"
#include "device/uikit/touchscreen.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

#include <algorithm>

namespace device::uikit {
namespace {

using testing_support::BootedDevice;
using testing_support::Library;
using testing_support::selector;
using testing_support::TouchRecorder;
using Calls = std::vector<std::string>;

// A full-screen panel over the app with a strip across its middle.
struct Stage {
    std::shared_ptr<UIView> panel = objc::create<UIView>(CGRectMake(0, 0, 320, 568));
    std::shared_ptr<UIView> strip = objc::create<UIView>(CGRectMake(0, 200, 320, 100));

    Stage()
    {
        panel->addSubview(strip);
        UIApplication::sharedApplication().keyWindow()->addOverlay(panel);
    }
};

std::shared_ptr<UIPanGestureRecognizer> panOn(UIView& view, TouchRecorder& target)
{
    auto pan = UIPanGestureRecognizer::initWithTargetAction(&target, selector("panned:"));
    view.addGestureRecognizer(pan);
    return pan;
}

long count(const Calls& calls, const std::string& call)
{
    return std::count(calls.begin(), calls.end(), call);
}

TEST(GestureRecognizers, ATapIsRecognisedOnlyWhenTheFingerStaysPut)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    Stage stage;
    auto recorder = TouchRecorder::make();
    auto tap = UITapGestureRecognizer::initWithTargetAction(recorder.get(), selector("tapped:"));
    stage.strip->addGestureRecognizer(tap);
    EXPECT_EQ(tap->view(), stage.strip.get());
    EXPECT_EQ(stage.strip->gestureRecognizers().size(), 1u);
    Touchscreen screen;

    screen.tap({60, 250});
    EXPECT_EQ(recorder->calls, (Calls{"tap ended"}));
    EXPECT_EQ(tap->locationInView(stage.strip.get()), (CGPoint{60, 50}));
    EXPECT_EQ(tap->state(), UIGestureRecognizerState::Possible) << "ready for the next touch";

    screen.pan({60, 250}, {60, 280}, 3);
    screen.tap({60, 350});
    EXPECT_EQ(recorder->calls, (Calls{"tap ended"}));

    stage.strip->removeGestureRecognizer(tap.get());
    EXPECT_EQ(tap->view(), nullptr);
    screen.tap({60, 250});
    EXPECT_EQ(recorder->calls, (Calls{"tap ended"}));
}

TEST(GestureRecognizers, ALabelTakesTapsOnlyOnceItsUserInteractionIsEnabled)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    Stage stage;
    auto recorder = TouchRecorder::make();
    auto label = objc::create<UILabel>(CGRectMake(20, 20, 100, 30));
    stage.strip->addSubview(label);
    label->addGestureRecognizer(UITapGestureRecognizer::initWithTargetAction(recorder.get(), selector("tapped:")));

    Touchscreen().tap({70, 235});
    EXPECT_TRUE(recorder->calls.empty());
    label->setUserInteractionEnabled(true);
    Touchscreen().tap({70, 235});
    EXPECT_EQ(recorder->calls, (Calls{"tap ended"}));
}

TEST(GestureRecognizers, APanBeginsAfterTenPointsAndFollowsTheFingerToTheEnd)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    Stage stage;
    auto recorder = TouchRecorder::make();
    auto pan = panOn(*stage.strip, *recorder);
    Touchscreen screen;

    screen.press({100, 250});
    screen.move({105, 250});
    EXPECT_TRUE(recorder->calls.empty());
    screen.move({110, 250});
    EXPECT_EQ(recorder->calls, (Calls{"pan began"}));
    for (int x = 115; x <= 200; x += 5) {
        screen.move({static_cast<double>(x), 250});
    }
    EXPECT_EQ(pan->state(), UIGestureRecognizerState::Changed);
    screen.release();

    EXPECT_EQ(recorder->calls.back(), "pan ended");
    EXPECT_EQ(count(recorder->calls, "pan changed"), 18);
    EXPECT_EQ(recorder->translation, (CGPoint{100, 0}));
    EXPECT_EQ(recorder->first, (CGPoint{100, 250}));
    EXPECT_EQ(recorder->last, (CGPoint{200, 250}));
    EXPECT_NEAR(recorder->velocity.x, 5 / Touchscreen::kFrameSeconds, 1e-6);
    EXPECT_EQ(recorder->velocity.y, 0);

    recorder->calls.clear();
    screen.tap({100, 250});
    EXPECT_TRUE(recorder->calls.empty()) << "a finger that never moves makes no pan";
}

TEST(GestureRecognizers, TheNearestRecogniserWinsUnlessADelegateLetsBothRecognise)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    Stage stage;
    auto inner = TouchRecorder::make();
    auto outer = TouchRecorder::make();
    auto innerPan = panOn(*stage.strip, *inner);
    panOn(*stage.panel, *outer);
    Touchscreen screen;

    screen.pan({100, 250}, {100, 350}, 10);
    EXPECT_EQ(inner->calls.front(), "pan began");
    EXPECT_TRUE(outer->calls.empty());

    inner->calls.clear();
    innerPan->setDelegate(inner.get());
    inner->allowsSimultaneous = true;
    screen.pan({100, 250}, {100, 350}, 10);
    EXPECT_EQ(inner->calls.back(), "pan ended");
    EXPECT_EQ(outer->calls.back(), "pan ended");
    EXPECT_EQ(count(outer->calls, "pan began"), 1);
}

TEST(GestureRecognizers, ADelegateCanKeepARecogniserFromBeginningAndTheNextOneTakesOver)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    Stage stage;
    auto inner = TouchRecorder::make();
    auto outer = TouchRecorder::make();
    auto innerPan = panOn(*stage.strip, *inner);
    panOn(*stage.panel, *outer);
    innerPan->setDelegate(inner.get());
    inner->allowsBegin = false;

    Touchscreen().pan({100, 250}, {100, 350}, 10);
    EXPECT_EQ(inner->calls, (Calls{"should begin?"}));
    EXPECT_EQ(outer->calls.front(), "pan began");
    EXPECT_EQ(outer->calls.back(), "pan ended");
}

}  // namespace
}  // namespace device::uikit
