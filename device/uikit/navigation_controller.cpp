#include "device/uikit/navigation_controller.h"

#include "device/objc/message.h"
#include "device/uikit/screen.h"

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
    if (!m_stack.empty() && isViewLoaded()) {
        controller->view()->setFrame(m_stack.back()->view()->frame());
    }
    m_stack.push_back(controller);
    objc::msgSend<void>(controller.get(), "viewWillAppear:", animated);
}

std::shared_ptr<UIViewController> UINavigationController::popViewControllerAnimated(bool animated)
{
    if (m_stack.size() < 2) {
        return nullptr;
    }
    auto popped = m_stack.back();
    m_stack.pop_back();
    objc::msgSend<void>(m_stack.back().get(), "viewWillAppear:", animated);
    return popped;
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
    return previous.empty() || previous.size() > 12 ? "Back" : previous;
}

}  // namespace device::uikit
