#include "velmora/protection/entry_list_pages.h"

#include "device/objc/class_builder.h"

namespace velmora::protection {

void registerEntryListPages()
{
    device::objc::ClassBuilder<allSpecifiersController>(device::preferences::PSListController::className);
    device::objc::ClassBuilder<protectionController>(device::preferences::PSListController::className);
}

}  // namespace velmora::protection
