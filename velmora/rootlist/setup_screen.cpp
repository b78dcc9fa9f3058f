#include "velmora/rootlist/setup_screen.h"

#include "velmora/core/resources.h"
#include "velmora/core/tablet.h"
#include "velmora/core/translator.h"

#include "device/objc/message.h"
#include "device/uikit/image_view.h"
#include "device/uikit/navigation_controller.h"

namespace velmora::rootlist {

namespace {

namespace objc = device::objc;
namespace uikit = device::uikit;

// Compared with the view's height in points, so every phone gets the shorter picture.
constexpr double kTallPictureMinimumHeight = 960;

std::shared_ptr<uikit::UIImage> setupPicture(std::string_view name)
{
    return uikit::UIImage::imageWithContentsOfFile(std::string(core::kResourceDirectory).append("Setup/").append(name));
}

}  // namespace

void presentSetupScreen(device::preferences::PSListController& root)
{
    auto page = objc::create<uikit::UIViewController>();
    auto navigation = uikit::UINavigationController::initWithRootViewController(page);
    page->view()->setBackgroundColor(uikit::UIColor::whiteColor());
    page->setTitle(core::Translator("ty"));
    page->navigationItem()->setRightBarButtonItem(
        uikit::UIBarButtonItem::initWithTitle(core::Translator("done"), uikit::UIBarButtonItemStyle::Bordered, &root,
                                              objc::sel_registerName("viewWillAppear:")));

    if (core::isTablet()) {
        page->setModalPresentationStyle(uikit::UIModalPresentationStyle::FormSheet);
        navigation->setModalPresentationStyle(uikit::UIModalPresentationStyle::FormSheet);
        auto picture = objc::create<uikit::UIImageView>(uikit::CGRectMake(0, 0, 540, 575));
        picture->setImage(setupPicture("iphone4.png"));
        picture->setContentMode(uikit::UIViewContentMode::ScaleAspectFit);
        page->view()->addSubview(picture);
        root.presentViewControllerAnimated(navigation, true);
        return;
    }
    root.presentViewControllerAnimated(navigation, true);
    uikit::CGRect frame = page->view()->frame();
    auto picture = objc::create<uikit::UIImageView>(frame);
    picture->setImage(setupPicture(frame.height() > kTallPictureMinimumHeight ? "iphone5.png" : "iphone4.png"));
    picture->setContentMode(uikit::UIViewContentMode::ScaleAspectFill);
    page->view()->addSubview(picture);
}

}  // namespace velmora::rootlist
