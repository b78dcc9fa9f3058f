#include "device/render/screen_controllers.h"

#include "device/uikit/split_view_controller.h"

#include <vector>

namespace device::render {

namespace {

uikit::UIViewController* topOf(uikit::UINavigationController* navigation)
{
    return navigation ? navigation->topViewController() : nullptr;
}

// A navigation controller's page may present as well as the navigation controller itself.
uikit::UIViewController* presentedBy(uikit::UIViewController* controller)
{
    if (uikit::UIViewController* presented = controller->presentedViewController()) {
        return presented;
    }
    auto* navigation = dynamic_cast<uikit::UINavigationController*>(controller);
    uikit::UIViewController* top = topOf(navigation);
    return top ? top->presentedViewController() : nullptr;
}

}  // namespace

ScreenControllers findScreenControllers(const uikit::UIWindow& window)
{
    ScreenControllers found;
    uikit::UIViewController* root = window.rootViewController();
    if (!root) {
        return found;
    }
    std::vector<uikit::UIViewController*> presenters{root};
    if (auto* split = dynamic_cast<uikit::UISplitViewController*>(root)) {
        found.masterNavigation = split->master();
        found.pageNavigation = split->detail();
        found.master = topOf(found.masterNavigation);
    } else {
        found.pageNavigation = dynamic_cast<uikit::UINavigationController*>(root);
    }
    found.page = found.pageNavigation ? topOf(found.pageNavigation) : root;
    for (auto* navigation : {found.masterNavigation, found.pageNavigation}) {
        if (navigation) {
            presenters.push_back(navigation);
            for (const auto& page : navigation->viewControllers()) {
                presenters.push_back(page.get());
            }
        }
    }
    for (auto* presenter : presenters) {
        for (auto* presented = presenter->presentedViewController(); presented; presented = presentedBy(presented)) {
            found.modal = presented;
        }
    }
    if (found.modal) {
        found.modalNavigation = dynamic_cast<uikit::UINavigationController*>(found.modal);
        found.modalContent = found.modalNavigation ? topOf(found.modalNavigation) : found.modal;
    }
    return found;
}

}  // namespace device::render
