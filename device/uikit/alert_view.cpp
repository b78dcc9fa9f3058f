#include "device/uikit/alert_view.h"

#include "device/objc/message.h"
#include "device/uikit/application.h"
#include "device/uikit/modal_box.h"
#include "device/uikit/screen.h"

#include <algorithm>

namespace device::uikit {

namespace {

constexpr double kBoxWidth = 270;
constexpr double kFadeSeconds = 0.25;

// Shown alerts in turn; the first is on screen.
std::vector<std::shared_ptr<UIAlertView>> g_alerts;

auto findAlert(const UIAlertView* alert)
{
    return std::find_if(g_alerts.begin(), g_alerts.end(), [alert](const auto& a) { return a.get() == alert; });
}

}  // namespace

std::shared_ptr<UIAlertView> UIAlertView::initWithTitleMessageDelegateCancelButtonTitleOtherButtonTitles(
    std::string title, std::string message, objc::id delegate, std::optional<std::string> cancelButtonTitle,
    std::vector<std::string> otherButtonTitles)
{
    auto alert = objc::create<UIAlertView>();
    alert->m_title = std::move(title);
    alert->m_message = std::move(message);
    alert->setDelegate(delegate);
    if (cancelButtonTitle) {
        alert->m_cancelButtonIndex = alert->addButtonWithTitle(std::move(*cancelButtonTitle));
    }
    for (auto& other : otherButtonTitles) {
        alert->addButtonWithTitle(std::move(other));
    }
    return alert;
}

UIAlertView* UIAlertView::visibleAlert()
{
    return !g_alerts.empty() && g_alerts.front()->m_visible ? g_alerts.front().get() : nullptr;
}

void UIAlertView::reset()
{
    g_alerts.clear();
}

void UIAlertView::setDelegate(objc::id delegate)
{
    m_delegate = objc::weakReference(delegate);
}

long UIAlertView::addButtonWithTitle(std::string title)
{
    m_buttonTitles.push_back(std::move(title));
    return numberOfButtons() - 1;
}

std::string UIAlertView::buttonTitleAtIndex(long index) const
{
    return index >= 0 && index < numberOfButtons() ? m_buttonTitles[static_cast<std::size_t>(index)] : std::string();
}

void UIAlertView::show()
{
    if (findAlert(this) != g_alerts.end()) {
        return;
    }
    g_alerts.push_back(retained<UIAlertView>());
    if (g_alerts.size() == 1) {
        present();
    }
}

void UIAlertView::present()
{
    layOut();
    m_visible = true;
    if (UIWindow* window = UIApplication::sharedApplication().keyWindow()) {
        window->addOverlay(retained<UIView>());
    }
}

void UIAlertView::dismissWithClickedButtonIndexAnimated(long index, bool animated)
{
    auto found = findAlert(this);
    if (found == g_alerts.end() || m_dismissing) {
        return;
    }
    if (!m_visible) {
        g_alerts.erase(found);
        return;
    }
    m_dismissing = true;
    if (animated) {
        std::weak_ptr<UIAlertView> weakSelf = retained<UIAlertView>();
        animateWithDuration(kFadeSeconds, [this] { setAlpha(0); }, [weakSelf, index](bool) {
            if (auto self = weakSelf.lock()) {
                self->finishDismissal(index);
            }
        });
    } else {
        finishDismissal(index);
    }
}

void UIAlertView::finishDismissal(long index)
{
    auto keepAlive = retained<UIAlertView>();
    removeFromSuperview();
    setAlpha(1);
    m_visible = false;
    m_dismissing = false;
    if (auto found = findAlert(this); found != g_alerts.end()) {
        g_alerts.erase(found);
    }
    if (objc::respondsTo(delegate(), "alertView:didDismissWithButtonIndex:")) {
        objc::msgSend<void>(delegate(), "alertView:didDismissWithButtonIndex:", this, index);
    }
    if (!g_alerts.empty() && !g_alerts.front()->m_visible) {
        g_alerts.front()->present();
    }
}

void UIAlertView::buttonClicked(UIButton* button)
{
    if (!m_visible || m_dismissing) {
        return;
    }
    auto keepAlive = retained<UIAlertView>();
    long index = button->tag();
    if (objc::respondsTo(delegate(), "alertView:clickedButtonAtIndex:")) {
        objc::msgSend<void>(delegate(), "alertView:clickedButtonAtIndex:", this, index);
    }
    dismissWithClickedButtonIndexAnimated(index, true);
}

void UIAlertView::layOut()
{
    while (!subviews().empty()) {
        subviews().back()->removeFromSuperview();
    }
    CGRect screen = UIScreen::mainScreen().bounds();
    setFrame(screen);
    setBackgroundColor(UIColor::white(0, 0.4));

    auto box = objc::create<UIView>();
    box->setBackgroundColor(UIColor::white(0.97));
    box->layer().cornerRadius = 7;
    box->setClipsToBounds(true);
    double textWidth = kBoxWidth - 32;
    double y = 20;
    if (!m_title.empty()) {
        UIFont font = UIFont::boldSystemFontOfSize(17);
        double height = wrappedTextHeight(m_title, font, textWidth);
        box->addSubview(makeWrappedLabel(m_title, font, UIColor::blackColor(), CGRectMake(16, y, textWidth, height)));
        y += height + 4;
    }
    if (!m_message.empty()) {
        UIFont font = UIFont::systemFontOfSize(13);
        double height = wrappedTextHeight(m_message, font, textWidth);
        box->addSubview(makeWrappedLabel(m_message, font, UIColor::blackColor(), CGRectMake(16, y, textWidth, height)));
        y += height;
    }
    y += 20;

    // Two buttons sit side by side; otherwise they are stacked, the cancel button at the bottom.
    std::vector<long> order;
    for (long i = 0; i < numberOfButtons(); ++i) {
        if (i != m_cancelButtonIndex) {
            order.push_back(i);
        }
    }
    if (m_cancelButtonIndex >= 0) {
        order.insert(numberOfButtons() == 2 ? order.begin() : order.end(), m_cancelButtonIndex);
    }
    bool sideBySide = order.size() == 2;
    double buttonWidth = sideBySide ? kBoxWidth / 2 : kBoxWidth;
    for (std::size_t i = 0; i < order.size(); ++i) {
        long index = order[i];
        auto button = makeNumberedButton(buttonTitleAtIndex(index), index, this, "_buttonClicked:");
        if (index == m_cancelButtonIndex) {
            button->titleLabel()->setFont(UIFont::boldSystemFontOfSize(17));
        }
        double x = sideBySide ? buttonWidth * static_cast<double>(i) : 0;
        double top = sideBySide ? y : y + kModalButtonHeight * static_cast<double>(i);
        button->setFrame(CGRectMake(x, top, buttonWidth, kModalButtonHeight));
        box->addSubview(button);
    }
    double rows = sideBySide ? 1 : static_cast<double>(order.size());
    double height = y + rows * kModalButtonHeight;
    box->setFrame(CGRectMake((screen.width() - kBoxWidth) / 2, (screen.height() - height) / 2, kBoxWidth, height));
    addSubview(box);
}

}  // namespace device::uikit
