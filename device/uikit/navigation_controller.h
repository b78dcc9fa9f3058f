#pragma once

#include "device/uikit/view_controller.h"

#include <memory>
#include <vector>

namespace device::uikit {

class UINavigationController : public UIViewController {
public:
    static constexpr std::string_view className = "UINavigationController";

    static std::shared_ptr<UINavigationController> initWithRootViewController(std::shared_ptr<UIViewController> root);

    const std::vector<std::shared_ptr<UIViewController>>& viewControllers() const { return m_stack; }
    UIViewController* topViewController() const { return m_stack.empty() ? nullptr : m_stack.back().get(); }
    void pushViewControllerAnimated(std::shared_ptr<UIViewController> controller, bool animated);
    std::shared_ptr<UIViewController> popViewControllerAnimated(bool animated);

    // The title of the back button shown over the top page: the previous page's title, or "Back".
    std::string backButtonTitle() const;

    // viewWillAppear: of a navigation controller reaches the page on top.
    void forwardViewWillAppear(bool animated);

private:
    void adopt(const std::shared_ptr<UIViewController>& controller);

    std::vector<std::shared_ptr<UIViewController>> m_stack;
};

}  // namespace device::uikit
