#pragma once

#include "device/objc/object.h"
#include "device/uikit/control.h"
#include "device/uikit/pan_gesture_recognizer.h"
#include "device/uikit/refresh_control.h"
#include "device/uikit/screen.h"
#include "device/uikit/table_view.h"
#include "device/uikit/view.h"

#include <memory>
#include <string>
#include <vector>

namespace testing_support {

// A target and gesture delegate registered with the runtime, as the library's are: it writes down
// each action it hears, and answers the delegate questions as told.
class TouchRecorder : public device::objc::Object {
public:
    static constexpr std::string_view className = "TouchRecorder";

    static std::shared_ptr<TouchRecorder> make();

    std::vector<std::string> calls;
    bool allowsSimultaneous = false;
    bool allowsBegin = true;
    // Where the last pan action found the finger.
    device::uikit::CGPoint translation;
    device::uikit::CGPoint first;
    device::uikit::CGPoint last;
    device::uikit::CGPoint velocity;

    void touchDown(device::uikit::UIControl* control);
    void touchUpInside(device::uikit::UIControl* control);
    void touchUpOutside(device::uikit::UIControl* control);
    void touchCancel(device::uikit::UIControl* control);
    void valueChanged(device::uikit::UIControl* control);
    void tapped(device::uikit::UIGestureRecognizer* recognizer);
    void panned(device::uikit::UIPanGestureRecognizer* recognizer);
    void itemTapped(device::objc::Object* item);

    bool gestureRecognizerShouldBegin(device::uikit::UIGestureRecognizer* recognizer);
    bool gestureRecognizerShouldRecognizeSimultaneouslyWithGestureRecognizer(device::uikit::UIGestureRecognizer* a,
                                                                             device::uikit::UIGestureRecognizer* b);
};

device::objc::SEL selector(std::string_view name);

// The middle of a view as it lies on screen, once the window is laid out.
device::uikit::CGPoint centreOf(const device::uikit::UIView& view);
// The row whose text is this, if the table has one.
device::uikit::UITableViewCell* rowLabelled(const device::uikit::UITableView& table, std::string_view text);

}  // namespace testing_support
