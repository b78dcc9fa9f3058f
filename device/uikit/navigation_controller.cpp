#include "device/uikit/navigation_controller.h"

#include "device/objc/message.h"
#include "device/uikit/character_count.h"
#include "device/uikit/screen.h"

#include <algorithm>

namespace device::uikit {

std::shared_ptr<UINavigationController> UINavigationController::initWithRootViewController(
    std::shared_ptr<UIViewController> root)
{
    auto navigation = objc::create<UINavigationController>();
    if (root) {
        navigation->adopt(root);
        navigation->m_stack.push_back(std::move(root));
    }
    return navigation;
}

std::shared_ptr<UIView> UINavigationController::loadView()
{
    return objc::create<UIView>(UIScreen::mainScreen().bounds());
}

void UINavigationController::adopt(const std::shared_ptr<UIViewController>& controller)
{
    controller->setNavigationController(retained<UINavigationController>());
    controller->setParentViewController(retained<UIViewController>());
}

void UINavigationController::pushViewControllerAnimated(std::shared_ptr<UIViewController> controller, bool animated)
{
    if (!controller) {
        return;
    }
    adopt(controller);
    if (!m_stack.empty()) {
        objc::msgSend<void>(m_stack.back().get(), "viewWillDisappear:", animated);
    }
    m_stack.push_back(controller);
    layoutIfLoaded();
    objc::msgSend<void>(controller.get(), "viewWillAppear:", animated);
}

std::shared_ptr<UIViewController> UINavigationController::popViewControllerAnimated(bool animated)
{
    if (m_stack.size() < 2) {
        return nullptr;
    }
    auto popped = m_stack.back();
    // A page that leaves takes its keyboard with it: its text field ends editing first.
    if (popped->isViewLoaded()) {
        popped->view()->endEditing(true);
    }
    objc::msgSend<void>(popped.get(), "viewWillDisappear:", animated);
    m_stack.pop_back();
    layoutIfLoaded();
    objc::msgSend<void>(m_stack.back().get(), "viewWillAppear:", animated);
    return popped;
}

void UINavigationController::setViewControllersAnimated(std::vector<std::shared_ptr<UIViewController>> controllers,
                                                        bool animated)
{
    std::erase(controllers, nullptr);
    if (controllers.empty()) {
        return;
    }
    for (const auto& controller : controllers) {
        adopt(controller);
    }
    for (const auto& leaving : m_stack) {
        if (std::find(controllers.begin(), controllers.end(), leaving) == controllers.end()) {
            if (leaving->isViewLoaded()) {
                leaving->view()->endEditing(true);
            }
            objc::msgSend<void>(leaving.get(), "viewWillDisappear:", animated);
        }
    }
    m_stack = std::move(controllers);
    layoutIfLoaded();
    objc::msgSend<void>(m_stack.back().get(), "viewWillAppear:", animated);
}

void UINavigationController::forwardViewWillAppear(bool animated)
{
    if (UIViewController* top = topViewController()) {
        objc::msgSend<void>(top, "viewWillAppear:", animated);
    }
}

std::string UINavigationController::backButtonTitle() const
{
    if (m_stack.size() < 2) {
        return {};
    }
    const std::string& previous = m_stack[m_stack.size() - 2]->title();
    // A long title does not fit beside the page's own title; the platform shows "Back" instead.
    return previous.empty() || characterCount(previous) > 12 ? "Back" : previous;
}

UINavigationBar* UINavigationController::navigationBar()
{
    if (!m_bar) {
        m_bar = objc::create<UINavigationBar>();
        m_bar->setBackgroundColor(UIColor::white(0.97));
        std::weak_ptr<UINavigationController> weakSelf = retained<UINavigationController>();
        m_bar->setBackAction([weakSelf] {
            if (auto self = weakSelf.lock()) {
                self->popViewControllerAnimated(true);
            }
        });
    }
    return m_bar.get();
}

void UINavigationController::setNavigationBarHiddenAnimated(bool hidden, bool)
{
    m_barHidden = hidden;
    layoutIfLoaded();
}

void UINavigationController::layoutIfLoaded()
{
    if (isViewLoaded()) {
        viewWillLayoutSubviews();
    }
}

void UINavigationController::viewWillLayoutSubviews()
{
    UIView* container = view();
    UINavigationBar* bar = navigationBar();
    CGRect bounds = container->bounds();
    double barHeight = UINavigationBar::kHeight + (container->frameInWindow().minY() <= 0 ? kStatusBarHeight : 0);
    double pageTop = m_barHidden ? 0 : barHeight;

    UIViewController* top = topViewController();
    auto pageView = top ? top->viewShared() : nullptr;
    auto shown = m_shownPageView.lock();
    if (shown && shown != pageView && shown->superview() == container) {
        shown->removeFromSuperview();
    }
    if (pageView) {
        if (pageView->superview() != container) {
            container->insertSubviewAtIndex(pageView, 0);
        }
        CGRect frame = CGRectMake(0, pageTop, bounds.width(), bounds.height() - pageTop);
        if (pageView->frame() != frame) {
            pageView->setFrame(frame);
        }
    }
    m_shownPageView = pageView;

    if (bar->superview() != container) {
        container->addSubview(m_bar);
    }
    container->bringSubviewToFront(bar);
    bar->setHidden(m_barHidden);
    if (CGRect frame = CGRectMake(0, 0, bounds.width(), barHeight); bar->frame() != frame) {
        bar->setFrame(frame);
    }
    if (top) {
        UINavigationItem* item = top->navigationItem();
        std::optional<std::string> back;
        if (m_stack.size() > 1 && !item->hidesBackButton()) {
            back = backButtonTitle();
        }
        bar->showItem(item->title().empty() ? top->title() : item->title(), back, item->leftBarButtonItem(),
                      item->rightBarButtonItem());
    }
}

std::vector<UIViewController*> UINavigationController::childViewControllers() const
{
    std::vector<UIViewController*> children;
    for (const auto& controller : m_stack) {
        children.push_back(controller.get());
    }
    return children;
}

}  // namespace device::uikit
