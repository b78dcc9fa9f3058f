#include "velmora/pane/pane_root.h"

#include "device/objc/class_builder.h"

namespace velmora::pane {

void registerVelmoraController()
{
    device::objc::ClassBuilder<VelmoraController>(device::preferences::PSListController::className);
}

}  // namespace velmora::pane
