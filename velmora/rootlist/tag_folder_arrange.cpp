#include "velmora/rootlist/tag_folder_arrange.h"

#include "device/objc/class_builder.h"

namespace velmora::rootlist {

void registerFolderArrangeTable()
{
    device::objc::ClassBuilder<Editable>(device::preferences::PSViewController::className);
}

}  // namespace velmora::rootlist
