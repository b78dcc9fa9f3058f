#pragma once

#include "device/uikit/button.h"
#include "device/uikit/view.h"

#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace device::uikit {

// An alert: a box centred over the dimmed screen with its title, message and buttons. Buttons are
// numbered as on the platform: the cancel button first when there is one, then the others in order.
// One alert is on screen at a time; one shown meanwhile waits until those before it are gone. The
// delegate hears alertView:clickedButtonAtIndex: and alertView:didDismissWithButtonIndex:.
class UIAlertView : public UIView {
public:
    static constexpr std::string_view className = "UIAlertView";

    static std::shared_ptr<UIAlertView> initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
        std::string title, std::string message, objc::id delegate, std::optional<std::string> cancelButtonTitle,
        std::vector<std::string> otherButtonTitles = {});

    static UIAlertView* visibleAlert();
    // A new launch of the app starts without alerts.
    static void reset();

    const std::string& title() const { return m_title; }
    const std::string& message() const { return m_message; }
    objc::Object* delegate() const { return m_delegate.lock().get(); }
    void setDelegate(objc::id delegate);

    long addButtonWithTitle(std::string title);
    long numberOfButtons() const { return static_cast<long>(m_buttonTitles.size()); }
    long cancelButtonIndex() const { return m_cancelButtonIndex; }
    std::string buttonTitleAtIndex(long index) const;

    void show();
    bool isVisible() const { return m_visible; }
    // The delegate hears of the dismissal once the alert is gone, after its fade when animated.
    void dismissWithClickedButtonIndexAnimated(long index, bool animated);

    // What a tap on one of its buttons does.
    void buttonClicked(UIButton* button);

private:
    void present();
    void layOut();
    void finishDismissal(long index);

    std::string m_title;
    std::string m_message;
    std::weak_ptr<objc::Object> m_delegate;
    std::vector<std::string> m_buttonTitles;
    long m_cancelButtonIndex = -1;
    bool m_visible = false;
    bool m_dismissing = false;
};

}  // namespace device::uikit
