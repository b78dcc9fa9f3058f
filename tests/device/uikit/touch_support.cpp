#include "tests/device/uikit/touch_support.h"

#include "device/objc/class_builder.h"
#include "device/uikit/application.h"

namespace testing_support {

using namespace device::uikit;

namespace {

std::string nameOf(UIGestureRecognizerState state)
{
    switch (state) {
    case UIGestureRecognizerState::Possible:
        return "possible";
    case UIGestureRecognizerState::Began:
        return "began";
    case UIGestureRecognizerState::Changed:
        return "changed";
    case UIGestureRecognizerState::Ended:
        return "ended";
    case UIGestureRecognizerState::Cancelled:
        return "cancelled";
    case UIGestureRecognizerState::Failed:
        return "failed";
    }
    return "?";
}

}  // namespace

std::shared_ptr<TouchRecorder> TouchRecorder::make()
{
    device::objc::ClassBuilder<TouchRecorder>("NSObject")
        .method<&TouchRecorder::touchDown>("touchDown:")
        .method<&TouchRecorder::touchUpInside>("touchUpInside:")
        .method<&TouchRecorder::touchUpOutside>("touchUpOutside:")
        .method<&TouchRecorder::touchCancel>("touchCancel:")
        .method<&TouchRecorder::valueChanged>("valueChanged:")
        .method<&TouchRecorder::tapped>("tapped:")
        .method<&TouchRecorder::panned>("panned:")
        .method<&TouchRecorder::itemTapped>("itemTapped:")
        .method<&TouchRecorder::gestureRecognizerShouldBegin>("gestureRecognizerShouldBegin:")
        .method<&TouchRecorder::gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer>(
            "gestureRecognizer:shouldRecognizeSimultaneouslyWithGestureRecognizer:");
    return device::objc::create<TouchRecorder>();
}

void TouchRecorder::touchDown(UIControl*)
{
    calls.push_back("down");
}

void TouchRecorder::touchUpInside(UIControl*)
{
    calls.push_back("up inside");
}

void TouchRecorder::touchUpOutside(UIControl*)
{
    calls.push_back("up outside");
}

void TouchRecorder::touchCancel(UIControl*)
{
    calls.push_back("cancel");
}

void TouchRecorder::valueChanged(UIControl*)
{
    calls.push_back("value changed");
}

void TouchRecorder::tapped(UIGestureRecognizer* recognizer)
{
    calls.push_back("tap " + nameOf(recognizer->state()));
}

void TouchRecorder::panned(UIPanGestureRecognizer* recognizer)
{
    calls.push_back("pan " + nameOf(recognizer->state()));
    translation = recognizer->translationInView(recognizer->view());
    first = recognizer->firstScreenLocation();
    last = recognizer->lastScreenLocation();
    velocity = recognizer->velocityInView(nullptr);
}

void TouchRecorder::itemTapped(device::objc::Object*)
{
    calls.push_back("item");
}

bool TouchRecorder::gestureRecognizerShouldBegin(UIGestureRecognizer*)
{
    calls.push_back("should begin?");
    return allowsBegin;
}

bool TouchRecorder::gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer(UIGestureRecognizer*,
                                                                                        UIGestureRecognizer*)
{
    return allowsSimultaneous;
}

device::objc::SEL selector(std::string_view name)
{
    return device::objc::sel_registerName(name);
}

CGPoint centreOf(const UIView& view)
{
    if (UIWindow* window = UIApplication::sharedApplication().keyWindow()) {
        window->layoutIfNeeded();
    }
    CGRect frame = view.frameInWindow();
    return {frame.minX() + frame.width() / 2, frame.minY() + frame.height() / 2};
}

UITableViewCell* rowLabelled(const UITableView& table, std::string_view text)
{
    for (long s = 0; s < table.numberOfSections(); ++s) {
        for (long r = 0; r < table.numberOfRowsInSection(s); ++r) {
            UITableViewCell* cell = table.cellForRowAtIndexPath({s, r});
            if (cell->textLabel() && cell->textLabel()->text() == text) {
                return cell;
            }
        }
    }
    return nullptr;
}

}  // namespace testing_support
