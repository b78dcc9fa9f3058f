#include "velmora/pane/info/header_cell.h"
#include "velmora/pane/info/info_pages.h"

#include "device/objc/class_builder.h"

namespace velmora::pane {

void registerInformationPages()
{
    namespace objc = device::objc;
    objc::ClassBuilder<HeaderCell>(device::preferences::PSTableCell::className)
        .method<&HeaderCell::initWithSpecifier>("initWithSpecifier:")
        .method<&HeaderCell::preferredHeightForWidth>("preferredHeightForWidth:");
    objc::ClassBuilder<infoController>(PSListController::className)
        .method<&infoController::Name>("Name")
        .method<&infoController::Autor>("Autor")
        .method<&infoController::Version>("Version")
        .method<&infoController::getLanguage>("getLanguage");
    objc::ClassBuilder<ChangeLogController>(PSListController::className);
    objc::ClassBuilder<userGuideController>(PSListController::className)
        .method<&userGuideController::removeCorrupeted>("removeCorrupeted");
    objc::ClassBuilder<softwareupdateController>(PSListController::className)
        .method<&softwareupdateController::viewWillAppear>("viewWillAppear:");
    objc::ClassBuilder<AboutUs>(PSListController::className).method<&AboutUs::follow>("follow");
    objc::ClassBuilder<worksController>(PSListController::className)
        .method<&worksController::openPackage>("openPackage:");
}

}  // namespace velmora::pane
