#pragma once

#include "device/uikit/gesture_recognizer.h"

namespace device::uikit {

// Begins once the finger has moved kHysteresis points from where it landed, changes with every
// move after that, and ends when it lifts. Views have no transforms here, so translation and
// velocity read the same in every view's coordinates.
class UIPanGestureRecognizer : public UIGestureRecognizer {
public:
    static constexpr std::string_view className = "UIPanGestureRecognizer";
    static constexpr double kHysteresis = 10;

    static std::shared_ptr<UIPanGestureRecognizer> initWithTargetAction(objc::id target, objc::SEL action);

    // Since the finger landed.
    CGPoint translationInView(const UIView* view) const;
    // Points a second, over the last move.
    CGPoint velocityInView(const UIView* view) const;
    // Where the finger landed and where it is now, in screen points: the platform's
    // _firstScreenLocation and _lastScreenLocation.
    CGPoint firstScreenLocation() const { return m_first; }
    CGPoint lastScreenLocation() const { return m_last; }

protected:
    // Whether the pan may begin with this translation; a pan that may not fails instead.
    virtual bool canBeginWithTranslation(CGPoint) const { return true; }

    void touchesBegan(const UITouch& touch) override;
    void touchesMoved(const UITouch& touch) override;
    void touchesEnded(const UITouch& touch) override;

private:
    CGPoint m_first;
    CGPoint m_last;
    double m_lastTime = 0;
    CGPoint m_velocity;
};

}  // namespace device::uikit
