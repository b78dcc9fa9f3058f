#pragma once

#include "device/objc/message.h"
#include "device/objc/object.h"
#include "device/uikit/geometry.h"

#include <memory>
#include <vector>

namespace device::uikit {

class UITouch;
class UIView;

enum class UIGestureRecognizerState { Possible = 0, Began = 1, Changed = 2, Ended = 3, Cancelled = 4, Failed = 5,
                                      Recognized = Ended };

// Watches the touches that land on its view or on a view inside it and recognises a gesture in
// them. Its targets hear their actions, through the runtime, whenever it begins, changes or ends.
// Its delegate is asked, through the runtime, gestureRecognizerShouldBegin: and
// gestureRecognizer:shouldRecognizeSimultaneouslyWithGestureRecognizer:. Touches are never
// cancelled here, so neither is a recogniser.
class UIGestureRecognizer : public objc::Object {
public:
    static constexpr std::string_view className = "UIGestureRecognizer";

    void addTargetAction(objc::id target, objc::SEL action);
    UIView* view() const { return m_view.lock().get(); }
    UIGestureRecognizerState state() const { return m_state; }
    bool isEnabled() const { return m_enabled; }
    void setEnabled(bool enabled) { m_enabled = enabled; }
    // When it recognises, the view that the touch landed on hears touchesCancelled and no more.
    bool cancelsTouchesInView() const { return m_cancelsTouchesInView; }
    void setCancelsTouchesInView(bool cancels) { m_cancelsTouchesInView = cancels; }
    objc::Object* delegate() const { return m_delegate.lock().get(); }
    void setDelegate(objc::id delegate);
    // Where the touch is now; no view stands for the window.
    CGPoint locationInView(const UIView* view) const;

protected:
    virtual void touchesBegan(const UITouch&) {}
    virtual void touchesMoved(const UITouch&) {}
    virtual void touchesEnded(const UITouch&) {}
    // Called once the touch has lifted, before the state returns to Possible.
    virtual void reset() {}
    void setState(UIGestureRecognizerState state);

private:
    friend class TouchDispatch;
    friend class UIView;

    void sendActions();

    std::weak_ptr<UIView> m_view;
    std::vector<objc::TargetAction> m_targets;
    std::weak_ptr<objc::Object> m_delegate;
    UIGestureRecognizerState m_state = UIGestureRecognizerState::Possible;
    bool m_enabled = true;
    bool m_cancelsTouchesInView = true;
    bool m_stateChanged = false;
    CGPoint m_location;
};

}  // namespace device::uikit
