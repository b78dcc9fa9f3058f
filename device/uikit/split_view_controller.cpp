#include "device/uikit/split_view_controller.h"

#include "device/objc/message.h"
#include "device/uikit/screen.h"

namespace device::uikit {

std::shared_ptr<UIView> UISplitViewController::loadView()
{
    auto view = objc::create<UIView>(UIScreen::mainScreen().bounds());
    view->setBackgroundColor(UIColor::white(0.8));
    return view;
}

void UISplitViewController::setViewControllers(std::shared_ptr<UINavigationController> master,
                                               std::shared_ptr<UINavigationController> detail)
{
    m_master = std::move(master);
    m_detail = std::move(detail);
    for (auto* navigation : {m_master.get(), m_detail.get()}) {
        if (navigation) {
            navigation->setParentViewController(retained<UIViewController>());
        }
    }
    if (isViewLoaded()) {
        viewWillLayoutSubviews();
    }
}

void UISplitViewController::viewWillLayoutSubviews()
{
    UIView* container = view();
    CGRect bounds = container->bounds();
    // A one-point divider between the two sides.
    CGRect masterFrame = CGRectMake(0, 0, kMasterWidth, bounds.height());
    CGRect detailFrame = CGRectMake(kMasterWidth + 1, 0, bounds.width() - kMasterWidth - 1, bounds.height());
    for (auto [navigation, frame] : {std::pair{m_master.get(), masterFrame}, std::pair{m_detail.get(), detailFrame}}) {
        if (!navigation) {
            continue;
        }
        auto side = navigation->viewShared();
        if (side->superview() != container) {
            container->addSubview(side);
        }
        if (side->frame() != frame) {
            side->setFrame(frame);
        }
        navigation->viewWillLayoutSubviews();
    }
}

std::vector<UIViewController*> UISplitViewController::childViewControllers() const
{
    return {m_master.get(), m_detail.get()};
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
