#include "velmora/pane/root_list_beside.h"

#include "velmora/core/tablet.h"

#include "device/objc/message.h"

namespace velmora::pane {

namespace {

namespace objc = device::objc;
using device::preferences::PSViewController;

constexpr std::string_view kRootListClass = "PrefsListController";

}  // namespace

PSViewController* rootListAbove(PSViewController& page)
{
    objc::Class rootClass = objc::objc_getClass(kRootListClass);
    auto* controller = dynamic_cast<PSViewController*>(page.parentController());
    while (controller) {
        if (objc::class_isSubclassOf(controller->isa(), rootClass)) {
            return controller;
        }
        controller = dynamic_cast<PSViewController*>(controller->parentController());
    }
    return nullptr;
}

void rebuildRootListBeside(PSViewController& page)
{
    if (objc::Object* root = core::isTablet() ? rootListAbove(page) : nullptr) {
        objc::msgSend<void>(root, "reloadSpecifiers");
    }
}

void refreshRootListBeside(PSViewController& page)
{
    if (objc::Object* root = core::isTablet() ? rootListAbove(page) : nullptr) {
        objc::msgSend<void>(root, "viewWillAppear:", true);
    }
}

}  // namespace velmora::pane
