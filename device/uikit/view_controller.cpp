#include "device/uikit/view_controller.h"

#include "device/foundation/run_loop.h"
#include "device/objc/message.h"
#include "device/uikit/application.h"
#include "device/uikit/navigation_controller.h"
#include "device/uikit/screen.h"

namespace device::uikit {

namespace {

// Dismissal and presentation transitions last this long on the virtual clock.
constexpr double kTransitionSeconds = 0.35;

void runCompletion(bool animated, std::function<void()> completion)
{
    if (!completion) {
        return;
    }
    if (animated) {
        foundation::RunLoop::main().performAfter(kTransitionSeconds, std::move(completion));
    } else {
        completion();
    }
}

// Presented views lie in the window above their presenters.
void arrangeKeyWindow()
{
    if (UIWindow* window = UIApplication::sharedApplication().keyWindow()) {
        window->layoutSubviews();
    }
}

}  // namespace

UIView* UIViewController::view()
{
    return viewShared().get();
}

std::shared_ptr<UIView> UIViewController::viewShared()
{
    if (!m_view) {
        setView(loadView());
    }
    return m_view;
}

void UIViewController::setView(std::shared_ptr<UIView> view)
{
    if (m_view) {
        m_view->m_viewController.reset();
    }
    m_view = std::move(view);
    if (m_view) {
        m_view->m_viewController = retained<UIViewController>();
    }
}

std::shared_ptr<UIView> UIViewController::loadView()
{
    CGRect screen = UIScreen::mainScreen().bounds();
    auto view = objc::create<UIView>(
        CGRectMake(0, kNavigationBarBottom, screen.width(), screen.height() - kNavigationBarBottom));
    view->setBackgroundColor(UIColor::rgba(0.94, 0.94, 0.96));
    return view;
}

void UIViewController::setTitle(std::string title)
{
    m_title = title;
    navigationItem()->setTitle(std::move(title));
}

UINavigationItem* UIViewController::navigationItem()
{
    if (!m_navigationItem) {
        m_navigationItem = objc::create<UINavigationItem>();
        m_navigationItem->setTitle(m_title);
    }
    return m_navigationItem.get();
}

UINavigationController* UIViewController::navigationController() const
{
    return m_navigationController.lock().get();
}

void UIViewController::setNavigationController(const std::shared_ptr<UINavigationController>& controller)
{
    m_navigationController = controller;
}

void UIViewController::presentViewControllerAnimated(std::shared_ptr<UIViewController> controller, bool animated,
                                                     std::function<void()> completion)
{
    // The platform refuses to present from a controller that is already presenting.
    if (!controller || m_presented) {
        return;
    }
    m_presented = controller;
    controller->m_presenting = retained<UIViewController>();
    CGRect screen = UIScreen::mainScreen().bounds();
    if (controller->modalPresentationStyle() == UIModalPresentationStyle::FormSheet && screen.width() >= 768) {
        controller->viewShared()->setFrame(
            CGRectMake((screen.width() - 540) / 2, (screen.height() - 620) / 2, 540, 620));
        // The sheet shows nothing beyond its edges, as its rounded corners need.
        controller->view()->setClipsToBounds(true);
    } else {
        controller->viewShared()->setFrame(screen);
    }
    controller->viewWillLayoutSubviews();
    arrangeKeyWindow();
    objc::msgSend<void>(controller.get(), "viewWillAppear:", animated);
    runCompletion(animated, std::move(completion));
}

void UIViewController::dismissViewControllerAnimated(bool animated, std::function<void()> completion)
{
    if (!m_presented) {
        if (auto presenting = m_presenting.lock()) {
            presenting->dismissViewControllerAnimated(animated, std::move(completion));
        }
        return;
    }
    auto dismissed = std::move(m_presented);
    m_presented.reset();
    dismissed->m_presenting.reset();
    arrangeKeyWindow();
    // The dismissed page leaves the screen, and so does any first responder inside it.
    if (dismissed->isViewLoaded()) {
        dismissed->view()->endEditing(true);
    }
    // A full-screen page covered its presenter, which appears again once the transition has begun:
    // on the next turn of the run loop, after the code that asked for the dismissal has finished.
    if (dismissed->modalPresentationStyle() != UIModalPresentationStyle::FormSheet
        || UIScreen::mainScreen().bounds().width() < 768) {
        std::weak_ptr<UIViewController> weakSelf = retained<UIViewController>();
        foundation::RunLoop::main().performAfter(0, [weakSelf] {
            if (auto self = weakSelf.lock(); self && !self->m_presented) {
                UIViewController* shown = self.get();
                if (auto* navigation = dynamic_cast<UINavigationController*>(shown)) {
                    shown = navigation->topViewController();
                }
                objc::msgSend<void>(shown, "viewWillAppear:", true);
            }
        });
    }
    runCompletion(animated, std::move(completion));
}

void UIViewController::viewWillAppear(bool)
{
}

void UIViewController::viewWillDisappear(bool)
{
}

void UIViewController::viewDidAppear(bool)
{
}

}  // namespace device::uikit
