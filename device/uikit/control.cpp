#include "device/uikit/control.h"

namespace device::uikit {

void UIControl::addTargetActionForControlEvents(objc::id target, objc::SEL action, std::uint32_t events)
{
    std::weak_ptr<objc::Object> weakTarget;
    if (target) {
        weakTarget = target->retained<objc::Object>();
    }
    m_actions.push_back({{weakTarget, action}, events});
}

void UIControl::sendActionsForControlEvents(std::uint32_t events)
{
    // An action may remove targets or the control itself: work on a copy, keep the control alive.
    auto keepAlive = retained<UIControl>();
    auto actions = m_actions;
    for (const auto& registration : actions) {
        if (registration.events & events) {
            objc::sendAction(registration.pair, this);
        }
    }
}

bool UIControl::hasActionsForControlEvents(std::uint32_t events) const
{
    for (const auto& registration : m_actions) {
        if (registration.events & events) {
            return true;
        }
    }
    return false;
}

}  // namespace device::uikit
