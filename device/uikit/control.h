#pragma once

#include "device/objc/message.h"
#include "device/uikit/view.h"

#include <cstdint>
#include <vector>

namespace device::uikit {

enum UIControlEvents : std::uint32_t {
    UIControlEventTouchDown = 1u << 0,
    UIControlEventTouchUpInside = 1u << 6,
    UIControlEventTouchUpOutside = 1u << 7,
    UIControlEventTouchCancel = 1u << 8,
    UIControlEventValueChanged = 1u << 12,
    UIControlEventEditingDidBegin = 1u << 16,
    UIControlEventEditingChanged = 1u << 17,
    UIControlEventEditingDidEnd = 1u << 18,
};

// A control's state: normal is no flag set. Looks are looked up by the exact state first.
enum UIControlState : std::uint32_t {
    UIControlStateNormal = 0,
    UIControlStateHighlighted = 1u << 0,
    UIControlStateDisabled = 1u << 1,
    UIControlStateSelected = 1u << 2,
};

enum class TouchRelease { Inside, Outside };

// A control tracks the touches that land on it instead of passing them on: touch-down when the
// finger lands, then touch-up-inside or touch-up-outside when it lifts (inside its bounds or not),
// or touch-cancel when a gesture recogniser takes the touch. A disabled control ignores touches. While
// the finger is down and over it, it is highlighted.
class UIControl : public UIView {
public:
    static constexpr std::string_view className = "UIControl";

    using UIView::UIView;

    void addTargetActionForControlEvents(objc::id target, objc::SEL action, std::uint32_t events);
    void removeAllTargets() { m_actions.clear(); }
    void sendActionsForControlEvents(std::uint32_t events);
    bool hasActionsForControlEvents(std::uint32_t events) const;

    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled);
    bool isSelected() const { return m_selected; }
    void setSelected(bool selected);
    bool isHighlighted() const { return m_highlighted; }
    void setHighlighted(bool highlighted);
    std::uint32_t state() const;
    bool isTracking() const { return m_tracking; }

    void touchesBegan(UITouch& touch) override;
    void touchesMoved(UITouch& touch) override;
    void touchesEnded(UITouch& touch) override;
    void touchesCancelled(UITouch& touch) override;

protected:
    // The finger lifted after landing on this control.
    virtual void endTracking(TouchRelease where);
    // Enabled, selected or highlighted changed.
    virtual void stateDidChange() {}

private:
    struct Registration {
        objc::TargetAction pair;
        std::uint32_t events;
    };
    std::vector<Registration> m_actions;
    bool m_enabled = true;
    bool m_selected = false;
    bool m_highlighted = false;
    bool m_tracking = false;
};

class UISwitch : public UIControl {
public:
    static constexpr std::string_view className = "UISwitch";

    UISwitch() : UIControl(CGRectMake(0, 0, 51, 31)) {}

    bool isOn() const { return m_on; }
    void setOn(bool on) { m_on = on; }

protected:
    // A tap flips the switch and sends value-changed.
    void endTracking(TouchRelease where) override;

private:
    bool m_on = false;
};

}  // namespace device::uikit
