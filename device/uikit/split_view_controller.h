#pragma once

#include "device/uikit/navigation_controller.h"
#include "device/uikit/view_controller.h"

namespace device::uikit {

// A tablet's side-by-side layout: the master list on the left, the detail pages beside it.
class UISplitViewController : public UIViewController {
public:
    static constexpr std::string_view className = "UISplitViewController";

    static constexpr double kMasterWidth = 320;

    void setViewControllers(std::shared_ptr<UINavigationController> master,
                            std::shared_ptr<UINavigationController> detail);
    UINavigationController* master() const { return m_master.get(); }
    UINavigationController* detail() const { return m_detail.get(); }

    void forwardViewWillAppear(bool animated);

    void viewWillLayoutSubviews() override;
    std::vector<UIViewController*> childViewControllers() const override;

protected:
    std::shared_ptr<UIView> loadView() override;

private:
    std::shared_ptr<UINavigationController> m_master;
    std::shared_ptr<UINavigationController> m_detail;
};

}  // namespace device::uikit
