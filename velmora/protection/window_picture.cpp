#include "velmora/protection/window_picture.h"

#include "device/uikit/application.h"
#include "device/uikit/image_context.h"
#include "device/uikit/screen.h"
#include "device/uikit/window.h"

namespace velmora::protection {

std::shared_ptr<device::uikit::UIImage> keyWindowPicture()
{
    namespace uikit = device::uikit;
    uikit::UIWindow* window = uikit::UIApplication::sharedApplication().keyWindow();
    if (!window) {
        return nullptr;
    }
    uikit::UIGraphicsBeginImageContextWithOptions(window->bounds().size, true, uikit::UIScreen::mainScreen().scale());
    window->layer().renderInContext(uikit::UIGraphicsGetCurrentContext());
    auto picture = uikit::UIGraphicsGetImageFromCurrentImageContext();
    uikit::UIGraphicsEndImageContext();
    return picture;
}

}  // namespace velmora::protection
