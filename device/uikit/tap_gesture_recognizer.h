#pragma once

#include "device/uikit/gesture_recognizer.h"

namespace device::uikit {

// Recognises a finger that lifts without having wandered more than kAllowableMovement points. The
// screen has one finger and taps are not counted, so only one tap of one touch can be required.
class UITapGestureRecognizer : public UIGestureRecognizer {
public:
    static constexpr std::string_view className = "UITapGestureRecognizer";
    static constexpr double kAllowableMovement = 10;

    static std::shared_ptr<UITapGestureRecognizer> initWithTargetAction(objc::id target, objc::SEL action);

    unsigned long numberOfTapsRequired() const { return m_taps; }
    void setNumberOfTapsRequired(unsigned long taps) { m_taps = taps; }
    unsigned long numberOfTouchesRequired() const { return m_touches; }
    void setNumberOfTouchesRequired(unsigned long touches) { m_touches = touches; }

protected:
    void touchesBegan(const UITouch& touch) override;
    void touchesMoved(const UITouch& touch) override;
    void touchesEnded(const UITouch& touch) override;

private:
    unsigned long m_taps = 1;
    unsigned long m_touches = 1;
    CGPoint m_start;
};

}  // namespace device::uikit
