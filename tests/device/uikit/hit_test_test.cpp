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

std::shared_ptr<UIButton> recordedButton(CGRect frame, TouchRecorder& recorder)
{
    auto button = objc::create<UIButton>(frame);
    button->addTargetActionForControlEvents(&recorder, selector("touchUpInside:"), UIControlEventTouchUpInside);
    return button;
}

UIWindow& keyWindow()
{
    return *UIApplication::sharedApplication().keyWindow();
}

TEST(HitTesting, TheFrontmostViewThatTakesTouchesGetsTheTap)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto backRecorder = TouchRecorder::make();
    auto frontRecorder = TouchRecorder::make();
    auto panel = objc::create<UIView>(CGRectMake(0, 100, 320, 200));
    auto back = recordedButton(CGRectMake(0, 0, 320, 200), *backRecorder);
    auto front = recordedButton(CGRectMake(0, 0, 160, 200), *frontRecorder);
    front->setTitle("Front");
    panel->addSubview(back);
    panel->addSubview(front);
    keyWindow().addOverlay(panel);
    Touchscreen screen;

    screen.tap({80, 200});
    EXPECT_EQ(frontRecorder->calls, (Calls{"up inside"}));
    EXPECT_TRUE(backRecorder->calls.empty());

    auto tapPassesThroughFront = [&](const std::function<void()>& change, const std::function<void()>& undo) {
        backRecorder->calls.clear();
        change();
        screen.tap({80, 200});
        undo();
        return backRecorder->calls == Calls{"up inside"};
    };
    EXPECT_TRUE(tapPassesThroughFront([&] { front->setHidden(true); }, [&] { front->setHidden(false); }));
    EXPECT_TRUE(tapPassesThroughFront([&] { front->setAlpha(0.01); }, [&] { front->setAlpha(1); }));
    EXPECT_TRUE(tapPassesThroughFront([&] { front->setUserInteractionEnabled(false); },
                                      [&] { front->setUserInteractionEnabled(true); }));
    EXPECT_FALSE(tapPassesThroughFront([&] { front->setAlpha(0.02); }, [&] { front->setAlpha(1); }));

    EXPECT_EQ(keyWindow().hitTest({80, 200}), front.get()) << "the button's title label takes no touches";
}

TEST(HitTesting, APointOutsideAViewMissesEverythingInsideIt)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto recorder = TouchRecorder::make();
    auto panel = objc::create<UIView>(CGRectMake(0, 100, 320, 100));
    auto overhanging = recordedButton(CGRectMake(0, 50, 320, 100), *recorder);
    panel->addSubview(overhanging);
    keyWindow().addOverlay(panel);

    Touchscreen().tap({160, 175});
    Touchscreen().tap({160, 225});
    EXPECT_EQ(recorder->calls, (Calls{"up inside"}));
    EXPECT_FALSE(keyWindow().hitTest({160, 225})->isDescendantOf(panel.get()));
    EXPECT_EQ(keyWindow().hitTest({400, 100}), nullptr);
}

TEST(HitTesting, PresentedPagesLieAboveTheirPresenterAndOverlaysAboveEverything)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto* root = phone.root();
    auto presented = objc::create<UIViewController>();
    root->presentViewControllerAnimated(presented, false);
    UIWindow& window = keyWindow();
    window.layoutIfNeeded();
    EXPECT_TRUE(window.hitTest({160, 300})->isDescendantOf(presented->view()));

    auto overlay = objc::create<UIView>(CGRectMake(0, 0, 320, 568));
    window.addOverlay(overlay);
    auto late = objc::create<UIView>(CGRectMake(0, 0, 320, 568));
    window.addSubview(late);
    window.layoutIfNeeded();
    EXPECT_EQ(window.hitTest({160, 300}), overlay.get());

    window.removeOverlay(overlay.get());
    EXPECT_EQ(overlay->superview(), nullptr);
    EXPECT_EQ(window.hitTest({160, 300}), late.get());
    late->removeFromSuperview();

    root->dismissViewControllerAnimated(false);
    window.layoutIfNeeded();
    EXPECT_EQ(presented->view()->superview(), nullptr);
    EXPECT_TRUE(window.hitTest({160, 300})->isDescendantOf(root->view()));
}

}  // namespace
}  // namespace device::uikit
