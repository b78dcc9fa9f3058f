#include "device/uikit/tweet_compose_view_controller.h"

#include "device/uikit/screen.h"

namespace device::uikit {

namespace {

constexpr double kBarTop = 20;
constexpr double kBarHeight = 44;
constexpr double kBarButtonWidth = 80;

std::shared_ptr<UIButton> barButton(std::string title, objc::id target, std::string_view action)
{
    auto button = UIButton::buttonWithType(UIButtonType::System);
    button->setTitle(std::move(title));
    button->addTargetActionForControlEvents(target, objc::sel_registerName(action), UIControlEventTouchUpInside);
    return button;
}

}  // namespace

bool TWTweetComposeViewController::setInitialText(std::string text)
{
    if (presentingViewController()) {
        return false;
    }
    m_text = std::move(text);
    return true;
}

void TWTweetComposeViewController::viewWillAppear(bool)
{
    double width = view()->bounds().width();
    m_cancel->setFrame(CGRectMake(0, kBarTop, kBarButtonWidth, kBarHeight));
    m_title->setFrame(CGRectMake(kBarButtonWidth, kBarTop, width - 2 * kBarButtonWidth, kBarHeight));
    m_send->setFrame(CGRectMake(width - kBarButtonWidth, kBarTop, kBarButtonWidth, kBarHeight));
    m_textLabel->setFrame(CGRectMake(15, kBarTop + kBarHeight + 10, width - 30, 120));
    m_textLabel->setText(m_text);
}

void TWTweetComposeViewController::cancelPressed(UIButton*)
{
    dismissViewControllerAnimated(true);
}

void TWTweetComposeViewController::sendPressed(UIButton*)
{
    dismissViewControllerAnimated(true);
}

std::shared_ptr<UIView> TWTweetComposeViewController::loadView()
{
    auto view = objc::create<UIView>(UIScreen::mainScreen().bounds());
    view->setBackgroundColor(UIColor::white(0.97));
    m_cancel = barButton("Cancel", this, "_cancelPressed:");
    m_title = objc::create<UILabel>();
    m_title->setText("Twitter");
    m_title->setFont(UIFont::boldSystemFontOfSize(17));
    m_title->setTextAlignment(NSTextAlignment::Center);
    m_send = barButton("Send", this, "_sendPressed:");
    m_textLabel = objc::create<UILabel>();
    m_textLabel->setNumberOfLines(0);
    view->addSubview(m_cancel);
    view->addSubview(m_title);
    view->addSubview(m_send);
    view->addSubview(m_textLabel);
    return view;
}

}  // namespace device::uikit
