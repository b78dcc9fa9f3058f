#include "device/uikit/text_field.h"

#include "device/uikit/application.h"
#include "device/uikit/keyboard.h"
#include "device/uikit/screen.h"
#include "device/uikit/touchscreen.h"
#include "device/uikit/view_controller.h"
#include "tests/device/uikit/find_button.h"
#include "tests/device/uikit/recording_delegate.h"
#include "tests/device/uikit/touch_support.h"
#include "tests/support/booted_device.h"

#include <gtest/gtest.h>

namespace device::uikit {
namespace {

using testing_support::BootedDevice;
using testing_support::Library;
using testing_support::RecordingDelegate;
using testing_support::centreOf;
using Calls = std::vector<std::string>;

// A field on screen, above the app's pages, whose delegate and control-event target is recorder.
std::shared_ptr<UITextField> fieldOnScreen(CGRect frame, RecordingDelegate* recorder = nullptr)
{
    auto field = objc::create<UITextField>(frame);
    if (recorder) {
        field->setDelegate(recorder);
        field->addTargetActionForControlEvents(recorder, objc::sel_registerName("editingDidBegin:"),
                                               UIControlEventEditingDidBegin);
        field->addTargetActionForControlEvents(recorder, objc::sel_registerName("editingChanged:"),
                                               UIControlEventEditingChanged);
        field->addTargetActionForControlEvents(recorder, objc::sel_registerName("editingDidEnd:"),
                                               UIControlEventEditingDidEnd);
    }
    UIApplication::sharedApplication().keyWindow()->addSubview(field);
    return field;
}

TEST(UITextField, ATapFocusesItAndTheKeyboardRisesAtTheBottomOfTheScreen)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto recorder = RecordingDelegate::make();
    auto field = fieldOnScreen(CGRectMake(20, 100, 280, 31), recorder.get());
    EXPECT_FALSE(Keyboard::isVisible());

    Touchscreen().tap(centreOf(*field));
    EXPECT_EQ(recorder->calls, (Calls{"should begin", "did begin", "event began"}));
    EXPECT_TRUE(field->isFirstResponder());
    EXPECT_EQ(UITextField::firstResponder(), field.get());
    ASSERT_TRUE(Keyboard::isVisible());
    EXPECT_EQ(Keyboard::keyboardType(), UIKeyboardType::Default);
    CGRect screen = UIScreen::mainScreen().bounds();
    EXPECT_EQ(Keyboard::view()->frameInWindow(),
              CGRectMake(0, screen.height() - Keyboard::kPhoneHeight, screen.width(), Keyboard::kPhoneHeight));
}

TEST(UITextField, SendsEachTypedCharacterAsAnEditingChange)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto recorder = RecordingDelegate::make();
    auto field = fieldOnScreen(CGRectMake(20, 100, 280, 31), recorder.get());
    Touchscreen().tap(centreOf(*field));
    recorder->calls.clear();

    Keyboard::type("hé");
    Keyboard::erase(1);
    EXPECT_EQ(field->text(), "h");
    EXPECT_EQ(recorder->calls, (Calls{"change 0+0 'h'", "event changed h", "change 1+0 'é'", "event changed hé",
                                      "change 1+1 ''", "event changed h"}));
}

TEST(UITextField, TappedKeysTypeLowercaseLettersSpacesAndDigitsAndTheDeleteKeyErases)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto field = fieldOnScreen(CGRectMake(20, 100, 280, 31));
    Touchscreen screen;
    screen.tap(centreOf(*field));
    auto tapKey = [&](std::string_view title) {
        UIButton* key = testing_support::findButton(*Keyboard::view(), title);
        ASSERT_NE(key, nullptr) << title;
        screen.tap(centreOf(*key));
    };
    for (std::string_view key : {"H", "I", "space", "Q", "⌫", "M"}) {
        tapKey(key);
    }
    EXPECT_EQ(field->text(), "hi m");

    field->setKeyboardType(UIKeyboardType::NumberPad);
    field->resignFirstResponder();
    screen.tap(centreOf(*field));
    for (std::string_view key : {"7", "0", "⌫", "9"}) {
        tapKey(key);
    }
    EXPECT_EQ(field->text(), "hi m79");
    EXPECT_EQ(testing_support::findButton(*Keyboard::view(), "A"), nullptr) << "a number pad has digits only";
}

TEST(UITextField, ADelegateCanRefuseACharacterAndHearsTheReturnKey)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto recorder = RecordingDelegate::make();
    recorder->refused = "x";
    auto field = fieldOnScreen(CGRectMake(20, 100, 280, 31), recorder.get());
    field->becomeFirstResponder();
    recorder->calls.clear();

    Keyboard::type("axb\n");
    EXPECT_EQ(field->text(), "ab");
    EXPECT_EQ(recorder->calls, (Calls{"change 0+0 'a'", "event changed a", "change 1+0 'x'", "change 1+0 'b'",
                                      "event changed ab", "return"}));
    EXPECT_TRUE(field->isFirstResponder());
}

