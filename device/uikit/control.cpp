#include "device/uikit/control.h"

#include "device/uikit/touch.h"

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

void UIControl::setEnabled(bool enabled)
{
    if (m_enabled != enabled) {
        m_enabled = enabled;
        stateDidChange();
    }
}

void UIControl::setSelected(bool selected)
{
    if (m_selected != selected) {
        m_selected = selected;
        stateDidChange();
    }
}

void UIControl::setHighlighted(bool highlighted)
{
    if (m_highlighted != highlighted) {
        m_highlighted = highlighted;
        stateDidChange();
    }
}

std::uint32_t UIControl::state() const
{
    return (m_highlighted ? UIControlStateHighlighted : 0u) | (m_enabled ? 0u : UIControlStateDisabled)
           | (m_selected ? UIControlStateSelected : 0u);
}

void UIControl::touchesBegan(UITouch&)
{
    if (!m_enabled) {
        return;
    }
    m_tracking = true;
    setHighlighted(true);
    sendActionsForControlEvents(UIControlEventTouchDown);
}

void UIControl::touchesMoved(UITouch& touch)
{
    if (m_tracking) {
        setHighlighted(pointInside(touch.locationInView(this)));
    }
}

void UIControl::touchesEnded(UITouch& touch)
{
    if (!m_tracking) {
        return;
    }
    m_tracking = false;
    setHighlighted(false);
    endTracking(pointInside(touch.locationInView(this)) ? TouchRelease::Inside : TouchRelease::Outside);
}

void UIControl::touchesCancelled(UITouch&)
{
    if (m_tracking) {
        m_tracking = false;
        setHighlighted(false);
        sendActionsForControlEvents(UIControlEventTouchCancel);
    }
}

void UIControl::endTracking(TouchRelease where)
{
    sendActionsForControlEvents(where == TouchRelease::Inside ? UIControlEventTouchUpInside
                                                              : UIControlEventTouchUpOutside);
}

void UISwitch::endTracking(TouchRelease where)
{
    auto keepAlive = retained<UISwitch>();
    if (where == TouchRelease::Inside) {
        m_on = !m_on;
        sendActionsForControlEvents(UIControlEventValueChanged);
    }
    UIControl::endTracking(where);
}

}  // namespace device::uikit
