#include "device/uikit/gesture_recognizer.h"

#include "device/uikit/view.h"

namespace device::uikit {

void UIGestureRecognizer::addTargetAction(objc::id target, objc::SEL action)
{
    m_targets.push_back({target ? target->retained<objc::Object>() : nullptr, action});
}

void UIGestureRecognizer::setDelegate(objc::id delegate)
{
    m_delegate = delegate ? std::weak_ptr<objc::Object>(delegate->retained<objc::Object>())
                          : std::weak_ptr<objc::Object>();
}

CGPoint UIGestureRecognizer::locationInView(const UIView* view) const
{
    return view ? view->convertPointFromView(m_location, nullptr) : m_location;
}

void UIGestureRecognizer::setState(UIGestureRecognizerState state)
{
    m_state = state;
    m_stateChanged = true;
}

void UIGestureRecognizer::sendActions()
{
    auto keepAlive = retained<UIGestureRecognizer>();
    auto targets = m_targets;
    for (const auto& pair : targets) {
        objc::sendAction(pair, this);
    }
}

}  // namespace device::uikit
