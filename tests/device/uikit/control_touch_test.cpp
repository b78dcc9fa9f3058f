#include "device/uikit/application.h"
#include "device/uikit/button.h"
#include "device/uikit/tap_gesture_recognizer.h"
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

struct ButtonOnScreen {
    std::shared_ptr<TouchRecorder> recorder = TouchRecorder::make();
    std::shared_ptr<UIView> panel = objc::create<UIView>(CGRectMake(0, 0, 320, 568));
    std::shared_ptr<UIButton> button = objc::create<UIButton>(CGRectMake(100, 200, 120, 44));

    ButtonOnScreen()
    {
        for (auto [name, event] : {std::pair{"touchDown:", UIControlEventTouchDown},
                                   std::pair{"touchUpInside:", UIControlEventTouchUpInside},
                                   std::pair{"touchUpOutside:", UIControlEventTouchUpOutside},
                                   std::pair{"touchCancel:", UIControlEventTouchCancel}}) {
            button->addTargetActionForControlEvents(recorder.get(), selector(name), event);
        }
        panel->addSubview(button);
        UIApplication::sharedApplication().keyWindow()->addOverlay(panel);
    }
};

TEST(ControlTouches, AButtonReportsWhereTheFingerLifts)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    ButtonOnScreen shown;
    Touchscreen screen;

    screen.tap({160, 220});
    EXPECT_EQ(shown.recorder->calls, (Calls{"down", "up inside"}));

    shown.recorder->calls.clear();
    screen.press({160, 220});
    EXPECT_EQ(shown.recorder->calls, (Calls{"down"}));
    screen.move({160, 300});
    screen.release();
    EXPECT_EQ(shown.recorder->calls, (Calls{"down", "up outside"}));

    shown.recorder->calls.clear();
    screen.press({160, 300});
    screen.move({160, 220});
    screen.release();
    EXPECT_TRUE(shown.recorder->calls.empty()) << "a finger that lands elsewhere never reaches the button";
}

TEST(ControlTouches, ADisabledButtonIgnoresTheFinger)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    ButtonOnScreen shown;
    shown.button->setEnabled(false);

    Touchscreen().tap({160, 220});
    EXPECT_TRUE(shown.recorder->calls.empty());
}

TEST(ControlTouches, ARecogniserThatTakesTheTouchCancelsItForTheButtonUnlessToldNotTo)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    ButtonOnScreen shown;
    auto tap = UITapGestureRecognizer::initWithTargetAction(shown.recorder.get(), selector("tapped:"));
    shown.panel->addGestureRecognizer(tap);

    Touchscreen().tap({160, 220});
    EXPECT_EQ(shown.recorder->calls, (Calls{"down", "tap ended", "cancel"}));

    shown.recorder->calls.clear();
    tap->setCancelsTouchesInView(false);
    Touchscreen().tap({160, 220});
    EXPECT_EQ(shown.recorder->calls, (Calls{"down", "tap ended", "up inside"}));
}

}  // namespace
}  // namespace device::uikit
