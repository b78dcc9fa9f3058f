#include "velmora/pane/info/package.h"

#include "velmora/core/resources.h"
#include "velmora/store/store.h"

#include "device/uikit/application.h"

namespace velmora::pane {

std::string installedVersion()
{
    return store::readString(store::load(std::string(core::kResourceDirectory) + "informations.plist"), "Version");
}

void openPackagePage(std::string_view packageIdentifier)
{
    std::string url = std::string("cydia://package/").append(packageIdentifier);
    auto& application = device::uikit::UIApplication::sharedApplication();
    if (application.canOpenURL(url)) {
        application.openURL(url);
    }
}

}  // namespace velmora::pane
