#include "device/foundation/run_loop.h"
#include "device/uikit/application.h"
#include "device/uikit/button.h"
#include "device/uikit/touchscreen.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::uikit {
namespace {

using testing_support::BootedDevice;
using testing_support::Library;
using testing_support::selector;
using testing_support::TouchRecorder;
using Calls = std::vector<std::string>;

double now()
{
    return foundation::RunLoop::main().now();
}

void advance(double seconds)
{
    foundation::RunLoop::main().advance(seconds);
}

// The alpha shown halfway through a one-second fade from 0 to 1 with these options.
double alphaHalfway(std::uint32_t options, double fraction = 0.5)
{
    auto view = objc::create<UIView>();
    view->setAlpha(0);
    double start = now();
    UIView::animateWithDuration(1, 0, options, [&] { view->setAlpha(1); }, {});
    return view->presentationAlpha(start + fraction);
}

TEST(ViewAnimation, ModelValuesChangeAtOnceWhileTheScreenFollowsTheCurve)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto view = objc::create<UIView>(CGRectMake(0, 0, 100, 100));
    double start = now();
    UIView::animateWithDuration(2, [&] {
        view->setFrame(CGRectMake(100, 0, 100, 100));
        view->setBackgroundColor(UIColor::white(1));
    });
    EXPECT_EQ(view->frame().minX(), 100);
    EXPECT_EQ(view->presentationFrame(start).minX(), 0);
    EXPECT_NEAR(view->presentationFrame(start + 1).minX(), 50, 1e-6);
    EXPECT_NEAR(view->presentationBackgroundColor(start + 1).alpha, 0.5, 1e-6);
    EXPECT_EQ(view->presentationFrame(start + 2).minX(), 100);

    EXPECT_NEAR(alphaHalfway(UIViewAnimationOptionCurveLinear, 0.25), 0.25, 1e-9);
    EXPECT_LT(alphaHalfway(UIViewAnimationOptionCurveEaseInOut, 0.25), 0.25);
    EXPECT_LT(alphaHalfway(UIViewAnimationOptionCurveEaseIn), 0.5);
    EXPECT_GT(alphaHalfway(UIViewAnimationOptionCurveEaseOut), 0.5);
}

TEST(ViewAnimation, ADelayedAnimationShowsTheOldValueUntilItStarts)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto view = objc::create<UIView>();
    double start = now();
    UIView::animateWithDuration(1, 0.5, UIViewAnimationOptionCurveLinear, [&] { view->setAlpha(0); }, {});
    EXPECT_EQ(view->alpha(), 0);
    EXPECT_EQ(view->presentationAlpha(start + 0.5), 1);
    EXPECT_NEAR(view->presentationAlpha(start + 1), 0.5, 1e-9);
}

TEST(ViewAnimation, CompletionsComeAtTheEndInTimeOrderAndAReplacedAnimationDidNotFinish)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto a = objc::create<UIView>();
    auto b = objc::create<UIView>();
    Calls calls;
    auto record = [&calls](std::string name) { return [&calls, name](bool finished) {
        calls.push_back(name + (finished ? " finished" : " stopped"));
    }; };

    UIView::animateWithDuration(0.5, [&] { a->setAlpha(0.5); }, record("slow"));
    UIView::animateWithDuration(0.25, [&] { b->setAlpha(0.5); }, record("quick"));
    UIView::animateWithDuration(0.1, [] {}, record("empty"));
    advance(0);
    EXPECT_EQ(calls, (Calls{"empty finished"})) << "with nothing to animate, the completion comes at once";
    advance(0.2);
    EXPECT_EQ(calls.size(), 1u);
    advance(0.05);
    EXPECT_EQ(calls, (Calls{"empty finished", "quick finished"}));

    UIView::animateWithDuration(1, [&] { a->setAlpha(1); }, record("replacing"));
    advance(0);
    EXPECT_EQ(calls.back(), "slow stopped");
    EXPECT_EQ(a->presentationAlpha(now()), 0.5) << "the new animation starts from the model value, the platform's default";
    advance(1);
    EXPECT_EQ(calls.back(), "replacing finished");
}

TEST(ViewAnimation, AnAnimatedViewTakesNoTouchesUnlessAllowed)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto recorder = TouchRecorder::make();
    auto button = objc::create<UIButton>(CGRectMake(0, 100, 320, 100));
    button->addTargetActionForControlEvents(recorder.get(), selector("touchUpInside:"), UIControlEventTouchUpInside);
    UIApplication::sharedApplication().keyWindow()->addOverlay(button);
    Touchscreen screen;

    UIView::animateWithDuration(0.5, [&] { button->setAlpha(0.5); });
    screen.tap({160, 150});
    EXPECT_TRUE(recorder->calls.empty());
    advance(0.5);
    screen.tap({160, 150});
    EXPECT_EQ(recorder->calls, (Calls{"up inside"}));

    UIView::animateWithDuration(0.5, 0, UIViewAnimationOptionAllowUserInteraction, [&] { button->setAlpha(1); }, {});
    screen.tap({160, 150});
    EXPECT_EQ(recorder->calls, (Calls{"up inside", "up inside"}));
}

TEST(ViewAnimation, AScrollOffsetSetInsideAnAnimationMovesOverTime)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto scroller = objc::create<UIScrollView>(CGRectMake(0, 0, 320, 44));
    scroller->setContentOffset({150, 0});
    bool done = false;
    double start = now();
    UIView::animateWithDuration(0.25, 0, UIViewAnimationOptionCurveLinear,
                                [&] { scroller->setContentOffset({0, 0}); }, [&](bool) { done = true; });
    EXPECT_EQ(scroller->presentationBounds(start + 0.125).minX(), 75);
    advance(0.2);
    EXPECT_FALSE(done);
    advance(0.05);
    EXPECT_TRUE(done);
}

}  // namespace
}  // namespace device::uikit
