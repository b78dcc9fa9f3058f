#include "device/uikit/tap_gesture_recognizer.h"

#include "device/uikit/touch.h"

#include <cmath>

namespace device::uikit {

std::shared_ptr<UITapGestureRecognizer> UITapGestureRecognizer::initWithTargetAction(objc::id target,
                                                                                     objc::SEL action)
{
    auto recognizer = objc::create<UITapGestureRecognizer>();
    recognizer->addTargetAction(target, action);
    return recognizer;
}

void UITapGestureRecognizer::touchesBegan(const UITouch& touch)
{
    m_start = touch.locationInView(nullptr);
    if (m_taps != 1 || m_touches != 1) {
        setState(UIGestureRecognizerState::Failed);
    }
}

void UITapGestureRecognizer::touchesMoved(const UITouch& touch)
{
    CGPoint now = touch.locationInView(nullptr);
    if (std::hypot(now.x - m_start.x, now.y - m_start.y) > kAllowableMovement) {
        setState(UIGestureRecognizerState::Failed);
    }
}

void UITapGestureRecognizer::touchesEnded(const UITouch&)
{
    setState(UIGestureRecognizerState::Recognized);
}

}  // namespace device::uikit
