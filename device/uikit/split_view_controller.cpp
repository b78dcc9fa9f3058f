#include "device/uikit/split_view_controller.h"

#include "device/objc/message.h"
#include "device/uikit/screen.h"

namespace device::uikit {

void UISplitViewController::setViewControllers(std::shared_ptr<UINavigationController> master,
                                               std::shared_ptr<UINavigationController> detail)
{
    m_master = std::move(master);
    m_detail = std::move(detail);
    CGRect screen = UIScreen::mainScreen().bounds();
    double contentHeight = screen.height() - kNavigationBarBottom;
    for (auto& [navigation, frame] :
         {std::pair{m_master, CGRectMake(0, kNavigationBarBottom, kMasterWidth, contentHeight)},
          std::pair{m_detail, CGRectMake(kMasterWidth + 1, kNavigationBarBottom, screen.width() - kMasterWidth - 1,
                                         contentHeight)}}) {
        navigation->setParentViewController(retained<UIViewController>());
        for (const auto& page : navigation->viewControllers()) {
            page->view()->setFrame(frame);
        }
    }
}

void UISplitViewController::forwardViewWillAppear(bool animated)
{
    for (auto* navigation : {m_master.get(), m_detail.get()}) {
        if (navigation) {
            objc::msgSend<void>(navigation, "viewWillAppear:", animated);
        }
    }
}

}  // namespace device::uikit
