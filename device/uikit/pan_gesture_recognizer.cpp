#include "device/uikit/pan_gesture_recognizer.h"

#include "device/uikit/touch.h"

#include <cmath>

namespace device::uikit {

std::shared_ptr<UIPanGestureRecognizer> UIPanGestureRecognizer::initWithTargetAction(objc::id target,
                                                                                     objc::SEL action)
{
    auto recognizer = objc::create<UIPanGestureRecognizer>();
    recognizer->addTargetAction(target, action);
    return recognizer;
}

CGPoint UIPanGestureRecognizer::translationInView(const UIView*) const
{
    return {m_last.x - m_first.x, m_last.y - m_first.y};
}

CGPoint UIPanGestureRecognizer::velocityInView(const UIView*) const
{
    return m_velocity;
}

void UIPanGestureRecognizer::touchesBegan(const UITouch& touch)
{
    m_first = m_last = touch.locationInView(nullptr);
    m_lastTime = touch.timestamp();
    m_velocity = {};
}

void UIPanGestureRecognizer::touchesMoved(const UITouch& touch)
{
    CGPoint now = touch.locationInView(nullptr);
    double elapsed = touch.timestamp() - m_lastTime;
    if (elapsed > 0) {
        m_velocity = {(now.x - m_last.x) / elapsed, (now.y - m_last.y) / elapsed};
    }
    m_last = now;
    m_lastTime = touch.timestamp();
    if (state() != UIGestureRecognizerState::Possible) {
        setState(UIGestureRecognizerState::Changed);
        return;
    }
    CGPoint translation = translationInView(nullptr);
    if (std::hypot(translation.x, translation.y) >= kHysteresis) {
        setState(canBeginWithTranslation(translation) ? UIGestureRecognizerState::Began
                                                      : UIGestureRecognizerState::Failed);
    }
}

void UIPanGestureRecognizer::touchesEnded(const UITouch&)
{
    setState(state() == UIGestureRecognizerState::Possible ? UIGestureRecognizerState::Failed
                                                           : UIGestureRecognizerState::Ended);
}

}  // namespace device::uikit
