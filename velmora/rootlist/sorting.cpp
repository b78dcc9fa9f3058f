#include "velmora/rootlist/sorting.h"

#include "device/objc/class_builder.h"

namespace velmora::rootlist {

void registerSortDelegate()
{
    device::objc::ClassBuilder<Sort>(device::uikit::UIActionSheet::className);
}

void sortAZ(device::objc::id, device::objc::SEL) {}

void sortZA(device::objc::id, device::objc::SEL) {}

void sortType(device::objc::id, device::objc::SEL, device::objc::id) {}

}  // namespace velmora::rootlist
