#pragma once

#include "device/uikit/gesture_recognizer.h"

#include <memory>
#include <vector>

namespace device::uikit {

class UITouch;
class UIView;

// Carries one touch, phase by phase, to the gesture recognisers of the view it landed on and of
// that view's ancestors (nearest first), then to the view itself. A recogniser that begins makes
// the others fail unless one of the two delegates allows them to recognise simultaneously.
class TouchDispatch {
public:
    void deliver(UIView& window, UITouch& touch);

private:
    void begin(UIView& window, UITouch& touch);
    void settle(UIGestureRecognizer& recognizer, UIGestureRecognizerState before, UITouch& touch);
    bool mayBegin(UIGestureRecognizer& recognizer) const;
    static bool simultaneous(UIGestureRecognizer& a, UIGestureRecognizer& b);
    void finish();

    std::vector<std::shared_ptr<UIGestureRecognizer>> m_recognizers;
    bool m_viewReceives = false;
};

}  // namespace device::uikit
