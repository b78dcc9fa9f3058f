#pragma once

#include "device/uikit/navigation_bar.h"
#include "device/uikit/view_controller.h"

#include <memory>
#include <vector>

namespace device::uikit {

// Shows the page on top of its stack below a navigation bar (a status bar's height taller when
// the controller's view reaches the top of the screen). The bar's back button pops.
class UINavigationController : public UIViewController {
public:
    static constexpr std::string_view className = "UINavigationController";
    static constexpr double kStatusBarHeight = 20;

    static std::shared_ptr<UINavigationController> initWithRootViewController(std::shared_ptr<UIViewController> root);

    const std::vector<std::shared_ptr<UIViewController>>& viewControllers() const { return m_stack; }
    UIViewController* topViewController() const { return m_stack.empty() ? nullptr : m_stack.back().get(); }
    void pushViewControllerAnimated(std::shared_ptr<UIViewController> controller, bool animated);
    std::shared_ptr<UIViewController> popViewControllerAnimated(bool animated);
    // Replaces the whole stack; only the new top page hears viewWillAppear:.
    void setViewControllersAnimated(std::vector<std::shared_ptr<UIViewController>> controllers, bool animated);

    // The title of the back button shown over the top page: the previous page's title, or "Back".
    std::string backButtonTitle() const;

    UINavigationBar* navigationBar();
    bool isNavigationBarHidden() const { return m_barHidden; }
    void setNavigationBarHiddenAnimated(bool hidden, bool animated);

    // viewWillAppear: of a navigation controller reaches the page on top.
    void forwardViewWillAppear(bool animated);

    void viewWillLayoutSubviews() override;
    std::vector<UIViewController*> childViewControllers() const override;

protected:
    std::shared_ptr<UIView> loadView() override;

private:
    void adopt(const std::shared_ptr<UIViewController>& controller);
    void layoutIfLoaded();

    std::vector<std::shared_ptr<UIViewController>> m_stack;
    std::shared_ptr<UINavigationBar> m_bar;
    bool m_barHidden = false;
    std::weak_ptr<UIView> m_shownPageView;
};

}  // namespace device::uikit
