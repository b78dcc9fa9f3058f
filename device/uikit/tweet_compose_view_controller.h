#pragma once

#include "device/uikit/button.h"
#include "device/uikit/label.h"
#include "device/uikit/view_controller.h"

#include <memory>
#include <string>

namespace device::uikit {

// The social network's compose sheet: the text to post under a bar with Cancel and Send. Either
// button closes it; the device has an account set up, so it can always send.
class TWTweetComposeViewController : public UIViewController {
public:
    static constexpr std::string_view className = "TWTweetComposeViewController";

    TWTweetComposeViewController() { setModalPresentationStyle(UIModalPresentationStyle::FormSheet); }

    static bool canSendTweet() { return true; }

    // Refused once the sheet is on screen, as on the platform.
    bool setInitialText(std::string text);
    const std::string& initialText() const { return m_text; }

    // Lays the sheet out in the frame it was presented in.
    void viewWillAppear(bool animated);
    void cancelPressed(UIButton* button);
    void sendPressed(UIButton* button);

protected:
    std::shared_ptr<UIView> loadView() override;

private:
    std::string m_text;
    std::shared_ptr<UIButton> m_cancel;
    std::shared_ptr<UILabel> m_title;
    std::shared_ptr<UIButton> m_send;
    std::shared_ptr<UILabel> m_textLabel;
};

}  // namespace device::uikit
