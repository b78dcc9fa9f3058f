#include "velmora/rootlist/tag_folder.h"

#include "device/objc/class_builder.h"

namespace velmora::rootlist {

void registerTagFolder()
{
    device::objc::ClassBuilder<TagFolder>(device::preferences::PSListController::className);
}

}  // namespace velmora::rootlist