TEST(UITextField, ANumberPadTypesDigitsOnly)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto field = fieldOnScreen(CGRectMake(20, 100, 280, 31));
    field->setKeyboardType(UIKeyboardType::NumberPad);
    field->becomeFirstResponder();
    EXPECT_EQ(Keyboard::keyboardType(), UIKeyboardType::NumberPad);

    Keyboard::type("1a2 -3\n");
    EXPECT_EQ(field->text(), "123");
}

TEST(UITextField, AHiddenFieldOutsideTheVisibleAreaStillTakesTypingWhileFocused)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto recorder = RecordingDelegate::make();
    auto field = fieldOnScreen(CGRectMake(320, 568, 10, 10), recorder.get());
    field->setHidden(true);
    field->setKeyboardType(UIKeyboardType::NumberPad);
    EXPECT_TRUE(field->becomeFirstResponder());
    Keyboard::type("42");
    EXPECT_EQ(field->text(), "42");
    EXPECT_EQ(recorder->calls.back(), "event changed 42");
}

TEST(UITextField, OneFieldHasTheFocusAtATime)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto first = RecordingDelegate::make();
    auto second = RecordingDelegate::make();
    auto top = fieldOnScreen(CGRectMake(20, 100, 280, 31), first.get());
    auto bottom = fieldOnScreen(CGRectMake(20, 200, 280, 31), second.get());

    Touchscreen().tap(centreOf(*top));
    Touchscreen().tap(centreOf(*bottom));
    EXPECT_EQ(first->calls, (Calls{"should begin", "did begin", "event began", "did end", "event ended"}));
    EXPECT_EQ(UITextField::firstResponder(), bottom.get());
    Keyboard::type("b");
    EXPECT_EQ(top->text(), "");
    EXPECT_EQ(bottom->text(), "b");
    EXPECT_TRUE(Keyboard::isVisible());
}

TEST(UITextField, EndingEditingInAnEnclosingViewResignsItAndLowersTheKeyboard)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto recorder = RecordingDelegate::make();
    auto field = fieldOnScreen(CGRectMake(20, 100, 280, 31), recorder.get());
    auto elsewhere = objc::create<UIView>();
    Touchscreen().tap(centreOf(*field));
    recorder->calls.clear();

    EXPECT_TRUE(elsewhere->endEditing(true));
    EXPECT_TRUE(field->isFirstResponder());
    EXPECT_TRUE(UIApplication::sharedApplication().keyWindow()->endEditing(true));
    EXPECT_EQ(recorder->calls, (Calls{"did end", "event ended"}));
    EXPECT_EQ(UITextField::firstResponder(), nullptr);
    EXPECT_FALSE(Keyboard::isVisible());
    Keyboard::type("lost");
    EXPECT_EQ(field->text(), "");
}

TEST(UITextField, AFocusedFieldThatLeavesTheScreenGivesUpTheFocus)
{
    BootedDevice phone("phone", Library::None);
    phone.boot();
    auto recorder = RecordingDelegate::make();
    auto field = fieldOnScreen(CGRectMake(20, 100, 280, 31), recorder.get());
    auto panel = objc::create<UIView>(CGRectMake(0, 0, 320, 200));
    UIApplication::sharedApplication().keyWindow()->addSubview(panel);
    panel->addSubview(field);
    Touchscreen().tap(centreOf(*field));
    recorder->calls.clear();

    panel->removeFromSuperview();
    EXPECT_EQ(recorder->calls, (Calls{"did end", "event ended"}));
    EXPECT_EQ(UITextField::firstResponder(), nullptr);
    EXPECT_FALSE(Keyboard::isVisible());
}

TEST(UITextField, TheKeyboardIsTallerOnATablet)
{
    BootedDevice tablet("tablet", Library::None);
    tablet.boot();
    auto field = fieldOnScreen(CGRectMake(400, 300, 200, 31));
    Touchscreen().tap(centreOf(*field));
    CGRect screen = UIScreen::mainScreen().bounds();
    ASSERT_TRUE(Keyboard::isVisible());
    EXPECT_EQ(Keyboard::view()->frameInWindow(),
              CGRectMake(0, screen.height() - Keyboard::kTabletHeight, screen.width(), Keyboard::kTabletHeight));
}

TEST(UITextField, ClosingThePageItIsOnEndsItsEditing)
{
    BootedDevice tablet("tablet", Library::None);
    auto& device = tablet.boot();
    auto prompt = objc::create<UIViewController>();
    prompt->setModalPresentationStyle(UIModalPresentationStyle::FormSheet);
    auto field = objc::create<UITextField>(CGRectMake(540, 620, 10, 10));
    field->setKeyboardType(UIKeyboardType::NumberPad);
    prompt->view()->addSubview(field);
    UIApplication::sharedApplication().keyWindow()->rootViewController()->presentViewControllerAnimated(prompt, true);
    field->becomeFirstResponder();
    Keyboard::type("12");
    EXPECT_TRUE(Keyboard::isVisible());

    prompt->dismissViewControllerAnimated(true);
    device.advance(1);
    EXPECT_EQ(UITextField::firstResponder(), nullptr);
    EXPECT_FALSE(Keyboard::isVisible());
}

}  // namespace
}  // namespace device::uikit
