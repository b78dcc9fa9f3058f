#include "velmora/rootlist/arrange_mode.h"

#include "device/objc/class_builder.h"

namespace velmora::rootlist {

void registerArrangeTable()
{
    device::objc::ClassBuilder<test>(device::preferences::PSViewController::className);
}

void setEditingState(device::objc::id, device::objc::SEL) {}

void ArrangeCompleted(device::objc::id, device::objc::SEL) {}

void resetPos(device::objc::id, device::objc::SEL) {}

}  // namespace velmora::rootlist
